// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FormWindow.h"

#include "ui/BuiltInTexts.h"
#include "ui/ControlTable.h"
#include "ui/FocusMark.h"
#include "ui/Twips.h"

#include <QFont>
#include <QIcon>
#include <QTimer>

namespace {

QFont formFont()
{
    QFont font;
    font.setFamilies(FormWindow::designedFamilies());
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

// The sizes a title bar and a task switcher use; larger ones come from the
// installed icon theme, and decoding them here would only slow the start.
QIcon formIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/parliament-quiz-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QStringList FormWindow::designedFamilies()
{
    return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
}

FormWindow::FormWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(ui::texts::windowTitle);
    // Decoding the icon need not hold up showing the window; the title
    // bar takes it as soon as the event loop runs.
    QTimer::singleShot(0, this, [this] { setWindowIcon(formIcon()); });
    setFixedSize(ui::pixelsFromTwips(ui::formWidthTwips), ui::pixelsFromTwips(ui::formHeightTwips));
    setFont(formFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(ui::formBackColor));
    setPalette(background);
    setAutoFillBackground(true);
    new ui::FocusMark(this);
}
