// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/Quiz.h"
#include "ui/ControlTable.h"

namespace quiz {

void Quiz::clearAction(ui::Index masterLast)
{
    Label1(role::rightVerdict).setVisible(true);
    Label1(role::rightVerdict).setBackColor(ui::labelBackColor);
    Label1(role::wrongVerdict).setVisible(true);
    Label1(role::wrongVerdict).setBackColor(ui::labelBackColor);

    List1(role::parliamentList).setListIndex(-1);
    List1(role::parliamentList).Clear();
    // Refilled from the master copy, each parliament returns to its
    // position, which is what the answer key goes by.
    for (ui::Index i = 0; i <= masterLast; ++i) {
        List1(role::parliamentList).AddItem(List1(role::masterList).List(i));
        Option1(i).setEnabled(true);
    }
}

} // namespace quiz
