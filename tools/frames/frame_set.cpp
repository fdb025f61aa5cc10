#include "frame_set.h"

#include <numbers>

#include "line_raster.h"
#include "occluders.h"
#include "propeller_model.h"

namespace velmora::drawing {

// Scales and anchors put the front view's hub centre at (110, 102), the
// oblique cap's top at (111, 76), five rows above its tip, and the side
// view's hub from row 98 to 160 about column 107. The side view looks along
// +y, so the first blade points at the viewer and the others reach out left
// and right.
const std::array<ViewSetting, 3> kViews{{
    {"front", -90, 93, {0, 0, 0}, 110, 102, HiddenLines::Solid},
    {"oblique", 50, 90, {0, 0, 0.46}, 111, 81, HiddenLines::Dotted},
    {"side", 0, 62 / 0.72, {0, 0, 0.46}, 107, 98, HiddenLines::Dotted},
}};

Canvas drawFrame(const ViewSetting& view, double turnDegrees, int size) {
    Camera camera(view);
    WireFrame frame = buildPropeller(turnDegrees * std::numbers::pi / 180);
    Occluders occluders(frame.surfaces, camera, size, size);
    Canvas canvas(size, size);
    for (const Polyline& line : frame.lines) drawPolyline(canvas, line, camera, occluders);
    for (const Polyline& line : hubOutline(camera.viewDirection()))
        drawPolyline(canvas, line, camera, occluders);
    return canvas;
}

}  // namespace velmora::drawing
