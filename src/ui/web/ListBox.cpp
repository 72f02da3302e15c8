// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/ListBox.h"

namespace ui::web {

ListBox::ListBox()
    : ElementControl(Node("select"))
{ }

bool ListBox::isPosition(Index position) const
{
    return position >= 0 && position < ListCount();
}

Index ListBox::ListIndex() const
{
    return Index(element().number("selectedIndex"));
}

void ListBox::setListIndex(Index position)
{
    element().setNumber("selectedIndex", isPosition(position) ? int(position) : -1);
}

Text ListBox::List(Index position) const
{
    return isPosition(position) ? entries_[std::size_t(position)] : Text();
}

void ListBox::setList(Index position, TextView text)
{
    if (!isPosition(position))
        return;
    entries_[std::size_t(position)] = text;
    options_[std::size_t(position)].setText(text);
}

void ListBox::insertItem(Index position, TextView text)
{
    entries_.insert(entries_.begin() + position, Text(text));
    Node option("option");
    option.setText(text);
    element().insert(option, position);
    options_.insert(options_.begin() + position, option);
}

void ListBox::Clear()
{
    entries_.clear();
    for (Node option : options_)
        option.remove();
    options_.clear();
}

void ListBox::onClick(ClickNotice notify)
{
    element().listen("change", std::move(notify));
}

} // namespace ui::web
