// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>

// Qt 6.8 can ask a screen reader to speak a text outright, without any object
// to show; older versions only have notification objects.
#define QUIZ_HAS_ANNOUNCEMENT_EVENT (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))

namespace ui::qt {

#if !QUIZ_HAS_ANNOUNCEMENT_EVENT
// One announcement before Qt 6.8: an invisible object in the notification
// role, named by its text, that screen readers speak as it appears.
class Notice : public QWidget
{
public:
    Notice(QWidget *parent, const QString &text);
    QString text() const { return text_; }

private:
    const QString text_;
};
#endif

// Tells assistive technology a short text without moving the focus: politely,
// as an announcement where Qt has them. Before that, each text is a Notice of
// its own: a reader that keeps the names it has read (Orca 48 does) would
// repeat an old text if one object were shown again under a new name, and
// Orca 43 stops speaking when told of a new name on a hidden object.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);

private:
    QWidget *window_;
#if !QUIZ_HAS_ANNOUNCEMENT_EVENT
    // The latest few stay, hidden, so that a reader still reading them finds them.
    QList<QPointer<Notice>> notices_;
#endif
};

} // namespace ui::qt
