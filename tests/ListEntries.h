// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ListBox.h"

#include <QStringList>

// Every entry of a list box, in position order, read through its operations.
inline QStringList entries(const ui::ListBox &list)
{
    QStringList all;
    for (qint16 i = 0; i < list.ListCount(); ++i)
        all << list.List(i);
    return all;
}
