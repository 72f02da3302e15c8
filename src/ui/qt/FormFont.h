// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

class QWidget;

namespace ui::qt {

// The faces the form is laid out for: the designed one, then those with its
// metrics that stand in for it where it is missing.
QStringList designedFamilies();

// The form's face and size, named by the first designed face installed. One
// installed family is found at once; a list of families, or a name the font
// system must map to another face, makes every lookup search for it.
QFont formFont();

// Makes the form's font the application's, then gives back `parent`: called
// in a window's base initialiser (QWidget(parentWithFormFontSet(parent))),
// it runs before the window and its controls exist, so none of them is made,
// laid out and then redone in another font.
QWidget *parentWithFormFontSet(QWidget *parent = nullptr);

} // namespace ui::qt
