// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Label.h"
#include "ui/qt/WidgetControl.h"

#include <QLabel>

namespace ui::qt {

class Label : public WidgetControl<ui::Label, QLabel>
{
public:
    explicit Label(QWidget *parent);

    Text Caption() const override;
    void setCaption(TextView caption) override;
};

} // namespace ui::qt
