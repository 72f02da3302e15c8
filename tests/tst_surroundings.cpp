// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window under the surroundings a school machine may give it: run by
// ctest as it is, at one and a half and twice the scale, and with no serif
// face installed. Whatever the surroundings, every caption must fit its
// control and the window must scale as a whole.
#include "QuizDriver.h"
#include "ui/qt/ControlWidget.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>

class SurroundingsTest : public QObject
{
    Q_OBJECT

private slots:
    void captionsFitTheirControls()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        for (QWidget *control : quiz.form.findChildren<QWidget *>()) {
            QString caption;
            if (auto *label = qobject_cast<QLabel *>(control))
                caption = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                caption = button->text();
            else
                continue;
            // The design packs the countries tighter than Qt's preferred
            // height; the line of text itself must still fit.
            const QSize needed(control->sizeHint().width(), control->fontMetrics().height());
            QVERIFY2(needed.width() <= control->width() && needed.height() <= control->height(),
                     qPrintable(QString("%1 needs %2×%3, has %4×%5 in %6")
                                    .arg(caption)
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(control->width())
                                    .arg(control->height())
                                    .arg(QFontInfo(control->font()).family())));
        }
    }

    void windowScalesAsAWhole()
    {
        QuizDriver quiz;
        QVERIFY(quiz.exposed());
        const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
            : 1.0;
        QCOMPARE(quiz.form.devicePixelRatioF(), scale);
        QCOMPARE(quiz.form.size(), QSize(461, 406));
        QCOMPARE(quiz.form.grab().size(), QSize(461, 406) * scale);
        QCOMPARE(ui::qt::widgetOf(quiz.controls().parliamentList())->geometry(),
                 QRect(160, 80, 185, 61));
    }
};

QTEST_MAIN(SurroundingsTest)
#include "tst_surroundings.moc"
