// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Browser.h"

#include <QFontDatabase>
#include <QWidget>

namespace ui::browser {

void prepareQt()
{
    // An input method that does not exist leaves Qt's web platform without
    // one; keys still reach the form from whatever element has the focus.
    qputenv("QT_IM_MODULE", "none");
}

void loadFormFace()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/QuizSerif-Regular.ttf"));
}

void showForm(QWidget *form)
{
    // The web platform activates the window inside show(), before the
    // controls are shown, and so passes the focus on to a later control.
    QWidget *firstFocus = form->focusWidget();
    form->show();
    if (firstFocus)
        firstFocus->setFocus(Qt::ActiveWindowFocusReason);
    mirrorAccessibility(form);
}

} // namespace ui::browser
