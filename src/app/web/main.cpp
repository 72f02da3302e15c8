// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/web/PageSet.h"
#include "quiz/Quiz.h"
#include "sets/SetLink.h"
#include "sets/SetQuiz.h"
#include "ui/FormControls.h"
#include "ui/web/FormBuilder.h"

#include <string_view>

// The quiz as a page: the form's controls are the page's own elements, made
// in the page's #form, and live as long as the page does. The page names
// the set it opens with (page.js): "link FRAGMENT" for a link's part after
// '#', "file NAME BASE64" for a file's bytes; nothing for the built-in quiz.
int main(int argc, char *argv[])
{
    sets::SetQuiz made = sets::builtInQuiz();
    if (argc > 1) {
        const std::string_view kind = argv[1];
        sets::SetReading reading;
        if (kind == "link" && argc > 2) {
            reading = sets::readSetLink(argv[2]);
        } else if (kind == "file" && argc > 3) {
            reading = sets::readEncodedSetFile(argv[3], page::fromUtf8(argv[2]));
        }
        if (!reading.set) {
            page::refuseSet(sets::describe(reading.problem));
            return 0;
        }
        made = sets::quizOf(*reading.set);
        page::showSet(made.form.title, sets::setLink(*reading.set));
    }

    static ui::FormControls controls;
    ui::web::buildForm(controls, ui::web::Node::withId("form"), made.form);
    static const auto quiz = quiz::Quiz::attachTo(controls, made.answerKey);
    ui::web::focusFirst(controls);
    return 0;
}
