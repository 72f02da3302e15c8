// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/Quiz.h"

namespace quiz {

void Quiz::Option1_Click(ui::Index index)
{
    selectedCountry = index;
    showBothVerdicts();
}

void Quiz::List1_Click(ui::Index /*index*/)
{
    // Only List1(0) is ever shown, so it is the one that was clicked.
    selectedParliament = List1(0).ListIndex();
    showBothVerdicts();
}

// Both verdicts side by side is the neutral display of a fresh choice.
void Quiz::showBothVerdicts()
{
    Label1(rightVerdict).setVisible(true);
    Label1(wrongVerdict).setVisible(true);
}

} // namespace quiz
