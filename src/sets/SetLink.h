// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sets/SetReader.h"

#include <optional>
#include <string>
#include <string_view>

namespace sets {

// A whole set in the part of a link after '#', which no server sees: "set=",
// then 1 for Windows-1251 (a byte a letter, which keeps a Cyrillic set's link
// short enough for a QR code) or 8 for UTF-8 where a letter has no place in
// it, then the title and the rows, tab-separated, in URL-safe base64.
std::string setLink(const PairSet &set);

// The set a link's part after '#' (with or without it) carries, checked as a
// file is.
SetReading readSetLink(std::string_view fragment);

// URL-safe base64 without padding, and back; nothing where a letter or the
// last one's spare bits are wrong.
std::string toBase64Url(std::string_view bytes);
std::optional<std::string> fromBase64Url(std::string_view letters);

// A set file's bytes as the page hands them on, in URL-safe base64, read
// as readSetFile reads them, its title from `fileName`.
SetReading readEncodedSetFile(std::string_view letters, ui::TextView fileName);

// The set as a file to keep, edit and open again: CSV in UTF-8 with a
// byte-order mark, so that Excel reads it right, cells separated by
// semicolons as a Bulgarian Excel separates them, rows ended by CR LF.
std::string setFile(const PairSet &set);

} // namespace sets
