// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/BuiltInTexts.h"
#include "ui/FormControls.h"

#include <vector>

// The controls' interface over nothing but memory: the quiz's rules played
// with no toolkit at all. A learner's click is a call of click().
namespace memory {

template<typename Interface> class Control : public Interface
{
public:
    bool Visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool Enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    ui::Rgb BackColor() const override { return color_; }
    void setBackColor(ui::Rgb color) override { color_ = color; }

protected:
    bool visible_ = true;
    bool enabled_ = true;
    ui::Rgb color_ {255, 255, 255};
};

template<typename Interface> class Captioned : public Control<Interface>
{
public:
    ui::Text Caption() const override { return caption_; }
    void setCaption(ui::TextView caption) override { caption_ = caption; }
    void onClick(ui::ClickNotice notify) { notify_ = std::move(notify); }
    void click() const { notify_(); }

private:
    ui::Text caption_;
    ui::ClickNotice notify_;
};

using Label = Captioned<ui::Label>;
using CommandButton = Captioned<ui::CommandButton>;

// Each button knows the group it is checked in.
class OptionButton : public Captioned<ui::OptionButton>
{
public:
    explicit OptionButton(std::vector<OptionButton *> &group)
        : group_(group)
    {
        group_.push_back(this);
    }
    bool Value() const override { return checked_; }
    // As a learner's click: a disabled or already checked button does nothing.
    void choose()
    {
        if (!Enabled() || checked_)
            return;
        for (OptionButton *other : group_)
            other->checked_ = false;
        checked_ = true;
        click();
    }

private:
    std::vector<OptionButton *> &group_;
    bool checked_ = false;
};

// Raises its click on setListIndex as Qt's list does, or not, as the page's.
class ListBox : public Control<ui::ListBox>
{
public:
    explicit ListBox(bool raisesClickWhenSet)
        : raisesClickWhenSet_(raisesClickWhenSet)
    { }
    ui::Index ListCount() const override { return ui::Index(entries_.size()); }
    ui::Index ListIndex() const override { return selected_; }
    void setListIndex(ui::Index position) override
    {
        selected_ = position >= 0 && position < ListCount() ? position : -1;
        if (raisesClickWhenSet_ && notify_)
            notify_();
    }
    ui::Text List(ui::Index position) const override
    {
        return position >= 0 && position < ListCount() ? entries_[std::size_t(position)]
                                                       : ui::Text();
    }
    void setList(ui::Index position, ui::TextView text) override
    {
        if (position >= 0 && position < ListCount())
            entries_[std::size_t(position)] = text;
    }
    void Clear() override
    {
        entries_.clear();
        selected_ = -1;
    }
    void onClick(ui::ClickNotice notify) override { notify_ = std::move(notify); }
    void choose(ui::Index position)
    {
        selected_ = position;
        notify_();
    }

protected:
    void insertItem(ui::Index position, ui::TextView text) override
    {
        entries_.insert(entries_.begin() + position, ui::Text(text));
    }

private:
    std::vector<ui::Text> entries_;
    ui::Index selected_ = -1;
    bool raisesClickWhenSet_;
    ui::ClickNotice notify_;
};

class TextBox : public Control<ui::TextBox>
{
public:
    std::vector<ui::Text> announced;

protected:
    void showText(const ui::Text &) override { }
    void showAppended(ui::TextView, bool) override { }
    void announce(ui::TextView line) override { announced.emplace_back(line); }
};

// The quiz's form, filled from the built-in texts; `masterEntries` of the
// parliaments in the hidden master list.
struct Form : ui::FormControls
{
    explicit Form(bool listRaisesClickWhenSet, std::size_t masterEntries = 12)
    {
        for (int i = 0; i < 2; ++i)
            Text1.load<TextBox>();
        log().setText(ui::texts::instructions);
        log().announceNewLines();
        for (ui::TextView caption : ui::texts::label1Captions)
            Label1.load<Label>().setCaption(caption);
        for (ui::TextView country : ui::texts::countries)
            Option1.load<OptionButton>(group).setCaption(country);
        for (std::size_t list = 0; list < 2; ++list) {
            auto &parliaments = List1.load<ListBox>(listRaisesClickWhenSet);
            for (std::size_t i = 0; i < (list == 0 ? 12 : masterEntries); ++i)
                parliaments.AddItem(ui::texts::parliaments[i]);
        }
        for (ui::TextView caption : ui::texts::command1Captions)
            Command1.load<CommandButton>().setCaption(caption);
    }

    OptionButton &country(ui::Index index) { return static_cast<OptionButton &>(Option1(index)); }
    ListBox &list() { return static_cast<ListBox &>(parliamentList()); }
    void press(ui::CommandButton &button) { static_cast<CommandButton &>(button).click(); }

    std::vector<OptionButton *> group;
};

} // namespace memory
