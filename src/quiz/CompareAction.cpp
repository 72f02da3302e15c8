// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/AnswerKey.h"
#include "quiz/Quiz.h"

namespace quiz {

namespace {
// The answer log: country, " : ", parliament, " е ", verdict, line end.
constexpr ui::TextView logCountrySeparator = u" : ";
constexpr ui::TextView logVerdictSeparator = u" е ";
constexpr ui::TextView lineEnd = u"\r\n";
// What a parliament entry turns into once it has been answered.
constexpr ui::TextView usedEntry = u"  ";
} // namespace

void Quiz::compareAction()
{
    if (List1(role::parliamentList).ListIndex() == -1)
        return;

    selectedParliament = List1(role::parliamentList).ListIndex();
    const bool matchFound = isMatch(answerKey_, selectedCountry, selectedParliament);

    // The parliament's name is logged before its entry is blanked.
    Text1(role::log).setText(Text1(role::log).Text() + Option1(selectedCountry).Caption()
                             + logCountrySeparator
                             + List1(role::parliamentList).List(selectedParliament));
    List1(role::parliamentList).setList(selectedParliament, usedEntry);

    // Exactly one verdict shows; the log's verdict word is read from it.
    const ui::Index verdictLabel = matchFound ? role::rightVerdict : role::wrongVerdict;
    Label1(role::rightVerdict).setVisible(matchFound);
    Label1(role::wrongVerdict).setVisible(!matchFound);
    Text1(role::log).setText(Text1(role::log).Text() + logVerdictSeparator
                             + Label1(verdictLabel).Caption() + lineEnd);

    Option1(selectedCountry).setEnabled(false);
}

} // namespace quiz
