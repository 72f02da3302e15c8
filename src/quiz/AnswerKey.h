// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quiz {

// One rule of the answer key: the parliament at this list position
// belongs to the country with this button index.
struct AnswerRule
{
    std::int16_t parliamentPosition;
    std::int16_t countryIndex;

    friend constexpr bool operator==(AnswerRule, AnswerRule) = default;
};

// By list position, the order the rules are checked in. Positions name the
// parliament whatever the entry's text currently is.
constexpr std::array<AnswerRule, 12> AnswerKey {{
    {0, 8}, // Бундестаг - Германия
    {1, 1}, // Велик Хурал - Монголия
    {2, 5}, // Диета - Япония
    {3, 7}, // Държавна дума - Русия
    {4, 3}, // Кносет - Израел
    {5, 6}, // Конгрес - САЩ
    {6, 11}, // Кортеси - Испания
    {7, 4}, // Меджлис - Турция
    {8, 10}, // Народно събрание - България
    {9, 2}, // Сейм - Полша
    {10, 9}, // Скупщина - Сърбия
    {11, 0}, // Стартинг - Норвегия
}};

// Whether the chosen country and parliament belong together by `key`: every
// rule is looked at, in order.
bool isMatch(std::span<const AnswerRule> key, std::int16_t selectedCountry,
             std::int16_t selectedParliament);

// ...by the countries' and parliaments' own key.
inline bool isMatch(std::int16_t selectedCountry, std::int16_t selectedParliament)
{
    return isMatch(AnswerKey, selectedCountry, selectedParliament);
}

} // namespace quiz
