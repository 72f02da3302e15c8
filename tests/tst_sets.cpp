// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A teacher's sets with no toolkit: read from files as spreadsheets and
// Notepad save them, refused with the row and the reason, carried whole by a
// link, and made into a quiz whose key follows the list's order.
#include "quiz/AnswerKey.h"
#include "sets/SetLink.h"
#include "sets/SetQuiz.h"
#include "sets/SetReader.h"
#include "sets/TextDecoding.h"

#include <QFile>
#include <QTest>

namespace {

using Bytes = QByteArray;

sets::PairSet threePairs()
{
    return {u"Реки",
            u"Река",
            u"Влива се в",
            {{u"Искър", u"Дунав"}, {u"Марица", u"Бяло море"}, {u"Камчия", u"Черно море"}}};
}

std::string_view view(const Bytes &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

QString shown(const ui::Text &text)
{
    return QString::fromStdU16String(text);
}

Bytes utf16(const QString &text, bool bigEndian)
{
    Bytes bytes = bigEndian ? Bytes("\xfe\xff") : Bytes("\xff\xfe");
    for (QChar letter : text) {
        const char high = char(letter.unicode() >> 8), low = char(letter.unicode() & 0xff);
        bytes += bigEndian ? Bytes {1, high} + low : Bytes {1, low} + high;
    }
    return bytes;
}

Bytes windows1251(const QString &text)
{
    const auto bytes = sets::toWindows1251(text.toStdU16String());
    return bytes ? Bytes::fromStdString(*bytes) : Bytes();
}

} // namespace

Q_DECLARE_METATYPE(sets::PairSet)

class SetsTest : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatSpreadsheetsAndNotepadWrite_data()
    {
        QTest::addColumn<Bytes>("file");
        const QString rows
            = "Река;Влива се в\r\nИскър;Дунав\r\nМарица;Бяло море\r\nКамчия;Черно море\r\n";
        QTest::newRow("UTF-8, semicolons, CR LF") << rows.toUtf8();
        QTest::newRow("UTF-8 with a mark") << "\xef\xbb\xbf" + rows.toUtf8();
        QTest::newRow("Excel's Unicode text: UTF-16, tabs")
            << utf16(QString(rows).replace(';', '\t'), false);
        QTest::newRow("UTF-16, big-endian, commas") << utf16(QString(rows).replace(';', ','), true);
        QTest::newRow("a Bulgarian Excel's CSV: Windows-1251") << windows1251(rows);
        QTest::newRow("LF and CR line ends")
            << Bytes("Река,Влива се в\nИскър,Дунав\rМарица,Бяло море\nКамчия,Черно море");
        QTest::newRow("quotes, blanks, blank rows and empty cells at a row's end")
            << Bytes("\"Река\";\"Влива се в\";;\r\n\r\n  Искър ; \"Дунав\"\r\n;;\r\n"
                     "Марица;Бяло море;\r\n\"Камчия\";Черно море\r\n\r\n");
    }

    void readsWhatSpreadsheetsAndNotepadWrite()
    {
        QFETCH(Bytes, file);
        const sets::SetReading reading = sets::readSetFile(view(file), u"Реки");
        QVERIFY2(reading.set, qPrintable(shown(sets::describe(reading.problem))));
        QVERIFY(*reading.set == threePairs());
    }

    void quotedCellsKeepSeparatorsAndQuotes()
    {
        const Bytes file("Дума;Значение\r\n\"а; б\";\"казва \"\"да\"\"\"\r\nв;г\r\n");
        const sets::SetReading reading = sets::readSetFile(view(file), u"Думи");
        QVERIFY(reading.set);
        QCOMPARE(shown(reading.set->pairs[0].left), "а; б");
        QCOMPARE(shown(reading.set->pairs[0].right), "казва \"да\"");
        // Written back, a comma in the first row does not pass for the separator.
        sets::PairSet commas = *reading.set;
        commas.rightHeading = u"Значение, смисъл";
        QVERIFY(sets::readSetFile(sets::setFile(commas), commas.title).set == commas);
    }

