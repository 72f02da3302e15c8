// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SetFileOpening.h"

#include "ui/ProgramFacts.h"
#include "ui/qt/WidgetControl.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

sets::SetReading readSetFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                {0, u"файлът не може да се прочете: " + file.errorString().toStdU16String()}};
    // One byte past the limit tells a file that is too large.
    const QByteArray bytes = file.read(qint64(sets::largestSetBytes) + 1);
    return sets::readSetFile(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                             sets::titleFromFileName(path.toStdU16String()));
}

void tellSetRefused(const QString &path, const sets::SetProblem &problem, QWidget *window)
{
    const QString said
        = QStringLiteral("„%1“ не може да се отвори: %2")
              .arg(QFileInfo(path).fileName(), ui::qt::toQString(sets::describe(problem)));
    std::fprintf(stderr, "parliament-quiz: %s\n", qPrintable(said));
    std::fflush(stderr);
    // Where no screen shows a window, the line above is all there is to see.
    const QString platform = QGuiApplication::platformName();
    if (platform == u"offscreen" || platform == u"minimal")
        return;
    QMessageBox::critical(window, ui::qt::toQString(ui::texts::quizTitle), said);
}
