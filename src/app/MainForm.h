// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/FormWindow.h"
#include "quiz/Quiz.h"
#include "sets/SetQuiz.h"
#include "ui/FormControls.h"

#include <functional>
#include <memory>

// The quiz's one window: its form of Qt widgets, made from the built-in
// quiz or a teacher's set, with the quiz attached.
class MainForm : public FormWindow
{
public:
    explicit MainForm(QWidget *parent = nullptr);
    explicit MainForm(const sets::SetQuiz &made, QWidget *parent = nullptr);

    ui::FormControls &controls() { return controls_; }
    quiz::Quiz &quiz() { return *quiz_; }

    // Called with a set file's path when one is dropped on the window.
    void setOnSetDropped(std::function<void(const QString &)> open);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // In this order: the quiz's handlers reach the controls, so they are
    // made before it and outlive it.
    ui::FormControls controls_;
    std::unique_ptr<quiz::Quiz> quiz_;
    std::function<void(const QString &)> openDropped_;
};
