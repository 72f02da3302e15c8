// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sets/CsvRows.h"

#include <array>

namespace sets {

namespace {

bool isLineEnd(char16_t letter)
{
    return letter == u'\r' || letter == u'\n';
}

// Past one line end, CR LF counting as one.
std::size_t pastLineEnd(ui::TextView text, std::size_t at)
{
    if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
        return at + 2;
    return at + 1;
}

} // namespace

char16_t separatorOf(ui::TextView text)
{
    constexpr std::array<char16_t, 3> candidates {u'\t', u';', u','};
    std::array<int, 3> counts {};
    bool quoted = false;
    // The first row that is not blank.
    std::size_t start = 0;
    while (start < text.size() && isLineEnd(text[start]))
        ++start;
    for (std::size_t i = start; i < text.size() && (quoted || !isLineEnd(text[i])); ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        for (std::size_t k = 0; k < candidates.size(); ++k)
            if (!quoted && text[i] == candidates[k])
                ++counts[k];
    }
    // On a tie the one least likely inside an item: a tab, then a semicolon.
    std::size_t most = 0;
    for (std::size_t k = 1; k < candidates.size(); ++k)
        if (counts[k] > counts[most])
            most = k;
    return counts[most] > 0 ? candidates[most] : u',';
}

CsvRows splitCsv(ui::TextView text, char16_t separator)
{
    CsvRows split;
    CsvRow row {1, {ui::Text()}};
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t letter = text[i];
        if (letter == u'"' && row.cells.back().find_first_not_of(u" \t") == ui::Text::npos) {
            // A quoted cell: blanks before its quote are not part of it.
            const int startRow = row.number;
            row.cells.back().clear();
            ++i;
            bool closed = false;
            while (i < text.size()) {
                if (text[i] == u'"') {
                    if (i + 1 < text.size() && text[i + 1] == u'"') {
                        row.cells.back() += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                if (isLineEnd(text[i])) {
                    // Kept as one LF, so that the row can say it has a line break.
                    row.cells.back() += u'\n';
                    i = pastLineEnd(text, i);
                    continue;
                }
                row.cells.back() += text[i++];
            }
            if (!closed) {
                split.unclosedQuoteRow = startRow;
                break;
            }
        } else if (letter == separator) {
            row.cells.emplace_back();
            ++i;
        } else if (isLineEnd(letter)) {
            const int next = row.number + 1;
            split.rows.push_back(std::move(row));
            row = CsvRow {next, {ui::Text()}};
            i = pastLineEnd(text, i);
        } else {
            row.cells.back() += letter;
            ++i;
        }
    }
    if (row.cells.size() > 1 || !row.cells.back().empty())
        split.rows.push_back(std::move(row));
    return split;
}

} // namespace sets
