// How long the real pause after one frame lasts at each speed, against the
// 444 ns a pass it is meant to last. Prints figures; passes or fails nothing.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "viewer/animation_run.h"
#include "viewer/pause.h"
#include "viewer/speed_table.h"

namespace {

constexpr int kRepeats = 15;

double medianMs(std::int32_t passes) {
    std::vector<double> ms;
    for (int i = 0; i < kRepeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        velmora::pauseFor(passes);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
    }
    std::nth_element(ms.begin(), ms.begin() + kRepeats / 2, ms.end());
    return ms[kRepeats / 2];
}

}  // namespace

int main() {
    double maxDeviation = 0.0;
    for (const velmora::SpeedEntry& speed : velmora::kSpeedTable) {
        const std::int32_t passes = std::int32_t{speed.delayFactor} * velmora::kPassesPerDelayUnit;
        const double nominal =
            std::chrono::duration<double, std::milli>(passes * velmora::kPassDuration).count();
        const double median = medianMs(passes);
        const double ratio = median / nominal;
        maxDeviation = std::max(maxDeviation, std::abs(ratio - 1.0) * 100.0);
        std::printf("speed=%.*s passes=%d nominal_ms=%.1f median_ms=%.1f ratio=%.3f\n",
                    static_cast<int>(speed.listText.size()), speed.listText.data(), passes,
                    nominal, median, ratio);
    }
    std::printf("max_deviation_pct=%.1f\n", maxDeviation);
}
