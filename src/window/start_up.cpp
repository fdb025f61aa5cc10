#include "window/start_up.h"

#include <QApplication>
#include <memory>

#include "window/runtime_error_report.h"

namespace velmora {

int runVelmora(const std::function<FramePictures()>& loadPictures, ClickHandlers handlers) {
    std::unique_ptr<MainWindow> window;
    try {
        window = std::make_unique<MainWindow>(loadPictures(), std::move(handlers));
    } catch (...) {
        reportRuntimeError(describeFailure(std::current_exception(), "velmora", "Load"), nullptr);
        return kRuntimeErrorExitStatus;
    }
    window->show();
    return QApplication::exec();
}

}  // namespace velmora
