// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/CommandButton.h"
#include "ui/web/Element.h"
#include "ui/web/Node.h"

namespace ui::web {

// A <button>.
class CommandButton : public CaptionedControl<ui::CommandButton>
{
public:
    CommandButton();

    void onClick(ClickNotice notify) override;

private:
    explicit CommandButton(Node element);
};

} // namespace ui::web
