// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ColdStart.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

pid_t spawn(const QStringList &command)
{
    QList<QByteArray> arguments;
    for (const QString &argument : command)
        arguments << argument.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own process group, so that ending it ends whatever it started.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    const int failed = posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return failed ? 0 : pid;
}

void end(pid_t pid)
{
    kill(-pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

double residentKiB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble();
    return 0;
}

} // namespace

ColdStart::ColdStart()
    : connection_(xcb_connect(nullptr, nullptr))
{
    if (xcb_connection_has_error(connection_))
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK, &mask);
    // Qt's windows have no background of their own: until the program
    // paints, a window shows the black root beneath it.
    const uint32_t black = screen->black_pixel;
    xcb_change_window_attributes(connection_, screen->root, XCB_CW_BACK_PIXEL, &black);
    xcb_clear_area(connection_, 0, screen->root, 0, 0, 0, 0);
    xcb_flush(connection_);
}

ColdStart::~ColdStart()
{
    xcb_disconnect(connection_);
}

uint32_t ColdStart::waitForMap(int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    pollfd descriptor {xcb_get_file_descriptor(connection_), POLLIN, 0};
    while (waited.elapsed() < timeoutMs) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
            uint32_t window = 0;
            if ((event->response_type & ~0x80) == XCB_MAP_NOTIFY)
                window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            free(event);
            if (window)
                return window;
        }
        poll(&descriptor, 1, 50);
    }
    return 0;
}

// Painted once the window's middle row is no longer all black: every program
// measured fills its background.
bool ColdStart::waitForPaint(uint32_t window, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    xcb_get_geometry_reply_t *geometry
        = xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
    if (!geometry)
        return false;
    const uint16_t width = geometry->width;
    const int16_t middle = int16_t(geometry->height / 2);
    free(geometry);
    while (waited.elapsed() < timeoutMs) {
        xcb_get_image_reply_t *row = xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, middle, width, 1, ~0u),
            nullptr);
        if (!row)
            return false; // the window is gone
        const uint8_t *pixels = xcb_get_image_data(row);
        const int length = xcb_get_image_data_length(row);
        const bool painted = std::any_of(pixels, pixels + length, [](uint8_t b) { return b; });
        free(row);
        if (painted)
            return true;
        QThread::usleep(500);
    }
    return false;
}

std::optional<ColdStart::Run> ColdStart::run(const QString &program)
{
    if (xcb_connection_has_error(connection_))
        return std::nullopt;
    while (xcb_generic_event_t *stale = xcb_poll_for_event(connection_))
        free(stale);

    QElapsedTimer timer;
    timer.start();
    const pid_t pid = spawn({program});
    if (!pid)
        return std::nullopt;
    const uint32_t window = waitForMap(20000);
    const bool painted = window && waitForPaint(window, 20000);
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    QThread::msleep(400);
    const double resident = residentKiB(pid);
    end(pid);
    if (!painted)
        return std::nullopt;
    return Run {milliseconds, resident};
}

std::optional<double> instructionsToFirstPaint(const QString &program)
{
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("callgrind.out"));
    const pid_t pid = spawn({QStringLiteral("valgrind"), QStringLiteral("--tool=callgrind"),
                             QStringLiteral("--log-file=/dev/null"),
                             QStringLiteral("--callgrind-out-file=") + output,
                             QStringLiteral("--dump-after=QBackingStore::flush*"), program});
    if (!pid)
        return std::nullopt;

    // The first dump is written as the first flush returns.
    std::optional<double> instructions;
    QElapsedTimer waited;
    waited.start();
    while (!instructions && waited.elapsed() < 120000) {
        QThread::msleep(100);
        QFile firstDump(output + QStringLiteral(".1"));
        if (!firstDump.open(QIODevice::ReadOnly))
            continue;
        // The totals line closes a dump: once it is there, the dump is whole.
        for (const QByteArray &line : firstDump.readAll().split('\n'))
            if (line.startsWith("totals:"))
                instructions = line.mid(7).trimmed().toDouble();
    }
    end(pid);
    return instructions;
}
