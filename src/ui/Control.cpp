// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Control.h"

#include "ui/Contrast.h"

#include <QWidget>

namespace ui {

Control::Control(QWidget *widget)
    : widget_(widget)
{ }

QWidget *Control::widget() const
{
    return static_cast<QWidget *>(widget_.data());
}

Control::~Control()
{
    // Deleting the widget here, not with its parent, ends its signal
    // connections before the handlers they reach are gone.
    delete widget_.data();
}

bool Control::Visible() const
{
    return !widget()->isHidden();
}

void Control::setVisible(bool visible)
{
    widget()->setVisible(visible);
}

bool Control::Enabled() const
{
    return widget()->isEnabled();
}

void Control::setEnabled(bool enabled)
{
    widget()->setEnabled(enabled);
}

QColor Control::BackColor() const
{
    return widget()->palette().color(widget()->backgroundRole());
}

void Control::setBackColor(const QColor &color)
{
    QPalette palette = widget()->palette();
    palette.setColor(widget()->backgroundRole(), color);
    // The theme's text colour may be light; on our colours it must read.
    palette.setColor(QPalette::Active, widget()->foregroundRole(), readableTextOn(color));
    palette.setColor(QPalette::Inactive, widget()->foregroundRole(), readableTextOn(color));
    widget()->setPalette(palette);
    widget()->setAutoFillBackground(true);
}

} // namespace ui
