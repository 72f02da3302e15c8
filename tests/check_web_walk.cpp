// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Replays a random walk recorded in the browser (tests/web/walk.test.mjs)
// on the independent model of the quiz, and says where the page showed
// something else. Exit status 0 when they agree at every step.
//   check_web_walk walk.json
#include "QuizModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString display(QString text)
{
    return text.replace("\r\n", "\n").replace('\r', '\n');
}

QString css(const QColor &colour)
{
    return QString("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

int countryIn(const QString &focus)
{
    return focus.startsWith("country ") ? focus.mid(8).toInt() : -1;
}

// Tells the model what the learner did; `step` is what the page showed after.
void apply(QuizModel &model, const QJsonObject &step)
{
    const QJsonObject action = step["action"].toObject();
    const QString kind = action["kind"].toString();
    const int index = action["index"].toInt();
    if (kind == "country") {
        model.clickCountry(index);
    } else if (kind == "parliament") {
        model.selectionBecame(index);
    } else if (kind == "compare") {
        model.pressCompare();
    } else if (kind == "clear") {
        model.pressClear();
    } else if (kind == "key") {
        // A key acts on what had the focus; a radio group's arrows choose
        // the country they move to, and a list's arrows move its selection.
        const QString key = action["key"].toString();
        const QString before = step["focusBefore"].toString();
        const int country = countryIn(before);
        const int now = countryIn(step["focusAfter"].toString());
        const bool presses = key == "Space" || key == "Enter";
        if (country >= 0 && key == "Space")
            model.clickCountry(country);
        else if (country >= 0 && now >= 0 && now != country)
            model.clickCountry(now);
        else if (before == "list")
            model.selectionBecame(step["selection"].toInt());
        else if (before == "compare" && presses)
            model.pressCompare();
        else if (before == "clear" && presses)
            model.pressClear();
    }
}

template<typename Value> QString differ(const char *what, const Value &shown, const Value &model)
{
    QString text;
    QDebug(&text) << what << "shows" << shown << "but should be" << model;
    return text;
}

QString difference(const QuizModel &model, const QJsonObject &step, const QString &log)
{
    QStringList entries;
    for (const QJsonValue entry : step["entries"].toArray())
        entries << entry.toString();
    if (entries != model.entries)
        return differ("the list", entries, model.entries);
    if (step["selection"].toInt() != model.selection)
        return differ("the selection", step["selection"].toInt(), model.selection);
    for (int i = 0; i < model.count(); ++i) {
        if (step["enabled"][i].toBool() != model.enabled[i])
            return differ(qPrintable(QString("enabled of country %1").arg(i)),
                          step["enabled"][i].toBool(), model.enabled[i]);
        if (step["checked"][i].toBool() != model.checked[i])
            return differ(qPrintable(QString("checked of country %1").arg(i)),
                          step["checked"][i].toBool(), model.checked[i]);
    }
    if (step["rightVisible"].toBool() != model.rightVisible)
        return differ("Вярно shown", step["rightVisible"].toBool(), model.rightVisible);
    if (step["wrongVisible"].toBool() != model.wrongVisible)
        return differ("Невярно shown", step["wrongVisible"].toBool(), model.wrongVisible);
    const QStringList colours {step["verdictColours"][0].toString(),
                               step["verdictColours"][1].toString()};
    if (colours != QStringList {css(model.rightColour), css(model.wrongColour)})
        return differ("the verdicts' colours", colours,
                      QStringList {css(model.rightColour), css(model.wrongColour)});
    if (log != display(model.log))
        return differ("the log's end", log.right(200), display(model.log).right(200));
    if (step["focusAfter"].toString() == "disabled")
        return "the focus is on a disabled control";
    return {};
}

QString describe(const QJsonObject &step)
{
    const QJsonObject action = step["action"].toObject();
    return QString::fromUtf8(QJsonDocument(action).toJson(QJsonDocument::Compact)) + " on "
        + step["focusBefore"].toString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QFile file(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (argc != 2 || !file.open(QIODevice::ReadOnly)) {
        out << "usage: check_web_walk walk.json\n";
        return 2;
    }
    const QJsonObject walk = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonArray steps = walk["steps"].toArray();
    if (steps.isEmpty()) {
        out << "the walk holds no steps\n";
        return 1;
    }
    // The page played the built-in quiz, or the five capitals (walk.test.mjs).
    QuizModel model(walk["set"].toString() == "five capitals" ? QuizModel::fiveCapitals()
                                                              : QuizModel::builtIn());
    QString log = walk["startLog"].toString();
    model.log = log;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QJsonObject step = steps[i].toObject();
        apply(model, step);
        log = step.contains("log") ? step["log"].toString() : log + step["logAdded"].toString();
        const QString differs = difference(model, step, log);
        if (differs.isEmpty())
            continue;
        out << "after step " << i + 1 << " of " << steps.size() << ": " << differs << "\n"
            << "the last actions:\n";
        for (qsizetype j = std::max<qsizetype>(0, i - 9); j <= i; ++j)
            out << "  " << describe(steps[j].toObject()) << "\n";
        return 1;
    }
    out << steps.size() << " steps agree\n";
    return 0;
}
