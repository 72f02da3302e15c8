// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a learner who cannot see the screen, or cannot use a mouse, relies on:
// verdicts spoken without moving the focus, a focus mark on every control,
// and caption text that stands out from its background.
#include "QuizDriver.h"
#include "ui/qt/Contrast.h"
#include "ui/qt/ControlWidget.h"
#include "ui/qt/TextBox.h"

#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

struct Heard
{
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
    const QObject *object;
};

QList<Heard> heard;

void listen(QAccessibleEvent *event)
{
    QString name;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        name = static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#endif
    QAccessibleInterface *object = event->accessibleInterface();
    if (object && name.isEmpty())
        name = object->text(QAccessible::Name);
    if (object)
        heard << Heard {event->type(), object->role(), name, event->object()};
}

// What a screen reader speaks unasked: announcements, and notifications as
// they appear under the name it last learnt for them, as Orca 48 keeps it.
QStringList spoken()
{
    QStringList lines;
    QHash<const QObject *, QString> learnt;
    for (const Heard &event : heard) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event.type == QAccessible::Announcement)
            lines << event.name;
#endif
        if (event.role != QAccessible::Notification)
            continue;
        if (event.type == QAccessible::NameChanged)
            learnt[event.object] = event.name;
        if (event.type == QAccessible::ObjectShow) {
            if (!learnt.contains(event.object))
                learnt.insert(event.object, event.name);
            lines << learnt.value(event.object);
        }
    }
    return lines;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(listen);
        // As when a screen reader connects: only then does Qt send events.
        QPlatformAccessibility *platform
            = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
    }

    void init() { heard.clear(); }

    void verdictIsSpokenAsItsLogLine()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickCountry(10);
        quiz.clickParliament(8);
        QCOMPARE(spoken(), QStringList());
        quiz.pressCompare();
        QCOMPARE(spoken(), QStringList {"България : Народно събрание е Вярно"});

        quiz.clickCountry(2);
        quiz.clickParliament(0);
        quiz.pressCompare();
        QCOMPARE(
            spoken(),
            QStringList({"България : Народно събрание е Вярно", "Полша : Бундестаг е Невярно"}));
    }

    // Choosing again brings both verdict labels back; that is no news to speak.
    void nothingElseIsSpoken()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        quiz.clickCountry(3);
        quiz.pressCompare(); // no parliament chosen: nothing happens
        quiz.clickParliament(4);
        quiz.pressCompare();
        heard.clear();
        quiz.clickCountry(5);
        quiz.clickParliament(2);
        quiz.pressClear();
        QCOMPARE(spoken(), QStringList());
    }

    // Each completed line once, however the writes split it.
    void eachNewLineIsSpokenOnce()
    {
        QWidget form;
        ui::qt::TextBox box(&form);
        box.setText(u"задание\r\n");
        box.announceNewLines();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const char16_t *more : {u"първи", u" ред\r", u"\nвтори\r\n\r\n", u"трети\n"})
            box.setText(box.Text() + more);
        QCOMPARE(spoken(), QStringList({"първи ред", "втори", "трети"}));
    }

    void focusMarkShowsOnEveryControl()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        QVERIFY(quiz.activated());
        ui::FormControls &c = quiz.controls();
        QList<QWidget *> focusable {ui::qt::widgetOf(c.log()), ui::qt::widgetOf(c.parliamentList()),
                                    ui::qt::widgetOf(c.compare()), ui::qt::widgetOf(c.clear())};
        for (qint16 i = 0; i < 12; ++i)
            focusable << ui::qt::widgetOf(c.country(i));

        for (QWidget *control : focusable) {
            control->setFocus();
            QVERIFY(control->hasFocus());
            const QImage shot = quiz.form.grab().toImage();
            // The mark's outer line runs along the control's shown edges.
            const QRect edge = control->mask().isEmpty()
                ? control->geometry()
                : control->mask().boundingRect().translated(control->pos());
            for (const QPoint at :
                 {QPoint(edge.center().x(), edge.top()), QPoint(edge.center().x(), edge.bottom()),
                  QPoint(edge.left(), edge.center().y()), QPoint(edge.right(), edge.center().y())})
                QVERIFY2(shot.pixelColor(at * shot.devicePixelRatio()) == Qt::black,
                         qPrintable(control->metaObject()->className()
                                    + QString(" at %1,%2").arg(at.x()).arg(at.y())));
        }
    }

    // Caption text against its own background, as drawn: the darkest and
    // the lightest pixel of the control must differ by WCAG AA's 4.5:1.
    void captionsMeetContrastMinimum()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        ui::FormControls &c = quiz.controls();
        QList<QWidget *> captioned;
        captioned << ui::qt::widgetOf(c.title()) << ui::qt::widgetOf(c.countryHeading())
                  << ui::qt::widgetOf(c.parliamentHeading()) << ui::qt::widgetOf(c.rightVerdict())
                  << ui::qt::widgetOf(c.wrongVerdict());
        for (qint16 i = 0; i < 12; ++i)
            captioned << ui::qt::widgetOf(c.country(i));
        captioned << ui::qt::widgetOf(c.compare()) << ui::qt::widgetOf(c.clear());

        for (QWidget *control : captioned) {
            const QImage shot = control->grab().toImage();
            // Right of the radio indicator and inside any border: caption and background.
            const QRect area = control->rect().adjusted(control->width() / 5, 3, -3, -3);
            QColor darkest(Qt::white), lightest(Qt::black);
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor pixel = shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio());
                    // Contrast with black grows with a colour's luminance.
                    const double brightness = ui::qt::contrastRatio(pixel, Qt::black);
                    if (brightness < ui::qt::contrastRatio(darkest, Qt::black))
                        darkest = pixel;
                    if (brightness > ui::qt::contrastRatio(lightest, Qt::black))
                        lightest = pixel;
                }
            }
            QVERIFY2(
                ui::qt::contrastRatio(darkest, lightest) >= 4.5,
                qPrintable(QString("%1: %2 on %3")
                               .arg(control->accessibleName(), darkest.name(), lightest.name())));
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
