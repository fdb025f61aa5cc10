#pragma once

// Where the tests grab the screen from, outside the program: an X server
// (one window, read with XGetImage) or weston (whole screenshots).

#include <memory>
#include <optional>
#include <string>

#include "screen_grab.h"

namespace velmora::e2e {

class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    // The current pixels, or nothing when the screen cannot be read now.
    virtual std::optional<ScreenGrab> grab() = 0;
    // The same pixels in colour, for a picture of a failure.
    virtual QImage lastImage() const = 0;
};

// `area` of X window `window` on the display in $DISPLAY.
std::unique_ptr<ScreenSource> openX11Window(unsigned long window, int left, int top, int width,
                                            int height);

// Screenshots of the weston output, taken with weston-screenshooter in
// `scratchDir` (emptied of its screenshots after each one).
std::unique_ptr<ScreenSource> openWestonScreenshots(std::string scratchDir);

}  // namespace velmora::e2e
