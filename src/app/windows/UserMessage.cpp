// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/UserMessage.h"

#include <cstdio>
#include <windows.h>

// A GUI program on Windows has no console to print to: the user sees a box.
void tellUser(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    if (console == nullptr || console == INVALID_HANDLE_VALUE)
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"parliament-quiz",
                    MB_OK | MB_ICONERROR);
}
