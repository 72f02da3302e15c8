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

namespace ui {

// Every control of the quiz form, addressed by array and index. Each
// toolkit fills it with its own controls, placed, coloured and filled as
// the control table and the built-in texts say.
struct FormControls
{
    FormControls() = default;
    FormControls(const FormControls &) = delete;
    FormControls &operator=(const FormControls &) = delete;

    ControlArray<TextBox> Text1;
    ControlArray<Label> Label1;
    ControlArray<OptionButton> Option1;
    ControlArray<ListBox> List1;
    ControlArray<CommandButton> Command1;
};

} // namespace ui
