// Watches Picture5 from outside the program while a run plays on it: waits
// until the box shows frame 1, says so through a file, then grabs the box
// over and over, notes each frame as it first appears and judges the run.
//
//   frame_watch --frames DIR --ready FILE (--x11 WINDOW | --weston SCRATCH_DIR)
//               [--period MS] [--min-changes N] [--max-skips N] [--failure-picture PNG]
//
// Exits 0 when the run passes, 1 when it does not, 2 on a usage error.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "frame_matcher.h"
#include "frame_run_judge.h"
#include "screen_source.h"

using namespace velmora::e2e;
using Clock = std::chrono::steady_clock;

namespace {

// Picture5 in the window's client area, and how far its picture may lie
// from the box's corner (the box's own frame).
constexpr int kBoxLeft = 304, kBoxTop = 208, kBoxWidth = 217, kBoxHeight = 209;
constexpr int kFrameSlack = 12;

constexpr auto kShowsFrame1Within = std::chrono::seconds(20);
constexpr auto kRunStartsWithin = std::chrono::seconds(20);
constexpr auto kRunLastsAtMost = std::chrono::seconds(30);
// A run pauses 178 ms at most between frames; this long without a change
// means it is over.
constexpr auto kQuietAfterRun = std::chrono::milliseconds(1500);
constexpr auto kX11GrabInterval = std::chrono::milliseconds(4);

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int fail(ScreenSource& source, const std::string& picture, const std::string& why) {
    std::fprintf(stderr, "frame_watch: %s\n", why.c_str());
    if (!picture.empty() && source.lastImage().save(QString::fromStdString(picture)))
        std::fprintf(stderr, "frame_watch: last grab saved as %s\n", picture.c_str());
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::map<std::string, std::string> args;
    for (int i = 1; i + 1 < argc; i += 2) args[argv[i]] = argv[i + 1];
    if (!args.count("--frames") || !args.count("--ready") ||
        args.count("--x11") == args.count("--weston")) {
        std::fprintf(stderr, "usage: frame_watch --frames DIR --ready FILE (--x11 WINDOW | --weston DIR) ...\n");
        return 2;
    }
    const std::string dir = args["--frames"];
    const FrameMatcher matcher =
        FrameMatcher::fromFiles({dir + "/Picture7.bmp", dir + "/Picture8.bmp", dir + "/Picture9.bmp"});
    const bool onX11 = args.count("--x11") != 0;
    const std::unique_ptr<ScreenSource> source =
        onX11 ? openX11Window(std::strtoul(args["--x11"].c_str(), nullptr, 0), kBoxLeft - kFrameSlack,
                              kBoxTop - kFrameSlack, kBoxWidth + 2 * kFrameSlack,
                              kBoxHeight + 2 * kFrameSlack)
              : openWestonScreenshots(args["--weston"]);
    const std::string failurePicture = args["--failure-picture"];

    RunRules rules;
    if (args.count("--period")) rules.framePeriodMs = std::atof(args["--period"].c_str());
    if (args.count("--min-changes")) rules.minimumChanges = std::atoi(args["--min-changes"].c_str());
    if (args.count("--max-skips")) rules.maximumSkips = std::atoi(args["--max-skips"].c_str());

    // Before the run the box shows its still frame, the same picture as frame 1.
    const Clock::time_point waitStart = Clock::now();
    std::optional<Point> origin;
    while (!origin) {
        if (Clock::now() - waitStart > kShowsFrame1Within)
            return fail(*source, failurePicture, "Picture5 never showed Picture7's pixels");
        if (const std::optional<ScreenGrab> grab = source->grab()) {
            const Area corners = onX11 ? Area{0, 0, 2 * kFrameSlack + 1, 2 * kFrameSlack + 1}
                                       : Area{0, 0, grab->width, grab->height};
            origin = matcher.locate(*grab, corners);
        }
        if (!origin) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::ofstream(args["--ready"]) << "ready\n";

    const Clock::time_point start = Clock::now();
    std::vector<SeenFrame> seen{{0.0, 1}};
    Clock::time_point lastChange = start;
    int grabs = 0, unclear = 0;
    while (true) {
        const Clock::time_point now = Clock::now();
        const bool started = seen.size() > 1;
        if (started && now - lastChange > kQuietAfterRun) break;
        if (!started && now - start > kRunStartsWithin) break;
        if (now - start > kRunLastsAtMost) break;
        if (const std::optional<ScreenGrab> grab = source->grab()) {
            const double ms = msSince(start);
            ++grabs;
            const int frame = matcher.classify(*grab, *origin);
            if (frame == 0) {
                ++unclear;
            } else if (frame != seen.back().frame) {
                seen.push_back({ms, frame});
                lastChange = Clock::now();
            }
        }
        if (onX11) std::this_thread::sleep_for(kX11GrabInterval);
    }
    const double seconds = msSince(start) / 1000.0;

    const RunVerdict verdict = judgeRun(seen, rules);
    std::printf("seen: %s\n", describeSeen(seen).c_str());
    std::printf("grabs=%d (%.0f a second) unclear=%d changes=%d skips=%d steps=%d median_period_ms=%.1f\n",
                grabs, grabs / seconds, unclear, verdict.changes, verdict.skips, verdict.stepsForward,
                verdict.medianPeriodMs.value_or(0.0));
    for (const std::string& fault : verdict.faults) std::printf("FAULT: %s\n", fault.c_str());
    if (!verdict.passed()) return fail(*source, failurePicture, "the run on Picture5 did not pass");
    return 0;
}
