// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/AnswerKey.h"
#include "ui/BuiltInTexts.h"

#include <QTest>

#include <algorithm>

using quiz::isMatch;

namespace {

qint16 countryIndex(const QString &caption)
{
    const auto &all = ui::texts::countries;
    return qint16(std::find(all.begin(), all.end(), caption) - all.begin());
}

qint16 parliamentPosition(const QString &text)
{
    const auto &all = ui::texts::parliaments;
    return qint16(std::find(all.begin(), all.end(), text) - all.begin());
}

} // namespace

class AnswerKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void eachCountryMatchesItsParliament_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("parliament");
        QTest::newRow("Германия") << "Германия"
                                  << "Бундестаг";
        QTest::newRow("Монголия") << "Монголия"
                                  << "Велик Хурал";
        QTest::newRow("Япония") << "Япония"
                                << "Диета";
        QTest::newRow("Русия") << "Русия"
                               << "Държавна дума";
        QTest::newRow("Израел") << "Израел"
                                << "Кносет";
        QTest::newRow("САЩ") << "САЩ"
                             << "Конгрес";
        QTest::newRow("Испания") << "Испания"
                                 << "Кортеси";
        QTest::newRow("Турция") << "Турция"
                                << "Меджлис";
        QTest::newRow("България") << "България"
                                  << "Народно събрание";
        QTest::newRow("Полша") << "Полша"
                               << "Сейм";
        QTest::newRow("Сърбия") << "Сърбия"
                                << "Скупщина";
        QTest::newRow("Норвегия") << "Норвегия"
                                  << "Стартинг";
    }

    // Through the captions and entries a learner sees, so a key that points
    // at the wrong button or list position fails here by name.
    void eachCountryMatchesItsParliament()
    {
        QFETCH(QString, country);
        QFETCH(QString, parliament);
        const qint16 index = countryIndex(country);
        const qint16 position = parliamentPosition(parliament);
        QVERIFY2(index < 12, qPrintable(country));
        QVERIFY2(position < 12, qPrintable(parliament));
        QVERIFY(isMatch(index, position));
        for (qint16 other = 0; other < 12; ++other) {
            if (other != position)
                QVERIFY2(!isMatch(index, other), qPrintable(ui::texts::parliaments[other]));
            if (other != index)
                QVERIFY2(!isMatch(other, position), qPrintable(ui::texts::countries[other]));
        }
    }

    void keyIsOneToOne()
    {
        int matches = 0;
        for (qint16 country = 0; country < 12; ++country)
            for (qint16 position = 0; position < 12; ++position)
                matches += isMatch(country, position);
        QCOMPARE(matches, 12);
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
