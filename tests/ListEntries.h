// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ListBox.h"
#include "ui/qt/WidgetControl.h"

#include <QStringList>

// Every entry of a list box, in position order, read through its operations.
inline QStringList entries(const ui::ListBox &list)
{
    QStringList all;
    for (ui::Index i = 0; i < list.ListCount(); ++i)
        all << ui::qt::toQString(list.List(i));
    return all;
}
