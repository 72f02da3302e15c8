// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Rgb.h"

#include <functional>

namespace ui {

// What every control offers the quiz: visibility, enabled state and
// background colour. Each toolkit's controls implement it; the quiz sees no
// toolkit at all.
class Control
{
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    // The control's own flag, true even before its window is first shown.
    virtual bool Visible() const = 0;
    virtual void setVisible(bool visible) = 0;

    virtual bool Enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;

    virtual Rgb BackColor() const = 0;
    virtual void setBackColor(Rgb color) = 0;
};

// Tells its control array that the user chose or pressed this element.
using ClickNotice = std::function<void()>;

} // namespace ui
