// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TextBox.h"

#include "ui/Announcer.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include <functional>

namespace ui {

namespace {

QPlainTextEdit *textEdit(QWidget *widget)
{
    return static_cast<QPlainTextEdit *>(widget);
}

// The widget keeps one paragraph break where the text has CR LF, CR or LF.
QString forDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Tells its box as it is about to show, before it paints.
class ShowingTextEdit : public QPlainTextEdit
{
public:
    ShowingTextEdit(QWidget *parent, std::function<void()> showing)
        : QPlainTextEdit(parent)
        , showing_(std::move(showing))
    { }

protected:
    void showEvent(QShowEvent *event) override
    {
        showing_();
        QPlainTextEdit::showEvent(event);
    }

private:
    std::function<void()> showing_;
};

} // namespace

TextBox::TextBox(QWidget *parent)
    : Control(new ShowingTextEdit(parent, [this] {
        if (shownTextStale_)
            showText();
    }))
{
    QPlainTextEdit *edit = textEdit(widget());
    edit->setReadOnly(true);
    // Read-only, yet a keyboard user can still move through it line by line.
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setTabChangesFocus(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->document()->setUndoRedoEnabled(false);
}

void TextBox::announceNewLines()
{
    if (!announcer_)
        announcer_ = new Announcer(widget()->parentWidget());
}

TextValue TextBox::Text() const
{
    return TextValue(this, revision_, text_);
}

void TextBox::setText(TextValue text)
{
    if (text.box_ == this && text.revision_ == revision_ && !text_.isEmpty()) {
        text.read_.clear();
        append(text.more_);
    } else {
        setText(text.toString());
    }
}

void TextBox::setText(const QString &text)
{
    text_ = text;
    ++revision_;
    if (!deferredWhileHidden())
        showText();
}

bool TextBox::deferredWhileHidden()
{
    if (!widget()->isHidden())
        return false;
    shownTextStale_ = true;
    return true;
}

void TextBox::showText()
{
    shownTextStale_ = false;
    textEdit(widget())->setPlainText(forDisplay(text_));
}

void TextBox::append(const QString &more)
{
    if (more.isEmpty())
        return;
    // A CR already shown as a break may be completed by this LF.
    const bool completesLineEnd = text_.endsWith(u'\r') && more.startsWith(u'\n');
    const qsizetype appendedAt = text_.size();
    text_ += more;
    ++revision_;
    if (!deferredWhileHidden())
        showAppended(more, completesLineEnd);

    if (announcer_)
        announceLinesEndedBy(appendedAt);
}

void TextBox::showAppended(const QString &more, bool completesLineEnd)
{
    QPlainTextEdit *edit = textEdit(widget());
    if (shownTextStale_) {
        showText();
    } else {
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        end.insertText(forDisplay(completesLineEnd ? more.sliced(1) : more));
    }
    // Whoever extends the text wants to see what was added.
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
}

// Announces every non-empty line that the addition ended.
void TextBox::announceLinesEndedBy(qsizetype appendedAt)
{
    const QStringView text(text_);
    const auto isBreak = [](QChar ch) {
        return ch == u'\n' || ch == u'\r';
    };
    qsizetype start = appendedAt;
    while (start > 0 && !isBreak(text[start - 1]))
        --start;
    for (qsizetype i = appendedAt; i < text.size(); ++i) {
        if (!isBreak(text[i]))
            continue;
        // Between the CR and the LF of one line end lies an empty "line".
        if (i > start)
            announcer_->announce(text.sliced(start, i - start).toString());
        start = i + 1;
    }
}

} // namespace ui
