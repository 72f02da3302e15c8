// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtMessageHandler>

#include <vector>

// While the application object is being made, Qt ends the process with an
// abort and a page of plugin hints when it cannot start a platform. This
// turns that into a line or two that name the cause and exit status 1; other
// messages wait until start-up has succeeded and are then passed on unchanged.
class StartupGuard
{
public:
    StartupGuard();
    ~StartupGuard();
    StartupGuard(const StartupGuard &) = delete;
    StartupGuard &operator=(const StartupGuard &) = delete;

    // Start-up succeeded: pass on what was held back and stop guarding.
    void release();

private:
    struct HeldMessage
    {
        QtMsgType type;
        QString file;
        QString function;
        QString category;
        int line;
        QString text;
    };

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);
    [[noreturn]] void fail(const QString &fatalText) const;

    // Qt's message handler is a plain function; it reaches the guard here.
    static StartupGuard *active_;
    QtMessageHandler previousHandler_ = nullptr;
    std::vector<HeldMessage> held_;
};
