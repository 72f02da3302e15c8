// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SortOrder.h"

#include <algorithm>

namespace ui {

namespace {

// The letters the form's texts are written in, folded as a list box sorts
// them: Latin and Cyrillic capitals to small letters.
char16_t folded(char16_t letter)
{
    if ((letter >= u'A' && letter <= u'Z')
        || (letter >= u'\u00c0' && letter <= u'\u00de' && letter != u'\u00d7'))
        return char16_t(letter + 0x20);
    if (letter >= u'\u0410' && letter <= u'\u042f')
        return char16_t(letter + 0x20);
    if (letter >= u'\u0400' && letter <= u'\u040f')
        return char16_t(letter + 0x50);
    return letter;
}

} // namespace

bool sortsBefore(TextView a, TextView b)
{
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return folded(x) < folded(y); });
}

} // namespace ui
