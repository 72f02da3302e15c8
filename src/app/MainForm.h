// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/FormWindow.h"
#include "quiz/Quiz.h"
#include "ui/FormControls.h"

#include <memory>

// The quiz's one window: its form of Qt widgets, with the quiz attached.
class MainForm : public FormWindow
{
public:
    explicit MainForm(QWidget *parent = nullptr);

    ui::FormControls &controls() { return controls_; }
    quiz::Quiz &quiz() { return *quiz_; }

private:
    // In this order: the quiz's handlers reach the controls, so they are
    // made before it and outlive it.
    ui::FormControls controls_;
    std::unique_ptr<quiz::Quiz> quiz_;
};
