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

void setTextContent(val element, TextView text)
{
    element.set("textContent", toJs(text));
}

// How many lines the live region keeps: a reader still reading one finds it.
constexpr int announcementsKept = 3;

} // namespace

Label::Label(const char *tag)
    : ElementControl(makeElement(tag))
{ }

void Label::setCaption(TextView caption)
{
    caption_ = caption;
    setTextContent(element(), caption);
}

CommandButton::CommandButton()
    : ElementControl(makeElement("button"))
{
    element().set("type", val("button"));
}

void CommandButton::setCaption(TextView caption)
{
    caption_ = caption;
    setTextContent(element(), caption);
}

void CommandButton::onClick(ClickNotice notify)
{
    listen(element(), "click", std::move(notify));
}

OptionButton::OptionButton(const char *group)
    : OptionButton(makeElement("label"), makeElement("input"))
{
    input_.set("type", val("radio"));
    input_.set("name", val(group));
}

OptionButton::OptionButton(val label, val input)
    : ElementControl(label, input)
    , input_(std::move(input))
    , caption_element_(makeElement("span"))
{
    label.call<void>("append", input_, caption_element_);
}

void OptionButton::setCaption(TextView caption)
{
    caption_ = caption;
    setTextContent(caption_element_, caption);
}

bool OptionButton::Value() const
{
    return input_["checked"].as<bool>();
}

void OptionButton::onClick(ClickNotice notify)
{
    // "change" comes only as the button becomes the checked one.
    listen(input_, "change", std::move(notify));
}

ListBox::ListBox()
    : ElementControl(makeElement("select"))
{ }

bool ListBox::isPosition(Index position) const
{
    return position >= 0 && position < ListCount();
}

Index ListBox::ListIndex() const
{
    return Index(element()["selectedIndex"].as<int>());
}

void ListBox::setListIndex(Index position)
{
    element().set("selectedIndex", isPosition(position) ? int(position) : -1);
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
    setTextContent(element()["options"][int(position)], text);
}

void ListBox::insertItem(Index position, TextView text)
{
    entries_.insert(entries_.begin() + position, Text(text));
    val option = makeElement("option");
    setTextContent(option, text);
    element().call<void>("insertBefore", option, element()["options"][int(position)]);
}

void ListBox::Clear()
{
    entries_.clear();
    element().call<void>("replaceChildren");
}

void ListBox::onClick(ClickNotice notify)
{
    listen(element(), "change", std::move(notify));
}

TextBox::TextBox(val liveRegion)
    : ElementControl(makeElement("textarea"))
    , liveRegion_(std::move(liveRegion))
{
    element().set("readOnly", true);
}

void TextBox::showText(const ui::Text &text)
{
    element().set("value", toJs(forDisplay(text)));
}

void TextBox::showAppended(TextView more, bool completesLineEnd)
{
    val box = element();
    const int end = box["textLength"].as<int>();
    box.call<void>("setRangeText", toJs(forDisplay(completesLineEnd ? more.substr(1) : more)), end,
                   end);
    // Whoever extends the text wants to see what was added.
    box.set("scrollTop", box["scrollHeight"]);
}

void TextBox::announce(TextView line)
{
    // A new node each time: a region whose one text changed to the same
    // text again would say nothing.
    val said = makeElement("p");
    setTextContent(said, line);
    liveRegion_.call<void>("append", said);
    if (liveRegion_["childElementCount"].as<int>() > announcementsKept)
        liveRegion_["firstElementChild"].call<void>("remove");
}

} // namespace ui::web
