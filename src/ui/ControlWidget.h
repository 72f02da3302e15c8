// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"

namespace ui {

// The widget behind a control, for the code that lays the controls out and
// focuses them, and for tests that drive them as a learner would. The quiz
// speaks only through control operations: a quiz file that includes this
// fails the layering test. A friend struct rather than a friend function:
// argument lookup would find a friend function from any file that sees
// Control, this header or not.
struct ControlWidget
{
    static QWidget *of(const Control &control) { return control.widget(); }
};

inline QWidget *widgetOf(const Control &control)
{
    return ControlWidget::of(control);
}

} // namespace ui
