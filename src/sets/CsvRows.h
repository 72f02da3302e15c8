// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

#include <vector>

namespace sets {

// One row of a CSV file as a spreadsheet numbers it (from 1, blank rows
// counted), with its cells as written: quotes undone, blanks kept.
struct CsvRow
{
    int number;
    std::vector<ui::Text> cells;
};

struct CsvRows
{
    std::vector<CsvRow> rows;
    // The row whose quotes are never closed, or 0.
    int unclosedQuoteRow = 0;
};

// The separator a spreadsheet used, found from the first row: whichever of
// tab, semicolon and comma stands there most often outside quotes (on a tie,
// in that order); the comma when none does.
char16_t separatorOf(ui::TextView text);

// Splits `text` into rows at CR LF, LF or CR and each row into cells at
// `separator`, as spreadsheets write CSV: a cell in double quotes may hold
// the separator, line ends and "" for one quote.
CsvRows splitCsv(ui::TextView text, char16_t separator);

} // namespace sets
