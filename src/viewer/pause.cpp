#include "viewer/pause.h"

#include <cmath>

namespace velmora {

namespace {

// Read through a volatile so the compiler cannot fold pow(i, -1) into 1 / i:
// each pass must really call the power function.
volatile double gExponent = -1.0;

// Stored through a volatile so the passes are not optimised away unread.
volatile double gScratch = 0.0;

}  // namespace

void pauseFor(std::int32_t passes) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    gScratch = 1.0;
    for (std::int32_t pass = 1; pass <= passes; ++pass) {
        gScratch = std::pow(static_cast<double>(pass), gExponent);
        const Clock::time_point slotEnd = start + pass * kPassDuration;
        while (Clock::now() < slotEnd) {
        }
    }
}

}  // namespace velmora
