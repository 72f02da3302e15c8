// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/TextBox.h"

#include "ui/qt/Announcer.h"

#include <QScrollBar>
#include <QTextCursor>

#include <functional>

namespace ui::qt {

namespace {

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
    : WidgetControl(new ShowingTextEdit(parent, [this] {
        if (shownTextStale_)
            showWholeText();
    }))
{
    QPlainTextEdit *edit = widget();
    edit->setReadOnly(true);
    // Read-only, yet a keyboard user can still move through it line by line.
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setTabChangesFocus(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->document()->setUndoRedoEnabled(false);
}

void TextBox::showText(const ui::Text &)
{
    if (!deferredWhileHidden())
        showWholeText();
}

bool TextBox::deferredWhileHidden()
{
    if (!widget()->isHidden())
        return false;
    shownTextStale_ = true;
    return true;
}

void TextBox::showWholeText()
{
    shownTextStale_ = false;
    widget()->setPlainText(toQString(withLineFeeds(content())));
}

void TextBox::showAppended(TextView more, bool completesLineEnd)
{
    if (deferredWhileHidden())
        return;
    QPlainTextEdit *edit = widget();
    if (shownTextStale_) {
        showWholeText();
    } else {
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        end.insertText(toQString(withLineFeeds(completesLineEnd ? more.substr(1) : more)));
    }
    // Whoever extends the text wants to see what was added.
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
}

void TextBox::announce(TextView line)
{
    if (!announcer_)
        announcer_ = new Announcer(widget()->parentWidget());
    announcer_->announce(toQString(line));
}

} // namespace ui::qt
