#include "frame_set.h"

#include <numbers>

#include "line_raster.h"
#include "occluders.h"
#include "propeller_model.h"

namespace velmora::drawing {

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
