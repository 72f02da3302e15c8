// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/FormWindow.h"
#include "quiz/Quiz.h"
#include "ui/FormControls.h"

// The quiz's one window: owns its controls and the quiz, and routes each
// control array's clicks to the quiz's handler for that array.
class MainForm : public FormWindow
{
public:
    explicit MainForm(QWidget *parent = nullptr);

    ui::FormControls &controls() { return controls_; }
    quiz::Quiz &quiz() { return quiz_; }

private:
    // In this order: the quiz keeps references to the control arrays, so they
    // are made before it and outlive it.
    ui::FormControls controls_;
    quiz::Quiz quiz_;
};
