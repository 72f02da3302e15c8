// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/AnswerKey.h"
#include "sets/PairSet.h"
#include "ui/FormContent.h"

#include <vector>

namespace sets {

// What a quiz is made from: its form's content and its answer key.
struct SetQuiz
{
    ui::FormContent form;
    std::vector<quiz::AnswerRule> answerKey;
};

// The set the quiz has always been: the twelve countries and their
// parliaments, and the quiz made of them, with its own task text.
PairSet builtInSet();
SetQuiz builtInQuiz();

// A checked set's quiz: its title in the window's title and over the form,
// its headings over the buttons and the list, a button for each left item in
// the set's order, the right items in the list, and a task that says what to
// pair with what, never which pairs. The key gives each list position, as
// the list sorts, the button of its pair.
SetQuiz quizOf(const PairSet &set);

} // namespace sets
