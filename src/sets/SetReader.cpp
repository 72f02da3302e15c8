// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sets/SetReader.h"

#include "sets/CsvRows.h"
#include "sets/ItemWidth.h"
#include "sets/TextDecoding.h"
#include "ui/SortOrder.h"

#include <algorithm>
#include <string>

namespace sets {

namespace {

ui::Text number(std::size_t value)
{
    // By hand: std::to_string would bring printf into the page's program.
    ui::Text digits;
    do {
        digits.insert(digits.begin(), char16_t(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

ui::Text quoted(ui::TextView text)
{
    return u"„" + ui::Text(text) + u"“";
}

SetReading refused(int row, ui::Text what)
{
    return {std::nullopt, {row, std::move(what)}};
}

// Where each text of a set came from: its file's rows.
struct Rows
{
    int headings = 1;
    std::vector<int> pairs;

    int ofPair(std::size_t index) const
    {
        return index < pairs.size() ? pairs[index] : int(index) + 2;
    }
};

// A heading or an item: there, on one line, and whole in `room`.
std::optional<SetProblem> checkText(const ui::Text &text, int row, ui::TextView emptyWhat, int room,
                                    ui::TextView where)
{
    if (text.empty())
        return SetProblem {row, ui::Text(emptyWhat)};
    if (text.find_first_of(u"\r\n") != ui::Text::npos)
        return SetProblem {row, quoted(text) + u" е на повече от един ред"};
    if (std::any_of(text.begin(), text.end(), [](char16_t letter) { return letter < 0x20; }))
        return SetProblem {row,
                           quoted(text) + u" съдържа табулация или друг знак, който не се вижда"};
    if (pixelWidth(text) > room) {
        const ui::Text fits = trimmedItem(longestStartWithin(text, room));
        return SetProblem {row,
                           quoted(text) + u" не се побира " + ui::Text(where) + u"; побира се "
                               + quoted(fits)};
    }
    return std::nullopt;
}

SetReading check(PairSet set, const Rows &rows)
{
    if (auto problem
        = checkText(set.title, 0, u"наборът няма заглавие", titleRoom, u"в заглавието на формата"))
        return {std::nullopt, *problem};
    if (auto problem = checkText(set.leftHeading, rows.headings, u"лявото заглавие е празно",
                                 leftHeadingRoom, u"над бутоните"))
        return {std::nullopt, *problem};
    if (auto problem = checkText(set.rightHeading, rows.headings, u"дясното заглавие е празно",
                                 rightHeadingRoom, u"над списъка"))
        return {std::nullopt, *problem};

    const std::size_t count = set.pairs.size();
    if (count < fewestPairs)
        return refused(0,
                       count == 0
                           ? ui::Text(u"под заглавията няма нито една двойка; трябват поне 2")
                           : ui::Text(u"двойката е само една; трябват поне 2"));
    if (count > mostPairs)
        return refused(0, u"двойките са " + number(count) + u", а може да са най-много 12");

    for (std::size_t i = 0; i < count; ++i) {
        const Pair &pair = set.pairs[i];
        const int row = rows.ofPair(i);
        if (auto problem
            = checkText(pair.left, row, u"лявата клетка е празна", leftItemRoom, u"в бутона"))
            return {std::nullopt, *problem};
        if (auto problem
            = checkText(pair.right, row, u"дясната клетка е празна", rightItemRoom, u"в списъка"))
            return {std::nullopt, *problem};
        for (std::size_t before = 0; before < i; ++before) {
            const Pair &earlier = set.pairs[before];
            const ui::Text &same = ui::sortAlike(earlier.left, pair.left) ? pair.left
                : ui::sortAlike(earlier.right, pair.right)                ? pair.right
                                                                          : ui::Text();
            if (!same.empty())
                return refused(
                    row, quoted(same) + u" е и на ред " + number(std::size_t(rows.ofPair(before))));
        }
    }
    return {std::move(set), {}};
}

} // namespace

ui::Text trimmedItem(ui::TextView text)
{
    constexpr ui::TextView blanks = u" \t\u00a0";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == ui::TextView::npos)
        return {};
    return ui::Text(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

ui::Text describe(const SetProblem &problem)
{
    if (problem.row == 0)
        return problem.what;
    return u"ред " + number(std::size_t(problem.row)) + u": " + problem.what;
}

SetReading checkedSet(PairSet set)
{
    return check(std::move(set), Rows {});
}

SetReading readSetFile(std::string_view bytes, ui::TextView title)
{
    if (bytes.size() > largestSetBytes)
        return refused(0, u"файлът е по-голям от 64 KB, а набор от 12 двойки е много по-малък");
    const std::optional<ui::Text> text = decodeText(bytes);
    if (!text)
        return refused(0, u"файлът не е текст; запишете таблицата като CSV");
    return readSetText(*text, separatorOf(*text), title);
}

SetReading readSetText(ui::TextView text, char16_t separator, ui::TextView title)
{
    const CsvRows split = splitCsv(text, separator);
    if (split.unclosedQuoteRow != 0)
        return refused(split.unclosedQuoteRow, u"кавичките не са затворени");

    PairSet set {trimmedItem(title), {}, {}, {}};
    Rows rows;
    bool headingsRead = false;
    for (const CsvRow &row : split.rows) {
        std::vector<ui::Text> cells;
        for (const ui::Text &cell : row.cells)
            cells.push_back(trimmedItem(cell));
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        if (cells.empty())
            continue;
        if (cells.size() != 2) {
            const ui::Text found
                = cells.size() == 1 ? ui::Text(u"а е само една") : u"а са " + number(cells.size());
            return refused(row.number,
                           headingsRead ? u"в реда трябват две клетки, лява и дясна, " + found
                                        : u"на първия ред трябват две заглавия, " + found);
        }
        if (!headingsRead) {
            set.leftHeading = cells[0];
            set.rightHeading = cells[1];
            rows.headings = row.number;
            headingsRead = true;
        } else {
            set.pairs.push_back({cells[0], cells[1]});
            rows.pairs.push_back(row.number);
        }
    }
    if (!headingsRead)
        return refused(0,
                       u"файлът е празен: на първия ред трябват двете заглавия, а под тях "
                       u"двойките");
    return check(std::move(set), rows);
}

ui::Text titleFromFileName(ui::TextView path)
{
    const std::size_t slash = path.find_last_of(u"/\\");
    ui::TextView name = slash == ui::TextView::npos ? path : path.substr(slash + 1);
    if (name.size() >= 4) {
        ui::Text ending(name.substr(name.size() - 4));
        for (char16_t &letter : ending)
            if (letter >= u'A' && letter <= u'Z')
                letter = char16_t(letter + 0x20);
        if (ending == u".csv")
            name.remove_suffix(4);
    }
    return trimmedItem(name);
}

} // namespace sets
