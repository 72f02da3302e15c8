// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TextBox.h"

namespace ui {

TextValue TextBox::Text() const
{
    return TextValue(this, revision_, text_);
}

void TextBox::setText(TextValue text)
{
    if (text.box_ == this && text.revision_ == revision_ && !text_->empty()) {
        // Let go of the read first, so that the box's own copy grows in place.
        text.read_.reset();
        append(text.more_);
    } else {
        setText(ui::Text(text));
    }
}

void TextBox::setText(TextView text)
{
    // A new copy: values read before keep the old one.
    text_ = std::make_shared<ui::Text>(text);
    ++revision_;
    showText(*text_);
}

void TextBox::append(TextView more)
{
    if (more.empty())
        return;
    if (text_.use_count() > 1)
        text_ = std::make_shared<ui::Text>(*text_);
    const bool completesLineEnd = text_->ends_with(u'\r') && more.starts_with(u'\n');
    const std::size_t appendedAt = text_->size();
    *text_ += more;
    ++revision_;
    showAppended(more, completesLineEnd);
    if (announcing_)
        announceLinesEndedBy(appendedAt);
}

// Announces every non-empty line that the addition ended.
void TextBox::announceLinesEndedBy(std::size_t appendedAt)
{
    const TextView text(*text_);
    const auto isBreak = [](char16_t ch) {
        return ch == u'\n' || ch == u'\r';
    };
    std::size_t start = appendedAt;
    while (start > 0 && !isBreak(text[start - 1]))
        --start;
    for (std::size_t i = appendedAt; i < text.size(); ++i) {
        if (!isBreak(text[i]))
            continue;
        // Between the CR and the LF of one line end lies an empty "line".
        if (i > start)
            announce(text.substr(start, i - start));
        start = i + 1;
    }
}

ui::Text TextBox::withLineFeeds(TextView text)
{
    ui::Text shown;
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

} // namespace ui
