// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainForm.h"
#include "app/SetFileOpening.h"
#include "app/StartupGuard.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    StartupGuard guard;
    QApplication app(argc, argv);
    guard.release();

    QApplication::setApplicationName(QStringLiteral("parliament-quiz"));
    QApplication::setApplicationVersion(QStringLiteral(QUIZ_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUIZ_APP_ID));

    // parliament-quiz [SET.csv]: a teacher's set, or the built-in quiz.
    sets::SetQuiz made = sets::builtInQuiz();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const sets::SetReading reading = readSetFromFile(arguments.at(1));
        if (!reading.set) {
            tellSetRefused(arguments.at(1), reading.problem);
            return 1;
        }
        made = sets::quizOf(*reading.set);
    }

    auto form = std::make_unique<MainForm>(made);
    // A set dropped on the window starts it in a new window in the same
    // place; a set that cannot be opened leaves the quiz as it was.
    std::function<void(const QString &)> openDropped = [&](const QString &path) {
        const sets::SetReading reading = readSetFromFile(path);
        if (!reading.set) {
            tellSetRefused(path, reading.problem, form.get());
            return;
        }
        auto next = std::make_unique<MainForm>(sets::quizOf(*reading.set));
        next->setOnSetDropped(openDropped);
        next->move(form->pos());
        next->show();
        form = std::move(next);
    };
    form->setOnSetDropped(openDropped);
    form->show();
    return QApplication::exec();
}
