// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Label.h"
#include "ui/web/Element.h"
#include "ui/web/Node.h"

namespace ui::web {

// Text in an element of its own, of the kind `tag` (a heading, a plain box).
class Label : public CaptionedControl<ui::Label>
{
public:
    explicit Label(const char *tag);

private:
    explicit Label(Node element);
};

} // namespace ui::web
