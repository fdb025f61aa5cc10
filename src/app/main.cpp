#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "frames/frame_store.h"
#include "window/start_up.h"

namespace {

// Qt aborts with a screenful of advice when it finds no display; one line
// says it better. A platform chosen by hand is left to Qt.
bool displayToOpenOn() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QtMessageHandler qtMessages = nullptr;

// While the platform starts: a display that is named but cannot be reached
// is told in one line too, and the program ends instead of aborting.
void platformStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "velmora: cannot open its window: the display (DISPLAY=%s, WAYLAND_DISPLAY=%s) "
                     "does not answer\n",
                     qgetenv("DISPLAY").constData(), qgetenv("WAYLAND_DISPLAY").constData());
        std::_Exit(1);
    }
    if (qtMessages != nullptr && qstrncmp(context.category, "qt.qpa", 6) != 0) {
        qtMessages(type, context, message);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayToOpenOn()) {
        std::fputs("velmora: no display to open its window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }
    qtMessages = qInstallMessageHandler(platformStartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessages);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));
    return velmora::runVelmora(velmora::loadFramePictures);
}
