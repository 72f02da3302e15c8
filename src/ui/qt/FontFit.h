// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

namespace ui::qt {

// Steps the form's font down a point at a time until every caption fits
// its control. With a designed face, or one with its metrics, nothing
// changes; a wider fallback face would otherwise cut captions short.
void fitFontToCaptions(QWidget *form, const QStringList &designedFamilies, int smallestPointSize);

} // namespace ui::qt
