#pragma once

// Little- and big-endian fields appended to a byte buffer, and the buffer
// written to a file.

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::drawing {

using Bytes = std::vector<std::uint8_t>;

inline void putLe16(Bytes& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
inline void putLe32(Bytes& out, std::uint32_t v) {
    putLe16(out, v & 0xffff);
    putLe16(out, v >> 16);
}
inline void putBe32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

// Throws std::runtime_error naming the file when it cannot be written.
void writeFile(const std::string& path, const Bytes& bytes);

}  // namespace velmora::drawing
