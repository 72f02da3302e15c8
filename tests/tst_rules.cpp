// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiz's rules and what every toolkit's controls share, with no toolkit:
// the form is memory (MemoryControls.h), its list raising a click when set
// as Qt's does, or not, as the page's does; the rules must not care.
#include "MemoryControls.h"
#include "quiz/Quiz.h"

#include <QTest>

#include <memory>

namespace {

ui::Text line(ui::TextView country, ui::TextView parliament, ui::TextView verdict)
{
    return ui::Text(country) + u" : " + ui::Text(parliament) + u" е " + ui::Text(verdict) + u"\r\n";
}

// A form in memory with the quiz attached; `masterEntries` of the
// parliaments in the hidden master list.
struct Played
{
    explicit Played(bool listRaisesClickWhenSet, std::size_t masterEntries = 12)
        : form(listRaisesClickWhenSet, masterEntries)
        , quiz(quiz::Quiz::attachTo(form))
        , start(form.log().Text())
    { }

    ui::Text written() const { return ui::Text(form.log().Text()).substr(start.size()); }
    bool rightShown() const { return form.rightVerdict().Visible(); }
    bool wrongShown() const { return form.wrongVerdict().Visible(); }

    memory::Form form;
    std::unique_ptr<quiz::Quiz> quiz;
    ui::Text start;
};

} // namespace

// QCOMPARE prints what differed in the form's own text type.
namespace QTest {
template<> inline char *toString(const ui::Text &text)
{
    return qstrdup(QString::fromStdU16String(text).toUtf8().constData());
}
} // namespace QTest

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyRightPairIsLoggedBlankedAndUsedUp_data() { listKinds(); }
    void everyRightPairIsLoggedBlankedAndUsedUp();
    void wrongPairComparedTwiceAndCompareWithNothingChosen_data() { listKinds(); }
    void wrongPairComparedTwiceAndCompareWithNothingChosen();
    void clearStartsOverKeepsTheLogAndTheChosenCountry_data() { listKinds(); }
    void clearStartsOverKeepsTheLogAndTheChosenCountry();
    void clearRefillsAndEnablesOnlyAsFarAsTheMasterList_data() { listKinds(); }
    void clearRefillsAndEnablesOnlyAsFarAsTheMasterList();

    // What the controls of every toolkit share.
    void sortedListOrdersLettersOfEitherCaseAndKeepsEqualTextsInOrder();
    void textBoxAnnouncesEachLineOnceHoweverTheWritesSplitIt();

private:
    static void listKinds()
    {
        QTest::addColumn<bool>("listRaisesClickWhenSet");
        QTest::newRow("list raises a click when set") << true;
        QTest::newRow("list raises no click when set") << false;
    }
};

void RulesTest::everyRightPairIsLoggedBlankedAndUsedUp()
{
    QFETCH(bool, listRaisesClickWhenSet);
    Played played(listRaisesClickWhenSet);
    memory::Form &form = played.form;
    // The reader's answer list, typed again: country, then its parliament.
    const std::pair<int, int> answers[] {{8, 0},  {1, 1}, {5, 2},  {7, 3}, {3, 4},  {6, 5},
                                         {11, 6}, {4, 7}, {10, 8}, {2, 9}, {9, 10}, {0, 11}};
    ui::Text expected;
    for (auto [country, position] : answers) {
        form.country(ui::Index(country)).choose();
        form.list().choose(ui::Index(position));
        form.press(form.compare());
        expected += line(ui::texts::countries[country], ui::texts::parliaments[position], u"Вярно");
        QVERIFY(played.rightShown() && !played.wrongShown());
        QCOMPARE(form.list().List(ui::Index(position)), u"  ");
        QVERIFY(!form.country(ui::Index(country)).Enabled());
    }
    QCOMPARE(played.written(), expected);
    auto &log = static_cast<memory::TextBox &>(form.log());
    QCOMPARE(log.announced.size(), 12u);
    QCOMPARE(log.announced.back(), u"Норвегия : Стартинг е Вярно");
}

