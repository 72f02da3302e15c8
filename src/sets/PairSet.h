// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

#include <cstddef>
#include <vector>

namespace sets {

// One pair of a set: an item of the left column (a country button) and the
// item of the right column it belongs with (a parliament).
struct Pair
{
    ui::Text left;
    ui::Text right;

    friend bool operator==(const Pair &, const Pair &) = default;
};

// A set of pairs a teacher makes: what the form is made from instead of the
// countries and their parliaments.
struct PairSet
{
    ui::Text title;
    ui::Text leftHeading;
    ui::Text rightHeading;
    std::vector<Pair> pairs;

    friend bool operator==(const PairSet &, const PairSet &) = default;
};

// As many pairs as the form has country buttons, and at least two to choose from.
inline constexpr std::size_t fewestPairs = 2;
inline constexpr std::size_t mostPairs = 12;
// A set file or link larger than this is refused unread.
inline constexpr std::size_t largestSetBytes = 64 * 1024;

} // namespace sets
