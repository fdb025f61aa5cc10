#include "window/picture_images.h"

namespace velmora {

const QImage& PictureImages::imageFor(const PictureHandle& picture) {
    auto [entry, inserted] = entries_.try_emplace(picture.get());
    if (inserted) {
        // 0xffRRGGBB words are exactly QImage's RGB32 layout; pictures are
        // never modified, so the image can read them in place.
        const QImage view(reinterpret_cast<const uchar*>(picture->pixels.data()), picture->width,
                          picture->height, picture->width * 4, QImage::Format_RGB32);
        entry->second = Entry{picture, view};
    }
    return entry->second.image;
}

}  // namespace velmora
