#include "bmp_fixture.h"

namespace velmora::testing {

namespace {

// Offsets of the header fields.
constexpr std::size_t kSignature = 0, kOffBits = 10, kInfoSize = 14, kWidth = 18, kHeight = 22,
                      kPlanes = 26, kBitCount = 28, kCompression = 30, kColoursUsed = 46;
constexpr std::size_t kPaletteStart = 54;

std::vector<std::uint8_t> cutAt(std::size_t length) {
    std::vector<std::uint8_t> file = makeBmp();
    file.resize(length);
    return file;
}

std::vector<std::uint8_t> withU16(std::size_t at, std::uint16_t value,
                                  const BmpShape& shape = {}) {
    std::vector<std::uint8_t> file = makeBmp(shape);
    putU16(file, at, value);
    return file;
}

std::vector<std::uint8_t> withU32(std::size_t at, std::uint32_t value,
                                  const BmpShape& shape = {}) {
    std::vector<std::uint8_t> file = makeBmp(shape);
    putU32(file, at, value);
    return file;
}

}  // namespace

void putU16(std::vector<std::uint8_t>& file, std::size_t at, std::uint16_t value) {
    file[at] = static_cast<std::uint8_t>(value);
    file[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void putU32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::vector<std::uint8_t> makeBmp(const BmpShape& shape) {
    const std::size_t entries = shape.coloursUsed == 0 ? 256 : shape.coloursUsed;
    const std::size_t rowLength = (static_cast<std::size_t>(shape.width) + 3) & ~std::size_t{3};
    const std::size_t offBits = kPaletteStart + 4 * entries;
    const std::size_t size = offBits + rowLength * shape.height + shape.trailingBytes;

    std::vector<std::uint8_t> file(size, 0);
    putU16(file, kSignature, 0x4D42);
    putU32(file, 2, static_cast<std::uint32_t>(size));
    putU32(file, kOffBits, static_cast<std::uint32_t>(offBits));
    putU32(file, kInfoSize, 40);
    putU32(file, kWidth, static_cast<std::uint32_t>(shape.width));
    putU32(file, kHeight, static_cast<std::uint32_t>(shape.height));
    putU16(file, kPlanes, 1);
    putU16(file, kBitCount, 8);
    putU32(file, 38, 2834);
    putU32(file, 42, 2834);
    putU32(file, kColoursUsed, shape.coloursUsed);
    for (std::size_t k = 0; k < entries; ++k) {
        for (std::size_t c = 0; c < 3; ++c) file[kPaletteStart + 4 * k + c] = std::uint8_t(k);
    }
    for (int y = 0; y < shape.height; ++y) {
        std::uint8_t* row = file.data() + offBits + rowLength * (shape.height - 1 - y);
        for (int x = 0; x < shape.width; ++x) row[x] = std::uint8_t((x + 3 * y) % entries);
        for (std::size_t x = shape.width; x < rowLength; ++x) row[x] = shape.paddingByte;
    }
    return file;
}

std::vector<BrokenBmp> brokenBmps() {
    const std::size_t whole = makeBmp().size();
    const BmpShape shortPalette{.coloursUsed = 4};
    return {
        {"empty", {}, "file size"},
        {"cut inside the file header", cutAt(10), "file size"},
        {"cut after the file header", cutAt(14), "file size"},
        {"cut inside the information header", cutAt(40), "file size"},
        {"cut after the headers", cutAt(54), "bfOffBits"},
        {"cut inside the palette", cutAt(600), "bfOffBits"},
        {"cut after the palette", cutAt(1078), "pixel array"},
        {"cut inside the pixels", cutAt(whole - 3), "pixel array"},
        {"signature BA", withU16(kSignature, 0x4142), "signature"},
        {"signature of an icon", withU16(kSignature, 0x0000), "signature"},
        {"pixels inside the headers", withU32(kOffBits, 20), "bfOffBits"},
        {"pixels inside the palette", withU32(kOffBits, 600), "bfOffBits"},
        {"pixels past the end", withU32(kOffBits, std::uint32_t(whole + 1)), "bfOffBits"},
        {"pixels at 4 GiB", withU32(kOffBits, 0xffffffff), "bfOffBits"},
        {"core header", withU32(kInfoSize, 12), "biSize"},
        {"version 5 header", withU32(kInfoSize, 124), "biSize"},
        {"zero width", withU32(kWidth, 0), "biWidth"},
        {"negative width", withU32(kWidth, std::uint32_t(-3)), "biWidth"},
        {"width whose row length overflows", withU32(kWidth, 0x7fffffff), "biWidth"},
        {"width over the cap", withU32(kWidth, 4097), "biWidth"},
        {"zero height", withU32(kHeight, 0), "biHeight"},
        {"top-down rows", withU32(kHeight, std::uint32_t(-2)), "biHeight"},
        {"height over the cap", withU32(kHeight, 0x40000000), "biHeight"},
        {"largest sides, no pixels for them", [] {
             std::vector<std::uint8_t> file = withU32(kWidth, 4096);
             putU32(file, kHeight, 4096);
             return file;
         }(), "pixel array"},
        {"no planes", withU16(kPlanes, 0), "biPlanes"},
        {"two planes", withU16(kPlanes, 2), "biPlanes"},
        {"24 bits a pixel", withU16(kBitCount, 24), "biBitCount"},
        {"1 bit a pixel", withU16(kBitCount, 1), "biBitCount"},
        {"run-length encoded", withU32(kCompression, 1), "biCompression"},
        {"bit fields", withU32(kCompression, 3), "biCompression"},
        {"more colours than a palette holds", withU32(kColoursUsed, 257), "biClrUsed"},
        {"pixel index outside a short palette", [&] {
             std::vector<std::uint8_t> file = makeBmp(shortPalette);
             file[54 + 4 * 4] = 4;  // bottom-left pixel, one past the last entry
             return file;
         }(), "pixel index"},
    };
}

}  // namespace velmora::testing
