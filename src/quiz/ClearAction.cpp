// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/Quiz.h"
#include "ui/ControlTable.h"

namespace quiz {

void Quiz::clearAction(qint16 masterLast)
{
    Label1(3).setVisible(true);
    Label1(3).setBackColor(QColor(ui::headingColor));
    Label1(4).setVisible(true);
    Label1(4).setBackColor(QColor(ui::headingColor));

    List1(0).setListIndex(-1);
    List1(0).Clear();
    // Refilled from the master copy, each parliament returns to its
    // position, which is what the answer key goes by.
    for (qint16 i = 0; i <= masterLast; ++i) {
        List1(0).AddItem(List1(1).List(i));
        Option1(i).setEnabled(true);
    }
}

} // namespace quiz
