#pragma once

// The three viewpoints: parallel projections onto the image, each placing
// one point of the propeller at a fixed pixel.

#include <string_view>

#include "vec3.h"

namespace velmora::drawing {

// The front view shows its lines as if the propeller were wire, so the cap
// shows through; the others dot what a surface hides.
enum class HiddenLines { Solid, Dotted };

struct ViewSetting {
    std::string_view name;
    // Angle of the line of sight above the disc plane, on the cap's side, in
    // degrees: 90 looks along the axis at the cap, 0 from the side, -90
    // along the axis at the base.
    double elevationDegrees;
    // Where the viewer stands around the axis, in degrees from -y towards +x.
    double azimuthDegrees;
    double pixelsPerUnit;
    Vec3 anchor;  // the propeller point placed at the anchor pixel
    double anchorColumn;
    double anchorRow;
    HiddenLines hiddenLines;
};

// A point on the image: column and row from the top-left corner, and depth,
// which grows towards the viewer.
struct ScreenPoint {
    double column;
    double row;
    double depth;
};

class Camera {
public:
    explicit Camera(const ViewSetting& setting);

    ScreenPoint project(Vec3 point) const;
    Vec3 viewDirection() const { return -1.0 * toward_; }
    HiddenLines hiddenLines() const { return hiddenLines_; }

private:
    Vec3 right_;
    Vec3 up_;
    Vec3 toward_;
    double pixelsPerUnit_;
    double column0_;
    double row0_;
    HiddenLines hiddenLines_;
};

}  // namespace velmora::drawing
