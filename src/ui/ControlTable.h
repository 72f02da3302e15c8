// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ProgramFacts.h"
#include "ui/Rgb.h"
#include "ui/Text.h"

#include <array>
#include <optional>

namespace ui {

// Where a control stands on the form and how it starts. Lengths in twips.
struct Placement
{
    int left;
    int top;
    int width;
    int height;
    std::optional<Rgb> backColor; // none: the toolkit's colour for that kind of control
    int tabIndex;
    bool visibleAtStart;
};

// The form's client area, in twips.
constexpr int formWidthTwips = 6915;
constexpr int formHeightTwips = 6090;

constexpr Rgb labelBackColor {255, 192, 128};
constexpr Rgb countryColor {255, 128, 0};
constexpr Rgb compareColor {128, 255, 128};
constexpr Rgb clearColor {255, 0, 0};

// Label1: 0 title, 1 and 2 column headings, 3 right and 4 wrong verdict.
constexpr std::array<Placement, 5> label1Placements {{
    {480, 0, 5295, 375, labelBackColor, 2, true},
    {480, 720, 1575, 375, labelBackColor, 3, true},
    {2400, 720, 2775, 375, labelBackColor, 4, true},
    {2640, 3240, 1095, 375, labelBackColor, 18, true},
    {4200, 3240, 1095, 375, labelBackColor, 19, true},
}};

// Option1: one country button per index, stacked down the left column.
constexpr Placement option1Placement(Index index)
{
    return {480, 1080 + 240 * index, 1575, 285, countryColor, 5 + index, true};
}

// List1: 0 the parliaments to pick from, 1 their hidden master copy.
constexpr std::array<Placement, 2> list1Placements {{
    {2400, 1200, 2775, 915, std::nullopt, 17, true},
    {5400, 1200, 1695, 915, std::nullopt, 22, false},
}};

// Command1: 0 compare, 1 clear.
constexpr std::array<Placement, 2> command1Placements {{
    {2640, 2280, 1455, 375, compareColor, 20, true},
    {4320, 2280, 1455, 375, clearColor, 21, true},
}};

// Text1: 0 instructions and answer log, 1 hidden quotation.
constexpr std::array<Placement, 2> text1Placements {{
    {120, 4320, 6735, 1575, std::nullopt, 0, true},
    {720, 4440, 6735, 1575, std::nullopt, 1, false},
}};

} // namespace ui
