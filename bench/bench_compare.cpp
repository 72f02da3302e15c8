// How the cost of one "Сравни" press grows with the log. Each log length
// gets its own window; every round presses compare once in each, in turn,
// so the machine's noise falls on all of them alike. The press is timed
// with the repaint it causes, as a learner waits for both.
#include "app/MainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Case
{
    int logLines;
    std::unique_ptr<MainForm> form;
    std::vector<qint64> nanoseconds;
};

std::unique_ptr<MainForm> formWithLog(int lines)
{
    auto form = std::make_unique<MainForm>();
    ui::FormControls &c = form->controls();
    QString log = c.Text1(0).Text().toString();
    for (int i = 0; i < lines; ++i)
        log += QStringLiteral("България : Народно събрание е Вярно\r\n");
    c.Text1(0).setText(log);
    static_cast<QRadioButton *>(c.Option1(10).widget())->click();
    c.List1(0).setListIndex(8);
    form->show();
    return form;
}

double medianMicroseconds(std::vector<qint64> samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2] / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 300;

    std::vector<Case> cases;
    for (int lines : {0, 1000, 10000, 100000})
        cases.push_back({lines, formWithLog(lines), {}});
    QApplication::processEvents();

    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        for (Case &c : cases) {
            auto *compare = static_cast<QPushButton *>(c.form->controls().Command1(0).widget());
            timer.start();
            compare->click();
            QApplication::processEvents();
            c.nanoseconds.push_back(timer.nsecsElapsed());
        }
    }

    const double base = medianMicroseconds(cases.front().nanoseconds);
    std::printf("\"Сравни\", median of %d presses each, interleaved\n\n", rounds);
    std::printf("| log lines | median µs | ratio to 0 lines |\n|---:|---:|---:|\n");
    for (const Case &c : cases) {
        const double median = medianMicroseconds(c.nanoseconds);
        std::printf("| %d | %.1f | %.2f |\n", c.logLines, median, median / base);
    }
    return 0;
}
