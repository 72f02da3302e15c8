// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/ListBox.h"

namespace ui::qt {

namespace {

bool isPosition(const QListWidget *list, Index position)
{
    return position >= 0 && position < list->count();
}

} // namespace

ListBox::ListBox(QWidget *parent)
    : WidgetControl(new QListWidget(parent))
{
    // Qt's own sorting would move an entry when its text changes.
    widget()->setSortingEnabled(false);
    widget()->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line in one font: one size serves them all, where
    // measuring each would repeat at every layout.
    widget()->setUniformItemSizes(true);
}

Index ListBox::ListCount() const
{
    return static_cast<Index>(widget()->count());
}

Index ListBox::ListIndex() const
{
    const QList<QListWidgetItem *> selected = widget()->selectedItems();
    if (selected.isEmpty())
        return -1;
    return static_cast<Index>(widget()->row(selected.first()));
}

void ListBox::setListIndex(Index position)
{
    QListWidget *list = widget();
    if (isPosition(list, position)) {
        list->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    } else {
        list->clearSelection();
        list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
}

Text ListBox::List(Index position) const
{
    const QListWidget *list = widget();
    return isPosition(list, position) ? fromQString(list->item(position)->text()) : Text();
}

void ListBox::setList(Index position, TextView text)
{
    QListWidget *list = widget();
    if (isPosition(list, position))
        list->item(position)->setText(toQString(text));
}

void ListBox::insertItem(Index position, TextView text)
{
    widget()->insertItem(position, toQString(text));
}

void ListBox::Clear()
{
    widget()->clear();
}

void ListBox::onClick(ClickNotice notify)
{
    // The selection, not the current row: a screen reader's select action
    // moves only the selection, and tabbing in moves only the current row.
    QListWidget *list = widget();
    QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                     [notify = std::move(notify)] { notify(); });
}

} // namespace ui::qt
