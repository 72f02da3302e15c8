// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/CommandButton.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/web/Element.h"
#include "ui/web/Node.h"

#include <vector>

// The form's controls as the page's own elements: what a browser, its find,
// its zoom and its screen readers already know how to handle.
namespace ui::web {

// Text in an element of its own, of the kind `tag` (a heading, a plain box).
class Label : public ElementControl<ui::Label>
{
public:
    explicit Label(const char *tag);

    Text Caption() const override { return caption_; }
    void setCaption(TextView caption) override;

private:
    Text caption_;
};

// A <button>.
class CommandButton : public ElementControl<ui::CommandButton>
{
public:
    CommandButton();

    Text Caption() const override { return caption_; }
    void setCaption(TextView caption) override;
    void onClick(ClickNotice notify) override;

private:
    Text caption_;
};

// A radio <input> inside its <label>; the buttons of one group share a name.
class OptionButton : public ElementControl<ui::OptionButton>
{
public:
    explicit OptionButton(const char *group);

    Text Caption() const override { return caption_; }
    void setCaption(TextView caption) override;
    bool Value() const override;
    void onClick(ClickNotice notify) override;

private:
    OptionButton(Node label, Node input, const char *group);

    Node input_;
    Node captionElement_;
    Text caption_;
};

// A <select> that shows several entries at once. The entries' texts are
// kept here exactly (the page trims an option's blanks); the selection is
// the page's, which the user changes. Setting ListIndex raises no click.
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
