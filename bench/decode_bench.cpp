// How long decoding all twelve built-in frames takes, as the program does it
// once at start-up. Prints the median of many rounds; passes or fails nothing.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "frames/frame_store.h"

int main() {
    constexpr int kRounds = 101;
    std::vector<double> ms;
    std::size_t pixels = 0;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const velmora::FramePictures pictures = velmora::loadFramePictures();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
        pixels = 0;
        for (const auto& [name, picture] : pictures) pixels += picture->pixels.size();
    }
    std::nth_element(ms.begin(), ms.begin() + kRounds / 2, ms.end());
    std::printf("decode_median_ms=%.3f pictures=12 pixels=%zu rounds=%d\n", ms[kRounds / 2], pixels,
                kRounds);
}
