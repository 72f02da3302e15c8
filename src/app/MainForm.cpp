// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainForm.h"

#include "ui/ControlWidget.h"
#include "ui/FontFit.h"
#include "ui/FormFont.h"

namespace {
// Below this a caption would be too small to read; it is cut instead.
constexpr int smallestCaptionPointSize = 8;
} // namespace

MainForm::MainForm(QWidget *parent)
    : FormWindow(parent)
    , controls_(this)
    , quiz_(controls_)
{
    ui::fitFontToCaptions(this, ui::designedFamilies(), smallestCaptionPointSize);

    controls_.Option1.onClick([this](qint16 index) { quiz_.Option1_Click(index); });
    controls_.List1.onClick([this](qint16 index) { quiz_.List1_Click(index); });
    controls_.Command1.onClick([this](qint16 index) { quiz_.Command1_Click(index); });

    quiz_.Form_Load();
    // First in the tab order: the task is what the learner meets first.
    ui::widgetOf(controls_.Text1(0))->setFocus();
}
