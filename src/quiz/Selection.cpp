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
    // Only the parliament list is ever shown, so it is the one that was clicked.
    selectedParliament = List1(role::parliamentList).ListIndex();
    showBothVerdicts();
}

// Both verdicts side by side is the neutral display of a fresh choice.
void Quiz::showBothVerdicts()
{
    Label1(role::rightVerdict).setVisible(true);
    Label1(role::wrongVerdict).setVisible(true);
}

} // namespace quiz
