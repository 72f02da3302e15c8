// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt/CommandButton.h"

#include <QPainter>
#include <QPushButton>
#include <QStaticText>

namespace ui::qt {

namespace {

// Most styles turn a button's colour into a gradient or ignore it; this one
// is filled with exactly its colour on every platform, darker while pressed.
// Its caption is laid out once and kept: a button repaints at every press
// and release, before its click is even handled.
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
        drawCaption(painter);
    }

private:
    void drawCaption(QPainter &painter)
    {
        if (caption_.text() != text() || captionFont_ != font()) {
            caption_.setText(text());
            caption_.setTextFormat(Qt::PlainText);
            caption_.prepare(QTransform(), font());
            captionFont_ = font();
        }
        const QSizeF size = caption_.size();
        painter.drawStaticText(
            QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), caption_);
    }

    QStaticText caption_;
    QFont captionFont_;
};

} // namespace

CommandButton::CommandButton(QWidget *parent)
    : WidgetControl(new FlatButton(parent))
{ }

Text CommandButton::Caption() const
{
    return fromQString(widget()->text());
}

void CommandButton::setCaption(TextView caption)
{
    widget()->setText(toQString(caption));
}

void CommandButton::onClick(ClickNotice notify)
{
    QObject::connect(widget(), &QPushButton::clicked, widget(),
                     [notify = std::move(notify)] { notify(); });
}

} // namespace ui::qt
