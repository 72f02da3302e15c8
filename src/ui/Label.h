// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"
#include "ui/Text.h"

namespace ui {

class Label : public Control
{
public:
    virtual Text Caption() const = 0;
    virtual void setCaption(TextView caption) = 0;
};

} // namespace ui
