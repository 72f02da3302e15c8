// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sets/TextDecoding.h"

#include <algorithm>
#include <array>

namespace sets {

namespace {

// Windows-1251's upper half; U+FFFD marks its one unused byte, 0x98.
constexpr std::array<char16_t, 128> windows1251Upper {
    u'\u0402', u'\u0403', u'\u201a', u'\u0453', u'\u201e', u'\u2026', u'\u2020', u'\u2021',
    u'\u20ac', u'\u2030', u'\u0409', u'\u2039', u'\u040a', u'\u040c', u'\u040b', u'\u040f',
    u'\u0452', u'\u2018', u'\u2019', u'\u201c', u'\u201d', u'\u2022', u'\u2013', u'\u2014',
    u'\ufffd', u'\u2122', u'\u0459', u'\u203a', u'\u045a', u'\u045c', u'\u045b', u'\u045f',
    u'\u00a0', u'\u040e', u'\u045e', u'\u0408', u'\u00a4', u'\u0490', u'\u00a6', u'\u00a7',
    u'\u0401', u'\u00a9', u'\u0404', u'\u00ab', u'\u00ac', u'\u00ad', u'\u00ae', u'\u0407',
    u'\u00b0', u'\u00b1', u'\u0406', u'\u0456', u'\u0491', u'\u00b5', u'\u00b6', u'\u00b7',
    u'\u0451', u'\u2116', u'\u0454', u'\u00bb', u'\u0458', u'\u0405', u'\u0455', u'\u0457',
};

char16_t fromWindows1251Byte(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xc0)
        return char16_t(u'\u0410' + (byte - 0xc0)); // А to я, in order
    return windows1251Upper[byte - 0x80];
}

bool isTextLetter(char16_t letter)
{
    return letter >= 0x20 || letter == u'\t' || letter == u'\r' || letter == u'\n';
}

std::optional<ui::Text> fromUtf16(std::string_view bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    ui::Text text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto high = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto low = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        text += char16_t(high << 8 | low);
    }
    // Every surrogate in its pair.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xd800 && unit <= 0xdbff && i + 1 < text.size() && text[i + 1] >= 0xdc00
            && text[i + 1] <= 0xdfff)
            ++i;
        else if (unit >= 0xd800 && unit <= 0xdfff)
            return std::nullopt;
    }
    return text;
}

} // namespace

std::optional<ui::Text> fromUtf8(std::string_view bytes)
{
    ui::Text text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            length = 1, code = lead;
        } else if ((lead & 0xe0) == 0xc0) {
            length = 2, code = lead & 0x1f, least = 0x80;
        } else if ((lead & 0xf0) == 0xe0) {
            length = 3, code = lead & 0x0f, least = 0x800;
        } else if ((lead & 0xf8) == 0xf0) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (bytes.size() - i < std::size_t(length))
            return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + std::size_t(k)]);
            if ((next & 0xc0) != 0x80)
                return std::nullopt;
            code = code << 6 | (next & 0x3f);
        }
        // Overlong forms, surrogates and what lies past Unicode are not UTF-8.
        if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return std::nullopt;
        if (code >= 0x10000) {
            code -= 0x10000;
            text += char16_t(0xd800 + (code >> 10));
            text += char16_t(0xdc00 + (code & 0x3ff));
        } else {
            text += char16_t(code);
        }
        i += std::size_t(length);
    }
    return text;
}

std::string toUtf8(ui::TextView text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xd800 && code <= 0xdbff && i + 1 < text.size() && text[i + 1] >= 0xdc00
            && text[i + 1] <= 0xdfff) {
            code = 0x10000 + ((code - 0xd800) << 10) + (text[i + 1] - 0xdc00);
            ++i;
        }
        if (code < 0x80) {
            bytes += char(code);
        } else if (code < 0x800) {
            bytes += char(0xc0 | code >> 6);
            bytes += char(0x80 | (code & 0x3f));
        } else if (code < 0x10000) {
            bytes += char(0xe0 | code >> 12);
            bytes += char(0x80 | (code >> 6 & 0x3f));
            bytes += char(0x80 | (code & 0x3f));
        } else {
            bytes += char(0xf0 | code >> 18);
            bytes += char(0x80 | (code >> 12 & 0x3f));
            bytes += char(0x80 | (code >> 6 & 0x3f));
            bytes += char(0x80 | (code & 0x3f));
        }
    }
    return bytes;
}

ui::Text fromWindows1251(std::string_view bytes)
{
    ui::Text text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text += fromWindows1251Byte(static_cast<unsigned char>(byte));
    return text;
}

std::optional<std::string> toWindows1251(ui::TextView text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t letter : text) {
        if (letter < 0x80) {
            bytes += char(letter);
        } else if (letter >= u'\u0410' && letter <= u'\u044f') {
            bytes += char(0xc0 + (letter - u'\u0410'));
        } else {
            const auto found = std::find(windows1251Upper.begin(), windows1251Upper.end(), letter);
            if (letter == u'\ufffd' || found == windows1251Upper.end())
                return std::nullopt;
            bytes += char(0x80 + (found - windows1251Upper.begin()));
        }
    }
    return bytes;
}

std::optional<ui::Text> decodeText(std::string_view bytes)
{
    std::optional<ui::Text> text;
    if (bytes.starts_with("\xff\xfe"))
        text = fromUtf16(bytes.substr(2), false);
    else if (bytes.starts_with("\xfe\xff"))
        text = fromUtf16(bytes.substr(2), true);
    else if (bytes.starts_with("\xef\xbb\xbf"))
        text = fromUtf8(bytes.substr(3));
    else if (!(text = fromUtf8(bytes)) && bytes.find('\x98') == std::string_view::npos)
        text = fromWindows1251(bytes); // whose one unused byte no text holds
    if (text && !std::all_of(text->begin(), text->end(), isTextLetter))
        return std::nullopt;
    return text;
}

} // namespace sets
