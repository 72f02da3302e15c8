// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiz's costs against the floor: the cheapest Qt Widgets window that
// shows the same texts. Every figure is measured side by side in one run,
// the two programs taking turns, and reported as medians and ratios.
// Needs a display (see the README's command) and valgrind.
#include "ColdStart.h"
#include "FloorWindow.h"
#include "app/MainForm.h"
#include "ui/qt/ControlWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

struct Row
{
    QString measure;
    double quiz;
    double reference;
    QString unit;
    QString goal;
};

void print(const std::vector<Row> &rows)
{
    std::printf("| measure | quiz | reference | ratio | goal |\n|---|---:|---:|---:|---|\n");
    for (const Row &row : rows) {
        const QString reference = row.reference > 0
            ? QString::number(row.reference, 'f', row.reference < 10 ? 3 : 1) + " " + row.unit
            : QStringLiteral("-");
        const QString ratio = row.reference > 0 ? QString::number(row.quiz / row.reference, 'f', 2)
                                                : QStringLiteral("-");
        std::printf("| %s | %s %s | %s | %s | %s |\n", qPrintable(row.measure),
                    qPrintable(QString::number(row.quiz, 'f', row.quiz < 10 ? 3 : 1)),
                    qPrintable(row.unit), qPrintable(reference), qPrintable(ratio),
                    qPrintable(row.goal));
        std::fflush(stdout);
    }
}

// Notes the window's first paint; the flush follows in the same pass.
class FirstPaint : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// Shows a window and returns once its first paint has reached the screen.
void showAndPaint(QWidget &window)
{
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    window.removeEventFilter(&watch);
}

std::vector<Row> coldStart(const QString &quiz, const QString &floor, int runs)
{
    ColdStart starter;
    std::vector<double> quizTime, floorTime, quizMemory, floorMemory;
    for (int i = 0; i < runs; ++i) {
        if (auto run = starter.run(quiz)) {
            quizTime.push_back(run->millisecondsToPainted);
            quizMemory.push_back(run->residentKiB / 1024);
        }
        if (auto run = starter.run(floor)) {
            floorTime.push_back(run->millisecondsToPainted);
            floorMemory.push_back(run->residentKiB / 1024);
        }
    }
    std::vector<double> quizInstructions, floorInstructions;
    for (int i = 0; i < 3; ++i) {
        if (auto count = instructionsToFirstPaint(quiz))
            quizInstructions.push_back(*count / 1e6);
        if (auto count = instructionsToFirstPaint(floor))
            floorInstructions.push_back(*count / 1e6);
    }
    return {
        {"cold start, spawn to first paint on screen", median(quizTime), median(floorTime), "ms",
         "≤ 1.10"},
        {"cold start, instructions to first paint", median(quizInstructions),
         median(floorInstructions), "M", "≤ 1.10"},
        {"resident memory once shown", median(quizMemory), median(floorMemory), "MiB", "≤ 1.05"},
    };
}

Row inProcessStart(int runs)
{
    std::vector<double> quiz, floor;
    QElapsedTimer timer;
    for (int i = -3; i < runs; ++i) { // the first three warm up
        timer.start();
        {
            MainForm form;
            showAndPaint(form);
            if (i >= 0)
                quiz.push_back(timer.nsecsElapsed() / 1e6);
        }
        timer.start();
        {
            FloorWindow window;
            showAndPaint(window);
            if (i >= 0)
                floor.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    return {"start in process: create, load, show, paint", median(quiz), median(floor), "ms", "-"};
}

// One action with the repaint it causes, in microseconds.
double timeAction(const std::function<void(int)> &action, int runs)
{
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        action(i);
        QApplication::processEvents();
        samples.push_back(timer.nsecsElapsed() / 1e3);
    }
    return median(samples);
}

std::vector<Row> clicks(int runs)
{
    MainForm form;
    showAndPaint(form);
    ui::FormControls &c = form.controls();
    auto *list = ui::qt::widgetOf<QListWidget>(c.parliamentList());
    const auto clickWidget = [](QWidget *widget, QPoint at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    };
    const auto clickCountry = [&](int i) {
        QWidget *button = ui::qt::widgetOf(c.country(qint16(3 + i % 2)));
        clickWidget(button, QPoint(8, button->height() / 2));
    };
    const auto clickParliament = [&](int i) {
        clickWidget(list->viewport(), list->visualItemRect(list->item(i % 2)).center());
    };
    const auto press = [&](ui::CommandButton &button) {
        return [&](int) {
            clickWidget(ui::qt::widgetOf(button), QPoint(10, 10));
        };
    };

    std::vector<Row> rows {
        {"click a country", timeAction(clickCountry, runs), 0, "µs", "≤ 1000 µs"},
        {"click a parliament", timeAction(clickParliament, runs), 0, "µs", "≤ 1000 µs"},
        {"press Сравни", timeAction(press(c.compare()), runs), 0, "µs", "≤ 1000 µs"},
        {"press Чисти", timeAction(press(c.clear()), runs), 0, "µs", "≤ 1000 µs"},
    };
    return rows;
}

std::unique_ptr<MainForm> formWithLog(int lines)
{
    auto form = std::make_unique<MainForm>();
    ui::FormControls &c = form->controls();
    ui::Text log = c.log().Text();
    for (int i = 0; i < lines; ++i)
        log += u"България : Народно събрание е Вярно\r\n";
    c.log().setText(log);
    ui::qt::widgetOf<QRadioButton>(c.country(10))->click();
    c.parliamentList().setListIndex(8);
    showAndPaint(*form);
    return form;
}

// Each log length gets its own window; the presses take turns among them.
std::vector<Row> compareAsLogGrows(int runs)
{
    const std::vector<int> lengths {0, 1000, 10000, 100000};
    std::vector<std::unique_ptr<MainForm>> forms;
    for (int lines : lengths)
        forms.push_back(formWithLog(lines));
    std::vector<std::vector<double>> samples(lengths.size());
    QElapsedTimer timer;
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < forms.size(); ++i) {
            auto *compare = ui::qt::widgetOf<QPushButton>(forms[i]->controls().compare());
            timer.start();
            compare->click();
            QApplication::processEvents();
            samples[i].push_back(timer.nsecsElapsed() / 1e3);
        }
    }
    std::vector<Row> rows;
    const double empty = median(samples[0]);
    for (std::size_t i = 1; i < lengths.size(); ++i)
        rows.push_back({QStringLiteral("press Сравни, log of %L1 lines (reference: empty log)")
                            .arg(lengths[i]),
                        median(samples[i]), empty, "µs", lengths[i] == 100000 ? "≤ 1.2" : "-"});
    return rows;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString quiz = QStringLiteral(QUIZ_PROGRAM);
    const QString floor = QStringLiteral(FLOOR_PROGRAM);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const int runs = quick ? 3 : 15;

    std::printf("Medians; the reference is the floor window unless the row says otherwise.\n\n");
    std::vector<Row> rows = coldStart(quiz, floor, runs);
    rows.push_back(inProcessStart(quick ? 3 : 30));
    for (Row &row : clicks(quick ? 20 : 300))
        rows.push_back(row);
    for (Row &row : compareAsLogGrows(quick ? 20 : 300))
        rows.push_back(row);
    print(rows);
    return 0;
}
