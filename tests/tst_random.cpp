// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random sequences of user actions, sent to the real window as input events
// and to an independent model; after every action the whole observable
// state must agree. QUIZ_RANDOM_ACTIONS sets how many actions in all,
// QUIZ_RANDOM_SEED where the generator starts.
#include "ExpectedTexts.h"
#include "FiveCapitals.h"
#include "QuizDriver.h"
#include "QuizModel.h"
#include "ui/qt/ControlWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QPlainTextEdit>

#include <random>

namespace {

enum class Kind { ClickCountry, ClickParliament, Compare, Clear, Tab, Backtab, Key, Type, Paste };

struct Action
{
    Action(Kind kind, int arg = 0, QString text = {})
        : kind(kind)
        , arg(arg)
        , text(std::move(text))
    { }

    Kind kind;
    int arg;
    QString text;

    QString describe(const QStringList &countries) const
    {
        switch (kind) {
        case Kind::ClickCountry:
            return QString("click country %1 (%2)").arg(arg).arg(countries.value(arg));
        case Kind::ClickParliament:
            return QString("click parliament %1").arg(arg);
        case Kind::Compare:
            return "press Сравни";
        case Kind::Clear:
            return "press Чисти";
        case Kind::Tab:
            return "Tab";
        case Kind::Backtab:
            return "Shift+Tab";
        case Kind::Key:
            return "key " + QKeySequence(arg).toString();
        case Kind::Type:
            return QString("type %1 characters into the log").arg(text.size());
        case Kind::Paste:
            return QString("paste %1 characters into the log").arg(text.size());
        }
        return {};
    }
};

// QTest::keyClicks takes Latin-1 only; a learner's keyboard types Cyrillic.
void type(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        const Qt::Key key = ch == u'\r' || ch == u'\n' ? Qt::Key_Return
            : ch == u'\t'                              ? Qt::Key_Tab
                                                       : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(ch), Qt::NoModifier);
    }
}

QString display(QString text)
{
    return text.replace("\r\n", "\n").replace('\r', '\n');
}

// One window and the model that must agree with it.
// A quiz to play: the program's, from the built-in quiz or a set, and the
// model's own statement of the same pairs.
struct Scenario
{
    sets::SetQuiz made;
    QuizModel::Pairs pairs;
};

Scenario builtInScenario()
{
    return {sets::builtInQuiz(), QuizModel::builtIn()};
}

// Five capitals: the program's set, and the model's own statement of it.
Scenario fiveCapitalsScenario()
{
    return {sets::quizOf(fiveCapitals()), QuizModel::fiveCapitals()};
}

class Episode
{
public:
    explicit Episode(const Scenario &scenario)
        : quiz(scenario.made)
        , model(scenario.pairs)
    {
        // The start text is checked elsewhere; here it is the log's beginning.
        model.log = quiz.startLog;
    }

    bool exposed() { return quiz.exposed() && quiz.activated(); }

    int entries() const { return model.count(); }

    // The countries a person could click now.
    QList<int> clickableCountries()
    {
        QList<int> clickable;
        for (qint16 i = 0; i < model.count(); ++i)
            if (quiz.controls().country(i).Enabled())
                clickable << i;
        return clickable;
    }

