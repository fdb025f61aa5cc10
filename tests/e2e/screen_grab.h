#pragma once

// A piece of the screen as the tests see it: each pixel only dark or light,
// since the frames are black line drawings on white.

#include <cstdint>
#include <vector>

#include <QImage>

namespace velmora::e2e {

struct ScreenGrab {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dark;  // row by row, 1 where the pixel is dark

    bool isDark(int x, int y) const { return dark[static_cast<std::size_t>(y) * width + x] != 0; }
};

// Dark means below half brightness: anti-aliasing or a colour scheme does not
// turn a white ground dark or a black line light.
inline bool isDarkPixel(std::uint32_t rgb) {
    const int r = (rgb >> 16) & 0xff, g = (rgb >> 8) & 0xff, b = rgb & 0xff;
    return r * 299 + g * 587 + b * 114 < 128 * 1000;
}

ScreenGrab grabFromImage(const QImage& image);

}  // namespace velmora::e2e
