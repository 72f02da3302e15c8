// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sets/SetReader.h"

#include <QString>

class QWidget;

// A teacher's set file, read and checked; too large a file is refused
// without reading it whole.
sets::SetReading readSetFromFile(const QString &path);

// Tells the user why the set at `path` cannot be opened: on standard error,
// and in a message box over `window` where a screen shows one.
void tellSetRefused(const QString &path, const sets::SetProblem &problem,
                    QWidget *window = nullptr);
