#pragma once

// A PNG of 8-bit RGBA pixels for the desktop's icon. The image data goes in
// stored (uncompressed) deflate blocks, so no compressor is needed.

#include "byte_writer.h"
#include "icon_art.h"

namespace velmora::drawing {

Bytes encodePng(const IconArt& art);

}  // namespace velmora::drawing
