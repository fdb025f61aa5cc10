#pragma once

// The busy-wait between two frames of a run.

#include <chrono>
#include <cstdint>

namespace velmora {

// How long one pass lasts. The slowest machine this runs on does a pass in
// well under this, so the pace is the same everywhere: at 444 ns the
// fastest speed shows a frame every 22.2 ms, which turns the nine-frame
// revolution at the 300 rpm that Label6 promises (a tenth of 3000 rpm).
inline constexpr std::chrono::nanoseconds kPassDuration{444};

// Evaluates `passes` powers of the pass counter and -1, each in its own
// 444 ns slot on the steady clock, and returns after the last slot. Zero or
// fewer passes return at once.
void pauseFor(std::int32_t passes);

}  // namespace velmora
