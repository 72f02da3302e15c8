// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ListBox.h"

#include <QListWidget>

namespace ui {

namespace {

QListWidget *listWidget(QWidget *widget)
{
    return static_cast<QListWidget *>(widget);
}

bool isPosition(const QListWidget *list, qint16 position)
{
    return position >= 0 && position < list->count();
}

} // namespace

ListBox::ListBox(QWidget *parent)
    : Control(new QListWidget(parent))
{
    // Qt's own sorting would move an entry when its text changes.
    listWidget(widget())->setSortingEnabled(false);
    listWidget(widget())->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line in one font: one size serves them all, where
    // measuring each would repeat at every layout.
    listWidget(widget())->setUniformItemSizes(true);
}

qint16 ListBox::ListCount() const
{
    return static_cast<qint16>(listWidget(widget())->count());
}

qint16 ListBox::ListIndex() const
{
    const QList<QListWidgetItem *> selected = listWidget(widget())->selectedItems();
    if (selected.isEmpty())
        return -1;
    return static_cast<qint16>(listWidget(widget())->row(selected.first()));
}

void ListBox::setListIndex(qint16 position)
{
    QListWidget *list = listWidget(widget());
    if (isPosition(list, position)) {
        list->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    } else {
        list->clearSelection();
        list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
}

QString ListBox::List(qint16 position) const
{
    const QListWidget *list = listWidget(widget());
    return isPosition(list, position) ? list->item(position)->text() : QString();
}

void ListBox::setList(qint16 position, const QString &text)
{
    QListWidget *list = listWidget(widget());
    if (isPosition(list, position))
        list->item(position)->setText(text);
}

void ListBox::AddItem(const QString &text)
{
    QListWidget *list = listWidget(widget());
    // After any equal entries, so that equal texts keep the order they came in.
    int row = 0;
    while (row < list->count()
           && QString::compare(list->item(row)->text(), text, Qt::CaseInsensitive) <= 0)
        ++row;
    list->insertItem(row, text);
}

void ListBox::Clear()
{
    listWidget(widget())->clear();
}

void ListBox::onClick(std::function<void()> notify)
{
    // The selection, not the current row: a screen reader's select action
    // moves only the selection, and tabbing in moves only the current row.
    QListWidget *list = listWidget(widget());
    QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                     [notify = std::move(notify)] { notify(); });
}

} // namespace ui
