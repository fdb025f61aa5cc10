#include "window/pixmap_cache.h"

#include <QImage>

namespace velmora {

namespace {

QPixmap toPixmap(const Picture& picture) {
    // 0xffRRGGBB words are exactly QImage's RGB32 layout.
    const QImage view(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                      picture.height, picture.width * 4, QImage::Format_RGB32);
    return QPixmap::fromImage(view.copy());
}

}  // namespace

const QPixmap& PixmapCache::pixmapFor(const PictureHandle& picture) {
    auto [entry, inserted] = entries_.try_emplace(picture.get());
    if (inserted) {
        entry->second = Entry{picture, toPixmap(*picture)};
    }
    return entry->second.pixmap;
}

}  // namespace velmora
