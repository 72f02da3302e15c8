// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/Label.h"

namespace ui::qt {

Label::Label(QWidget *parent)
    : WidgetControl(new QLabel(parent))
{ }

Text Label::Caption() const
{
    return fromQString(widget()->text());
}

void Label::setCaption(TextView caption)
{
    widget()->setText(toQString(caption));
}

} // namespace ui::qt
