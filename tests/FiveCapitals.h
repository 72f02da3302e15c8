// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sets/PairSet.h"

// A teacher's set of five pairs, as the tests hand it to the program; the
// model's own statement of it is QuizModel::fiveCapitals().
inline sets::PairSet fiveCapitals()
{
    return {u"Столици",
            u"Столица",
            u"Държава",
            {{u"София", u"България"},
             {u"Атина", u"Гърция"},
             {u"Рим", u"Италия"},
             {u"Париж", u"Франция"},
             {u"Виена", u"Австрия"}}};
}
