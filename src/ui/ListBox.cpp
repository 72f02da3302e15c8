// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ListBox.h"

#include "ui/SortOrder.h"

namespace ui {

void ListBox::AddItem(TextView text)
{
    // After any equal entries, so that equal texts keep the order they came in.
    Index position = 0;
    while (position < ListCount() && !sortsBefore(text, List(position)))
        ++position;
    insertItem(position, text);
}

} // namespace ui
