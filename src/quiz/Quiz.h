// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "quiz/AnswerKey.h"
#include "ui/FormControls.h"

#include <memory>
#include <vector>

namespace quiz {

// The form's roles, by their indices in the control arrays.
namespace role = ui::role;

// The quiz's state and its event handlers. Speaks to the form only
// through its controls' operations, addressed by array and index.
class Quiz
{
public:
    // The one place where the quiz meets a form: each control array's
    // clicks go to its handler, and Form_Load runs. The form must outlive
    // the quiz. A teacher's set brings its own answer key.
    static std::unique_ptr<Quiz> attachTo(ui::FormControls &form,
                                          std::vector<AnswerRule> answerKey
                                          = {AnswerKey.begin(), AnswerKey.end()});

    Quiz(const Quiz &) = delete;
    Quiz &operator=(const Quiz &) = delete;

    void Form_Load();
    void Option1_Click(ui::Index index);
    void List1_Click(ui::Index index);
    void Command1_Click(ui::Index index);

    // Until a country is clicked, 0 stands for the first button.
    ui::Index selectedCountry = 0;
    ui::Index selectedParliament = 0;

private:
    Quiz(ui::FormControls &form, std::vector<AnswerRule> answerKey);

    void compareAction();
    void clearAction(ui::Index masterLast);
    void showBothVerdicts();

    ui::ControlArray<ui::TextBox> &Text1;
    ui::ControlArray<ui::Label> &Label1;
    ui::ControlArray<ui::OptionButton> &Option1;
    ui::ControlArray<ui::ListBox> &List1;
    const std::vector<AnswerRule> answerKey_;
};

} // namespace quiz
