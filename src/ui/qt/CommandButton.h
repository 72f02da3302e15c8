// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/CommandButton.h"
#include "ui/qt/WidgetControl.h"

#include <QPushButton>

namespace ui::qt {

// A push button drawn flat in its background colour.
class CommandButton : public WidgetControl<ui::CommandButton, QPushButton>
{
public:
    explicit CommandButton(QWidget *parent);

    Text Caption() const override;
    void setCaption(TextView caption) override;

    void onClick(ClickNotice notify) override;
};

} // namespace ui::qt
