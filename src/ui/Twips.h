// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ui {

// The form is designed in twips, 1/1440 inch: 15 to a pixel at 96 dots per
// inch. Qt's logical pixels and the browser's CSS pixels are both those
// 96-dpi pixels, scaled on dense screens.
constexpr int twipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips)
{
    return twips / twipsPerPixel;
}

} // namespace ui
