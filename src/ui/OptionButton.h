// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"
#include "ui/Text.h"

namespace ui {

// A radio button in a mutually exclusive group. Its click is the moment
// it becomes selected, however that happened (mouse, keys, a screen reader).
class OptionButton : public Control
{
public:
    virtual Text Caption() const = 0;
    virtual void setCaption(TextView caption) = 0;

    // Whether it is the selected button of its group.
    virtual bool Value() const = 0;

    virtual void onClick(ClickNotice notify) = 0;
};

} // namespace ui
