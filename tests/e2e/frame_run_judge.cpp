#include "frame_run_judge.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

namespace velmora::e2e {

namespace {

std::string format(const char* pattern, double a, double b = 0.0) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

}  // namespace

RunVerdict judgeRun(const std::vector<SeenFrame>& seen, const RunRules& rules) {
    RunVerdict verdict;
    if (seen.empty() || seen.front().frame != 1) {
        verdict.faults.push_back("the display box did not show frame 1 before the run");
        return verdict;
    }
    std::set<int> frames;
    std::vector<double> periods;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        frames.insert(seen[i].frame);
        if (i == 0) continue;
        // A frame only ever follows the one before it, so a step of two is a
        // frame that came and went between two grabs.
        const int step = (seen[i].frame - seen[i - 1].frame + 3) % 3;
        ++verdict.changes;
        verdict.stepsForward += step;
        if (step == 2) ++verdict.skips;
        // The first change comes a whole pause after the click, which no grab saw.
        if (i >= 2) periods.push_back((seen[i].ms - seen[i - 1].ms) / step);
    }
    if (frames.size() != 3) verdict.faults.push_back(format("%.0f of the 3 frames were seen", frames.size()));
    if (verdict.changes < rules.minimumChanges)
        verdict.faults.push_back(format("%.0f visible changes seen, at least %.0f expected",
                                        verdict.changes, rules.minimumChanges));
    if (verdict.skips > rules.maximumSkips)
        verdict.faults.push_back(format("%.0f changes went backwards or past a frame, at most %.0f allowed",
                                        verdict.skips, rules.maximumSkips));
    if (verdict.stepsForward > kVisibleSteps)
        verdict.faults.push_back(format("the frames moved %.0f steps forward, a run has %.0f",
                                        verdict.stepsForward, kVisibleSteps));
    if (seen.back().frame != 3)
        verdict.faults.push_back(format("the run ended on frame %.0f, not frame 3", seen.back().frame));
    if (!periods.empty()) {
        std::nth_element(periods.begin(), periods.begin() + periods.size() / 2, periods.end());
        verdict.medianPeriodMs = periods[periods.size() / 2];
    }
    if (rules.framePeriodMs) {
        const double expected = *rules.framePeriodMs;
        if (!verdict.medianPeriodMs)
            verdict.faults.push_back("too few changes to measure the frame period");
        else if (std::abs(*verdict.medianPeriodMs - expected) > rules.periodTolerance * expected)
            verdict.faults.push_back(format("median frame period %.1f ms, expected %.1f ms within 5%%",
                                            *verdict.medianPeriodMs, expected));
    }
    return verdict;
}

std::string describeSeen(const std::vector<SeenFrame>& seen) {
    std::string line;
    for (const SeenFrame& frame : seen) {
        if (!line.empty()) line += ' ';
        line += std::to_string(frame.frame) + '@' + std::to_string(std::lround(frame.ms));
    }
    return line;
}

}  // namespace velmora::e2e
