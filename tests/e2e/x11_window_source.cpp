// Reads one rectangle of an X window with XGetImage: a single request, cheap
// enough to grab a picture box hundreds of times a second.

#include <stdexcept>

// Qt before Xlib, whose macros (Status, None, ...) clash with Qt's names.
#include "screen_source.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace velmora::e2e {

namespace {

// A window that is unmapped or gone answers XGetImage with an error; the
// default handler would end the program, but a grab just yields nothing.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

class X11WindowSource : public ScreenSource {
public:
    X11WindowSource(unsigned long window, int left, int top, int width, int height)
        : display_(XOpenDisplay(nullptr)), window_(window), left_(left), top_(top), width_(width),
          height_(height) {
        if (!display_) throw std::runtime_error("cannot open the X display in $DISPLAY");
        XSetErrorHandler(ignoreXError);
    }
    ~X11WindowSource() override { XCloseDisplay(display_); }

    std::optional<ScreenGrab> grab() override {
        XImage* image = XGetImage(display_, window_, left_, top_, static_cast<unsigned>(width_),
                                  static_cast<unsigned>(height_), AllPlanes, ZPixmap);
        if (!image) return std::nullopt;
        ScreenGrab grab{width_, height_, {}};
        grab.dark.resize(static_cast<std::size_t>(width_) * height_);
        last_ = QImage(width_, height_, QImage::Format_RGB32);
        for (int y = 0; y < height_; ++y) {
            auto* line = reinterpret_cast<QRgb*>(last_.scanLine(y));
            for (int x = 0; x < width_; ++x) {
                const unsigned long pixel =
                    image->bits_per_pixel == 32
                        ? reinterpret_cast<const std::uint32_t*>(image->data +
                                                                 y * image->bytes_per_line)[x]
                        : XGetPixel(image, x, y);
                line[x] = static_cast<QRgb>(pixel) | 0xff000000u;
                grab.dark[static_cast<std::size_t>(y) * width_ + x] = isDarkPixel(line[x]);
            }
        }
        XDestroyImage(image);
        return grab;
    }

    QImage lastImage() const override { return last_; }

private:
    Display* display_;
    Window window_;
    int left_, top_, width_, height_;
    QImage last_;
};

}  // namespace

std::unique_ptr<ScreenSource> openX11Window(unsigned long window, int left, int top, int width,
                                            int height) {
    return std::make_unique<X11WindowSource>(window, left, top, width, height);
}

}  // namespace velmora::e2e
