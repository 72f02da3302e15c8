// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"

#include <QString>

#include <functional>

class QButtonGroup;

namespace ui {

// A radio button in a mutually exclusive group. Its click is the moment
// it becomes selected, however that happened (mouse, keys, a screen reader).
class OptionButton : public Control
{
public:
    OptionButton(QWidget *parent, QButtonGroup *group);

    QString Caption() const;
    void setCaption(const QString &caption);

    // Whether it is the selected button of its group.
    bool Value() const;

    void setEnabled(bool enabled) override;

    void onClick(std::function<void()> notify);

private:
    QButtonGroup *group_;
};

} // namespace ui
