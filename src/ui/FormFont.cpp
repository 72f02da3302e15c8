// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/FormFont.h"

#include <QApplication>

namespace ui {

QFont formFont()
{
    QFont font(QStringLiteral("Times New Roman"), 12);
    // Where no face with its metrics is installed either, still a serif.
    font.setStyleHint(QFont::Serif);
    return font;
}

QStringList designedFamilies()
{
    return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
}

void useFormFont()
{
    // Setting it again would send every existing widget a font change.
    if (QApplication::font() != formFont())
        QApplication::setFont(formFont());
}

} // namespace ui
