// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainForm.h"
#include "app/StartupGuard.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    StartupGuard guard;
    QApplication app(argc, argv);
    guard.release();

    QApplication::setApplicationName(QStringLiteral("parliament-quiz"));
    QApplication::setApplicationVersion(QStringLiteral(QUIZ_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUIZ_APP_ID));

    MainForm form;
    form.show();
    return QApplication::exec();
}
