// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/Element.h"

namespace ui::web {

void ElementControlBase::showElement(bool visible)
{
    visible_ = visible;
    element_.setProperty("hidden", !visible);
}

void ElementControlBase::paint(Rgb color)
{
    backColor_ = color;
    element_.setBackground(color);
}

} // namespace ui::web
