// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/Label.h"

namespace ui::web {

Label::Label(const char *tag)
    : ElementControl(Node(tag))
{ }

void Label::setCaption(TextView caption)
{
    caption_ = caption;
    element().setText(caption);
}

} // namespace ui::web
