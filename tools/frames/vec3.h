#pragma once

// A point or direction in the propeller's space, and the few operations the
// model and the cameras need.

#include <cmath>

namespace velmora::drawing {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator*(double s, Vec3 a) { return {s * a.x, s * a.y, s * a.z}; }
constexpr double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// A point at `radius` from the axis, at `angle` radians from +x towards +y.
inline Vec3 cylindrical(double radius, double angle, double z) {
    return {radius * std::cos(angle), radius * std::sin(angle), z};
}

}  // namespace velmora::drawing
