// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// An independent statement of what the quiz must do, in plain values: the
// texts are typed out again and the right pairs are taken from the reader's
// answer list, so a fault shared with the program's own tables shows here.
struct QuizModel
{
    static constexpr int count = 12;

    QuizModel();

    bool isRightPair(int country, int position) const;

    void clickCountry(int country);
    // The list's selection became `position` (-1: none), by mouse or keys.
    void selectionBecame(int position);
    void pressCompare();
    void pressClear();

    QStringList entries;
    int selection = -1;
    std::array<bool, count> enabled {};
    std::array<bool, count> checked {};
    int selectedCountry = 0;
    int selectedParliament = 0;
    bool rightVisible = true;
    bool wrongVisible = true;
    QColor rightColour;
    QColor wrongColour;
    QString log;
};