    void refusesABadSetSayingWhereAndWhy_data()
    {
        QTest::addColumn<Bytes>("file");
        QTest::addColumn<QString>("said");
        const Bytes head = "Река;Влива се в\r\n";
        QTest::newRow("one pair") << head + "Искър;Дунав\r\n"
                                  << "двойката е само една; трябват поне 2";
        Bytes thirteen = head;
        for (int i = 0; i < 13; ++i)
            thirteen += QString("р%1;м%1\r\n").arg(i).toUtf8();
        QTest::newRow("thirteen pairs") << thirteen << "двойките са 13, а може да са най-много 12";
        QTest::newRow("a row of one item")
            << head + "Искър;Дунав\r\nМарица\r\n"
            << "ред 3: в реда трябват две клетки, лява и дясна, а е само една";
        QTest::newRow("a row of three") << head + "Искър;Дунав;Черно море\r\nМарица;Бяло море\r\n"
                                        << "ред 2: в реда трябват две клетки, лява и дясна, а са 3";
        QTest::newRow("an empty item") << head + "Искър;Дунав\r\n;Бяло море\r\n"
                                       << "ред 3: лявата клетка е празна";
        QTest::newRow("an item twice, in other letters")
            << head + "Искър;Дунав\r\nМарица;Бяло море\r\nискър;Черно море\r\n"
            << "ред 4: „искър“ е и на ред 2";
        QTest::newRow("a line break in an item")
            << head + "Искър;\"Дунав,\r\nпосле Черно море\"\r\nМарица;Бяло море\r\n"
            << "ред 2: „Дунав,\nпосле Черно море“ е на повече от един ред";
        QTest::newRow("an item too long for its button")
            << head + "Искър;Дунав\r\nРеката Марица;Бяло море\r\n"
            << "ред 3: „Реката Марица“ не се побира в бутона; побира се „Реката Ма“";
        QTest::newRow("quotes never closed") << head + "Искър;\"Дунав\r\nМарица;Бяло море\r\n"
                                             << "ред 2: кавичките не са затворени";
        QTest::newRow("headings of three") << Bytes("Река;Влива се в;Дължина\r\nа;б\r\nв;г\r\n")
                                           << "ред 1: на първия ред трябват две заглавия, а са 3";
        QTest::newRow("nothing but blank rows")
            << Bytes("\r\n;;\r\n\r\n")
            << "файлът е празен: на първия ред трябват двете заглавия, а под тях двойките";
        QTest::newRow("over 64 KB") << Bytes(64 * 1024 + 1, 'a')
                                    << "файлът е по-голям от 64 KB, а набор от 12 двойки е много "
                                       "по-малък";
        QTest::newRow("a picture, not text") << Bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                             << "файлът не е текст; запишете таблицата като CSV";
        QTest::newRow("UTF-16 cut in half") << utf16("Река;Влива се в", false).chopped(1)
                                            << "файлът не е текст; запишете таблицата като CSV";
    }

    void refusesABadSetSayingWhereAndWhy()
    {
        QFETCH(Bytes, file);
        QFETCH(QString, said);
        const sets::SetReading reading = sets::readSetFile(view(file), u"Реки");
        QVERIFY(!reading.set);
        QCOMPARE(shown(sets::describe(reading.problem)), said);
    }

    void markupInAnItemIsOnlyText()
    {
        const Bytes file(
            "Таг;Значение\r\n<b>;удебелен\r\n<img src=x onerror=alert(1)>;картина\r\n");
        const sets::SetReading reading = sets::readSetFile(view(file), u"HTML");
        // Too wide for a button, and said so as the characters it is.
        QVERIFY(!reading.set);
        QVERIFY(shown(reading.problem.what).startsWith("„<img src=x onerror=alert(1)>“"));
    }

    void titleIsTheFileNameWithoutItsEnding()
    {
        QCOMPARE(shown(sets::titleFromFileName(u"/home/учител/Столици на Европа.csv")),
                 "Столици на Европа");
        QCOMPARE(shown(sets::titleFromFileName(u"C:\\Sets\\Реки.CSV")), "Реки");
    }

