#pragma once

// How a run-time error reaches the user: the program has no error handling
// of its own, so a failed operation is reported once, here, and then the
// program ends.

#include <exception>
#include <string>
#include <string_view>

class QWidget;

namespace velmora {

inline constexpr int kRuntimeErrorExitStatus = 1;

struct RuntimeErrorReport {
    std::string control;
    std::string operation;
    std::string cause;
};

// A ControlError names its own control and operation; any other failure is
// laid to `control` and `operation`, the place where it was caught.
RuntimeErrorReport describeFailure(const std::exception_ptr& error, std::string_view control,
                                   std::string_view operation);

// Writes the report to standard error in one line, then shows it in a modal
// dialog titled "velmora" over `parent` (none before the window exists) and
// returns when the user has closed it.
void reportRuntimeError(const RuntimeErrorReport& report, QWidget* parent);

}  // namespace velmora
