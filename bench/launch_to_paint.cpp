// Starts a program on the X display in $DISPLAY and times it from launch to
// the first paint of its window, seen from outside: the first Damage event
// on any window the program creates at the top level. Then asks the window
// to close, as a window manager would, and waits for the program to end.
//
//   launch_to_paint [--settle-ms N] -- PROGRAM [ARGS...]
//
// Prints "paint_ms=<ms>"; exits 1 when no paint came within 20 seconds.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Windows can be gone before their Damage object is made; that is no fault.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Waits for the next X event up to `deadline`; false when none came.
bool nextEvent(Display* display, XEvent& event, Clock::time_point deadline) {
    while (!XPending(display)) {
        const double left = msBetween(Clock::now(), deadline);
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left) + 1);
    }
    XNextEvent(display, &event);
    return true;
}

void askToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

}  // namespace

int main(int argc, char* argv[]) {
    int settleMs = 300;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (std::strcmp(argv[first], "--settle-ms") == 0 && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
    }
    if (first + 1 >= argc) {
        std::fprintf(stderr, "usage: launch_to_paint [--settle-ms N] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "launch_to_paint: no X display with the Damage extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point launched = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[first + 1], nullptr, nullptr, argv + first + 1, environ) != 0) {
        std::fprintf(stderr, "launch_to_paint: cannot start %s\n", argv[first + 1]);
        return 2;
    }

    Window painted = 0, mapped = 0;
    const Clock::time_point deadline = launched + std::chrono::seconds(20);
    XEvent event;
    while (!painted && nextEvent(display, event, deadline)) {
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && event.xmap.event == root) {
            mapped = event.xmap.window;
        } else if (event.type == damageEvent + XDamageNotify) {
            painted = reinterpret_cast<XDamageNotifyEvent&>(event).drawable;
        }
    }
    const Clock::time_point paintedAt = Clock::now();
    if (painted) std::printf("paint_ms=%.2f\n", msBetween(launched, paintedAt));

    // Let the program reach its steady state before it is closed.
    const Clock::time_point settled = paintedAt + std::chrono::milliseconds(settleMs);
    while (nextEvent(display, event, settled)) {
    }
    if (mapped) askToClose(display, mapped);
    const Clock::time_point closeBy = Clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > closeBy) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        struct timespec pause{0, 10'000'000};
        nanosleep(&pause, nullptr);
    }
    XCloseDisplay(display);
    if (!painted) {
        std::fprintf(stderr, "launch_to_paint: no paint within 20 s\n");
        return 1;
    }
    return 0;
}
