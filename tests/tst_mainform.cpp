// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExpectedTexts.h"
#include "ListEntries.h"
#include "app/MainForm.h"
#include "ui/qt/ControlWidget.h"

#include <QAccessible>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontInfo>
#include <QMimeData>
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
        QCOMPARE(ui::qt::toQString(c.title().Caption()),
                 "Радио бутон, списъчно поле - държава, парламент");
        QCOMPARE(ui::qt::toQString(c.countryHeading().Caption()), "Страна");
        QCOMPARE(ui::qt::toQString(c.parliamentHeading().Caption()), "Парламент");
        QCOMPARE(ui::qt::toQString(c.rightVerdict().Caption()), "Вярно");
        QCOMPARE(ui::qt::toQString(c.wrongVerdict().Caption()), "Невярно");
        QCOMPARE(ui::qt::toQString(c.compare().Caption()), "Сравни");
        QCOMPARE(ui::qt::toQString(c.clear().Caption()), "Чисти");
        QCOMPARE(c.countryCount(), qint16(12));
        for (qint16 i = 0; i < 12; ++i)
            QCOMPARE(ui::qt::toQString(c.country(i).Caption()), expected::countries[i]);
        QCOMPARE(entries(c.parliamentList()), expected::parliaments);
        QCOMPARE(entries(c.masterList()), expected::parliaments);

        QCOMPARE(ui::qt::toQString(c.log().Text()), instructionLines.join("\r\n") + "\r\n");
        QCOMPARE(ui::qt::toQString(c.quotation().Text()),
                 "Неприятното в това да си първият, направил нещо по правилния начин, е, че "
                 "никой не оценява колко трудно е било. \r\n");
    }

    void controlsStandWhereDesigned_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("log") << "log" << twips(120, 4320, 6735, 1575);
        QTest::newRow("quotation") << "quotation" << twips(720, 4440, 6735, 1575);
        QTest::newRow("title") << "title" << twips(480, 0, 5295, 375);
        QTest::newRow("country heading") << "country heading" << twips(480, 720, 1575, 375);
        QTest::newRow("parliament heading") << "parliament heading" << twips(2400, 720, 2775, 375);
        QTest::newRow("right verdict") << "right verdict" << twips(2640, 3240, 1095, 375);
        QTest::newRow("wrong verdict") << "wrong verdict" << twips(4200, 3240, 1095, 375);
        QTest::newRow("parliament list") << "parliament list" << twips(2400, 1200, 2775, 915);
        QTest::newRow("master list") << "master list" << twips(5400, 1200, 1695, 915);
        QTest::newRow("compare") << "compare" << twips(2640, 2280, 1455, 375);
        QTest::newRow("clear") << "clear" << twips(4320, 2280, 1455, 375);
        for (int i = 0; i < 12; ++i)
            QTest::addRow("country %d", i)
                << QString("country %1").arg(i) << twips(480, 1080 + 240 * i, 1575, 285);
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
        for (const char *label :
             {"title", "country heading", "parliament heading", "right verdict", "wrong verdict"})
            QTest::newRow(label) << label << heading;
        for (int i = 0; i < 12; ++i)
            QTest::addRow("country %d", i) << QString("country %1").arg(i) << QColor(255, 128, 0);
        QTest::newRow("compare") << "compare" << QColor(128, 255, 128);
        QTest::newRow("clear") << "clear" << QColor(255, 0, 0);
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
            QVERIFY(!c.country(i).Value());
            QVERIFY(c.country(i).Enabled());
            QVERIFY(ui::qt::widgetOf(c.country(i))->isVisible());
        }
        QCOMPARE(c.parliamentList().ListIndex(), qint16(-1));
        QVERIFY(ui::qt::widgetOf(c.rightVerdict())->isVisible());
        QVERIFY(ui::qt::widgetOf(c.wrongVerdict())->isVisible());
        QVERIFY(!ui::qt::widgetOf(c.masterList())->isVisible());
        QVERIFY(!ui::qt::widgetOf(c.quotation())->isVisible());
        QCOMPARE(form->quiz().selectedCountry, qint16(0));
        QCOMPARE(form->quiz().selectedParliament, qint16(0));
        QCOMPARE(QApplication::focusWidget(), ui::qt::widgetOf(c.log()));
    }

    // A file dropped on the window is handed on to be opened as a set, once
    // the drop is over; a drop of anything else is not taken.
    void droppedFileIsOpenedAsASet()
    {
        QStringList opened;
        form->setOnSetDropped([&](const QString &path) { opened << path; });
        const auto drop = [&](QMimeData &data) {
            QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(form.get(), &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(form.get(), &dropped);
            return true;
        };
        QMimeData text;
        text.setText("Искър;Дунав");
        QVERIFY(!drop(text));
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile("/училище/Реки.csv")});
        QVERIFY(drop(file));
        QVERIFY(opened.isEmpty());
        QTRY_COMPARE(opened, QStringList {"/училище/Реки.csv"});
    }

    void logBoxCannotBeTypedInto()
    {
        auto *log = ui::qt::widgetOf<QPlainTextEdit>(form->controls().log());
        const QString shown = log->toPlainText();
        QTest::keyClicks(log, "abc");
        QTest::keyClick(log, Qt::Key_Return);
        QCOMPARE(log->toPlainText(), shown);
    }

    void tabVisitsControlsInDesignedOrder()
    {
        ui::FormControls &c = form->controls();
        // The countries are one group, one tab stop; arrows move inside it.
        QList<QWidget *> expected {ui::qt::widgetOf(c.log()), ui::qt::widgetOf(c.country(0))};
        expected << ui::qt::widgetOf(c.parliamentList()) << ui::qt::widgetOf(c.compare())
                 << ui::qt::widgetOf(c.clear()) << ui::qt::widgetOf(c.log());

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
        QTest::newRow("log") << "log" << int(QAccessible::EditableText)
                             << "Задание и дневник на отговорите";
        QTest::newRow("list") << "parliament list" << int(QAccessible::List) << "Парламент";
        QTest::newRow("title") << "title" << int(QAccessible::StaticText)
                               << "Радио бутон, списъчно поле - държава, парламент";
        QTest::newRow("right") << "right verdict" << int(QAccessible::StaticText) << "Вярно";
        QTest::newRow("wrong") << "wrong verdict" << int(QAccessible::StaticText) << "Невярно";
        QTest::newRow("country") << "country 10" << int(QAccessible::RadioButton) << "България";
        QTest::newRow("compare") << "compare" << int(QAccessible::Button) << "Сравни";
        QTest::newRow("clear") << "clear" << int(QAccessible::Button) << "Чисти";
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
    // The widget that the form's builder gave the role `name`.
    QWidget *widgetNamed(const QString &name)
    {
        ui::FormControls &c = form->controls();
        const QHash<QString, ui::Control *> roles {
            {"log", &c.log()},
            {"quotation", &c.quotation()},
            {"title", &c.title()},
            {"country heading", &c.countryHeading()},
            {"parliament heading", &c.parliamentHeading()},
            {"right verdict", &c.rightVerdict()},
            {"wrong verdict", &c.wrongVerdict()},
            {"parliament list", &c.parliamentList()},
            {"master list", &c.masterList()},
            {"compare", &c.compare()},
            {"clear", &c.clear()},
        };
        if (roles.contains(name))
            return ui::qt::widgetOf(*roles.value(name));
        return ui::qt::widgetOf(c.country(qint16(name.section(' ', 1).toInt())));
    }

    std::unique_ptr<MainForm> form;
};

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
