// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/qt/WidgetControl.h"

namespace ui::qt {

// The widget behind a control, for the code that lays the controls out and
// focuses them, and for tests that drive them as a learner would. The quiz
// speaks only through control operations and never sees this folder. A
// friend struct rather than a friend function: argument lookup would find a
// friend function from any file that sees WidgetHolder, this header or not.
struct ControlWidget
{
    static QWidget *of(const Control &control)
    {
        return dynamic_cast<const WidgetHolder &>(control).widget();
    }
};

// As the kind of widget it is (a QListWidget, a QPlainTextEdit...), or
// null when it is another.
template<typename Widget = QWidget> Widget *widgetOf(const Control &control)
{
    return qobject_cast<Widget *>(ControlWidget::of(control));
}

} // namespace ui::qt
