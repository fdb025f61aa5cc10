#include "icon_art.h"

#include <stdexcept>

namespace velmora::drawing {

const std::array<Rgb, 16> kIconPalette{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

namespace {

constexpr int kBlack = 0;
constexpr int kNavy = 4;
constexpr int kGrey = 8;
constexpr int kWhite = 15;

// How the pages stack at each size: the first page's corner, the page size,
// the step down and right to the next page, and the title bar's height.
struct PageStack {
    int size;
    int left, top;
    int width, height;
    int stepColumns, stepRows;
    int titleRows;
    int pages;
};

constexpr std::array<PageStack, 2> kStacks{{
    {32, 1, 2, 20, 16, 5, 6, 3, 3},
    {16, 0, 1, 11, 9, 2, 3, 2, 3},
}};

void drawPage(IconArt& art, int left, int top, int width, int height, int titleRows) {
    for (int row = top; row < top + height; ++row)
        for (int column = left; column < left + width; ++column) {
            bool edge = row == top || row == top + height - 1 || column == left ||
                        column == left + width - 1;
            int colour = edge ? kBlack : row <= top + titleRows ? kNavy : kWhite;
            art.pixels[std::size_t(row) * art.size + column] = colour;
        }
    // A shadow along the right and lower edges lifts the page off the one below.
    for (int row = top + 1; row <= top + height && row < art.size; ++row)
        if (left + width < art.size) art.pixels[std::size_t(row) * art.size + left + width] = kGrey;
    for (int column = left + 1; column <= left + width && column < art.size; ++column)
        if (top + height < art.size)
            art.pixels[std::size_t(top + height) * art.size + column] = kGrey;
}

}  // namespace

IconArt drawIcon(int size) {
    for (const PageStack& stack : kStacks) {
        if (stack.size != size) continue;
        IconArt art{size, std::vector<int>(std::size_t(size) * size, kTransparent)};
        for (int page = 0; page < stack.pages; ++page)
            drawPage(art, stack.left + page * stack.stepColumns, stack.top + page * stack.stepRows,
                     stack.width, stack.height, stack.titleRows);
        return art;
    }
    throw std::invalid_argument("no icon drawing for size " + std::to_string(size));
}

IconArt toTwoColours(const IconArt& art) {
    IconArt mono = art;
    for (int& p : mono.pixels) {
        if (p == kTransparent) continue;
        // In black a shadow would only thicken the frame below it.
        if (p == kGrey) {
            p = kTransparent;
            continue;
        }
        const Rgb& c = kIconPalette[std::size_t(p)];
        p = c.red + c.green + c.blue > 3 * 128 ? 1 : 0;
    }
    return mono;
}

}  // namespace velmora::drawing
