#pragma once

// Small BMP files in the frames' layout, and the ways of breaking them that
// the reader must refuse, shared by the reader's tests and the fuzz corpus.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace velmora::testing {

struct BmpShape {
    int width = 3;                  // 3 leaves one byte of padding a row
    int height = 2;
    std::uint32_t coloursUsed = 0;  // 0: the full 256-entry grey palette
    std::uint8_t paddingByte = 0;
    std::size_t trailingBytes = 2;
};

// A well-formed file; pixel (x, y), counted from the top row, holds palette
// index (x + 3 * y) % entries.
std::vector<std::uint8_t> makeBmp(const BmpShape& shape = {});

void putU16(std::vector<std::uint8_t>& file, std::size_t at, std::uint16_t value);
void putU32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value);

struct BrokenBmp {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::string field;  // the field the reader must name
};

// Every file the reader must refuse, each with the field at fault.
std::vector<BrokenBmp> brokenBmps();

}  // namespace velmora::testing
