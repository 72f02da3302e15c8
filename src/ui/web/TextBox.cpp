// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/TextBox.h"

namespace ui::web {

namespace {

// How many lines the live region keeps: a reader still reading one finds it.
constexpr int announcementsKept = 3;

} // namespace

TextBox::TextBox(Node liveRegion)
    : ElementControl(Node("textarea"))
    , liveRegion_(liveRegion)
{
    element().setProperty("readOnly", true);
}

void TextBox::showText(const ui::Text &text)
{
    element().setValue(withLineFeeds(text));
}

void TextBox::showAppended(TextView more, bool completesLineEnd)
{
    // Whoever extends the text wants to see what was added: scrolled to it.
    element().appendValue(withLineFeeds(completesLineEnd ? more.substr(1) : more));
}

void TextBox::announce(TextView line)
{
    // A new node each time: a region whose one text changed to the same
    // text again would say nothing.
    Node said("p");
    said.setText(line);
    liveRegion_.append(said);
    if (++announcements_ > announcementsKept)
        liveRegion_.removeChild(0);
}

} // namespace ui::web
