// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/AnswerKey.h"
#include "quiz/Quiz.h"

namespace quiz {

namespace {
// The answer log: country, " : ", parliament, " е ", verdict, line end.
const QString logCountrySeparator = QStringLiteral(" : ");
const QString logVerdictSeparator = QStringLiteral(" е ");
const QString lineEnd = QStringLiteral("\r\n");
// What a parliament entry turns into once it has been answered.
const QString usedEntry = QStringLiteral("  ");
} // namespace

void Quiz::compareAction()
{
    if (List1(0).ListIndex() == -1)
        return;

    selectedParliament = List1(0).ListIndex();
    const bool matchFound = isMatch(selectedCountry, selectedParliament);

    // The parliament's name is logged before its entry is blanked.
    Text1(0).setText(Text1(0).Text() + Option1(selectedCountry).Caption() + logCountrySeparator
                     + List1(0).List(selectedParliament));
    List1(0).setList(selectedParliament, usedEntry);

    // Exactly one verdict shows; the log's verdict word is read from it.
    const qint16 verdictLabel = matchFound ? rightVerdict : wrongVerdict;
    Label1(rightVerdict).setVisible(matchFound);
    Label1(wrongVerdict).setVisible(!matchFound);
    Text1(0).setText(Text1(0).Text() + logVerdictSeparator + Label1(verdictLabel).Caption()
                     + lineEnd);

    Option1(selectedCountry).setEnabled(false);
}

} // namespace quiz
