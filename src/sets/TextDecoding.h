// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Text.h"

#include <optional>
#include <string_view>

namespace sets {

// A file's bytes as text, in the encoding a spreadsheet or Notepad saved it
// in: UTF-16 after its byte-order mark, UTF-8 with or without one, and
// Windows-1251 (a Bulgarian Excel's "CSV") where the bytes are not UTF-8.
// Nothing when they are not text: a NUL or another control character than a
// tab or a line end, or a byte-order mark the bytes do not follow.
std::optional<ui::Text> decodeText(std::string_view bytes);

// Each letter in Windows-1251, or nothing where one has no place there.
std::optional<std::string> toWindows1251(ui::TextView text);
ui::Text fromWindows1251(std::string_view bytes);

// UTF-8, and back; nothing where the bytes are not strictly UTF-8.
std::string toUtf8(ui::TextView text);
std::optional<ui::Text> fromUtf8(std::string_view bytes);

} // namespace sets
