#pragma once

// Judges what a display box was seen to show during one animation run: the
// frames in the order 1, 2, 3, 1, ..., ending on frame 3, at a steady pace.

#include <optional>
#include <string>
#include <vector>

namespace velmora::e2e {

// A frame as first seen on screen, in milliseconds from the first grab.
struct SeenFrame {
    double ms = 0.0;
    int frame = 0;
};

struct RunRules {
    int minimumChanges = 20;             // visible changes that must be seen, of 23
    int maximumSkips = 3;                // changes between two grabs that showed the frame in between
    std::optional<double> framePeriodMs; // judged when set
    double periodTolerance = 0.05;
};

struct RunVerdict {
    std::vector<std::string> faults;     // empty when the run passes
    int changes = 0;
    int skips = 0;
    int stepsForward = 0;
    std::optional<double> medianPeriodMs;

    bool passed() const { return faults.empty(); }
};

// A run shows 24 frames; the first repeats the still frame 1, so 23 steps
// forward are visible. `seen` starts with the frame shown before the run.
inline constexpr int kVisibleSteps = 23;

RunVerdict judgeRun(const std::vector<SeenFrame>& seen, const RunRules& rules);

// The frames seen, one line: "1@0 2@178 3@355 ...".
std::string describeSeen(const std::vector<SeenFrame>& seen);

}  // namespace velmora::e2e
