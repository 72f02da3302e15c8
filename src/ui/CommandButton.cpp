#include "ui/CommandButton.h"

#include "ui/Contrast.h"

#include <QPushButton>

namespace ui {

namespace {

// A palette colour becomes a gradient under most styles; a style sheet
// draws the flat colour everywhere, so the pressed look is drawn here too.
QString styleSheetFor(const QColor &color)
{
    return QStringLiteral("QPushButton { background-color: %1; color: %2;"
                          " border: 1px solid #404040; border-radius: 2px; }"
                          "QPushButton:pressed { background-color: %3; }")
        .arg(color.name(), readableTextOn(color).name(), color.darker(125).name());
}

} // namespace

CommandButton::CommandButton(QWidget *parent)
    : Control(new QPushButton(parent))
{ }

QString CommandButton::Caption() const
{
    return static_cast<QPushButton *>(widget())->text();
}

void CommandButton::setCaption(const QString &caption)
{
    static_cast<QPushButton *>(widget())->setText(caption);
}

QColor CommandButton::BackColor() const
{
    return backColor_;
}

void CommandButton::setBackColor(const QColor &color)
{
    backColor_ = color;
    widget()->setStyleSheet(styleSheetFor(color));
}

void CommandButton::onClick(std::function<void()> notify)
{
    QObject::connect(static_cast<QPushButton *>(widget()), &QPushButton::clicked, widget(),
                     [notify = std::move(notify)] { notify(); });
}

} // namespace ui
