// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ListEntries.h"
#include "app/MainForm.h"
#include "ui/qt/ControlWidget.h"

#include <QListWidget>
#include <QTest>

// Plays the quiz on a real, shown MainForm the way a person does: mouse
// clicks on the widgets, and reads back what the window shows.
class QuizDriver
{
public:
    QuizDriver()
        : QuizDriver(sets::builtInQuiz())
    { }
    explicit QuizDriver(const sets::SetQuiz &made)
        : form(made)
    {
        form.show();
        startLog = log();
    }

    bool exposed() { return QTest::qWaitForWindowExposed(&form); }
    // Keys go to the active window only.
    bool activated()
    {
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }

    ui::FormControls &controls() { return form.controls(); }
    quiz::Quiz &quiz() { return form.quiz(); }

    void clickCountry(qint16 index)
    {
        QWidget *button = ui::qt::widgetOf(controls().country(index));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    void clickParliament(qint16 position)
    {
        auto *list = ui::qt::widgetOf<QListWidget>(controls().parliamentList());
        list->scrollToItem(list->item(position));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(position)).center());
    }

    void pressCompare()
    {
        QTest::mouseClick(ui::qt::widgetOf(controls().compare()), Qt::LeftButton);
    }
    void pressClear() { QTest::mouseClick(ui::qt::widgetOf(controls().clear()), Qt::LeftButton); }

    QString log() { return ui::qt::toQString(controls().log().Text()); }
    // What the quiz has written since the window opened.
    QString written() { return log().mid(startLog.size()); }

    QStringList entries() { return ::entries(controls().parliamentList()); }

    // Which verdicts show: "both", "right", "wrong" or "none".
    QString verdicts()
    {
        const bool right = controls().rightVerdict().Visible();
        const bool wrong = controls().wrongVerdict().Visible();
        return right && wrong ? "both" : right ? "right" : wrong ? "wrong" : "none";
    }

    QList<qint16> disabledCountries()
    {
        QList<qint16> disabled;
        for (qint16 i = 0; i < controls().countryCount(); ++i)
            if (!controls().country(i).Enabled())
                disabled << i;
        return disabled;
    }

    MainForm form;
    QString startLog;
};
