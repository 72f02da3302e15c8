// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ListBox.h"
#include "ui/qt/WidgetControl.h"

#include <QListWidget>

namespace ui::qt {

class ListBox : public WidgetControl<ui::ListBox, QListWidget>
{
public:
    explicit ListBox(QWidget *parent);

    Index ListCount() const override;
    Index ListIndex() const override;
    void setListIndex(Index position) override;
    Text List(Index position) const override;
    void setList(Index position, TextView text) override;
    void Clear() override;
    // Raised by setListIndex too.
    void onClick(ClickNotice notify) override;

protected:
    void insertItem(Index position, TextView text) override;
};

} // namespace ui::qt
