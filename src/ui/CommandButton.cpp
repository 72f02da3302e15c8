// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CommandButton.h"

#include <QPainter>
#include <QPushButton>

namespace ui {

namespace {

// Most styles turn a button's colour into a gradient or ignore it; this one
// is filled with exactly its colour on every platform, darker while pressed.
class FlatButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor fill = palette().color(QPalette::Button);
        painter.fillRect(rect(), isDown() ? fill.darker(125) : fill);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
};

} // namespace

CommandButton::CommandButton(QWidget *parent)
    : Control(new FlatButton(parent))
{ }

QString CommandButton::Caption() const
{
    return static_cast<QPushButton *>(widget())->text();
}

void CommandButton::setCaption(const QString &caption)
{
    static_cast<QPushButton *>(widget())->setText(caption);
}

void CommandButton::onClick(std::function<void()> notify)
{
    QObject::connect(static_cast<QPushButton *>(widget()), &QPushButton::clicked, widget(),
                     [notify = std::move(notify)] { notify(); });
}

} // namespace ui
