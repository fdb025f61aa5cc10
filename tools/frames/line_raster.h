#pragma once

// Draws the wire-frame's lines one pixel wide: solid where they are seen,
// and where a surface hides them dotted or solid, as the view asks.

#include "camera.h"
#include "canvas.h"
#include "occluders.h"
#include "propeller_model.h"

namespace velmora::drawing {

void drawPolyline(Canvas& canvas, const Polyline& line, const Camera& camera,
                  const Occluders& occluders);

}  // namespace velmora::drawing
