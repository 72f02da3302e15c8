// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct xcb_connection_t;

// Starts programs on the display in DISPLAY and watches the X server for
// their first top-level window to be mapped and then painted.
class ColdStart
{
public:
    ColdStart();
    ~ColdStart();
    ColdStart(const ColdStart &) = delete;
    ColdStart &operator=(const ColdStart &) = delete;

    struct Run
    {
        double millisecondsToPainted;
        double residentKiB; // once the window has had time to paint
    };

    // Spawns the program, times it until its first window shows what it
    // painted, then ends it.
    std::optional<Run> run(const QString &program);

private:
    // The window mapped, or 0 on timeout.
    uint32_t waitForMap(int timeoutMs);
    bool waitForPaint(uint32_t window, int timeoutMs);

    xcb_connection_t *connection_;
};

// Instructions a program executes until its first window contents reach the
// screen, counted by callgrind; the program is ended right after.
std::optional<double> instructionsToFirstPaint(const QString &program);
