// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Text as the controls hold it: UTF-16, as Qt's strings and the browser's are,
// so that neither side converts more than it copies.
using Text = std::u16string;
using TextView = std::u16string_view;

// A control's index in its array, and a position in a list.
using Index = std::int16_t;

} // namespace ui