void RulesTest::wrongPairComparedTwiceAndCompareWithNothingChosen()
{
    QFETCH(bool, listRaisesClickWhenSet);
    Played played(listRaisesClickWhenSet);
    memory::Form &form = played.form;
    form.press(form.compare()); // nothing chosen: nothing happens
    QCOMPARE(played.written(), u"");
    QVERIFY(played.rightShown() && played.wrongShown());
    form.country(8).choose();
    form.list().choose(9);
    form.press(form.compare());
    form.press(form.compare());
    QCOMPARE(played.written(),
             line(u"Германия", u"Сейм", u"Невярно") + u"Германия :    е Невярно\r\n");
    QVERIFY(!played.rightShown() && played.wrongShown());
    form.list().choose(3); // a new choice shows both again
    QVERIFY(played.rightShown() && played.wrongShown());
}

void RulesTest::clearStartsOverKeepsTheLogAndTheChosenCountry()
{
    QFETCH(bool, listRaisesClickWhenSet);
    Played played(listRaisesClickWhenSet);
    memory::Form &form = played.form;
    form.list().choose(11);
    form.press(form.compare()); // before any country: the first one, Норвегия
    QCOMPARE(played.written(), line(u"Норвегия", u"Стартинг", u"Вярно"));
    form.country(2).choose();
    form.list().choose(0);
    form.press(form.compare());
    form.rightVerdict().setBackColor({255, 255, 255});
    const ui::Text logged = played.written();

    form.press(form.clear());
    for (ui::Index i = 0; i < 12; ++i) {
        QCOMPARE(form.list().List(i), ui::texts::parliaments[std::size_t(i)]);
        QVERIFY(form.country(i).Enabled());
    }
    QCOMPARE(form.list().ListIndex(), -1);
    QVERIFY(played.rightShown() && played.wrongShown());
    QVERIFY(form.rightVerdict().BackColor() == (ui::Rgb {255, 192, 128}));
    QCOMPARE(played.written(), logged);
    QVERIFY(form.country(2).Value());
    form.list().choose(9);
    form.press(form.compare());
    QCOMPARE(played.written(), logged + line(u"Полша", u"Сейм", u"Вярно"));
}

// Clear counts with the master list: a shorter one refills and frees less.
void RulesTest::clearRefillsAndEnablesOnlyAsFarAsTheMasterList()
{
    QFETCH(bool, listRaisesClickWhenSet);
    Played played(listRaisesClickWhenSet, 3);
    memory::Form &form = played.form;
    for (ui::Index country : {0, 5}) {
        form.country(country).choose();
        form.list().choose(4);
        form.press(form.compare());
    }
    form.press(form.clear());
    QCOMPARE(form.list().ListCount(), 3);
    QVERIFY(form.country(0).Enabled());
    QVERIFY(!form.country(5).Enabled());
}

void RulesTest::sortedListOrdersLettersOfEitherCaseAndKeepsEqualTextsInOrder()
{
    memory::ListBox list(false);
    for (const char16_t *text : {u"Сейм", u"Бундестаг", u"Стартинг", u"Диета", u"Държавна дума",
                                 u"Кортеси", u"Конгрес", u"бундестаг", u"Ёлка", u"Zeta", u"alpha"})
        list.AddItem(text);
    std::vector<ui::Text> entries;
    for (ui::Index i = 0; i < list.ListCount(); ++i)
        entries.push_back(list.List(i));
    // Ё folds to ё, which comes after the whole of я, as in Qt's order.
    QVERIFY(entries
            == (std::vector<ui::Text> {u"alpha", u"Zeta", u"Бундестаг", u"бундестаг", u"Диета",
                                       u"Държавна дума", u"Конгрес", u"Кортеси", u"Сейм",
                                       u"Стартинг", u"Ёлка"}));
}

void RulesTest::textBoxAnnouncesEachLineOnceHoweverTheWritesSplitIt()
{
    memory::TextBox box;
    box.setText(u"задание\r\n");
    box.announceNewLines();
    for (const char16_t *more : {u"първи", u" ред\r", u"\nвтори\r\n\r\n", u"трети\n"})
        box.setText(box.Text() + more);
    QCOMPARE(ui::Text(box.Text()), u"задание\r\nпърви ред\r\nвтори\r\n\r\nтрети\n");
    QVERIFY(box.announced == (std::vector<ui::Text> {u"първи ред", u"втори", u"трети"}));
    // A whole new text is not an addition: nothing is announced.
    box.setText(u"друго\r\n");
    QCOMPARE(box.announced.size(), 3u);
}

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
