// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Control.h"

#include <QString>

namespace ui {

class Label : public Control
{
public:
    explicit Label(QWidget *parent);

    QString Caption() const;
    void setCaption(const QString &caption);
};

} // namespace ui
