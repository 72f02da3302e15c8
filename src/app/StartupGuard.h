#pragma once

#include <QtMessageHandler>

// While the application object is being made, Qt ends the process with an
// abort and a page of plugin hints when there is no display to open. This
// turns that into one line and exit status 1; other messages wait until
// start-up has succeeded and are then passed on unchanged.
class StartupGuard
{
public:
    StartupGuard();
    ~StartupGuard();
    StartupGuard(const StartupGuard &) = delete;
    StartupGuard &operator=(const StartupGuard &) = delete;

    // Start-up succeeded: pass on what was held back and stop guarding.
    void release();
};
