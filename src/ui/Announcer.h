#pragma once

#include <QWidget>

namespace ui {

// Tells assistive technology a short text without moving the focus. Screen
// readers speak an object in the notification role as it appears, so each
// announcement shows this invisible object anew with the text as its name.
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
