#include "camera.h"

#include <cmath>
#include <numbers>

namespace velmora::drawing {

Camera::Camera(const ViewSetting& setting)
    : pixelsPerUnit_(setting.pixelsPerUnit), hiddenLines_(setting.hiddenLines) {
    double elevation = setting.elevationDegrees * std::numbers::pi / 180;
    double azimuth = setting.azimuthDegrees * std::numbers::pi / 180;
    // Seen from the -y side and tilted about x, x lies to the right and the
    // axis leans up the image; the azimuth then walks the viewer round.
    auto round = [&](Vec3 v) {
        return Vec3{v.x * std::cos(azimuth) - v.y * std::sin(azimuth),
                    v.x * std::sin(azimuth) + v.y * std::cos(azimuth), v.z};
    };
    right_ = round({1, 0, 0});
    up_ = round({0, std::sin(elevation), std::cos(elevation)});
    toward_ = round({0, -std::cos(elevation), std::sin(elevation)});
    column0_ = setting.anchorColumn - pixelsPerUnit_ * dot(setting.anchor, right_);
    row0_ = setting.anchorRow + pixelsPerUnit_ * dot(setting.anchor, up_);
}

ScreenPoint Camera::project(Vec3 point) const {
    return {column0_ + pixelsPerUnit_ * dot(point, right_),
            row0_ - pixelsPerUnit_ * dot(point, up_), dot(point, toward_)};
}

}  // namespace velmora::drawing
