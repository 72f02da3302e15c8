// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The quiz runs in a web browser, on Qt's WebAssembly platform: the browser
// lends it no fonts and hears nothing of Qt's accessibility on its own.
#ifdef Q_OS_WASM
#define QUIZ_IN_BROWSER 1
#else
#define QUIZ_IN_BROWSER 0
#endif

class QWidget;

namespace ui::browser {

// Before the application exists: the quiz takes no typed text, so Qt's
// hidden text field, which would take the browser's focus from every
// control, is never made.
void prepareQt();

// Registers the form's face, which travels inside the program.
void loadFormFace();

// Shows the form with the focus where the form put it, and keeps a copy of
// its accessibility tree in the page, where the browser and its screen
// readers find it, with the browser's focus on the control that has the form's.
void showForm(QWidget *form);

void mirrorAccessibility(QWidget *form);

} // namespace ui::browser
