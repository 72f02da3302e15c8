// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/AnswerKey.h"

#include <algorithm>

namespace quiz {

bool isMatch(std::span<const AnswerRule> key, std::int16_t selectedCountry,
             std::int16_t selectedParliament)
{
    return std::any_of(key.begin(), key.end(), [&](const AnswerRule &rule) {
        return rule.countryIndex == selectedCountry
            && rule.parliamentPosition == selectedParliament;
    });
}

} // namespace quiz
