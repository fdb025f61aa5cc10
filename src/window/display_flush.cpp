#include "window/display_flush.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client-core.h>

namespace velmora {

namespace {

// Qt 6.4 has no public accessor for the Wayland display; the platform
// native interface hands it out.
wl_display* waylandDisplay() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return nullptr;
    }
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native == nullptr) {
        return nullptr;
    }
    return static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
}

}  // namespace

void flushDisplayConnection() {
    static wl_display* const display = waylandDisplay();
    if (display != nullptr) {
        wl_display_flush(display);
    }
}

}  // namespace velmora
