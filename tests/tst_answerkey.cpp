// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExpectedTexts.h"
#include "quiz/AnswerKey.h"

#include <QTest>

using quiz::isMatch;

class AnswerKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void eachCountryMatchesItsParliament_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("parliament");
        for (const auto &[country, parliament] : expected::answers)
            QTest::newRow(qPrintable(country)) << country << parliament;
    }

    // Through the captions and entries a learner must see, so a key that
    // points at the wrong button or list position fails here by name.
    void eachCountryMatchesItsParliament()
    {
        QFETCH(QString, country);
        QFETCH(QString, parliament);
        const auto index = qint16(expected::countries.indexOf(country));
        const auto position = qint16(expected::parliaments.indexOf(parliament));
        QVERIFY2(index >= 0, qPrintable(country));
        QVERIFY2(position >= 0, qPrintable(parliament));
        QVERIFY(isMatch(index, position));
        for (qint16 other = 0; other < 12; ++other) {
            if (other != position)
                QVERIFY2(!isMatch(index, other), qPrintable(expected::parliaments[other]));
            if (other != index)
                QVERIFY2(!isMatch(other, position), qPrintable(expected::countries[other]));
        }
    }

    void positionsOutsideTheListNeverMatch_data()
    {
        QTest::addColumn<qint16>("position");
        QTest::newRow("no selection") << qint16(-1);
        QTest::newRow("one past the end") << qint16(12);
        QTest::newRow("largest") << qint16(32767);
        QTest::newRow("smallest") << qint16(-32768);
    }

    void positionsOutsideTheListNeverMatch()
    {
        QFETCH(qint16, position);
        for (qint16 country = -1; country <= 12; ++country)
            QVERIFY(!isMatch(country, position));
    }
};

QTEST_GUILESS_MAIN(AnswerKeyTest)
#include "tst_answerkey.moc"
