// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/CommandButton.h"

namespace ui::web {

CommandButton::CommandButton()
    : CommandButton(Node("button"))
{ }

CommandButton::CommandButton(Node element)
    : CaptionedControl(element, element, element)
{
    element.setAttribute("type", "button");
}

void CommandButton::onClick(ClickNotice notify)
{
    element().listen("click", std::move(notify));
}

} // namespace ui::web
