// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

#include <string>
#include <string_view>

// What the page does with a teacher's set around the form (page.js).
namespace page {

// Says in the page's alert why the set cannot be opened, with the ways on:
// the built-in quiz and the maker. No form is made.
void refuseSet(ui::TextView why);

// The set's title as the page's, and its link in the address bar, which
// whoever opened it can then share.
void showSet(ui::TextView title, const std::string &link);

ui::Text fromUtf8(std::string_view text);

} // namespace page
