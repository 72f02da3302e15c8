// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>

// The quiz window's own look: title, icon, fixed client area, background,
// the font every control inherits and the mark that shows the focus.
// MainForm's base, so that all of it is in place before the first control.
class FormWindow : public QWidget
{
public:
    explicit FormWindow(QWidget *parent = nullptr);

    // The faces the form is laid out for: the designed one, then one with
    // the same metrics where that is missing.
    static QStringList designedFamilies();
};
