// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sets/ItemWidth.h"

#include "sets/GlyphAdvances.h"

#include <algorithm>

namespace sets {

namespace {

constexpr int formPixelsPerEm = 16;

int advanceOf(char16_t letter)
{
    const auto found = std::lower_bound(
        glyphAdvances.begin(), glyphAdvances.end(), letter,
        [](const GlyphAdvance &glyph, char16_t wanted) { return glyph.letter < wanted; });
    return found != glyphAdvances.end() && found->letter == letter ? found->advance : widestAdvance;
}

int pixelsFromUnits(long units)
{
    return int((units * formPixelsPerEm + fontUnitsPerEm - 1) / fontUnitsPerEm);
}

} // namespace

int pixelWidth(ui::TextView text)
{
    long units = 0;
    for (char16_t letter : text)
        units += advanceOf(letter);
    return pixelsFromUnits(units);
}

ui::Text longestStartWithin(ui::TextView text, int room)
{
    long units = 0;
    std::size_t length = 0;
    while (length < text.size() && pixelsFromUnits(units + advanceOf(text[length])) <= room)
        units += advanceOf(text[length++]);
    return ui::Text(text.substr(0, length));
}

} // namespace sets
