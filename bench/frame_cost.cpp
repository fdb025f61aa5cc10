// Times the frames of an animation run with no pause, seen from outside: the
// Damage events on Picture5 as each frame reaches the screen. With no pause
// between frames, the time from one to the next is what a frame costs, from
// its assignment until it is on screen.
//
//   frame_cost WINDOW READY_FILE
//
// Writes READY_FILE once it watches, then prints one line "frame_ms=<ms>" for
// each gap between two frames of the run that follows.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Picture5 within the window; a frame repaints most of it.
constexpr int kBoxLeft = 304, kBoxTop = 208, kBoxWidth = 217, kBoxHeight = 209;

constexpr auto kRunStartsWithin = std::chrono::seconds(20);
constexpr auto kQuietAfterRun = std::chrono::milliseconds(800);

bool coversMostOfTheBox(const XRectangle& area) {
    const int left = std::max<int>(area.x, kBoxLeft);
    const int right = std::min<int>(area.x + area.width, kBoxLeft + kBoxWidth);
    const int top = std::max<int>(area.y, kBoxTop);
    const int bottom = std::min<int>(area.y + area.height, kBoxTop + kBoxHeight);
    return right > left && bottom > top &&
           2 * (right - left) * (bottom - top) >= kBoxWidth * kBoxHeight;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: frame_cost WINDOW READY_FILE\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "frame_cost: no X display with the Damage extension\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);
    std::ofstream(argv[2]) << "ready\n";

    std::vector<Clock::time_point> frames;
    const Clock::time_point start = Clock::now();
    while (true) {
        const Clock::time_point now = Clock::now();
        if (frames.empty() && now - start > kRunStartsWithin) break;
        if (!frames.empty() && now - frames.back() > kQuietAfterRun) break;
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != damageEvent + XDamageNotify) continue;
        const auto& damage = reinterpret_cast<XDamageNotifyEvent&>(event);
        if (coversMostOfTheBox(damage.area)) frames.push_back(Clock::now());
    }
    XCloseDisplay(display);
    for (std::size_t i = 1; i < frames.size(); ++i)
        std::printf("frame_ms=%.3f\n",
                    std::chrono::duration<double, std::milli>(frames[i] - frames[i - 1]).count());
    std::fprintf(stderr, "frame_cost: %zu frames seen\n", frames.size());
    return frames.size() >= 2 ? 0 : 1;
}
