// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/WidgetControl.h"

#include "ui/qt/Contrast.h"

namespace ui::qt {

WidgetHolder::WidgetHolder(QWidget *widget)
    : widget_(widget)
{ }

WidgetHolder::~WidgetHolder()
{
    // Deleting the widget here, not with its parent, ends its signal
    // connections before the handlers they reach are gone.
    delete widget_.data();
}

QWidget *WidgetHolder::widget() const
{
    return static_cast<QWidget *>(widget_.data());
}

bool shownFlag(const QWidget *widget)
{
    return !widget->isHidden();
}

Rgb backgroundOf(const QWidget *widget)
{
    const QColor color = widget->palette().color(widget->backgroundRole());
    return Rgb {std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue())};
}

void paintBackground(QWidget *widget, Rgb color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), toQColor(color));
    // The theme's text colour may be light; on our colours it must read.
    const QColor text = readableTextOn(toQColor(color));
    palette.setColor(QPalette::Active, widget->foregroundRole(), text);
    palette.setColor(QPalette::Inactive, widget->foregroundRole(), text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace ui::qt
