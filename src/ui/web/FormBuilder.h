// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/FormContent.h"
#include "ui/FormControls.h"
#include "ui/web/Node.h"

namespace ui::web {

// Fills `controls` with the page's own elements inside `form`, in the
// form's reading order, each with its designed place and colour (which the
// page's style sheet uses on screens wide enough), content and name.
void buildForm(FormControls &controls, Node form, const FormContent &content);

// Gives the log box the focus, as the form opens with it.
void focusFirst(FormControls &controls);

} // namespace ui::web
