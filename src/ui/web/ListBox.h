// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ListBox.h"
#include "ui/web/Element.h"
#include "ui/web/Node.h"

#include <vector>

namespace ui::web {

// A <select> that shows several entries at once. The entries' texts are
// kept here exactly, because the page trims an option's blanks and a used
// entry's "  " must read back as written; the selection is the page's, which
// the user changes. Setting ListIndex raises no click.
class ListBox : public ElementControl<ui::ListBox>
{
public:
    ListBox();

    Index ListCount() const override { return Index(entries_.size()); }
    Index ListIndex() const override;
    void setListIndex(Index position) override;
    Text List(Index position) const override;
    void setList(Index position, TextView text) override;
    void Clear() override;
    void onClick(ClickNotice notify) override;

protected:
    void insertItem(Index position, TextView text) override;

private:
    bool isPosition(Index position) const;

    std::vector<Text> entries_;
    std::vector<Node> options_;
};

} // namespace ui::web
