// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/TextBox.h"
#include "ui/web/Element.h"
#include "ui/web/Node.h"

namespace ui::web {

// A read-only <textarea>: selectable, copyable, found by the browser's find.
// New lines are told to screen readers through `liveRegion`, a polite live
// region, so the focus stays where it is.
class TextBox : public ElementControl<ui::TextBox>
{
public:
    explicit TextBox(Node liveRegion);

protected:
    void showText(const ui::Text &text) override;
    void showAppended(TextView more, bool completesLineEnd) override;
    void announce(TextView line) override;

private:
    Node liveRegion_;
    int announcements_ = 0;
};

} // namespace ui::web