    void exampleSetsOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pairs");
        QTest::newRow("Windows-1251, semicolons") << "Столици на Европа" << 12;
        QTest::newRow("UTF-8 with a mark, quotes") << "Български автори и творби" << 8;
        QTest::newRow("UTF-8, commas, LF") << "Химични елементи" << 10;
    }

    void exampleSetsOpen()
    {
        QFETCH(QString, name);
        QFETCH(int, pairs);
        QFile file(QStringLiteral(QUIZ_SETS_DIR "/%1.csv").arg(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Bytes bytes = file.readAll();
        const sets::SetReading reading = sets::readSetFile(
            view(bytes), sets::titleFromFileName(file.fileName().toStdU16String()));
        QVERIFY2(reading.set, qPrintable(shown(sets::describe(reading.problem))));
        QCOMPARE(shown(reading.set->title), name);
        QCOMPARE(int(reading.set->pairs.size()), pairs);
        // What the maker writes, read again, is the same set.
        QVERIFY(sets::readSetFile(sets::setFile(*reading.set), reading.set->title).set
                == reading.set);
    }

    void linkCarriesTheWholeSet_data()
    {
        QTest::addColumn<sets::PairSet>("set");
        QTest::addColumn<char>("encoding");
        QTest::newRow("the built-in set") << sets::builtInSet() << '1';
        QTest::newRow("quotes and separators")
            << sets::PairSet {u"„Кавички“", u"A\"B", u"C;D", {{u"\"", u"x"}, {u"y", u"a;b"}}}
            << '1';
        QTest::newRow("a letter Windows-1251 has not")
            << sets::PairSet {u"Гръцки букви",
                              u"Буква",
                              u"Име",
                              {{u"Ω", u"омега"}, {u"α", u"алфа"}}}
            << '8';
    }

    void linkCarriesTheWholeSet()
    {
        QFETCH(sets::PairSet, set);
        QFETCH(char, encoding);
        const std::string link = sets::setLink(set);
        QCOMPARE(link[4], encoding);
        const sets::SetReading reading = sets::readSetLink("#" + link);
        QVERIFY2(reading.set, qPrintable(shown(sets::describe(reading.problem))));
        QVERIFY(*reading.set == set);
    }

    void builtInSetsLinkFitsAQrCode()
    {
        const std::string link = sets::setLink(sets::builtInSet());
        qInfo("the built-in set's link after '#': %zu characters", link.size());
        // Well inside what a phone reads from the back of a room, with the site's address.
        QVERIFY(link.size() <= 450);
    }

    void damagedLinksAreRefused_data()
    {
        QTest::addColumn<QString>("fragment");
        QTest::newRow("empty") << "";
        QTest::newRow("another link's") << "#top";
        QTest::newRow("not base64") << "#set=1Ж!";
        QTest::newRow("cut short")
            << QString::fromStdString(sets::setLink(threePairs())).chopped(5);
        QTest::newRow("no encoding")
            << "#set=" + QString::fromStdString(sets::setLink(threePairs())).mid(5);
        QTest::newRow("UTF-8 that is not") << "#set=8_-8";
    }

    void damagedLinksAreRefused()
    {
        QFETCH(QString, fragment);
        const std::string bytes = fragment.toStdString();
        const sets::SetReading reading = sets::readSetLink(bytes);
        QVERIFY(!reading.set);
        QVERIFY(!reading.problem.what.empty());
    }

    void setQuizKeysEachListPositionToItsButton()
    {
        const sets::SetQuiz made = sets::quizOf(threePairs());
        QCOMPARE(made.form.countries.size(), std::size_t(3));
        // The list sorts Бяло море, Дунав, Черно море.
        QVERIFY(quiz::isMatch(made.answerKey, 1, 0));
        QVERIFY(quiz::isMatch(made.answerKey, 0, 1));
        QVERIFY(quiz::isMatch(made.answerKey, 2, 2));
        QVERIFY(!quiz::isMatch(made.answerKey, 0, 0));
        QVERIFY(!quiz::isMatch(made.answerKey, 3, 3));
        // The task names the set and its columns, never an answer.
        const QString task = shown(made.form.instructions);
        QVERIFY(task.startsWith("Задача: Реки\r\n") && task.endsWith("\r\n"));
        QVERIFY(task.contains("„Река“") && task.contains("„Влива се в“"));
        for (const auto &pair : threePairs().pairs)
            QVERIFY(!task.contains(shown(pair.right)));
    }

    void builtInSetIsTheQuizAsItWas()
    {
        const sets::SetQuiz made = sets::quizOf(sets::builtInSet());
        QVERIFY(made.answerKey == sets::builtInQuiz().answerKey);
        QVERIFY(made.form.countries == sets::builtInQuiz().form.countries);
        QVERIFY(sets::checkedSet(sets::builtInSet()).set);
    }
};

QTEST_GUILESS_MAIN(SetsTest)
#include "tst_sets.moc"
