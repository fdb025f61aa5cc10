#pragma once

// The Windows icon file: one directory entry and one image for each of
// 32 x 32 in two colours, 32 x 32 in 16 colours and 16 x 16 in 16 colours.

#include "byte_writer.h"
#include "icon_art.h"

namespace velmora::drawing {

struct IconEntry {
    const IconArt& art;
    int bitsPerPixel;  // 1 for two colours, 4 for 16
};

Bytes encodeIco(const std::vector<IconEntry>& entries);

}  // namespace velmora::drawing
