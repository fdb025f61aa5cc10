#pragma once

// The program from start to end, on the QApplication that main made.

#include <functional>

#include "frames/frame_store.h"
#include "window/main_window.h"

namespace velmora {

// Loads the pictures, shows the window and runs the event loop until the
// window is closed, returning the exit status. A failure while loading or
// building is reported as a run-time error before any window shows, and
// ends the program with kRuntimeErrorExitStatus.
int runVelmora(const std::function<FramePictures()>& loadPictures,
               ClickHandlers handlers = programClickHandlers());

}  // namespace velmora
