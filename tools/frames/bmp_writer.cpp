#include "bmp_writer.h"

namespace velmora::drawing {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 256 * 4;
constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
constexpr std::uint32_t kTrailingZeros = 2;
constexpr std::uint32_t kPixelsPerMetre = 2834;  // 72 dots per inch

}  // namespace

Bytes encodeBmp(const Canvas& canvas) {
    std::uint32_t rowBytes = (std::uint32_t(canvas.width) + 3) / 4 * 4;
    std::uint32_t fileSize =
        kPixelOffset + rowBytes * std::uint32_t(canvas.height) + kTrailingZeros;
    Bytes out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    putLe32(out, fileSize);
    putLe32(out, 0);  // two reserved words
    putLe32(out, kPixelOffset);

    putLe32(out, kInfoHeaderSize);
    putLe32(out, std::uint32_t(canvas.width));
    putLe32(out, std::uint32_t(canvas.height));  // positive: rows bottom-up
    putLe16(out, 1);                             // planes
    putLe16(out, 8);                             // bits per pixel
    putLe32(out, 0);                             // no compression
    putLe32(out, 0);                             // image size, left to the reader
    putLe32(out, kPixelsPerMetre);
    putLe32(out, kPixelsPerMetre);
    putLe32(out, 0);  // colours used: the full palette
    putLe32(out, 0);  // colours important: all

    for (std::uint32_t k = 0; k < 256; ++k) putLe32(out, k << 16 | k << 8 | k);

    for (int row = canvas.height - 1; row >= 0; --row) {
        auto first = canvas.pixels.begin() + std::ptrdiff_t(row) * canvas.width;
        out.insert(out.end(), first, first + canvas.width);
        out.resize(out.size() + rowBytes - std::uint32_t(canvas.width), 0);
    }
    out.resize(out.size() + kTrailingZeros, 0);
    return out;
}

}  // namespace velmora::drawing
