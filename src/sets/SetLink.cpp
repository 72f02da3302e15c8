// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sets/SetLink.h"

#include "sets/TextDecoding.h"

#include <optional>

namespace sets {

namespace {

constexpr std::string_view linkStart = "set=";
constexpr std::string_view base64Letters
    = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// A cell as CSV writes it: in quotes where it holds a quote or any of the
// separators, so that a reader finds the file's own from its first row.
ui::Text cell(const ui::Text &text)
{
    const bool plain = text.find_first_of(u"\t;,\"\r\n") == ui::Text::npos;
    if (plain)
        return text;
    ui::Text quoted = u"\"";
    for (char16_t letter : text) {
        if (letter == u'"')
            quoted += u'"';
        quoted += letter;
    }
    return quoted + u"\"";
}

ui::Text rows(const PairSet &set, char16_t separator, ui::TextView lineEnd)
{
    ui::Text text = cell(set.leftHeading) + separator + cell(set.rightHeading) + ui::Text(lineEnd);
    for (const Pair &pair : set.pairs)
        text += cell(pair.left) + separator + cell(pair.right) + ui::Text(lineEnd);
    return text;
}

SetReading damaged()
{
    return {std::nullopt, {0, u"връзката е непълна или повредена; поискайте я отново"}};
}

} // namespace

std::string toBase64Url(std::string_view bytes)
{
    std::string letters;
    letters.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        unsigned long group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k <= count; ++k)
            letters += base64Letters[group >> (18 - 6 * k) & 0x3f];
    }
    return letters;
}

std::optional<std::string> fromBase64Url(std::string_view letters)
{
    if (letters.size() % 4 == 1)
        return std::nullopt;
    std::string bytes;
    unsigned long group = 0;
    int bits = 0;
    for (char letter : letters) {
        const std::size_t value = base64Letters.find(letter);
        if (value == std::string_view::npos)
            return std::nullopt;
        group = (group << 6 | value) & 0xffffff;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += char(group >> bits & 0xff);
        }
    }
    // The bits left over must be the zeros that filled the last letter.
    if ((group & ((1ul << bits) - 1)) != 0)
        return std::nullopt;
    return bytes;
}

std::string setLink(const PairSet &set)
{
    const ui::Text text = set.title + u"\n" + rows(set, u'\t', u"\n");
    if (const std::optional<std::string> bytes = toWindows1251(text))
        return std::string(linkStart) + "1" + toBase64Url(*bytes);
    return std::string(linkStart) + "8" + toBase64Url(toUtf8(text));
}

SetReading readSetLink(std::string_view fragment)
{
    if (fragment.starts_with('#'))
        fragment.remove_prefix(1);
    if (!fragment.starts_with(linkStart) || fragment.size() <= linkStart.size()
        || fragment.size() > largestSetBytes * 2)
        return damaged();
    const char encoding = fragment[linkStart.size()];
    const std::optional<std::string> bytes = fromBase64Url(fragment.substr(linkStart.size() + 1));
    if (!bytes || (encoding != '1' && encoding != '8'))
        return damaged();
    const std::optional<ui::Text> text
        = encoding == '1' ? std::optional(fromWindows1251(*bytes)) : fromUtf8(*bytes);
    const std::size_t titleEnd = text ? text->find(u'\n') : ui::Text::npos;
    if (titleEnd == ui::Text::npos)
        return damaged();
    return readSetText(ui::TextView(*text).substr(titleEnd + 1), u'\t',
                       ui::TextView(*text).substr(0, titleEnd));
}

SetReading readEncodedSetFile(std::string_view letters, ui::TextView fileName)
{
    const std::optional<std::string> bytes = fromBase64Url(letters);
    if (!bytes)
        return {std::nullopt, {0, u"файлът не можа да се прочете"}};
    return readSetFile(*bytes, titleFromFileName(fileName));
}

std::string setFile(const PairSet &set)
{
    return "\xef\xbb\xbf" + toUtf8(rows(set, u';', u"\r\n"));
}

} // namespace sets
