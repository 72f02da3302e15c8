// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ui::qt {

// Tells assistive technology a short text without moving the focus, politely.
// Qt 6.8 can ask a screen reader to speak a text outright
// (AnnouncerEvent.cpp); before it, each text is a notification object of its
// own that readers speak as it appears (AnnouncerNotices.cpp). The build
// takes the one its Qt has.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);

private:
    QWidget *window_;
    // Before Qt 6.8, the latest few notices stay, hidden, so that a reader
    // still reading them finds them.
    QList<QPointer<QWidget>> notices_;
};

} // namespace ui::qt
