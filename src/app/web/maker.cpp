// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker's program (make.html, make.js): judges the set a teacher types,
// pastes or opens with the same reader and checks as the quiz, and gives
// back its link and its file. The page asks; nothing is sent anywhere.
#include "sets/CsvRows.h"
#include "sets/SetLink.h"
#include "sets/SetReader.h"

#include <emscripten/emscripten.h>
#include <string>
#include <vector>

// The page's texts: field 0 the title, 1 and 2 the headings, then each
// pair's left and right item, row by row; -1 what was pasted or the bytes of
// a file opened (URL-safe base64), -2 that file's name.
// clang-format off
EM_JS(int, makerFieldCount, (), {
    return Module.maker.fieldCount();
});
EM_JS(int, makerFieldLength, (int field), {
    return Module.maker.field(field).length;
});
EM_JS(void, makerReadField, (int field, char16_t *into, int length), {
    const text = Module.maker.field(field);
    for (let i = 0; i < length; ++i)
        HEAPU16[(into >> 1) + i] = text.charCodeAt(i);
});
EM_JS(void, makerWriteField, (int field, const char16_t *text, int length), {
    Module.maker.setField(field, UTF16ToString(text, 2 * length));
});
EM_JS(void, makerShowProblem, (const char16_t *text, int length), {
    Module.maker.showProblem(UTF16ToString(text, 2 * length));
});
EM_JS(void, makerShowSet, (const char *link, const char *file, int fileLength), {
    Module.maker.showSet(UTF8ToString(link), HEAPU8.slice(file, file + fileLength));
});
// clang-format on

namespace {

constexpr int pasted = -1;
constexpr int openedName = -2;

ui::Text field(int index)
{
    ui::Text text(std::size_t(makerFieldLength(index)), u'\0');
    makerReadField(index, text.data(), int(text.size()));
    return text;
}

void writeField(int index, ui::TextView text)
{
    makerWriteField(index, text.data(), int(text.size()));
}

void showProblem(const sets::SetProblem &problem)
{
    const ui::Text said = sets::describe(problem);
    makerShowProblem(said.data(), int(said.size()));
}

// The fields as a set; rows left empty at the end are not pairs yet.
sets::PairSet typedSet()
{
    sets::PairSet set {field(0), field(1), field(2), {}};
    for (int i = 3; i + 1 < makerFieldCount(); i += 2)
        set.pairs.push_back({field(i), field(i + 1)});
    while (!set.pairs.empty() && set.pairs.back().left.empty() && set.pairs.back().right.empty())
        set.pairs.pop_back();
    return set;
}

void fill(const sets::PairSet &set)
{
    writeField(0, set.title);
    writeField(1, set.leftHeading);
    writeField(2, set.rightHeading);
    for (std::size_t i = 0; i < sets::mostPairs; ++i) {
        const bool there = i < set.pairs.size();
        writeField(3 + 2 * int(i), there ? set.pairs[i].left : ui::Text());
        writeField(4 + 2 * int(i), there ? set.pairs[i].right : ui::Text());
    }
}

} // namespace

// Judges the fields as they stand: the problem, or the set's link and file.
extern "C" EMSCRIPTEN_KEEPALIVE void quizMakerCheck()
{
    const sets::SetReading reading = sets::checkedSet(typedSet());
    if (!reading.set) {
        showProblem(reading.problem);
        return;
    }
    const std::string link = sets::setLink(*reading.set);
    const std::string file = sets::setFile(*reading.set);
    makerShowSet(link.c_str(), file.data(), int(file.size()));
}

// Two columns pasted from a spreadsheet: the pairs, row by row, in place of
// those typed; then judged.
extern "C" EMSCRIPTEN_KEEPALIVE void quizMakerPaste()
{
    const sets::CsvRows rows = sets::splitCsv(field(pasted), u'\t');
    sets::PairSet set = typedSet();
    set.pairs.clear();
    for (const sets::CsvRow &row : rows.rows) {
        if (row.cells.size() >= 2 && set.pairs.size() < sets::mostPairs)
            set.pairs.push_back({sets::trimmedItem(row.cells[0]), sets::trimmedItem(row.cells[1])});
    }
    fill(set);
    quizMakerCheck();
}

// A set file the teacher opened to change it: its texts in the fields, then
// judged.
extern "C" EMSCRIPTEN_KEEPALIVE void quizMakerOpen()
{
    const ui::Text letters = field(pasted);
    const sets::SetReading reading
        = sets::readEncodedSetFile(std::string(letters.begin(), letters.end()), field(openedName));
    if (!reading.set) {
        showProblem(reading.problem);
        return;
    }
    fill(*reading.set);
    quizMakerCheck();
}

int main()
{
    return 0;
}
