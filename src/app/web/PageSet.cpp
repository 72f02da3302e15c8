// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/web/PageSet.h"

#include "sets/TextDecoding.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(void, quizRefuseSet, (const char16_t *text, int length), {
    Module.refuseSet(UTF16ToString(text, 2 * length));
});
EM_JS(void, quizShowSet, (const char16_t *title, int length, const char *link), {
    document.title = UTF16ToString(title, 2 * length);
    history.replaceState(null, document.title, '#' + UTF8ToString(link));
});
// clang-format on

namespace page {

void refuseSet(ui::TextView why)
{
    quizRefuseSet(why.data(), int(why.size()));
}

void showSet(ui::TextView title, const std::string &link)
{
    quizShowSet(title.data(), int(title.size()), link.c_str());
}

ui::Text fromUtf8(std::string_view text)
{
    return sets::fromUtf8(text).value_or(ui::Text());
}

} // namespace page
