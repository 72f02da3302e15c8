// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/OptionButton.h"
#include "ui/web/Element.h"
#include "ui/web/Node.h"

namespace ui::web {

// A radio <input> inside its <label>; the buttons of one group share a name.
class OptionButton : public CaptionedControl<ui::OptionButton>
{
public:
    explicit OptionButton(const char *group);

    bool Value() const override;
    void onClick(ClickNotice notify) override;

private:
    OptionButton(Node label, Node input, Node caption, const char *group);

    Node input_;
};

} // namespace ui::web
