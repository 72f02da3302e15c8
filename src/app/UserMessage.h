// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Tells the user a line before the window can exist: on the console, and
// where a program has none (Windows), in a message box as well. Each
// platform's in a file of its own (UserMessage.cpp, windows/UserMessage.cpp).
void tellUser(const QString &text);
