// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/Announcer.h"

#include <QAccessible>

namespace ui::qt {

Announcer::Announcer(QWidget *window)
    : QObject(window)
    , window_(window)
{ }

void Announcer::announce(const QString &text)
{
    QAccessibleAnnouncementEvent event(window_, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
}

} // namespace ui::qt
