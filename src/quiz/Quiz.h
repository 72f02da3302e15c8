// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FormControls.h"

namespace quiz {

// The quiz's state and its event handlers. Speaks to the form only
// through its controls' operations, addressed by array and index.
class Quiz
{
public:
    explicit Quiz(ui::FormControls &form);

    void Form_Load();
    void Option1_Click(ui::Index index);
    void List1_Click(ui::Index index);
    void Command1_Click(ui::Index index);

    // Until a country is clicked, 0 stands for the first button.
    ui::Index selectedCountry = 0;
    ui::Index selectedParliament = 0;

private:
    void compareAction();
    void clearAction(ui::Index masterLast);
    void showBothVerdicts();

    // The verdict labels: Label1(3) says "right", Label1(4) "wrong".
    static constexpr ui::Index rightVerdict = 3;
    static constexpr ui::Index wrongVerdict = 4;

    ui::ControlArray<ui::TextBox> &Text1;
    ui::ControlArray<ui::Label> &Label1;
    ui::ControlArray<ui::OptionButton> &Option1;
    ui::ControlArray<ui::ListBox> &List1;
};

} // namespace quiz
