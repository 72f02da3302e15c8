// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/OptionButton.h"
#include "ui/qt/WidgetControl.h"

#include <QRadioButton>

class QButtonGroup;

namespace ui::qt {

class OptionButton : public WidgetControl<ui::OptionButton, QRadioButton>
{
public:
    OptionButton(QWidget *parent, QButtonGroup *group);

    Text Caption() const override;
    void setCaption(TextView caption) override;
    bool Value() const override;
    void setEnabled(bool enabled) override;
    void onClick(ClickNotice notify) override;

private:
    QButtonGroup *group_;
};

} // namespace ui::qt
