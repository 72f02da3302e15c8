// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sets/PairSet.h"

#include <optional>
#include <string_view>

namespace sets {

// What is wrong with a set, in Bulgarian, and in which row of its file.
struct SetProblem
{
    int row = 0; // 0: the file as a whole
    ui::Text what;
};

// "ред 3: ...", or what is wrong alone.
ui::Text describe(const SetProblem &problem);

// A set, or why there is none.
struct SetReading
{
    std::optional<PairSet> set;
    SetProblem problem;
};

// Reads a set file as a spreadsheet or Notepad saves it (CSV; TextDecoding.h
// says which encodings): the first row the two headings, each further row a
// pair. Blank rows and empty cells at a row's end are ignored, blanks around
// an item trimmed. Every check of checkedSet applies.
SetReading readSetFile(std::string_view bytes, ui::TextView title);

// The same from text already decoded, its cells split at `separator`.
SetReading readSetText(ui::TextView text, char16_t separator, ui::TextView title);

// The set, if the form can show it whole and a learner can tell its items
// apart: a title and two headings that fit, 2 to 12 pairs, every item there,
// on one line, fitting its control, and no item twice in a column (as the
// list sorts, capitals and small letters alike).
SetReading checkedSet(PairSet set);

// An item as a set holds it: without the blanks, tabs and no-break spaces
// around it.
ui::Text trimmedItem(ui::TextView text);

// A file's name as a set's title: without its folder and its ".csv".
ui::Text titleFromFileName(ui::TextView path);

} // namespace sets
