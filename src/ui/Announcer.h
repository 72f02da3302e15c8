#pragma once

#include <QWidget>
#include <QtGlobal>

// Qt 6.8 can ask a screen reader to speak a text outright, without any object
// to show; older versions only have the notification object below.
#define QUIZ_HAS_ANNOUNCEMENT_EVENT (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

namespace ui {

// Tells assistive technology a short text without moving the focus: politely,
// as an announcement where Qt has them. Before that, screen readers speak an
// object in the notification role as it appears, so each announcement shows
// this invisible object anew with the text as its name, first telling them
// the name changed: a reader that keeps names would otherwise repeat the old.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);
    QString text() const { return text_; }

private:
    QString text_;
};

} // namespace ui
