// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"
#include "ui/Text.h"

namespace ui {

// A push button drawn in its background colour.
class CommandButton : public Control
{
public:
    virtual Text Caption() const = 0;
    virtual void setCaption(TextView caption) = 0;

    virtual void onClick(ClickNotice notify) = 0;
};

} // namespace ui