    // What differs after the action, or nothing.
    QString apply(const Action &action)
    {
        ui::FormControls &c = quiz.controls();
        switch (action.kind) {
        case Kind::ClickCountry:
            quiz.clickCountry(qint16(action.arg));
            model.clickCountry(action.arg);
            break;
        case Kind::ClickParliament:
            quiz.clickParliament(qint16(action.arg));
            model.selectionBecame(action.arg);
            break;
        case Kind::Compare:
            quiz.pressCompare();
            model.pressCompare();
            break;
        case Kind::Clear:
            quiz.pressClear();
            model.pressClear();
            break;
        case Kind::Tab:
        case Kind::Backtab:
            QTest::keyClick(focus(), Qt::Key_Tab,
                            action.kind == Kind::Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            if (!focus()->isEnabled())
                return "focus landed on a disabled control";
            break;
        case Kind::Key:
            pressKey(Qt::Key(action.arg));
            break;
        case Kind::Type:
            type(ui::qt::widgetOf(c.log()), action.text);
            break;
        case Kind::Paste:
            QGuiApplication::clipboard()->setText(action.text);
            QTest::keyClick(ui::qt::widgetOf(c.log()), Qt::Key_V, Qt::ControlModifier);
            break;
        }
        return difference();
    }

private:
    QWidget *focus()
    {
        QWidget *widget = QApplication::focusWidget();
        return widget ? widget : &quiz.form;
    }

    int countryWithFocus()
    {
        for (qint16 i = 0; i < model.count(); ++i)
            if (ui::qt::widgetOf(quiz.controls().country(i)) == QApplication::focusWidget())
                return i;
        return -1;
    }

    // A key acts on whatever has the focus; the model is told what a
    // person pressing it on that control meant.
    void pressKey(Qt::Key key)
    {
        ui::FormControls &c = quiz.controls();
        QWidget *target = focus();
        const int country = countryWithFocus();
        const bool countryWasChecked = country >= 0 && model.checked[country];
        QTest::keyClick(target, key);

        if (country >= 0) {
            const int now = countryWithFocus();
            if (key == Qt::Key_Space)
                model.clickCountry(country);
            else if (now >= 0 && now != country && countryWasChecked)
                model.clickCountry(now); // arrows carry the check along
        } else if (target == ui::qt::widgetOf(c.parliamentList())) {
            model.selectionBecame(c.parliamentList().ListIndex());
        } else if (target == ui::qt::widgetOf(c.compare()) && key == Qt::Key_Space) {
            model.pressCompare();
        } else if (target == ui::qt::widgetOf(c.clear()) && key == Qt::Key_Space) {
            model.pressClear();
        }
    }

    QString difference()
    {
        ui::FormControls &c = quiz.controls();
        const auto differ = [](const char *what, const auto &actual, const auto &expected) {
            QString text;
            QDebug(&text) << what << "is" << actual << "but should be" << expected;
            return text;
        };
        if (quiz.entries() != model.entries)
            return differ("the list", quiz.entries(), model.entries);
        if (c.parliamentList().ListIndex() != model.selection)
            return differ("the selection", c.parliamentList().ListIndex(), model.selection);
        if (c.countryCount() != model.count())
            return differ("the number of countries", c.countryCount(), model.count());
        for (int i = 0; i < model.count(); ++i) {
            if (c.country(qint16(i)).Enabled() != model.enabled[i])
                return differ(qPrintable("enabled of country " + QString::number(i)),
                              c.country(qint16(i)).Enabled(), model.enabled[i]);
            if (c.country(qint16(i)).Value() != model.checked[i])
                return differ(qPrintable("checked of country " + QString::number(i)),
                              c.country(qint16(i)).Value(), model.checked[i]);
        }
        if (quiz.quiz().selectedCountry != model.selectedCountry)
            return differ("selectedCountry", quiz.quiz().selectedCountry, model.selectedCountry);
        if (quiz.quiz().selectedParliament != model.selectedParliament)
            return differ("selectedParliament", quiz.quiz().selectedParliament,
                          model.selectedParliament);
        if (c.rightVerdict().Visible() != model.rightVisible)
            return differ("Вярно shown", c.rightVerdict().Visible(), model.rightVisible);
        if (c.wrongVerdict().Visible() != model.wrongVisible)
            return differ("Невярно shown", c.wrongVerdict().Visible(), model.wrongVisible);
        const QColor rightColour = ui::qt::toQColor(c.rightVerdict().BackColor());
        if (rightColour != model.rightColour)
            return differ("Вярно colour", rightColour, model.rightColour);
        const QColor wrongColour = ui::qt::toQColor(c.wrongVerdict().BackColor());
        if (wrongColour != model.wrongColour)
            return differ("Невярно colour", wrongColour, model.wrongColour);
        const QString log = ui::qt::toQString(c.log().Text());
        if (log != model.log)
            return differ("the log's end", log.right(200), model.log.right(200));
        const QString shown = ui::qt::widgetOf<QPlainTextEdit>(c.log())->toPlainText();
        if (shown != display(model.log))
            return differ("the shown log's end", shown.right(200), display(model.log).right(200));
        if (c.masterList().ListCount() != model.count() || c.masterList().Visible()
            || c.quotation().Visible())
            return "a hidden control changed";
        return {};
    }

    QuizDriver quiz;
    QuizModel model;
};

class Generator
{
public:
    explicit Generator(quint64 seed)
        : random(seed)
    { }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // Picks what a person might do next, in a list of `entries`.
    Action next(const QList<int> &enabledCountries, int entries)
    {
        const int roll = below(100);
        if (roll < 22 && !enabledCountries.isEmpty())
            return {Kind::ClickCountry, enabledCountries[below(int(enabledCountries.size()))]};
        if (roll < 45)
            return {Kind::ClickParliament, below(entries)};
        if (roll < 65)
            return {Kind::Compare};
        if (roll < 70)
            return {Kind::Clear};
        if (roll < 78)
            return {Kind::Tab};
        if (roll < 82)
            return {Kind::Backtab};
        if (roll < 97) {
            static const Qt::Key keys[] = {Qt::Key_Up,   Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                           Qt::Key_Home, Qt::Key_End,  Qt::Key_Space};
            return {Kind::Key, keys[below(7)]};
        }
        return {roll < 99 ? Kind::Type : Kind::Paste, 0, hostileText()};
    }

private:
    QString hostileText()
    {
        static const QStringList pieces {"Вярно", "\r\n", "\r", "\n", "\t", " е ", "ж", "Ab1"};
        QString text;
        const int length = below(50) == 0 ? 10000 : below(20);
        while (text.size() < length)
            text += pieces[below(int(pieces.size()))];
        return text.left(length);
    }

