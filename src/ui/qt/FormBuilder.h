// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FormContent.h"
#include "ui/FormControls.h"

class QWidget;

namespace ui::qt {

// Fills `controls` with Qt widgets on `form`, each with its place, colour
// and tab order, and the texts of `content`: a button for each of its
// countries.
void buildForm(FormControls &controls, QWidget *form, const FormContent &content);

} // namespace ui::qt
