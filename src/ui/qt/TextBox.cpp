// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/TextBox.h"

#include "ui/qt/Announcer.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include <functional>

namespace ui::qt {

namespace {

QPlainTextEdit *textEdit(QWidget *widget)
{
    return static_cast<QPlainTextEdit *>(widget);
}

// The widget keeps one paragraph break where the text has CR LF, CR or LF.
QString forDisplay(TextView shown)
{
    QString text = toQString(shown);
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
    : WidgetControl(new ShowingTextEdit(parent, [this] {
        if (shownTextStale_)
            showWholeText();
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
    textEdit(widget())->setPlainText(forDisplay(text()));
}

void TextBox::showAppended(TextView more, bool completesLineEnd)
{
    if (deferredWhileHidden())
        return;
    QPlainTextEdit *edit = textEdit(widget());
    if (shownTextStale_) {
        showWholeText();
    } else {
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        end.insertText(forDisplay(completesLineEnd ? more.substr(1) : more));
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
