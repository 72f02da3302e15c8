// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

// The cheapest Qt Widgets window that shows the quiz's texts: the title
// caption and the task, in the quiz's font and window size. What any
// program showing this text pays, and so what the quiz is measured against.
// One widget that paints both texts itself, in the application's font set
// before it exists: no child widgets to make, polish and lay out.
class FloorWindow : public QWidget
{
public:
    FloorWindow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString task_;
};
