// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// An independent statement of what the quiz must do, in plain values: the
// texts are typed out again and the right pairs are taken from the reader's
// answer list, so a fault shared with the program's own tables shows here.
struct QuizModel
{
    // What a quiz is made of: the buttons' captions, the list's entries in
    // the list's order, and each button's right position in it.
    struct Pairs
    {
        QStringList countries;
        QStringList entries;
        QList<int> rightPositions;
    };
    // The countries and their parliaments.
    static Pairs builtIn();
    // Five capitals (София, Атина, Рим, Париж, Виена) and their countries,
    // the teacher's set the random tests play besides.
    static Pairs fiveCapitals();

    explicit QuizModel(Pairs pairs = builtIn());

    int count() const { return int(pairs.countries.size()); }

    bool isRightPair(int country, int position) const;

    void clickCountry(int country);
    // The list's selection became `position` (-1: none), by mouse or keys.
    void selectionBecame(int position);
    void pressCompare();
    void pressClear();

    Pairs pairs;
    QStringList entries;
    int selection = -1;
    QList<bool> enabled;
    QList<bool> checked;
    int selectedCountry = 0;
    int selectedParliament = 0;
    bool rightVisible = true;
    bool wrongVisible = true;
    QColor rightColour;
    QColor wrongColour;
    QString log;
};
