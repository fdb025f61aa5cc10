#include "png_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace velmora::drawing {

namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t length) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (std::size_t i = 0; i < length; ++i) c = table[(c ^ data[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void putChunk(Bytes& out, std::string_view type, const Bytes& data) {
    putBe32(out, std::uint32_t(data.size()));
    std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    putBe32(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored blocks, each at most 65535 bytes.
Bytes storedZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
        bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        putLe16(out, std::uint32_t(length));
        putLe16(out, std::uint32_t(~length & 0xffff));
        out.insert(out.end(), raw.begin() + std::ptrdiff_t(at),
                   raw.begin() + std::ptrdiff_t(at + length));
        at += length;
    } while (at < raw.size());
    putBe32(out, adler32(raw));
    return out;
}

}  // namespace

Bytes encodePng(const IconArt& art) {
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes header;
    putBe32(header, std::uint32_t(art.size));
    putBe32(header, std::uint32_t(art.size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, no filter, no interlace
    putChunk(out, "IHDR", header);

    Bytes raw;
    for (int row = 0; row < art.size; ++row) {
        raw.push_back(0);  // filter: none
        for (int column = 0; column < art.size; ++column) {
            int p = art.at(column, row);
            if (p == kTransparent) {
                raw.insert(raw.end(), {0, 0, 0, 0});
            } else {
                const Rgb& c = kIconPalette[std::size_t(p)];
                raw.insert(raw.end(), {c.red, c.green, c.blue, 255});
            }
        }
    }
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace velmora::drawing
