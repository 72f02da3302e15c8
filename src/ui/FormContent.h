// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

#include <array>
#include <vector>

namespace ui {

// What a form is made from besides its control table: the window's title,
// the captions that name the quiz, a country button for each country, the
// parliaments of the list and its master copy, and the log's first text.
// The verdicts and the commands are the same for every form.
struct FormContent
{
    Text windowTitle;
    Text title;
    Text countryHeading;
    Text parliamentHeading;
    std::vector<Text> countries;
    std::vector<Text> parliaments; // in any order: the list sorts them
    Text instructions;

    // Label1's captions by index: the title, the headings, then the verdicts.
    std::array<TextView, 5> label1Captions() const;

    // The countries and their parliaments, as the quiz has always been.
    static FormContent builtIn();
};

} // namespace ui
