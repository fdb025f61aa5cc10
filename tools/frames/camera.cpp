#include "camera.h"

#include <cmath>
#include <numbers>

namespace velmora::drawing {

Camera::Camera(const ViewSetting& setting)
    : pixelsPerUnit_(setting.pixelsPerUnit), hiddenLines_(setting.hiddenLines) {
    double elevation = setting.elevationDegrees * std::numbers::pi / 180;
    // The viewer stands on the -y side, tilted about x: x stays to the
    // right and the axis leans up the image.
    right_ = {1, 0, 0};
    up_ = {0, std::sin(elevation), std::cos(elevation)};
    toward_ = {0, -std::cos(elevation), std::sin(elevation)};
    column0_ = setting.anchorColumn - pixelsPerUnit_ * dot(setting.anchor, right_);
    row0_ = setting.anchorRow + pixelsPerUnit_ * dot(setting.anchor, up_);
}

ScreenPoint Camera::project(Vec3 point) const {
    return {column0_ + pixelsPerUnit_ * dot(point, right_),
            row0_ - pixelsPerUnit_ * dot(point, up_), dot(point, toward_)};
}

}  // namespace velmora::drawing
