// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace ui::qt {

// Contrast of two colours as WCAG 2 defines it, from 1 (none) to 21.
double contrastRatio(const QColor &a, const QColor &b);

// Black or white, whichever reads better on `background`.
QColor readableTextOn(const QColor &background);

} // namespace ui::qt
