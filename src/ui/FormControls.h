// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/CommandButton.h"
#include "ui/ControlArray.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"

class QWidget;

namespace ui {

// Every control of the quiz form, created on it with its place, colour,
// content and tab order, addressed by array and index.
struct FormControls
{
    explicit FormControls(QWidget *form);
    FormControls(const FormControls &) = delete;
    FormControls &operator=(const FormControls &) = delete;

    ControlArray<TextBox> Text1;
    ControlArray<Label> Label1;
    ControlArray<OptionButton> Option1;
    ControlArray<ListBox> List1;
    ControlArray<CommandButton> Command1;
};

} // namespace ui
