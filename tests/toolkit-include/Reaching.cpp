// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A rule that reaches for Qt: the build's guard must refuse it.
#include "ui/Text.h"

#include <QString>
