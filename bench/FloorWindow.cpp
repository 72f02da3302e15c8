// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FloorWindow.h"

#include "ui/BuiltInTexts.h"

#include <QLabel>
#include <QPlainTextEdit>

FloorWindow::FloorWindow()
{
    setFixedSize(461, 406);
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPointSize(12);
    setFont(font);

    auto *title = new QLabel(ui::texts::label1Captions[0], this);
    title->setGeometry(32, 0, 353, 25);
    auto *task = new QPlainTextEdit(this);
    task->setPlainText(
        QString(ui::texts::instructions).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    task->setGeometry(8, 288, 449, 105);
}
