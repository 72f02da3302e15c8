// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiz's rules and what every toolkit's controls share, with no toolkit:
// the form is memory (MemoryControls.h), its list raising a click when set
// as Qt's does, or not, as the page's does; the rules must not care.
#include "MemoryControls.h"
#include "quiz/Quiz.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

ui::Text line(ui::TextView country, ui::TextView parliament, ui::TextView verdict)
{
    return ui::Text(country) + u" : " + ui::Text(parliament) + u" е " + ui::Text(verdict) + u"\r\n";
}

class Rules : public testing::TestWithParam<bool>
{
protected:
    Rules()
        : Rules(12)
    { }
    explicit Rules(std::size_t masterEntries)
        : form(GetParam(), masterEntries)
        , quiz(form)
    {
        form.Option1.onClick([this](ui::Index index) { quiz.Option1_Click(index); });
        form.List1.onClick([this](ui::Index index) { quiz.List1_Click(index); });
        form.Command1.onClick([this](ui::Index index) { quiz.Command1_Click(index); });
        quiz.Form_Load();
        start = form.Text1(0).Text().toString();
    }

    ui::Text written() const { return form.Text1(0).Text().toString().substr(start.size()); }
    bool rightShown() const { return form.Label1(3).Visible(); }
    bool wrongShown() const { return form.Label1(4).Visible(); }

    memory::Form form;
    quiz::Quiz quiz;
    ui::Text start;
};

TEST_P(Rules, EveryRightPairIsLoggedBlankedAndUsedUp)
{
    // The reader's answer list, typed again: country, then its parliament.
    const std::pair<int, int> answers[] {{8, 0},  {1, 1}, {5, 2},  {7, 3}, {3, 4},  {6, 5},
                                         {11, 6}, {4, 7}, {10, 8}, {2, 9}, {9, 10}, {0, 11}};
    ui::Text expected;
    for (auto [country, position] : answers) {
        form.country(ui::Index(country)).choose();
        form.list().choose(ui::Index(position));
        form.press(0);
        expected += line(ui::texts::countries[country], ui::texts::parliaments[position], u"Вярно");
        EXPECT_TRUE(rightShown() && !wrongShown());
        EXPECT_EQ(form.list().List(ui::Index(position)), u"  ");
        EXPECT_FALSE(form.Option1(ui::Index(country)).Enabled());
    }
    EXPECT_EQ(written(), expected);
    auto &log = static_cast<memory::TextBox &>(form.Text1(0));
    EXPECT_EQ(log.announced.size(), 12u);
    EXPECT_EQ(log.announced.back(), u"Норвегия : Стартинг е Вярно");
}

TEST_P(Rules, WrongPairComparedTwiceAndCompareWithNothingChosen)
{
    form.press(0); // nothing chosen: nothing happens
    EXPECT_EQ(written(), u"");
    EXPECT_TRUE(rightShown() && wrongShown());
    form.country(8).choose();
    form.list().choose(9);
    form.press(0);
    form.press(0);
    EXPECT_EQ(written(), line(u"Германия", u"Сейм", u"Невярно") + u"Германия :    е Невярно\r\n");
    EXPECT_TRUE(!rightShown() && wrongShown());
    form.list().choose(3); // a new choice shows both again
    EXPECT_TRUE(rightShown() && wrongShown());
}

TEST_P(Rules, ClearStartsOverKeepsTheLogAndTheChosenCountry)
{
    form.list().choose(11);
    form.press(0); // before any country: the first one, Норвегия
    EXPECT_EQ(written(), line(u"Норвегия", u"Стартинг", u"Вярно"));
    form.country(2).choose();
    form.list().choose(0);
    form.press(0);
    form.Label1(3).setBackColor({255, 255, 255});
    const ui::Text logged = written();

    form.press(1);
    for (ui::Index i = 0; i < 12; ++i) {
        EXPECT_EQ(form.list().List(i), ui::texts::parliaments[std::size_t(i)]);
        EXPECT_TRUE(form.Option1(i).Enabled());
    }
    EXPECT_EQ(form.list().ListIndex(), -1);
    EXPECT_TRUE(rightShown() && wrongShown());
    EXPECT_EQ(form.Label1(3).BackColor(), (ui::Rgb {255, 192, 128}));
    EXPECT_EQ(written(), logged);
    EXPECT_TRUE(form.Option1(2).Value());
    form.list().choose(9);
    form.press(0);
    EXPECT_EQ(written(), logged + line(u"Полша", u"Сейм", u"Вярно"));
}

// Clear counts with the master list: a shorter one refills and frees less.
class ShortMasterList : public Rules
{
protected:
    ShortMasterList()
        : Rules(3)
    { }
};

TEST_P(ShortMasterList, ClearRefillsAndEnablesOnlyAsFarAsTheMasterList)
{
    for (ui::Index country : {0, 5}) {
        form.country(country).choose();
        form.list().choose(4);
        form.press(0);
    }
    form.press(1);
    EXPECT_EQ(form.list().ListCount(), 3);
    EXPECT_TRUE(form.Option1(0).Enabled());
    EXPECT_FALSE(form.Option1(5).Enabled());
}

INSTANTIATE_TEST_SUITE_P(ListRaisesClickWhenSet, Rules, testing::Bool());
INSTANTIATE_TEST_SUITE_P(ListRaisesClickWhenSet, ShortMasterList, testing::Bool());

// What the controls of every toolkit share.
TEST(SharedControls, SortedListOrdersLettersOfEitherCaseAndKeepsEqualTextsInOrder)
{
    memory::ListBox list(false);
    for (const char16_t *text : {u"Сейм", u"Бундестаг", u"Стартинг", u"Диета", u"Държавна дума",
                                 u"Кортеси", u"Конгрес", u"бундестаг", u"Ёлка", u"Zeta", u"alpha"})
        list.AddItem(text);
    std::vector<ui::Text> entries;
    for (ui::Index i = 0; i < list.ListCount(); ++i)
        entries.push_back(list.List(i));
    // Ё folds to ё, which comes after the whole of я, as in Qt's order.
    EXPECT_EQ(entries,
              (std::vector<ui::Text> {u"alpha", u"Zeta", u"Бундестаг", u"бундестаг", u"Диета",
                                      u"Държавна дума", u"Конгрес", u"Кортеси", u"Сейм",
                                      u"Стартинг", u"Ёлка"}));
}

TEST(SharedControls, TextBoxAnnouncesEachLineOnceHoweverTheWritesSplitIt)
{
    memory::TextBox box;
    box.setText(u"задание\r\n");
    box.announceNewLines();
    for (const char16_t *more : {u"първи", u" ред\r", u"\nвтори\r\n\r\n", u"трети\n"})
        box.setText(box.Text() + more);
    EXPECT_EQ(box.Text().toString(), u"задание\r\nпърви ред\r\nвтори\r\n\r\nтрети\n");
    EXPECT_EQ(box.announced, (std::vector<ui::Text> {u"първи ред", u"втори", u"трети"}));
    // A whole new text is not an addition: nothing is announced.
    box.setText(u"друго\r\n");
    EXPECT_EQ(box.announced.size(), 3u);
}

} // namespace
