// Feeds arbitrary bytes to the BMP reader: it must refuse them with a
// BmpError or decode them, and never read outside them.

#include <cstddef>
#include <cstdint>

#include "frames/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const velmora::Picture picture = velmora::decodeBmp({data, size});
        // A decoded picture is exactly as large as its header says.
        if (picture.pixels.size() != std::size_t(picture.width) * std::size_t(picture.height)) {
            __builtin_trap();
        }
    } catch (const velmora::BmpError&) {
    }
    return 0;
}
