#include "window/runtime_error_report.h"

#include <QMessageBox>
#include <iostream>

#include "window/controls.h"
#include "window/qt_text.h"

namespace velmora {

RuntimeErrorReport describeFailure(const std::exception_ptr& error, std::string_view control,
                                   std::string_view operation) {
    try {
        std::rethrow_exception(error);
    } catch (const ControlError& failure) {
        return {failure.control(), failure.operation(), failure.cause()};
    } catch (const std::exception& failure) {
        return {std::string(control), std::string(operation), failure.what()};
    } catch (...) {
        return {std::string(control), std::string(operation), "an exception that says nothing of itself"};
    }
}

void reportRuntimeError(const RuntimeErrorReport& report, QWidget* parent) {
    std::cerr << "velmora: 実行時エラー: " << report.control << "." << report.operation << ": "
              << report.cause << std::endl;

    QMessageBox dialog(QMessageBox::Critical, QStringLiteral("velmora"), QStringLiteral("実行時エラー"),
                       QMessageBox::Ok, parent);
    dialog.setInformativeText(QStringLiteral("コントロール：%1\n操作：%2\n原因：%3")
                                  .arg(toQString(report.control), toQString(report.operation),
                                       toQString(report.cause)));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

}  // namespace velmora
