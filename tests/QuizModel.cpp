// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuizModel.h"

#include "ExpectedTexts.h"

namespace {

using expected::countries;
using expected::parliaments;

const QColor startColour(255, 192, 128);

} // namespace

QuizModel::Pairs QuizModel::builtIn()
{
    Pairs pairs {countries, parliaments, {}};
    for (qsizetype country = 0; country < countries.size(); ++country)
        pairs.rightPositions << int(expected::rightPosition(country));
    return pairs;
}

QuizModel::Pairs QuizModel::fiveCapitals()
{
    // The list sorts the countries; each capital's right position in it.
    return {{"София", "Атина", "Рим", "Париж", "Виена"},
            {"Австрия", "България", "Гърция", "Италия", "Франция"},
            {1, 2, 3, 4, 0}};
}

QuizModel::QuizModel(Pairs pairs)
    : pairs(std::move(pairs))
    , entries(this->pairs.entries)
    , rightColour(startColour)
    , wrongColour(startColour)
{
    enabled.fill(true, count());
    checked.fill(false, count());
}

bool QuizModel::isRightPair(int country, int position) const
{
    if (country < 0 || country >= count() || position < 0 || position >= count())
        return false;
    return pairs.rightPositions[country] == position;
}

void QuizModel::clickCountry(int country)
{
    // A disabled button ignores the mouse; a checked one does not change.
    if (!enabled[country] || checked[country])
        return;
    checked.fill(false);
    checked[country] = true;
    selectedCountry = country;
    rightVisible = wrongVisible = true;
}

void QuizModel::selectionBecame(int position)
{
    if (position == selection)
        return;
    selection = position;
    selectedParliament = position;
    rightVisible = wrongVisible = true;
}

void QuizModel::pressCompare()
{
    if (selection == -1)
        return;
    selectedParliament = selection;
    const bool right = isRightPair(selectedCountry, selectedParliament);
    log += pairs.countries[selectedCountry] + " : " + entries[selectedParliament];
    entries[selectedParliament] = "  ";
    rightVisible = right;
    wrongVisible = !right;
    log += QString(" е ") + (right ? "Вярно" : "Невярно") + "\r\n";
    enabled[selectedCountry] = false;
}

void QuizModel::pressClear()
{
    rightVisible = wrongVisible = true;
    rightColour = wrongColour = startColour;
    selectionBecame(-1);
    entries = pairs.entries;
    enabled.fill(true);
}
