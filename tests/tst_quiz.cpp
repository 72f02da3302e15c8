// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExpectedTexts.h"
#include "FiveCapitals.h"
#include "QuizDriver.h"
#include "ui/qt/ControlWidget.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace {

using expected::countries;
using expected::parliaments;

using expected::rightPosition;

QString line(const QString &country, const QString &parliament, const QString &verdict)
{
    return country + " : " + parliament + " е " + verdict + "\r\n";
}

} // namespace

class QuizTest : public QObject
{
    Q_OBJECT

private slots:
    void rightPairIsLoggedAndUsedUp_data()
    {
        QTest::addColumn<qint16>("country");
        for (qint16 i = 0; i < 12; ++i)
            QTest::newRow(qPrintable(countries[i])) << i;
    }

    void rightPairIsLoggedAndUsedUp()
    {
        QFETCH(qint16, country);
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        const auto position = qint16(rightPosition(country));
        quiz.clickCountry(country);
        quiz.clickParliament(position);
        quiz.pressCompare();

        QCOMPARE(quiz.written(), line(countries[country], parliaments[position], "Вярно"));
        QCOMPARE(quiz.verdicts(), "right");
        QStringList expected = parliaments;
        expected[position] = "  ";
        QCOMPARE(quiz.entries(), expected);
        QCOMPARE(quiz.controls().parliamentList().ListIndex(), position);
        QCOMPARE(quiz.disabledCountries(), QList<qint16> {country});
        QVERIFY(quiz.controls().country(country).Value());
    }

