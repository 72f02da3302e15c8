// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web/Controls.h"

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

Label::Label(const char *tag)
    : ElementControl(Node(tag))
{ }

void Label::setCaption(TextView caption)
{
    caption_ = caption;
    element().setText(caption);
}

CommandButton::CommandButton()
    : ElementControl(Node("button"))
{
    element().setAttribute("type", "button");
}

void CommandButton::setCaption(TextView caption)
{
    caption_ = caption;
    element().setText(caption);
}

void CommandButton::onClick(ClickNotice notify)
{
    element().listen("click", std::move(notify));
}

OptionButton::OptionButton(const char *group)
    : OptionButton(Node("label"), Node("input"), group)
{ }

OptionButton::OptionButton(Node label, Node input, const char *group)
    : ElementControl(label, input)
    , input_(input)
    , captionElement_("span")
{
    input_.setAttribute("type", "radio");
    input_.setAttribute("name", group);
    label.append(input_);
    label.append(captionElement_);
}

void OptionButton::setCaption(TextView caption)
{
    caption_ = caption;
    captionElement_.setText(caption);
}

bool OptionButton::Value() const
{
    return input_.number("checked") != 0;
}

void OptionButton::onClick(ClickNotice notify)
{
    // "change" comes only as the button becomes the checked one.
    input_.listen("change", std::move(notify));
}

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
