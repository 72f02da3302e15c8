// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FloorWindow.h"

#include "ui/BuiltInTexts.h"
#include "ui/qt/FormFont.h"
#include "ui/qt/WidgetControl.h"

#include <QPainter>

FloorWindow::FloorWindow()
    : QWidget(ui::qt::parentWithFormFontSet())
    , task_(ui::qt::toQString(ui::texts::instructions)
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
{
    setFixedSize(461, 406);
}

void FloorWindow::paintEvent(QPaintEvent *)
{
    // Where the quiz shows them: the title's label and the task box's text area.
    QPainter painter(this);
    painter.drawText(QRect(32, 0, 353, 25), Qt::AlignLeft | Qt::AlignVCenter,
                     ui::qt::toQString(ui::texts::label1Captions[0]));
    painter.drawText(QRect(12, 292, 424, 97), Qt::TextWordWrap, task_);
}
