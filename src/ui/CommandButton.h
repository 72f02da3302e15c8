// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"

#include <QString>

#include <functional>

namespace ui {

// A push button drawn flat in its background colour.
class CommandButton : public Control
{
public:
    explicit CommandButton(QWidget *parent);

    QString Caption() const;
    void setCaption(const QString &caption);

    void onClick(std::function<void()> notify);
};

} // namespace ui
