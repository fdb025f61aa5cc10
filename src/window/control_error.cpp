#include "window/controls.h"

#include <utility>

namespace velmora {

ControlError::ControlError(std::string control, std::string operation, std::string cause)
    : std::runtime_error(control + "." + operation + ": " + cause),
      control_(std::move(control)),
      operation_(std::move(operation)),
      cause_(std::move(cause)) {}

}  // namespace velmora
