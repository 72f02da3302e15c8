// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/TextBox.h"

namespace ui::web {

namespace {

// A textarea keeps one line break for CR LF, CR or LF alike.
Text forDisplay(TextView text)
{
    Text shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            shown += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

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
    element().setValue(forDisplay(text));
}

void TextBox::showAppended(TextView more, bool completesLineEnd)
{
    // Whoever extends the text wants to see what was added: scrolled to it.
    element().appendValue(forDisplay(completesLineEnd ? more.substr(1) : more));
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
