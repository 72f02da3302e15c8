// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

namespace ui {

// The order a sorted list box keeps its entries in: letter by letter, Latin
// and Cyrillic capitals as their small letters. A set's answer key is found
// in the same order, so both must come from here.
bool sortsBefore(TextView a, TextView b);

// Neither sorts before the other: to a learner, the same entry.
inline bool sortAlike(TextView a, TextView b)
{
    return !sortsBefore(a, b) && !sortsBefore(b, a);
}

} // namespace ui
