// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/OptionButton.h"

namespace ui::web {

OptionButton::OptionButton(const char *group)
    : OptionButton(Node("label"), Node("input"), Node("span"), group)
{ }

OptionButton::OptionButton(Node label, Node input, Node caption, const char *group)
    : CaptionedControl(label, input, caption)
    , input_(input)
{
    input_.setAttribute("type", "radio");
    input_.setAttribute("name", group);
    label.append(input_);
    label.append(caption);
}

bool OptionButton::Value() const
{
    return input_.number("checked") != 0;
}

void OptionButton::onClick(ClickNotice notify)
{
    // "change" comes only as the button becomes the checked one.
    input_.listen("change", std::move(notify));
}

} // namespace ui::web
