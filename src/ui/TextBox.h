// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"

#include <QPointer>
#include <QString>
#include <QStringView>

namespace ui {

class Announcer;
class TextBox;

// A text box's content as Text() read it. "That content followed by more"
// remembers where it came from, so writing it back to the same, unchanged
// box appends only the addition instead of replacing a long log whole.
class TextValue
{
public:
    QString toString() const { return more_.isEmpty() ? read_ : read_ + more_; }

    friend TextValue operator+(TextValue value, QStringView more)
    {
        value.more_.append(more);
        return value;
    }

private:
    friend class TextBox;
    TextValue(const TextBox *box, quint64 revision, QString read)
        : box_(box)
        , revision_(revision)
        , read_(std::move(read))
    { }

    const TextBox *box_;
    quint64 revision_;
    QString read_;
    QString more_;
};

// A multi-line, read-only text box with a vertical scroll bar. Text()
// gives back exactly what was written, CR LF included.
class TextBox : public Control
{
public:
    explicit TextBox(QWidget *parent);

    // Each line the text gains from now on is also told to screen readers.
    void announceNewLines();

    TextValue Text() const;
    // By value: a temporary read is released before appending, so the
    // box's own copy need not be duplicated to grow.
    void setText(TextValue text);
    void setText(const QString &text);

private:
    // True when the box is hidden: the text is then marked for showing once
    // the box is, and the caller shows nothing now.
    bool deferredWhileHidden();
    void showText();
    void showAppended(const QString &more, bool completesLineEnd);
    void append(const QString &more);
    void announceLinesEndedBy(qsizetype appendedAt);

    QPointer<Announcer> announcer_;
    QString text_;
    quint64 revision_ = 0;
    // A hidden box's widget gets the text only as it is shown: a box that
    // never shows never lays it out.
    bool shownTextStale_ = false;
};

} // namespace ui
