// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/FormFont.h"

#include <QApplication>
#include <QFontDatabase>

#include <algorithm>

namespace ui::qt {

QStringList designedFamilies()
{
    return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
}

QFont formFont()
{
    const QStringList installed = QFontDatabase::families();
    const QStringList designed = designedFamilies();
    const auto found = std::find_if(designed.begin(), designed.end(), [&](const QString &family) {
        return installed.contains(family);
    });
    QFont font(found != designed.end() ? *found : designed.first(), 12);
    // With neither installed, the font system's nearest serif; the captions
    // are then fitted to it.
    font.setStyleHint(QFont::Serif);
    return font;
}

QWidget *parentWithFormFontSet(QWidget *parent)
{
    // Setting it again would send every existing widget a font change.
    const QFont font = formFont();
    if (QApplication::font() != font)
        QApplication::setFont(font);
    return parent;
}

} // namespace ui::qt