    void wrongPairIsAlsoUsedUp()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickCountry(8);
        quiz.clickParliament(9);
        quiz.pressCompare();
        QCOMPARE(quiz.written(), line("Германия", "Сейм", "Невярно"));
        QCOMPARE(quiz.verdicts(), "wrong");
        QCOMPARE(quiz.entries()[9], "  ");
        QCOMPARE(quiz.disabledCountries(), QList<qint16> {8});
    }

    void compareWithoutParliamentDoesNothing()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickCountry(10);
        quiz.pressCompare();
        QCOMPARE(quiz.written(), QString());
        QCOMPARE(quiz.verdicts(), "both");
        QCOMPARE(quiz.entries(), parliaments);
        QVERIFY(quiz.disabledCountries().isEmpty());
    }

    // Until a country is clicked the first one, Норвегия, is the choice.
    void compareBeforeAnyCountryJudgesTheFirst_data()
    {
        QTest::addColumn<qint16>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("right") << qint16(11) << line("Норвегия", "Стартинг", "Вярно");
        QTest::newRow("wrong") << qint16(9) << line("Норвегия", "Сейм", "Невярно");
    }

    void compareBeforeAnyCountryJudgesTheFirst()
    {
        QFETCH(qint16, position);
        QFETCH(QString, expected);
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickParliament(position);
        quiz.pressCompare();
        QCOMPARE(quiz.written(), expected);
        QCOMPARE(quiz.disabledCountries(), QList<qint16> {0});
        QVERIFY(!quiz.controls().country(0).Value());
    }

    void comparingAgainJudgesTheBlankedEntry()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickCountry(10);
        quiz.clickParliament(8);
        quiz.pressCompare();
        quiz.pressCompare();
        QCOMPARE(quiz.written(),
                 line("България", "Народно събрание", "Вярно") + "България :    е Вярно\r\n");
        QCOMPARE(quiz.disabledCountries(), QList<qint16> {10});
    }

    void usedCountryStaysChosenUntilAnotherIsClicked()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickCountry(10);
        quiz.clickParliament(8);
        quiz.pressCompare();
        quiz.clickParliament(9);
        quiz.pressCompare();
        quiz.clickParliament(9); // already blanked: judged by its position
        quiz.clickCountry(2);
        quiz.pressCompare();
        QCOMPARE(quiz.written(),
                 line("България", "Народно събрание", "Вярно") + line("България", "Сейм", "Невярно")
                     + line("Полша", "  ", "Вярно"));
        QCOMPARE(quiz.disabledCountries(), QList<qint16>({2, 10}));
    }

    void newChoiceShowsBothVerdicts()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickCountry(3);
        quiz.clickParliament(4);
        quiz.pressCompare();
        QCOMPARE(quiz.verdicts(), "right");
        quiz.clickCountry(5);
        QCOMPARE(quiz.verdicts(), "both");
        QCOMPARE(quiz.quiz().selectedCountry, qint16(5));

        quiz.clickParliament(0);
        quiz.pressCompare();
        QCOMPARE(quiz.verdicts(), "wrong");
        quiz.clickParliament(2);
        QCOMPARE(quiz.verdicts(), "both");
        QCOMPARE(quiz.quiz().selectedParliament, qint16(2));
    }

    // Each write of the log is watched: the name is logged before its
    // entry is blanked, and the verdict shows before its word is logged.
    void compareStepsHappenInOrder()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickCountry(8);
        quiz.clickParliament(0);
        QStringList seen;
        auto *box = ui::qt::widgetOf<QPlainTextEdit>(quiz.controls().log());
        connect(box, &QPlainTextEdit::textChanged, this,
                [&] { seen << quiz.written() + "|" + quiz.entries()[0] + "|" + quiz.verdicts(); });
        quiz.pressCompare();
        QCOMPARE(seen,
                 QStringList({"Германия : Бундестаг|Бундестаг|both",
                              line("Германия", "Бундестаг", "Вярно") + "|  |right"}));
    }

    void verdictWordIsReadFromTheLabel()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.controls().rightVerdict().setCaption(u"Точно");
        quiz.controls().wrongVerdict().setCaption(u"Грешка");
        quiz.clickCountry(1);
        quiz.clickParliament(1);
        quiz.pressCompare();
        quiz.clickParliament(2);
        quiz.pressCompare();
        QCOMPARE(quiz.written(),
                 line("Монголия", "Велик Хурал", "Точно") + line("Монголия", "Диета", "Грешка"));
    }

    void clearStartsOverAndKeepsTheLog()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.pressClear(); // right after start: nothing changes
        QCOMPARE(quiz.entries(), parliaments);
        QCOMPARE(quiz.written(), QString());

        quiz.clickCountry(10);
        quiz.clickParliament(8);
        quiz.pressCompare();
        quiz.clickCountry(2);
        quiz.clickParliament(0);
        quiz.pressCompare();
        const QString logged = quiz.written();
        quiz.controls().rightVerdict().setBackColor(ui::Rgb {255, 255, 255});

        quiz.pressClear();
        QCOMPARE(quiz.entries(), parliaments);
        QCOMPARE(quiz.controls().parliamentList().ListIndex(), qint16(-1));
        QVERIFY(quiz.disabledCountries().isEmpty());
        QCOMPARE(quiz.verdicts(), "both");
        QCOMPARE(ui::qt::toQColor(quiz.controls().rightVerdict().BackColor()),
                 QColor(255, 192, 128));
        QCOMPARE(ui::qt::toQColor(quiz.controls().wrongVerdict().BackColor()),
                 QColor(255, 192, 128));
        QCOMPARE(quiz.written(), logged);
        QVERIFY(quiz.controls().country(2).Value());
        QCOMPARE(quiz.controls().masterList().ListCount(), qint16(12));

        // The country still checked is the one a compare now judges.
        quiz.clickParliament(9);
        quiz.pressCompare();
        QCOMPARE(quiz.written(), logged + line("Полша", "Сейм", "Вярно"));
    }

    void wholeQuizTwice()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        QString expected;
        for (int round = 0; round < 2; ++round) {
            for (qint16 country = 0; country < 12; ++country) {
                quiz.clickCountry(country);
                quiz.clickParliament(rightPosition(country));
                quiz.pressCompare();
                expected += line(countries[country], parliaments[rightPosition(country)], "Вярно");
            }
            QCOMPARE(quiz.entries(), QStringList(12, "  "));
            QCOMPARE(quiz.disabledCountries().size(), 12);
            quiz.pressClear();
            QCOMPARE(quiz.entries(), parliaments);
        }
        QCOMPARE(quiz.written(), expected);
    }

    void roundPlayedByKeyboardAlone()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        QVERIFY(quiz.activated());
        const auto key = [](Qt::Key k, Qt::KeyboardModifiers mods = {}) {
            QTest::keyClick(QApplication::focusWidget(), k, mods);
        };
        ui::FormControls &c = quiz.controls();

        key(Qt::Key_Tab); // from the log into the countries
        QCOMPARE(QApplication::focusWidget(), ui::qt::widgetOf(c.country(0)));
        for (int i = 0; i < 10; ++i)
            key(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), ui::qt::widgetOf(c.country(10)));
        key(Qt::Key_Space);
        QVERIFY(c.country(10).Value());
        QCOMPARE(quiz.quiz().selectedCountry, qint16(10));

        key(Qt::Key_Tab); // into the parliaments
        QCOMPARE(QApplication::focusWidget(), ui::qt::widgetOf(c.parliamentList()));
        key(Qt::Key_End);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        QCOMPARE(c.parliamentList().ListIndex(), qint16(8));
        QCOMPARE(quiz.quiz().selectedParliament, qint16(8));

        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui::qt::widgetOf(c.compare()));
        key(Qt::Key_Space);
        QCOMPARE(quiz.written(), line("България", "Народно събрание", "Вярно"));

        // The checked country is now disabled; the group must still be reachable.
        key(Qt::Key_Backtab);
        key(Qt::Key_Backtab);
        QWidget *country = QApplication::focusWidget();
        QCOMPARE(country, ui::qt::widgetOf(c.country(0)));
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Space);
        QVERIFY(c.country(2).Value());

        key(Qt::Key_Tab);
        key(Qt::Key_Down);
        QCOMPARE(c.parliamentList().ListIndex(), qint16(9));
        key(Qt::Key_Tab);
        key(Qt::Key_Space);
        QCOMPARE(quiz.written(),
                 line("България", "Народно събрание", "Вярно") + line("Полша", "Сейм", "Вярно"));

        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui::qt::widgetOf(c.clear()));
        key(Qt::Key_Space);
        QCOMPARE(quiz.entries(), parliaments);
        QVERIFY(quiz.disabledCountries().isEmpty());
    }

    // A teacher's set of five: five buttons and no more, the task made from
    // the set, and the rules as ever, by mouse and by keys.
    void teachersSetOfFivePlays()
    {
        QuizDriver quiz(sets::quizOf(fiveCapitals()));
        QVERIFY(quiz.exposed());
        QVERIFY(quiz.activated());
        ui::FormControls &c = quiz.controls();
        QCOMPARE(quiz.form.windowTitle(), "parliament-quiz.example.org Столици");
        QCOMPARE(ui::qt::toQString(c.title().Caption()), "Столици");
        QCOMPARE(c.countryCount(), qint16(5));
        QCOMPARE(quiz.entries(),
                 QStringList({"Австрия", "България", "Гърция", "Италия", "Франция"}));
        QVERIFY(quiz.startLog.startsWith("Задача: Столици\r\n"));
        // A screen reader names the list by the set's own heading.
        QCOMPARE(ui::qt::widgetOf(c.parliamentList())->accessibleName(), "Държава");

        // Tab: the log, the countries, the list, the two commands, the log again.
        QList<QWidget *> visited {QApplication::focusWidget()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(
            visited,
            (QList<QWidget *> {ui::qt::widgetOf(c.log()), ui::qt::widgetOf(c.country(0)),
                               ui::qt::widgetOf(c.parliamentList()), ui::qt::widgetOf(c.compare()),
                               ui::qt::widgetOf(c.clear()), ui::qt::widgetOf(c.log())}));
        quiz.clickCountry(1);
        quiz.clickParliament(2);
        quiz.pressCompare();
        quiz.clickCountry(0);
        quiz.clickParliament(0);
        quiz.pressCompare();
        QCOMPARE(quiz.written(),
                 line("Атина", "Гърция", "Вярно") + line("София", "Австрия", "Невярно"));
        QCOMPARE(quiz.disabledCountries(), (QList<qint16> {0, 1}));
        quiz.pressClear();
        QCOMPARE(quiz.entries().size(), 5);
        QVERIFY(quiz.disabledCountries().isEmpty());
    }

    // Arrow keys skip used countries, and Tab always finds an enabled one.
    void everyEnabledCountryStaysReachableByKeyboard()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        QVERIFY(quiz.activated());
        ui::FormControls &c = quiz.controls();
        for (qint16 used : {0, 1, 5}) {
            quiz.clickCountry(used);
            quiz.clickParliament(used);
            quiz.pressCompare();
        }
        ui::qt::widgetOf(c.compare())->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QSet<QWidget *> reached;
        for (int i = 0; i < 12; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus->isEnabled());
            reached << focus;
            QTest::keyClick(focus, Qt::Key_Down);
        }
        for (qint16 i = 0; i < 12; ++i)
            QCOMPARE(reached.contains(ui::qt::widgetOf(c.country(i))),
                     !QList<qint16>({0, 1, 5}).contains(i));
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
