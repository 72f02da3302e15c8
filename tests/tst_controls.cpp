// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListEntries.h"
#include "ui/ControlArray.h"
#include "ui/qt/CommandButton.h"
#include "ui/qt/ControlWidget.h"
#include "ui/qt/ListBox.h"
#include "ui/qt/OptionButton.h"
#include "ui/qt/TextBox.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using ui::qt::ListBox;
using ui::qt::TextBox;
using ui::qt::toQString;

namespace {

ui::Text fromUtf8(const char *text)
{
    return QString::fromUtf8(text).toStdU16String();
}

QString shown(const TextBox &box)
{
    return ui::qt::widgetOf<QPlainTextEdit>(box)->toPlainText();
}

} // namespace

class ControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void sortedListInsertsInOrder()
    {
        QWidget form;
        ListBox list(&form);
        for (const char *text : {"Сейм", "Бундестаг", "Стартинг", "Диета", "Държавна дума",
                                 "Кортеси", "Конгрес", "Кносет", "бундестаг"})
            list.AddItem(fromUtf8(text));
        QCOMPARE(entries(list),
                 QStringList({"Бундестаг", "бундестаг", "Диета", "Държавна дума", "Кносет",
                              "Конгрес", "Кортеси", "Сейм", "Стартинг"}));
    }

    // A sorted list must not move an entry whose text changes: positions
    // are what the answers are keyed on.
    void changedEntryKeepsItsPlace()
    {
        QWidget form;
        ListBox list(&form);
        for (const char *text : {"Бундестаг", "Диета", "Сейм"})
            list.AddItem(fromUtf8(text));
        list.setListIndex(2);
        list.setList(2, u"  ");
        list.setList(0, u"Я");
        QCOMPARE(entries(list), QStringList({"Я", "Диета", "  "}));
        QCOMPARE(list.ListIndex(), qint16(2));
        list.setList(7, u"outside");
        QCOMPARE(list.ListCount(), qint16(3));
        QVERIFY(list.List(-1).empty());
    }

    void listIndexSelectsAndRaisesClick()
    {
        QWidget form;
        ListBox list(&form);
        for (const char *text : {"a", "b", "c"})
            list.AddItem(fromUtf8(text));
        int clicks = 0;
        list.onClick([&] { ++clicks; });

        QCOMPARE(list.ListIndex(), qint16(-1));
        list.setListIndex(1);
        QCOMPARE(list.ListIndex(), qint16(1));
        QCOMPARE(clicks, 1);
        list.setListIndex(-1);
        QCOMPARE(list.ListIndex(), qint16(-1));
        QCOMPARE(clicks, 2);
        list.setListIndex(2);
        list.setListIndex(3); // past the end: no selection
        QCOMPARE(list.ListIndex(), qint16(-1));
        list.setListIndex(0);
        list.Clear();
        QCOMPARE(list.ListCount(), qint16(0));
        QCOMPARE(list.ListIndex(), qint16(-1));
    }

    void clickingAnEntryRaisesClick()
    {
        QWidget form;
        ListBox list(&form);
        ui::qt::widgetOf(list)->setGeometry(0, 0, 200, 100);
        for (const char *text : {"a", "b", "c"})
            list.AddItem(fromUtf8(text));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        int clicks = 0;
        list.onClick([&] { ++clicks; });

        auto *view = ui::qt::widgetOf<QListWidget>(list);
        const QRect second = view->visualItemRect(view->item(1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(list.ListIndex(), qint16(1));
        QCOMPARE(clicks, 1);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(list.ListIndex(), qint16(2));
        QCOMPARE(clicks, 2);
    }

    void textReadsBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("display");
        QTest::newRow("CR LF") << "ред\r\nвтори\r\n"
                               << "ред\nвтори\n";
        QTest::newRow("lone CR and LF") << "a\rb\nc"
                                        << "a\nb\nc";
        QTest::newRow("blanks and tab") << "  \t  "
                                        << "  \t  ";
        QTest::newRow("empty") << ""
                               << "";
    }

    void textReadsBackExactly()
    {
        QFETCH(QString, text);
        QFETCH(QString, display);
        QWidget form;
        TextBox box(&form);
        box.setText(text.toStdU16String());
        QCOMPARE(toQString(box.Text()), text);
        QCOMPARE(shown(box), display);
    }

    void extendingTextAppendsTheAddition()
    {
        QWidget form;
        TextBox box(&form);
        box.setText(u"начало\r\n");
        auto *edit = ui::qt::widgetOf<QPlainTextEdit>(box);
        const QTextBlock firstBlock = edit->document()->firstBlock();

        box.setText(box.Text() + u"България" + u" : " + u"Народно събрание");
        box.setText(box.Text() + u" е Вярно\r\n");
        QCOMPARE(toQString(box.Text()), "начало\r\nБългария : Народно събрание е Вярно\r\n");
        QCOMPARE(shown(box), "начало\nБългария : Народно събрание е Вярно\n");
        // Appended, not replaced: the first paragraph is the same object.
        QVERIFY(edit->document()->firstBlock() == firstBlock);

        // A whole new text is shown whole, even where it extends the old one.
        box.setText(ui::Text(box.Text()) + u"още\r\n");
        QCOMPARE(shown(box), "начало\nБългария : Народно събрание е Вярно\nоще\n");
    }

    void lineEndSplitAcrossWritesIsOneBreak()
    {
        QWidget form;
        TextBox box(&form);
        box.setText(u"a");
        box.setText(box.Text() + u"\r");
        box.setText(box.Text() + u"\nb");
        QCOMPARE(toQString(box.Text()), "a\r\nb");
        QCOMPARE(shown(box), "a\nb");
    }

    // A read taken before the box changed must not be appended as if current.
    void staleReadReplacesWhole()
    {
        QWidget form;
        TextBox box(&form), other(&form);
        box.setText(u"first");
        const ui::TextValue before = box.Text();
        box.setText(u"second");
        box.setText(before + u"+");
        QCOMPARE(toQString(box.Text()), "first+");
        QCOMPARE(shown(box), "first+");

        other.setText(box.Text() + u"!");
        QCOMPARE(toQString(other.Text()), "first+!");
        QCOMPARE(toQString(box.Text()), "first+");
    }

    void appendingShowsTheEnd()
    {
        QWidget form;
        TextBox box(&form);
        ui::qt::widgetOf(box)->setGeometry(0, 0, 200, 80);
        QString lines;
        for (int i = 0; i < 50; ++i)
            lines += QStringLiteral("ред %1\r\n").arg(i);
        box.setText(lines.toStdU16String());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QScrollBar *bar = ui::qt::widgetOf<QPlainTextEdit>(box)->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        box.setText(box.Text() + u"последен\r\n");
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
    }

    // A hidden box may leave its widget empty, but must show its whole text
    // once shown, however it was written while hidden.
    void hiddenBoxShowsItsTextWhenShown()
    {
        QWidget form;
        TextBox box(&form);
        box.setText(u"видим\r\n");
        box.setVisible(false);
        box.setText(box.Text() + u"скрит\r\n");
        box.setText(box.Text() + u"още");
        QCOMPARE(toQString(box.Text()), "видим\r\nскрит\r\nоще");
        form.show();
        box.setVisible(true);
        QCOMPARE(shown(box), "видим\nскрит\nоще");
        box.setText(box.Text() + u"\r\nпосле");
        QCOMPARE(shown(box), "видим\nскрит\nоще\nпосле");

        // Shown by Qt directly, not through the control, all the same.
        box.setVisible(false);
        box.setText(u"нов");
        ui::qt::widgetOf(box)->show();
        QCOMPARE(shown(box), "нов");
    }

    // A button keeps its caption's layout between paints; a new caption or
    // font must still paint as a button made with them.
    void buttonCaptionFollowsTextAndFont()
    {
        QWidget form;
        const auto paintedAfresh = [&form](ui::TextView caption, const QFont &font) {
            ui::qt::CommandButton fresh(&form);
            ui::qt::widgetOf(fresh)->setGeometry(0, 30, 97, 25);
            ui::qt::widgetOf(fresh)->setFont(font);
            fresh.setCaption(caption);
            return ui::qt::widgetOf(fresh)->grab().toImage();
        };
        ui::qt::CommandButton kept(&form);
        ui::qt::widgetOf(kept)->setGeometry(0, 0, 97, 25);
        kept.setCaption(u"Сравни");
        (void)ui::qt::widgetOf(kept)->grab();
        kept.setCaption(u"Чисти");
        QCOMPARE(ui::qt::widgetOf(kept)->grab().toImage(),
                 paintedAfresh(u"Чисти", ui::qt::widgetOf(kept)->font()));

        QFont smaller = ui::qt::widgetOf(kept)->font();
        smaller.setPointSize(smaller.pointSize() - 3);
        ui::qt::widgetOf(kept)->setFont(smaller);
        QCOMPARE(ui::qt::widgetOf(kept)->grab().toImage(), paintedAfresh(u"Чисти", smaller));
    }

    void arrayClickCarriesTheElementIndex()
    {
        QWidget form;
        ui::ControlArray<ui::CommandButton> buttons;
        for (int i = 0; i < 3; ++i) {
            auto &button = buttons.load<ui::qt::CommandButton>(&form);
            ui::qt::widgetOf(button)->setGeometry(0, 30 * i, 80, 25);
        }
        QList<qint16> clicked;
        buttons.onClick([&](qint16 index) { clicked << index; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(ui::qt::widgetOf(buttons(2)), Qt::LeftButton);
        QTest::mouseClick(ui::qt::widgetOf(buttons(0)), Qt::LeftButton);
        QCOMPARE(clicked, QList<qint16>({2, 0}));
        QCOMPARE(buttons.count(), qint16(3));
    }

    void disabledOptionHandsOnTheGroupsTabStop()
    {
        QWidget form;
        QButtonGroup group;
        ui::ControlArray<ui::OptionButton> options;
        for (int i = 0; i < 4; ++i) {
            auto &option = options.load<ui::qt::OptionButton>(&form, &group);
            option.setCaption(QStringLiteral("страна %1").arg(i).toStdU16String());
            ui::qt::widgetOf(option)->setGeometry(0, 20 * i, 100, 20);
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto tabStops = [&] {
            QList<qint16> stops;
            for (qint16 i = 0; i < options.count(); ++i)
                if (ui::qt::widgetOf(options(i))->focusPolicy() & Qt::TabFocus)
                    stops << i;
            return stops;
        };

        QTest::mouseClick(ui::qt::widgetOf(options(2)), Qt::LeftButton);
        QVERIFY(options(2).Value());
        QCOMPARE(tabStops(), QList<qint16>({2}));
        options(2).setEnabled(false);
        QCOMPARE(tabStops(), QList<qint16>({0}));
        options(1).setEnabled(false);
        options(0).setEnabled(false);
        QCOMPARE(tabStops(), QList<qint16>({3}));
        // Back on, the checked button is the natural place to land.
        options(2).setEnabled(true);
        QCOMPARE(tabStops(), QList<qint16>({3}));
        options(3).setEnabled(false);
        QCOMPARE(tabStops(), QList<qint16>({2}));
        QVERIFY(options(2).Value());
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
