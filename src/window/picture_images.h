#pragma once

// Shows pictures to the painter as images over their own pixels: a run
// assigns the same nine pictures over and over, and neither a conversion
// per frame nor a second copy of every picture is needed.

#include <QImage>
#include <unordered_map>

#include "window/controls.h"

namespace velmora {

class PictureImages {
public:
    // An image over the pixels of `picture`, made on the first call for that
    // picture object. It keeps the picture alive, so the pixels stay put and
    // the address stays its own.
    const QImage& imageFor(const PictureHandle& picture);

private:
    struct Entry {
        PictureHandle picture;
        QImage image;
    };
    std::unordered_map<const Picture*, Entry> entries_;
};

}  // namespace velmora
