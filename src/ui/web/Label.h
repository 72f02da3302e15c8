// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Label.h"
#include "ui/web/Element.h"
#include "ui/web/Node.h"

namespace ui::web {

// Text in an element of its own, of the kind `tag` (a heading, a plain box).
class Label : public ElementControl<ui::Label>
{
public:
    explicit Label(const char *tag);

    Text Caption() const override { return caption_; }
    void setCaption(TextView caption) override;

private:
    Text caption_;
};

} // namespace ui::web
