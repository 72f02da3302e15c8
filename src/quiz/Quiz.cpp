// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/Quiz.h"

namespace quiz {

Quiz::Quiz(ui::FormControls &form, std::vector<AnswerRule> answerKey)
    : Text1(form.Text1)
    , Label1(form.Label1)
    , Option1(form.Option1)
    , List1(form.List1)
    , answerKey_(std::move(answerKey))
{ }

std::unique_ptr<Quiz> Quiz::attachTo(ui::FormControls &form, std::vector<AnswerRule> answerKey)
{
    std::unique_ptr<Quiz> quiz(new Quiz(form, std::move(answerKey)));
    Quiz *handlers = quiz.get();
    form.Option1.onClick([handlers](ui::Index index) { handlers->Option1_Click(index); });
    form.List1.onClick([handlers](ui::Index index) { handlers->List1_Click(index); });
    form.Command1.onClick([handlers](ui::Index index) { handlers->Command1_Click(index); });
    quiz->Form_Load();
    return quiz;
}

void Quiz::Form_Load()
{
    selectedCountry = 0;
    selectedParliament = 0;
    List1(role::parliamentList).setListIndex(-1);
}

void Quiz::Command1_Click(ui::Index index)
{
    // Taken on every press of either button, before the index is looked at.
    const ui::Index masterLast = ui::Index(List1(role::masterList).ListCount() - 1);
    if (index == role::compare)
        compareAction();
    else if (index == role::clear)
        clearAction(masterLast);
}

} // namespace quiz
