#pragma once

// The propeller as a wire-frame: the lines that are drawn, and the surfaces
// that hide them. Lengths are in tip radii; the axis is z, the cap points to
// +z, and the front view looks at the base from -z.

#include <vector>

#include "vec3.h"

namespace velmora::drawing {

// The ends of the hub along the axis: its flat base and the tip of its cap.
// The blades' mid-chords lie in the plane z = 0.
inline constexpr double kHubBaseZ = -0.26;
inline constexpr double kCapTipZ = 0.46;

using Polyline = std::vector<Vec3>;

struct Triangle {
    Vec3 a, b, c;
};

struct WireFrame {
    std::vector<Polyline> lines;
    std::vector<Triangle> surfaces;
};

// An ordinary three-bladed propeller without skew or rake, turned by `turn`
// radians about its axis: counter-clockwise seen from the cap, so clockwise
// in the front view.
WireFrame buildPropeller(double turn);

// The hub's outline seen along `viewDirection` (from the viewer into the
// scene). A body of revolution shows the same outline at every turn; seen
// along the axis it has none beyond its circles.
std::vector<Polyline> hubOutline(Vec3 viewDirection);

}  // namespace velmora::drawing