    std::mt19937_64 random;
};

// The fallback where the variable is unset; -1 where it is set but no number.
qint64 fromEnvironment(const char *name, qint64 fallback)
{
    if (!qEnvironmentVariableIsSet(name))
        return fallback;
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : -1;
}

} // namespace

class RandomTest : public QObject
{
    Q_OBJECT

private slots:
    void windowAgreesWithModel_data()
    {
        QTest::addColumn<int>("share");
        QTest::addColumn<bool>("ofSet");
        QTest::newRow("the countries and their parliaments") << 1 << false;
        QTest::newRow("a teacher's set of five") << 5 << true;
    }

    // The set plays a fifth as many actions as the built-in quiz.
    void windowAgreesWithModel()
    {
        QFETCH(int, share);
        QFETCH(bool, ofSet);
        const Scenario scenario = ofSet ? fiveCapitalsScenario() : builtInScenario();
        const qint64 wanted = fromEnvironment("QUIZ_RANDOM_ACTIONS", 20000);
        const qint64 total = wanted > 0 ? qMax<qint64>(1, wanted / share) : wanted;
        const quint64 seed = quint64(fromEnvironment("QUIZ_RANDOM_SEED", 20261209));
        // A run that compares nothing must not pass.
        QVERIFY2(total > 0, "QUIZ_RANDOM_ACTIONS must be a positive number of actions");
        qInfo("%lld actions from seed %llu", total, seed);

        Generator generator(seed);
        qint64 done = 0;
        for (int episode = 0; done < total; ++episode) {
            // Fresh windows keep the log short enough to compare whole each time.
            const int length = int(qMin<qint64>(1 + generator.below(400), total - done));
            QList<Action> actions;
            Episode window(scenario);
            QVERIFY(window.exposed());
            for (int step = 0; step < length; ++step) {
                actions << generator.next(window.clickableCountries(), window.entries());
                const QString difference = window.apply(actions.last());
                if (!difference.isEmpty())
                    QFAIL(qPrintable(report(scenario, seed, episode, actions, difference)));
            }
            done += length;
        }
        qInfo("%lld actions, no divergence", done);
    }

private:
    static QString report(const Scenario &scenario, quint64 seed, int episode,
                          QList<Action> actions, const QString &difference)
    {
        actions = shortened(scenario, actions);
        QString text = QString("seed %1, episode %2: %3\nshortest sequence found (%4 actions):")
                           .arg(seed)
                           .arg(episode)
                           .arg(difference)
                           .arg(actions.size());
        for (const Action &action : actions)
            text += "\n  " + action.describe(scenario.pairs.countries);
        return text;
    }

    // Index of the first action after which a fresh window disagrees, or -1.
    static int divergence(const Scenario &scenario, const QList<Action> &actions)
    {
        Episode window(scenario);
        if (!window.exposed())
            return -1;
        for (int i = 0; i < actions.size(); ++i)
            if (!window.apply(actions[i]).isEmpty())
                return i;
        return -1;
    }

    // Drops every action the divergence does not need.
    static QList<Action> shortened(const Scenario &scenario, QList<Action> actions)
    {
        const int first = divergence(scenario, actions);
        if (first < 0)
            return actions; // not reproducible alone: report it whole
        actions = actions.mid(0, first + 1);
        for (bool changed = true; changed;) {
            changed = false;
            for (int i = int(actions.size()) - 1; i >= 0; --i) {
                QList<Action> without = actions;
                without.removeAt(i);
                const int at = divergence(scenario, without);
                if (at >= 0) {
                    actions = without.mid(0, at + 1);
                    changed = true;
                    break;
                }
            }
        }
        return actions;
    }
};

QTEST_MAIN(RandomTest)
#include "tst_random.moc"
