// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"

#include <QString>

#include <functional>

namespace ui {

// A sorted list box addressed by position: each AddItem entry is placed in
// order, but an entry whose text changes later keeps its place.
class ListBox : public Control
{
public:
    explicit ListBox(QWidget *parent);

    qint16 ListCount() const;

    // The selected position, -1 when nothing is selected.
    qint16 ListIndex() const;
    void setListIndex(qint16 position);

    QString List(qint16 position) const;
    void setList(qint16 position, const QString &text);

    void AddItem(const QString &text);
    void Clear();

    // Raised whenever the selection changes, by the user or by setListIndex.
    void onClick(std::function<void()> notify);
};

} // namespace ui
