// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExpectedTexts.h"
#include "ListEntries.h"
#include "app/MainForm.h"
#include "ui/qt/ControlWidget.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// 96-dpi pixels from the form's design units, twips.
QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QColor colourInside(QWidget *widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

const QStringList instructionLines = QStringList {
    "Да се състави проект показващ междупредметна връзка География и Информатика.",
    "Проектът онагледява съвместна работа между група радиобутони и записи в списъчно поле.",
    "Като радиобутони се ползва конкретна страна/държава.",
    "Като ред от списъчното поле е названието на парламента в тази страна",
    "Трябва да се посочи едновременно и от двете групи конкретен ред - радиобутон и ред от "
    "списъчното поле, така че да съществува вярна релация между название на страна и "
    "параламент.",
    "Да се вложат и два допълнителни командни бутона.",
    "а) чрез първия команден бутон се проверява правилността на направения избор.  След "
    "извършване на избора се забранява достъпа до бутона и се изтрива съдържанието на реда от "
    "списъчното поле.",
    "б) чрез втория команден бутон се изтриват всички въведени данни и се възстановява "
    "началното положение.",
    "",
    "Проектът съдържа следния списък: страна и парламент",
} + [] {
    QStringList lines;
    for (const auto &[country, parliament] : expected::answers)
        lines << country + " - " + parliament;
    return lines;
}();

} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        form = std::make_unique<MainForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void windowHasItsTitleSizeAndFont()
    {
        QCOMPARE(form->windowTitle(), "parliament-quiz.example.org География - страна, парламент");
        QCOMPARE(form->size(), QSize(461, 406));
        QTRY_VERIFY(!form->windowIcon().isNull()); // set once the window has painted
        QCOMPARE(colourInside(form.get(), {455, 100}), QColor(192, 192, 255));

        for (QWidget *child : form->findChildren<QWidget *>()) {
            const QFontInfo font(child->font());
            QVERIFY2(font.family() == "Times New Roman" || font.family() == "Liberation Serif",
                     qPrintable(font.family()));
            QCOMPARE(child->font().pointSize(), 12);
            QVERIFY(!font.bold() && !font.italic() && !font.underline() && !font.strikeOut());
        }
    }

    void captionsAndContentsAreExact()
    {
        ui::FormControls &c = form->controls();
        QCOMPARE(ui::qt::toQString(c.Label1(0).Caption()),
                 "Радио бутон, списъчно поле - държава, парламент");
        QCOMPARE(ui::qt::toQString(c.Label1(1).Caption()), "Страна");
        QCOMPARE(ui::qt::toQString(c.Label1(2).Caption()), "Парламент");
        QCOMPARE(ui::qt::toQString(c.Label1(3).Caption()), "Вярно");
        QCOMPARE(ui::qt::toQString(c.Label1(4).Caption()), "Невярно");
        QCOMPARE(ui::qt::toQString(c.Command1(0).Caption()), "Сравни");
        QCOMPARE(ui::qt::toQString(c.Command1(1).Caption()), "Чисти");
        QCOMPARE(c.Option1.count(), qint16(12));
        for (qint16 i = 0; i < 12; ++i)
            QCOMPARE(ui::qt::toQString(c.Option1(i).Caption()), expected::countries[i]);
        QCOMPARE(entries(c.List1(0)), expected::parliaments);
        QCOMPARE(entries(c.List1(1)), expected::parliaments);

        QCOMPARE(ui::qt::toQString(c.Text1(0).Text().toString()),
                 instructionLines.join("\r\n") + "\r\n");
        QCOMPARE(ui::qt::toQString(c.Text1(1).Text().toString()),
                 "Неприятното в това да си първият, направил нещо по правилния начин, е, че "
                 "никой не оценява колко трудно е било. \r\n");
    }

    void controlsStandWhereDesigned_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Text1(0)") << "Text1(0)" << twips(120, 4320, 6735, 1575);
        QTest::newRow("Text1(1)") << "Text1(1)" << twips(720, 4440, 6735, 1575);
        QTest::newRow("Label1(0)") << "Label1(0)" << twips(480, 0, 5295, 375);
        QTest::newRow("Label1(1)") << "Label1(1)" << twips(480, 720, 1575, 375);
        QTest::newRow("Label1(2)") << "Label1(2)" << twips(2400, 720, 2775, 375);
        QTest::newRow("Label1(3)") << "Label1(3)" << twips(2640, 3240, 1095, 375);
        QTest::newRow("Label1(4)") << "Label1(4)" << twips(4200, 3240, 1095, 375);
        QTest::newRow("List1(0)") << "List1(0)" << twips(2400, 1200, 2775, 915);
        QTest::newRow("List1(1)") << "List1(1)" << twips(5400, 1200, 1695, 915);
        QTest::newRow("Command1(0)") << "Command1(0)" << twips(2640, 2280, 1455, 375);
        QTest::newRow("Command1(1)") << "Command1(1)" << twips(4320, 2280, 1455, 375);
        for (int i = 0; i < 12; ++i)
            QTest::addRow("Option1(%d)", i)
                << QString("Option1(%1)").arg(i) << twips(480, 1080 + 240 * i, 1575, 285);
    }

    void controlsStandWhereDesigned()
    {
        QFETCH(QString, control);
        QFETCH(QRect, expected);
        QCOMPARE(widgetNamed(control)->geometry(), expected);
    }

    void controlsShowTheirColours_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("expected");
        const QColor heading(255, 192, 128);
        for (int i = 0; i < 5; ++i)
            QTest::addRow("Label1(%d)", i) << QString("Label1(%1)").arg(i) << heading;
        for (int i = 0; i < 12; ++i)
            QTest::addRow("Option1(%d)", i) << QString("Option1(%1)").arg(i) << QColor(255, 128, 0);
        QTest::newRow("Command1(0)") << "Command1(0)" << QColor(128, 255, 128);
        QTest::newRow("Command1(1)") << "Command1(1)" << QColor(255, 0, 0);
    }

    // As drawn, not as configured: a style that ignores the palette fails here.
    void controlsShowTheirColours()
    {
        QFETCH(QString, control);
        QFETCH(QColor, expected);
        QWidget *widget = widgetNamed(control);
        QCOMPARE(colourInside(widget, {widget->width() - 4, widget->height() / 2}), expected);
    }

    void startsInTheNeutralState()
    {
        ui::FormControls &c = form->controls();
        for (qint16 i = 0; i < 12; ++i) {
            QVERIFY(!c.Option1(i).Value());
            QVERIFY(c.Option1(i).Enabled());
            QVERIFY(ui::qt::widgetOf(c.Option1(i))->isVisible());
        }
        QCOMPARE(c.List1(0).ListIndex(), qint16(-1));
        QVERIFY(ui::qt::widgetOf(c.Label1(3))->isVisible());
        QVERIFY(ui::qt::widgetOf(c.Label1(4))->isVisible());
        QVERIFY(!ui::qt::widgetOf(c.List1(1))->isVisible());
        QVERIFY(!ui::qt::widgetOf(c.Text1(1))->isVisible());
        QCOMPARE(form->quiz().selectedCountry, qint16(0));
        QCOMPARE(form->quiz().selectedParliament, qint16(0));
        QCOMPARE(QApplication::focusWidget(), ui::qt::widgetOf(c.Text1(0)));
    }

    void logBoxCannotBeTypedInto()
    {
        auto *log = static_cast<QPlainTextEdit *>(ui::qt::widgetOf(form->controls().Text1(0)));
        const QString shown = log->toPlainText();
        QTest::keyClicks(log, "abc");
        QTest::keyClick(log, Qt::Key_Return);
        QCOMPARE(log->toPlainText(), shown);
    }

    void tabVisitsControlsInDesignedOrder()
    {
        ui::FormControls &c = form->controls();
        // The countries are one group, one tab stop; arrows move inside it.
        QList<QWidget *> expected {ui::qt::widgetOf(c.Text1(0)), ui::qt::widgetOf(c.Option1(0))};
        expected << ui::qt::widgetOf(c.List1(0)) << ui::qt::widgetOf(c.Command1(0))
                 << ui::qt::widgetOf(c.Command1(1)) << ui::qt::widgetOf(c.Text1(0));

        QList<QWidget *> visited {QApplication::focusWidget()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, expected);
    }

    void screenReaderFindsEveryControlByName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("log") << "Text1(0)" << int(QAccessible::EditableText)
                             << "Задание и дневник на отговорите";
        QTest::newRow("list") << "List1(0)" << int(QAccessible::List) << "Парламент";
        QTest::newRow("title") << "Label1(0)" << int(QAccessible::StaticText)
                               << "Радио бутон, списъчно поле - държава, парламент";
        QTest::newRow("right") << "Label1(3)" << int(QAccessible::StaticText) << "Вярно";
        QTest::newRow("wrong") << "Label1(4)" << int(QAccessible::StaticText) << "Невярно";
        QTest::newRow("country") << "Option1(10)" << int(QAccessible::RadioButton) << "България";
        QTest::newRow("compare") << "Command1(0)" << int(QAccessible::Button) << "Сравни";
        QTest::newRow("clear") << "Command1(1)" << int(QAccessible::Button) << "Чисти";
    }

    void screenReaderFindsEveryControlByName()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QAccessibleInterface *accessible
            = QAccessible::queryAccessibleInterface(widgetNamed(control));
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    // A screen reader reads the countries top to bottom, as they stand.
    void screenReaderReadsCountriesInOrder()
    {
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.get());
        QStringList read;
        for (int i = 0; i < window->childCount(); ++i)
            if (window->child(i)->role() == QAccessible::RadioButton)
                read << window->child(i)->text(QAccessible::Name);
        QCOMPARE(read, expected::countries);
    }

private:
    QWidget *widgetNamed(const QString &name)
    {
        ui::FormControls &c = form->controls();
        const qint16 index = qint16(name.section('(', 1).chopped(1).toInt());
        if (name.startsWith("Text1"))
            return ui::qt::widgetOf(c.Text1(index));
        if (name.startsWith("Label1"))
            return ui::qt::widgetOf(c.Label1(index));
        if (name.startsWith("Option1"))
            return ui::qt::widgetOf(c.Option1(index));
        if (name.startsWith("List1"))
            return ui::qt::widgetOf(c.List1(index));
        return ui::qt::widgetOf(c.Command1(index));
    }

    std::unique_ptr<MainForm> form;
};

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
