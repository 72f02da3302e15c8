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
    , quiz_(controls_)
{
    ui::qt::buildForm(controls_, this);
    ui::qt::fitFontToCaptions(this, ui::qt::designedFamilies(), smallestCaptionPointSize);

    controls_.Option1.onClick([this](ui::Index index) { quiz_.Option1_Click(index); });
    controls_.List1.onClick([this](ui::Index index) { quiz_.List1_Click(index); });
    controls_.Command1.onClick([this](ui::Index index) { quiz_.Command1_Click(index); });

    quiz_.Form_Load();
    // First in the tab order: the task is what the learner meets first.
    ui::qt::widgetOf(controls_.Text1(0))->setFocus();
}
