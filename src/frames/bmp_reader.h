#pragma once

// Decodes the 8-bit, palette-mapped Windows BMP files the program's frames
// are stored in, and rejects anything looser with the field at fault.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "window/controls.h"

namespace velmora {

// A file the reader will not take: which header field, the value it holds,
// and what the reader expected of it.
class BmpError : public std::runtime_error {
public:
    BmpError(std::string field, std::int64_t value, std::string expected);

    const std::string& field() const { return field_; }
    std::int64_t value() const { return value_; }
    const std::string& expected() const { return expected_; }

private:
    std::string field_;
    std::int64_t value_;
    std::string expected_;
};

// Largest width or height accepted; the frames are 217 pixels.
inline constexpr std::int32_t kMaxBmpSide = 4096;

// The picture in `file`, rows top-down, each byte mapped through the
// palette. Never reads outside `file`; throws BmpError on any fault.
Picture decodeBmp(std::span<const std::uint8_t> file);

}  // namespace velmora
