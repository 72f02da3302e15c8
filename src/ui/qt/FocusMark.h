// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace ui::qt {

// One clearly visible focus mark for every control of a form, whatever the
// style would draw: black outside, white inside, so it shows on light and
// dark colours alike. It follows the keyboard focus and never takes a click.
class FocusMark : public QWidget
{
public:
    explicit FocusMark(QWidget *form);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *focused);
};

} // namespace ui::qt
