// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"
#include "ui/Text.h"

namespace ui {

// A sorted list box addressed by position: each AddItem entry is placed in
// order, but an entry whose text changes later keeps its place.
class ListBox : public Control
{
public:
    virtual Index ListCount() const = 0;

    // The selected position, -1 when nothing is selected.
    virtual Index ListIndex() const = 0;
    // A position outside the list selects nothing.
    virtual void setListIndex(Index position) = 0;

    // Outside the list: no text, and nothing changes.
    virtual Text List(Index position) const = 0;
    virtual void setList(Index position, TextView text) = 0;

    void AddItem(TextView text);
    virtual void Clear() = 0;

    // Raised whenever the selection changes by the user's doing; whether
    // setListIndex raises it too is the toolkit's choice.
    virtual void onClick(ClickNotice notify) = 0;

protected:
    virtual void insertItem(Index position, TextView text) = 0;
};

} // namespace ui
