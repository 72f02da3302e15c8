// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/Quiz.h"

namespace quiz {

namespace {
constexpr ui::Index compareButton = 0;
constexpr ui::Index clearButton = 1;
} // namespace

Quiz::Quiz(ui::FormControls &form)
    : Text1(form.Text1)
    , Label1(form.Label1)
    , Option1(form.Option1)
    , List1(form.List1)
{ }

void Quiz::Form_Load()
{
    selectedCountry = 0;
    selectedParliament = 0;
    List1(0).setListIndex(-1);
}

void Quiz::Command1_Click(ui::Index index)
{
    // Taken on every press of either button, before the index is looked at.
    const ui::Index masterLast = ui::Index(List1(1).ListCount() - 1);
    if (index == compareButton)
        compareAction();
    else if (index == clearButton)
        clearAction(masterLast);
}

} // namespace quiz
