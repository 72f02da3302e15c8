// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/Label.h"

namespace ui::web {

Label::Label(const char *tag)
    : Label(Node(tag))
{ }

Label::Label(Node element)
    : CaptionedControl(element, element, element)
{ }

} // namespace ui::web
