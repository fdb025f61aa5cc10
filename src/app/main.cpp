#include <QApplication>
#include <cstdio>

#include "frames/frame_store.h"
#include "window/start_up.h"

namespace {

// Qt aborts with a screenful of advice when it finds no display; one line
// says it better. A platform chosen by hand is left to Qt.
bool displayToOpenOn() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayToOpenOn()) {
        std::fputs("velmora: no display to open its window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    return velmora::runVelmora(velmora::loadFramePictures);
}
