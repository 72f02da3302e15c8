// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

namespace ui {

// The face and size the form is laid out for. One family name: where it is
// not installed, fontconfig maps it to a face with the same metrics, and a
// list of families would only make every lookup try each in turn.
QFont formFont();

// The faces the form is laid out for: the designed one, then those with its
// metrics that stand in for it where it is missing.
QStringList designedFamilies();

// Makes the form's font the application's. Before the first widget, so that
// none is made, laid out and then redone in another font.
void useFormFont();

} // namespace ui
