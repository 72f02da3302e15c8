// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace ui {

// A colour as the form is designed in: red, green and blue, 0 to 255 each.
struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

} // namespace ui
