// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Label.h"

#include <QLabel>

namespace ui {

Label::Label(QWidget *parent)
    : Control(new QLabel(parent))
{ }

QString Label::Caption() const
{
    return static_cast<QLabel *>(widget())->text();
}

void Label::setCaption(const QString &caption)
{
    static_cast<QLabel *>(widget())->setText(caption);
}

} // namespace ui
