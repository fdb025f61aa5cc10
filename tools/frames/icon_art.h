#pragma once

// The window icon: a plain stack of window pages, each a black frame with
// a dark title bar over a white page and a grey shadow, the front one
// lowest and rightmost.

#include <array>
#include <cstdint>
#include <vector>

namespace velmora::drawing {

struct Rgb {
    std::uint8_t red, green, blue;
};

// The 16 colours every icon-capable display has.
extern const std::array<Rgb, 16> kIconPalette;

inline constexpr int kTransparent = -1;

// One palette index a pixel, or kTransparent; rows from the top.
struct IconArt {
    int size;
    std::vector<int> pixels;

    int at(int column, int row) const { return pixels[std::size_t(row) * size + column]; }
};

// Drawn for 32 or 16 pixels square.
IconArt drawIcon(int size);

// The same art in two colours, palette index 0 black and 1 white: dark
// colours turn black, light ones white, and the shadows are left out.
IconArt toTwoColours(const IconArt& art);

}  // namespace velmora::drawing
