#pragma once

// A black-on-white drawing, one palette index a pixel, rows from the top.

#include <cstdint>
#include <vector>

namespace velmora::drawing {

inline constexpr std::uint8_t kBlack = 0;
inline constexpr std::uint8_t kWhite = 255;

struct Canvas {
    Canvas(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h, kWhite) {}

    // Points off the canvas are dropped.
    void plot(int column, int row) {
        if (column >= 0 && row >= 0 && column < width && row < height)
            pixels[std::size_t(row) * width + column] = kBlack;
    }

    int width;
    int height;
    std::vector<std::uint8_t> pixels;
};

}  // namespace velmora::drawing
