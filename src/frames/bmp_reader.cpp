#include "frames/bmp_reader.h"

#include <cstddef>
#include <utility>

namespace velmora {

BmpError::BmpError(std::string field, std::int64_t value, std::string expected)
    : std::runtime_error(field + " is " + std::to_string(value) + ", expected " + expected),
      field_(std::move(field)),
      value_(value),
      expected_(std::move(expected)) {}

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
constexpr std::uint32_t kMaxPaletteEntries = 256;
constexpr std::uint16_t kSignatureBM = 0x4D42;  // "BM", little-endian

// Little-endian fields of the headers; callers have checked the offsets
// against the file's length.
std::uint16_t u16At(std::span<const std::uint8_t> file, std::size_t at) {
    return static_cast<std::uint16_t>(file[at] | file[at + 1] << 8);
}

std::uint32_t u32At(std::span<const std::uint8_t> file, std::size_t at) {
    return static_cast<std::uint32_t>(file[at]) | static_cast<std::uint32_t>(file[at + 1]) << 8 |
           static_cast<std::uint32_t>(file[at + 2]) << 16 |
           static_cast<std::uint32_t>(file[at + 3]) << 24;
}

std::int32_t i32At(std::span<const std::uint8_t> file, std::size_t at) {
    return static_cast<std::int32_t>(u32At(file, at));
}

void expectEqual(const char* field, std::int64_t value, std::int64_t expected) {
    if (value != expected) throw BmpError(field, value, std::to_string(expected));
}

std::int32_t sideOf(const char* field, std::int32_t value) {
    if (value < 1 || value > kMaxBmpSide) {
        throw BmpError(field, value, "from 1 to " + std::to_string(kMaxBmpSide));
    }
    return value;
}

}  // namespace

Picture decodeBmp(std::span<const std::uint8_t> file) {
    const auto fileSize = static_cast<std::int64_t>(file.size());
    if (file.size() < kHeadersSize) {
        throw BmpError("file size", fileSize,
                       "at least " + std::to_string(kHeadersSize) + " bytes of headers");
    }
    expectEqual("signature", u16At(file, 0), kSignatureBM);
    const std::uint32_t pixelOffset = u32At(file, 10);
    expectEqual("biSize", u32At(file, 14), kInfoHeaderSize);
    const std::int32_t width = sideOf("biWidth", i32At(file, 18));
    const std::int32_t height = sideOf("biHeight", i32At(file, 22));
    expectEqual("biPlanes", u16At(file, 26), 1);
    expectEqual("biBitCount", u16At(file, 28), 8);
    expectEqual("biCompression", u32At(file, 30), 0);

    const std::uint32_t coloursUsed = u32At(file, 46);
    if (coloursUsed > kMaxPaletteEntries) {
        throw BmpError("biClrUsed", coloursUsed, "at most 256");
    }
    const std::uint32_t paletteEntries = coloursUsed == 0 ? kMaxPaletteEntries : coloursUsed;
    const std::size_t paletteEnd = kHeadersSize + 4 * std::size_t{paletteEntries};
    if (pixelOffset < paletteEnd || pixelOffset > file.size()) {
        throw BmpError("bfOffBits", pixelOffset,
                       "from the palette's end at " + std::to_string(paletteEnd) +
                           " to the file size " + std::to_string(file.size()));
    }

    // Each row is padded to a multiple of 4 bytes. Both sides are at most
    // kMaxBmpSide, so the product fits easily in 64 bits.
    const std::size_t rowLength = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    const std::size_t pixelBytes = rowLength * static_cast<std::size_t>(height);
    const std::size_t available = file.size() - pixelOffset;
    if (pixelBytes > available) {
        throw BmpError("pixel array", static_cast<std::int64_t>(available),
                       std::to_string(pixelBytes) + " bytes from bfOffBits");
    }

    std::uint32_t palette[kMaxPaletteEntries];
    for (std::uint32_t k = 0; k < paletteEntries; ++k) {
        const std::size_t at = kHeadersSize + 4 * std::size_t{k};  // blue, green, red, unused
        palette[k] = 0xff000000u | std::uint32_t{file[at + 2]} << 16 |
                     std::uint32_t{file[at + 1]} << 8 | file[at];
    }

    Picture picture{width, height, {}};
    picture.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::int32_t y = 0; y < height; ++y) {
        // Rows are stored bottom-up; the padding after each is ignored.
        const std::uint8_t* row =
            file.data() + pixelOffset + rowLength * static_cast<std::size_t>(height - 1 - y);
        std::uint32_t* out = picture.pixels.data() + static_cast<std::size_t>(y) * width;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint8_t index = row[x];
            if (index >= paletteEntries) {
                throw BmpError("pixel index", index,
                               "below the palette's " + std::to_string(paletteEntries) +
                                   " entries");
            }
            out[x] = palette[index];
        }
    }
    return picture;
}

}  // namespace velmora
