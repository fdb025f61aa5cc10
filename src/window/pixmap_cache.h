#pragma once

// Turns pictures into pixmaps once each: a run assigns the same nine
// pictures over and over, and converting them per frame would slow it.

#include <QPixmap>
#include <unordered_map>

#include "window/controls.h"

namespace velmora {

class PixmapCache {
public:
    // The pixmap of `picture`, made on the first call for that picture
    // object. The cache keeps the picture alive, so its address stays its own.
    const QPixmap& pixmapFor(const PictureHandle& picture);

private:
    struct Entry {
        PictureHandle picture;
        QPixmap pixmap;
    };
    std::unordered_map<const Picture*, Entry> entries_;
};

}  // namespace velmora
