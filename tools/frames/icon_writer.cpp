#include "icon_writer.h"

namespace velmora::drawing {

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t paddedRowBytes(int width, int bitsPerPixel) {
    return (std::uint32_t(width * bitsPerPixel) + 31) / 32 * 4;
}

std::uint32_t imageBytes(const IconEntry& e) {
    int size = e.art.size;
    std::uint32_t colours = 1u << e.bitsPerPixel;
    return kInfoHeaderSize + colours * 4 +
           (paddedRowBytes(size, e.bitsPerPixel) + paddedRowBytes(size, 1)) * std::uint32_t(size);
}

// Rows bottom-up, `bits` bits a pixel, the first pixel in the high bits.
void putBitRows(Bytes& out, const IconArt& art, int bits, auto valueAt) {
    std::uint32_t rowBytes = paddedRowBytes(art.size, bits);
    for (int row = art.size - 1; row >= 0; --row) {
        Bytes line(rowBytes, 0);
        for (int column = 0; column < art.size; ++column) {
            int bit = column * bits;
            line[std::size_t(bit / 8)] |=
                std::uint8_t(valueAt(column, row) << (8 - bits - bit % 8));
        }
        out.insert(out.end(), line.begin(), line.end());
    }
}

}  // namespace

Bytes encodeIco(const std::vector<IconEntry>& entries) {
    Bytes out;
    putLe16(out, 0);  // reserved
    putLe16(out, 1);  // an icon, not a cursor
    putLe16(out, std::uint32_t(entries.size()));
    std::uint32_t offset = kDirectorySize + kEntrySize * std::uint32_t(entries.size());
    for (const IconEntry& e : entries) {
        out.push_back(std::uint8_t(e.art.size));
        out.push_back(std::uint8_t(e.art.size));
        out.push_back(std::uint8_t(1u << e.bitsPerPixel));  // colours
        out.push_back(0);
        putLe16(out, 1);  // planes
        putLe16(out, std::uint32_t(e.bitsPerPixel));
        putLe32(out, imageBytes(e));
        putLe32(out, offset);
        offset += imageBytes(e);
    }
    for (const IconEntry& e : entries) {
        const IconArt& art = e.art;
        std::uint32_t colours = 1u << e.bitsPerPixel;
        putLe32(out, kInfoHeaderSize);
        putLe32(out, std::uint32_t(art.size));
        putLe32(out, std::uint32_t(art.size) * 2);  // the colour image and its mask
        putLe16(out, 1);
        putLe16(out, std::uint32_t(e.bitsPerPixel));
        putLe32(out, 0);  // no compression
        putLe32(out, imageBytes(e) - kInfoHeaderSize - colours * 4);
        for (int i = 0; i < 4; ++i) putLe32(out, 0);  // resolution, colours used, important
        for (std::uint32_t k = 0; k < colours; ++k) {
            Rgb c = colours == 2 ? (k == 0 ? Rgb{0, 0, 0} : Rgb{255, 255, 255}) : kIconPalette[k];
            out.insert(out.end(), {c.blue, c.green, c.red, 0});
        }
        // Transparent pixels are black under a set mask bit, so the screen shows through.
        putBitRows(out, art, e.bitsPerPixel, [&](int column, int row) {
            return art.at(column, row) == kTransparent ? 0 : art.at(column, row);
        });
        putBitRows(out, art, 1, [&](int column, int row) {
            return art.at(column, row) == kTransparent ? 1 : 0;
        });
    }
    return out;
}

}  // namespace velmora::drawing
