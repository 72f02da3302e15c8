// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainForm.h"

#include "ui/qt/ControlWidget.h"
#include "ui/qt/FontFit.h"
#include "ui/qt/FormBuilder.h"
#include "ui/qt/FormFont.h"

namespace {
// Below this a caption would be too small to read; it is cut instead.
constexpr int smallestCaptionPointSize = 8;
} // namespace

MainForm::MainForm(QWidget *parent)
    : FormWindow(parent)
{
    ui::qt::buildForm(controls_, this);
    ui::qt::fitFontToCaptions(this, ui::qt::designedFamilies(), smallestCaptionPointSize);
    quiz_ = quiz::Quiz::attachTo(controls_);
    // First in the tab order: the task is what the learner meets first.
    ui::qt::widgetOf(controls_.log())->setFocus();
}
