#include "firstmap.h"

#include <QtGlobal>

#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

namespace {

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

double timeToFirstMap(const char *program, char *const environment[], const char *display)
{
    Display *x = XOpenDisplay(display);
    if (!x)
        return -1;
    // Top-level windows are the root's children: their mapping is told to
    // whoever watches the root's substructure.
    const Window root = DefaultRootWindow(x);
    XSelectInput(x, root, SubstructureNotifyMask);
    XSync(x, False);
    char *argv[] = {const_cast<char *>(program), nullptr};
    const double start = nowMs();
    pid_t pid = 0;
    double mapped = -1;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environment) == 0) {
        pollfd events{ConnectionNumber(x), POLLIN, 0};
        while (mapped < 0 && nowMs() - start < 10'000) {
            if (XPending(x) == 0) {
                poll(&events, 1, 100);
                continue;
            }
            XEvent event;
            XNextEvent(x, &event);
            if (event.type == MapNotify && event.xmap.event == root)
                mapped = nowMs() - start;
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    XCloseDisplay(x);
    return mapped;
}

// The shipped program and the bare window started alternately until each
// is on screen; the times in kelmoMs and bareMs.
FirstMaps measureFirstMaps(const QByteArray &kelmo, const QByteArray &bare, ProbeEnvironment &environment,
                           const QByteArray &display, int count)
{
    FirstMaps result;
    for (int i = 0; i <= count; ++i) { // the first of each warms the file cache
        const double bareMs = timeToFirstMap(bare.constData(), environment.pointers.data(), display.constData());
        const double kelmoMs = timeToFirstMap(kelmo.constData(), environment.pointers.data(), display.constData());
        if (bareMs < 0 || kelmoMs < 0)
            qFatal("%s or %s did not show its window", kelmo.constData(), bare.constData());
        if (i > 0) {
            result.bareMs.push_back(bareMs);
            result.kelmoMs.push_back(kelmoMs);
        }
    }
    return result;
}

