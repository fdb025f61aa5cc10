#include "screen_grab.h"

namespace velmora::e2e {

ScreenGrab grabFromImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    ScreenGrab grab{rgb.width(), rgb.height(), {}};
    grab.dark.resize(static_cast<std::size_t>(grab.width) * grab.height);
    for (int y = 0; y < grab.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < grab.width; ++x)
            grab.dark[static_cast<std::size_t>(y) * grab.width + x] = isDarkPixel(line[x]);
    }
    return grab;
}

}  // namespace velmora::e2e
