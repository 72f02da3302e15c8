// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/CommandButton.h"
#include "ui/web/Element.h"
#include "ui/web/Node.h"

namespace ui::web {

// A <button>.
class CommandButton : public ElementControl<ui::CommandButton>
{
public:
    CommandButton();

    Text Caption() const override { return caption_; }
    void setCaption(TextView caption) override;
    void onClick(ClickNotice notify) override;

private:
    Text caption_;
};

} // namespace ui::web
