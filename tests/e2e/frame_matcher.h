#pragma once

// Tells which of a view's three frames a display box shows, by comparing a
// grab of the screen with the frame pictures pixel for pixel.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "screen_grab.h"

namespace velmora::e2e {

struct Point {
    int x = 0;
    int y = 0;
};

struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class FrameMatcher {
public:
    // The part of each frame that is compared: its drawing, less what a
    // display box with a frame a few pixels wide may cut off.
    static constexpr int kComparedWidth = 205;
    static constexpr int kComparedHeight = 200;

    explicit FrameMatcher(std::array<ScreenGrab, 3> frames);

    // The three frames from their picture files; throws std::runtime_error
    // naming the file that does not load.
    static FrameMatcher fromFiles(const std::array<std::string, 3>& paths);

    // Where frame 1's top-left corner lies in `grab`, searching every corner
    // inside `corners`; nothing when frame 1 is nowhere to be seen.
    std::optional<Point> locate(const ScreenGrab& grab, Area corners) const;

    // 1, 2 or 3 for the frame whose top-left corner is at `origin`; 0 when no
    // frame matches clearly, as in a grab taken halfway through a paint.
    int classify(const ScreenGrab& grab, Point origin) const;

private:
    int mismatches(const ScreenGrab& grab, Point origin, int frame, int giveUpAfter) const;

    bool passesProbes(const ScreenGrab& grab, Point origin) const;

    std::array<ScreenGrab, 3> frames_;
    std::array<int, 3> limits_{};  // most pixels a grab may differ by and still be that frame
    std::vector<Point> probes_;  // a few dark pixels of frame 1, spread over it
};

}  // namespace velmora::e2e
