// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"
#include "ui/Text.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace ui {

class TextBox;

// What a text box's Text() reads: its content, as a value that converts to
// Text. It exists for the log: reading it copies
// nothing, and "that content followed by more" remembers where it came from,
// so writing it back to the same, unchanged box appends only the addition
// instead of copying, laying out and announcing a long log whole at every
// compare.
class TextValue
{
public:
    operator Text() const { return more_.empty() ? *read_ : *read_ + more_; }

    friend TextValue operator+(TextValue value, TextView more)
    {
        value.more_.append(more);
        return value;
    }

private:
    friend class TextBox;
    TextValue(const TextBox *box, std::uint64_t revision, std::shared_ptr<const Text> read)
        : box_(box)
        , revision_(revision)
        , read_(std::move(read))
    { }

    const TextBox *box_;
    std::uint64_t revision_;
    // The box's content as it was read, shared until either side changes.
    std::shared_ptr<const Text> read_;
    Text more_;
};

// A multi-line, read-only text box with a vertical scroll bar. Text() gives
// back exactly what was written, CR LF included, whatever line ends the
// toolkit shows; the box keeps it, and tells its toolkit what to show.
// Its operation keeps the form's name, Text, which inside a text box hides
// the type of that name: there it is written ui::Text.
class TextBox : public Control
{
public:
    // Each line the text gains from now on is also told to screen readers.
    void announceNewLines() { announcing_ = true; }

    TextValue Text() const;
    // By value: a temporary read is released before appending, so the
    // box's own copy need not be duplicated to grow.
    void setText(TextValue text);
    void setText(TextView text);

protected:
    const ui::Text &content() const { return *text_; }
    // As a toolkit's text box shows it: one line feed for each CR LF, CR or LF.
    static ui::Text withLineFeeds(TextView text);

    // Show this whole text.
    virtual void showText(const ui::Text &text) = 0;
    // Show the text extended by `more`; `completesLineEnd` when its first
    // character is the LF of a CR the box already ended with.
    virtual void showAppended(TextView more, bool completesLineEnd) = 0;
    // Tell screen readers one line, without moving the focus.
    virtual void announce(TextView line) = 0;

private:
    void append(TextView more);
    void announceLinesEndedBy(std::size_t appendedAt);

    // Shared with the values Text() gave out; copied only when it changes
    // while one of them still reads it.
    std::shared_ptr<ui::Text> text_ = std::make_shared<ui::Text>();
    std::uint64_t revision_ = 0;
    bool announcing_ = false;
};

} // namespace ui
