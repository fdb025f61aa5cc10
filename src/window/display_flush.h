#pragma once

// Sends what has been painted to the display server at once.

namespace velmora {

// On Wayland a repaint stays in the client's queue until the event loop
// runs again, and a running animation never lets it run; this flushes the
// connection by hand. Elsewhere the repaint has reached the server already
// and this does nothing.
void flushDisplayConnection();

}  // namespace velmora
