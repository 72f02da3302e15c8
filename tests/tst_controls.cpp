// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListEntries.h"
#include "ui/CommandButton.h"
#include "ui/ControlArray.h"
#include "ui/ControlWidget.h"
#include "ui/ListBox.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using ui::ListBox;
using ui::TextBox;

namespace {

QString shown(const TextBox &box)
{
    return static_cast<QPlainTextEdit *>(ui::widgetOf(box))->toPlainText();
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
            list.AddItem(QString::fromUtf8(text));
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
            list.AddItem(QString::fromUtf8(text));
        list.setListIndex(2);
        list.setList(2, "  ");
        list.setList(0, "Я");
        QCOMPARE(entries(list), QStringList({"Я", "Диета", "  "}));
        QCOMPARE(list.ListIndex(), qint16(2));
        list.setList(7, "outside");
        QCOMPARE(list.ListCount(), qint16(3));
        QCOMPARE(list.List(-1), QString());
    }

    void listIndexSelectsAndRaisesClick()
    {
        QWidget form;
        ListBox list(&form);
        for (const char *text : {"a", "b", "c"})
            list.AddItem(QString::fromLatin1(text));
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
        ui::widgetOf(list)->setGeometry(0, 0, 200, 100);
        for (const char *text : {"a", "b", "c"})
            list.AddItem(QString::fromLatin1(text));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        int clicks = 0;
        list.onClick([&] { ++clicks; });

        auto *view = static_cast<QListWidget *>(ui::widgetOf(list));
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
        box.setText(text);
        QCOMPARE(box.Text().toString(), text);
        QCOMPARE(shown(box), display);
    }

    void extendingTextAppendsTheAddition()
    {
        QWidget form;
        TextBox box(&form);
        box.setText(QStringLiteral("начало\r\n"));
        auto *edit = static_cast<QPlainTextEdit *>(ui::widgetOf(box));
        const QTextBlock firstBlock = edit->document()->firstBlock();

        box.setText(box.Text() + u"България" + u" : " + u"Народно събрание");
        box.setText(box.Text() + u" е Вярно\r\n");
        QCOMPARE(box.Text().toString(), "начало\r\nБългария : Народно събрание е Вярно\r\n");
        QCOMPARE(shown(box), "начало\nБългария : Народно събрание е Вярно\n");
        // Appended, not replaced: the first paragraph is the same object.
        QVERIFY(edit->document()->firstBlock() == firstBlock);

        // A whole new text is shown whole, even where it extends the old one.
        box.setText(box.Text().toString() + "още\r\n");
        QCOMPARE(shown(box), "начало\nБългария : Народно събрание е Вярно\nоще\n");
    }

    void lineEndSplitAcrossWritesIsOneBreak()
    {
        QWidget form;
        TextBox box(&form);
        box.setText(QStringLiteral("a"));
        box.setText(box.Text() + u"\r");
        box.setText(box.Text() + u"\nb");
        QCOMPARE(box.Text().toString(), "a\r\nb");
        QCOMPARE(shown(box), "a\nb");
    }

    // A read taken before the box changed must not be appended as if current.
    void staleReadReplacesWhole()
    {
        QWidget form;
        TextBox box(&form), other(&form);
        box.setText(QStringLiteral("first"));
        const ui::TextValue before = box.Text();
        box.setText(QStringLiteral("second"));
        box.setText(before + u"+");
        QCOMPARE(box.Text().toString(), "first+");
        QCOMPARE(shown(box), "first+");

        other.setText(box.Text() + u"!");
        QCOMPARE(other.Text().toString(), "first+!");
        QCOMPARE(box.Text().toString(), "first+");
    }

    void appendingShowsTheEnd()
    {
        QWidget form;
        TextBox box(&form);
        ui::widgetOf(box)->setGeometry(0, 0, 200, 80);
        QString lines;
        for (int i = 0; i < 50; ++i)
            lines += QStringLiteral("ред %1\r\n").arg(i);
        box.setText(lines);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QScrollBar *bar = static_cast<QPlainTextEdit *>(ui::widgetOf(box))->verticalScrollBar();
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
        box.setText(QStringLiteral("видим\r\n"));
        box.setVisible(false);
        box.setText(box.Text() + u"скрит\r\n");
        box.setText(box.Text() + u"още");
        QCOMPARE(box.Text().toString(), "видим\r\nскрит\r\nоще");
        form.show();
        box.setVisible(true);
        QCOMPARE(shown(box), "видим\nскрит\nоще");
        box.setText(box.Text() + u"\r\nпосле");
        QCOMPARE(shown(box), "видим\nскрит\nоще\nпосле");

        // Shown by Qt directly, not through the control, all the same.
        box.setVisible(false);
        box.setText(QStringLiteral("нов"));
        ui::widgetOf(box)->show();
        QCOMPARE(shown(box), "нов");
    }

    // A button keeps its caption's layout between paints; a new caption or
    // font must still paint as a button made with them.
    void buttonCaptionFollowsTextAndFont()
    {
        QWidget form;
        const auto paintedAfresh = [&form](const QString &caption, const QFont &font) {
            ui::CommandButton fresh(&form);
            ui::widgetOf(fresh)->setGeometry(0, 30, 97, 25);
            ui::widgetOf(fresh)->setFont(font);
            fresh.setCaption(caption);
            return ui::widgetOf(fresh)->grab().toImage();
        };
        ui::CommandButton kept(&form);
        ui::widgetOf(kept)->setGeometry(0, 0, 97, 25);
        kept.setCaption(QStringLiteral("Сравни"));
        (void)ui::widgetOf(kept)->grab();
        kept.setCaption(QStringLiteral("Чисти"));
        QCOMPARE(ui::widgetOf(kept)->grab().toImage(),
                 paintedAfresh("Чисти", ui::widgetOf(kept)->font()));

        QFont smaller = ui::widgetOf(kept)->font();
        smaller.setPointSize(smaller.pointSize() - 3);
        ui::widgetOf(kept)->setFont(smaller);
        QCOMPARE(ui::widgetOf(kept)->grab().toImage(), paintedAfresh("Чисти", smaller));
    }

    void arrayClickCarriesTheElementIndex()
    {
        QWidget form;
        ui::ControlArray<ui::CommandButton> buttons;
        for (int i = 0; i < 3; ++i) {
            ui::CommandButton &button = buttons.load(&form);
            ui::widgetOf(button)->setGeometry(0, 30 * i, 80, 25);
        }
        QList<qint16> clicked;
        buttons.onClick([&](qint16 index) { clicked << index; });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(ui::widgetOf(buttons(2)), Qt::LeftButton);
        QTest::mouseClick(ui::widgetOf(buttons(0)), Qt::LeftButton);
        QCOMPARE(clicked, QList<qint16>({2, 0}));
        QCOMPARE(buttons.count(), qint16(3));
    }

    void disabledOptionHandsOnTheGroupsTabStop()
    {
        QWidget form;
        QButtonGroup group;
        ui::ControlArray<ui::OptionButton> options;
        for (int i = 0; i < 4; ++i) {
            ui::OptionButton &option = options.load(&form, &group);
            option.setCaption(QStringLiteral("страна %1").arg(i));
            ui::widgetOf(option)->setGeometry(0, 20 * i, 100, 20);
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto tabStops = [&] {
            QList<qint16> stops;
            for (qint16 i = 0; i < options.count(); ++i)
                if (ui::widgetOf(options(i))->focusPolicy() & Qt::TabFocus)
                    stops << i;
            return stops;
        };

        QTest::mouseClick(ui::widgetOf(options(2)), Qt::LeftButton);
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
