// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FormControls.h"

class QWidget;

namespace ui::qt {

// Fills `controls` with Qt widgets on `form`, each with its place, colour,
// content and tab order.
void buildForm(FormControls &controls, QWidget *form);

} // namespace ui::qt
