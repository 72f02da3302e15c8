// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/Quiz.h"
#include "ui/FormControls.h"
#include "ui/web/FormBuilder.h"

// The quiz as a page: the form's controls are the page's own elements, made
// in the page's #form, and live as long as the page does.
int main()
{
    static ui::FormControls controls;
    ui::web::buildForm(controls, ui::web::Node::withId("form"), ui::FormContent::builtIn());
    static const auto quiz = quiz::Quiz::attachTo(controls);
    ui::web::focusFirst(controls);
    return 0;
}
