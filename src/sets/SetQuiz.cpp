// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sets/SetQuiz.h"

#include "ui/ProgramFacts.h"
#include "ui/SortOrder.h"

#include <algorithm>
#include <numeric>

namespace sets {

namespace {

ui::Text quoted(ui::TextView text)
{
    return u"„" + ui::Text(text) + u"“";
}

ui::Text taskOf(const PairSet &set)
{
    return u"Задача: " + set.title + u"\r\n" + u"Свържете всеки ред от " + quoted(set.leftHeading)
        + u" със съответния му ред от " + quoted(set.rightHeading)
        + u": изберете двата и натиснете „Сравни“. „Чисти“ започва отначало, а отговорите "
          u"остават записани тук.\r\n";
}

} // namespace

PairSet builtInSet()
{
    const ui::FormContent form = ui::FormContent::builtIn();
    PairSet set {ui::Text(ui::texts::quizTitle), form.countryHeading, form.parliamentHeading, {}};
    for (std::size_t country = 0; country < form.countries.size(); ++country) {
        const auto rule = std::find_if(
            quiz::AnswerKey.begin(), quiz::AnswerKey.end(),
            [&](const quiz::AnswerRule &key) { return std::size_t(key.countryIndex) == country; });
        set.pairs.push_back(
            {form.countries[country], form.parliaments[std::size_t(rule->parliamentPosition)]});
    }
    return set;
}

SetQuiz builtInQuiz()
{
    return {ui::FormContent::builtIn(), {quiz::AnswerKey.begin(), quiz::AnswerKey.end()}};
}

SetQuiz quizOf(const PairSet &set)
{
    SetQuiz made;
    made.form.windowTitle = ui::Text(ui::texts::publisherSite) + u" " + set.title;
    made.form.title = set.title;
    made.form.countryHeading = set.leftHeading;
    made.form.parliamentHeading = set.rightHeading;
    for (const Pair &pair : set.pairs) {
        made.form.countries.push_back(pair.left);
        made.form.parliaments.push_back(pair.right);
    }
    made.form.instructions = taskOf(set);

    // The pairs in the order the list will show their right items; a stable
    // sort, as the list keeps alike entries in the order they came.
    std::vector<std::size_t> byPosition(set.pairs.size());
    std::iota(byPosition.begin(), byPosition.end(), 0);
    std::stable_sort(byPosition.begin(), byPosition.end(), [&](std::size_t a, std::size_t b) {
        return ui::sortsBefore(set.pairs[a].right, set.pairs[b].right);
    });
    for (std::size_t position = 0; position < byPosition.size(); ++position)
        made.answerKey.push_back({std::int16_t(position), std::int16_t(byPosition[position])});
    return made;
}

} // namespace sets
