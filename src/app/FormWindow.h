// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The quiz window's own look: icon, fixed client area, background,
// the font every control starts in and the mark that shows the focus.
// MainForm's base, so that all of it is in place before the first control.
class FormWindow : public QWidget
{
public:
    explicit FormWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool iconRequested_ = false;
};
