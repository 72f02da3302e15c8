// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FormWindow.h"

#include "ui/ControlTable.h"
#include "ui/Twips.h"
#include "ui/qt/FocusMark.h"
#include "ui/qt/FormFont.h"
#include "ui/qt/WidgetControl.h"

#include <QIcon>
#include <QTimer>

namespace {

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

FormWindow::FormWindow(QWidget *parent)
    : QWidget(ui::qt::parentWithFormFontSet(parent))
{
    setFixedSize(ui::pixelsFromTwips(ui::formWidthTwips), ui::pixelsFromTwips(ui::formHeightTwips));
    QPalette background = palette();
    background.setColor(QPalette::Window, ui::qt::toQColor(ui::formBackColor));
    setPalette(background);
    setAutoFillBackground(true);
    new ui::qt::FocusMark(this);
}

void FormWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Decoding the icon, and loading Qt's image readers for it, need not
    // hold up the first paint; the title bar takes it right after.
    if (!iconRequested_) {
        iconRequested_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(formIcon()); });
    }
}
