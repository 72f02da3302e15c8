// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

namespace sets {

// How wide a text is in the form's face at its 12 points (16 pixels at 96
// dots per inch), in pixels, rounded up. A letter the face's table does not
// hold counts as the widest one that it does.
int pixelWidth(ui::TextView text);

// The room each text of a set has in its control at the form's size, in
// pixels: what is left of the control once its frame, its button's circle
// or its list's scroll bar have theirs.
inline constexpr int leftItemRoom = 78; // a country button, 105 pixels wide
inline constexpr int rightItemRoom = 150; // an entry of the 185-pixel list
inline constexpr int leftHeadingRoom = 100; // "Страна", 105 pixels
inline constexpr int rightHeadingRoom = 180; // "Парламент", 185 pixels
inline constexpr int titleRoom = 345; // the title, 353 pixels

// The longest start of `text` that fits in `room` pixels.
ui::Text longestStartWithin(ui::TextView text, int room);

} // namespace sets
