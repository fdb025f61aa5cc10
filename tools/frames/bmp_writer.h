#pragma once

// The frames' file format: a Windows BMP of 8 bits a pixel with a 256-grey
// palette, rows bottom-up padded to 4 bytes, and two zero bytes at the end.

#include "byte_writer.h"
#include "canvas.h"

namespace velmora::drawing {

Bytes encodeBmp(const Canvas& canvas);

}  // namespace velmora::drawing
