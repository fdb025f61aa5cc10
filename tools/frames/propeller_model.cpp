#include "propeller_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace velmora::drawing {

namespace {

constexpr double kPi = std::numbers::pi;

// The hub: a cylinder from the flat base up to where the cap starts, then a
// half-ellipsoid cap up to the tip.
constexpr double kHubRadius = 0.2;
constexpr double kCapStartZ = 0.19;
constexpr double kCapLength = kCapTipZ - kCapStartZ;

// The blades: pitch ratio 0.75, so a section at radius r is a helix that
// advances kPitch / (2 pi) along the axis per radian.
constexpr int kBladeCount = 3;
constexpr double kPitch = 1.5;
constexpr double kAdvancePerRadian = kPitch / (2 * kPi);

// The blade outline is an ellipse across the radius, from kOutlineInner
// (inside the hub, so the root keeps a broad chord) to the tip at radius 1;
// kOutlineHalfWidth is its half-width along the arc at mid-radius.
constexpr double kOutlineInner = 0.1;
constexpr double kOutlineHalfWidth = 0.27;
constexpr double kOutlineCentre = (1 + kOutlineInner) / 2;
constexpr double kOutlineSemiAxis = (1 - kOutlineInner) / 2;

// The first blade points straight up in the front view, which looks at the
// base.
constexpr double kFirstBladeAngle = -kPi / 2;

constexpr int kHubMeridians = 12;
constexpr std::array kHubCircleZ{kHubBaseZ, -0.11, 0.04, kCapStartZ};
constexpr std::array kSectionRadii{kHubRadius, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
constexpr std::array kChordLines{-1.0, -0.5, 0.0, 0.5, 1.0};

// How finely curves are followed and surfaces are cut into triangles.
constexpr int kCircleSteps = 96;
constexpr int kCapSteps = 24;
constexpr int kSpanSteps = 48;
constexpr int kChordSteps = 32;
constexpr int kHubMeshAround = 48;  // a multiple of kHubMeridians
constexpr int kCylinderMeshRings = 12;

// Half the angle a blade's section spans at `radius`.
double sectionHalfAngle(double radius) {
    double u = (radius - kOutlineCentre) / kOutlineSemiAxis;
    return kOutlineHalfWidth * std::sqrt(std::max(0.0, 1 - u * u)) / radius;
}

// The point of a blade at `radius`, at chord position `chord` from -1 (the
// leading edge) to 1 (the trailing edge). The propeller turns towards +angle
// and screws itself towards -z, the base: the leading edge goes first and
// lies forward.
Vec3 bladePoint(double bladeAngle, double radius, double chord) {
    double offset = chord * sectionHalfAngle(radius);
    return cylindrical(radius, bladeAngle - offset, kAdvancePerRadian * offset);
}

// Radius at span position `s` from 0 (root) to 1 (tip); the steps crowd
// towards the tip, where the outline turns fastest.
double spanRadius(double s) {
    double rootAngle = std::asin((kHubRadius - kOutlineCentre) / kOutlineSemiAxis);
    double angle = rootAngle + s * (kPi / 2 - rootAngle);
    return kOutlineCentre + kOutlineSemiAxis * std::sin(angle);
}

// The hub's profile, from the base edge over the cap to the tip: radius and
// height at `s` from 0 to 1 of the cap's quarter-ellipse.
struct ProfilePoint {
    double radius;
    double z;
};
ProfilePoint capProfile(double s) {
    double angle = s * kPi / 2;
    return {kHubRadius * std::cos(angle), kCapStartZ + kCapLength * std::sin(angle)};
}

void addQuad(std::vector<Triangle>& out, Vec3 a, Vec3 b, Vec3 c, Vec3 d) {
    out.push_back({a, b, c});
    out.push_back({a, c, d});
}

void addHub(WireFrame& frame, double turn) {
    for (int k = 0; k < kHubMeridians; ++k) {
        double angle = k * 2 * kPi / kHubMeridians + turn;
        Polyline meridian{cylindrical(kHubRadius, angle, kHubBaseZ)};
        for (int i = 0; i <= kCapSteps; ++i) {
            ProfilePoint p = capProfile(double(i) / kCapSteps);
            meridian.push_back(cylindrical(p.radius, angle, p.z));
        }
        frame.lines.push_back(meridian);
    }
    for (double z : kHubCircleZ) {
        Polyline circle;
        for (int i = 0; i <= kCircleSteps; ++i)
            circle.push_back(cylindrical(kHubRadius, i * 2 * kPi / kCircleSteps + turn, z));
        frame.lines.push_back(circle);
    }

    std::vector<ProfilePoint> profile;
    for (int i = 0; i <= kCylinderMeshRings; ++i)
        profile.push_back(
            {kHubRadius, kHubBaseZ + (kCapStartZ - kHubBaseZ) * i / kCylinderMeshRings});
    for (int i = 1; i <= kCapSteps; ++i) profile.push_back(capProfile(double(i) / kCapSteps));
    for (int j = 0; j < kHubMeshAround; ++j) {
        double a0 = j * 2 * kPi / kHubMeshAround + turn;
        double a1 = (j + 1) * 2 * kPi / kHubMeshAround + turn;
        frame.surfaces.push_back({Vec3{0, 0, kHubBaseZ}, cylindrical(kHubRadius, a0, kHubBaseZ),
                                  cylindrical(kHubRadius, a1, kHubBaseZ)});
        for (std::size_t i = 0; i + 1 < profile.size(); ++i) {
            ProfilePoint lo = profile[i];
            ProfilePoint hi = profile[i + 1];
            addQuad(frame.surfaces, cylindrical(lo.radius, a0, lo.z),
                    cylindrical(lo.radius, a1, lo.z), cylindrical(hi.radius, a1, hi.z),
                    cylindrical(hi.radius, a0, hi.z));
        }
    }
}

void addBlade(WireFrame& frame, double bladeAngle) {
    for (double radius : kSectionRadii) {
        Polyline section;
        for (int i = 0; i <= kChordSteps; ++i)
            section.push_back(bladePoint(bladeAngle, radius, -1 + 2.0 * i / kChordSteps));
        frame.lines.push_back(section);
    }
    for (double chord : kChordLines) {
        Polyline along;
        for (int i = 0; i <= kSpanSteps; ++i)
            along.push_back(bladePoint(bladeAngle, spanRadius(double(i) / kSpanSteps), chord));
        frame.lines.push_back(along);
    }
    for (int i = 0; i < kSpanSteps; ++i) {
        double r0 = spanRadius(double(i) / kSpanSteps);
        double r1 = spanRadius(double(i + 1) / kSpanSteps);
        for (int j = 0; j < kChordSteps; ++j) {
            double c0 = -1 + 2.0 * j / kChordSteps;
            double c1 = -1 + 2.0 * (j + 1) / kChordSteps;
            addQuad(frame.surfaces, bladePoint(bladeAngle, r0, c0), bladePoint(bladeAngle, r0, c1),
                    bladePoint(bladeAngle, r1, c1), bladePoint(bladeAngle, r1, c0));
        }
    }
}

}  // namespace

WireFrame buildPropeller(double turn) {
    WireFrame frame;
    addHub(frame, turn);
    for (int k = 0; k < kBladeCount; ++k)
        addBlade(frame, kFirstBladeAngle + k * 2 * kPi / kBladeCount + turn);
    return frame;
}

std::vector<Polyline> hubOutline(Vec3 viewDirection) {
    double across = std::hypot(viewDirection.x, viewDirection.y);
    if (across < 1e-9) return {};
    double facing = std::atan2(viewDirection.y, viewDirection.x);
    // Where the surface normal is square to the view: on the cap, whose
    // slope dr/dz is -(radius / length) tan(angle), the outline ends where
    // the cap turns wholly away from the viewer.
    double steepest = kPi / 2;
    if (std::abs(viewDirection.z) > 1e-9)
        steepest = std::atan(kCapLength * across / (kHubRadius * std::abs(viewDirection.z)));
    std::array<Polyline, 2> sides;
    for (int side = 0; side < 2; ++side) {
        double sign = side == 0 ? 1 : -1;
        sides[side].push_back(cylindrical(kHubRadius, facing + sign * kPi / 2, kHubBaseZ));
        for (int i = 0; i <= kCapSteps; ++i) {
            double angle = steepest * i / kCapSteps;
            double slope = -(kHubRadius / kCapLength) * std::tan(angle);
            double c = std::clamp(slope * viewDirection.z / across, -1.0, 1.0);
            double around = facing + sign * std::acos(c);
            sides[side].push_back(cylindrical(kHubRadius * std::cos(angle), around,
                                              kCapStartZ + kCapLength * std::sin(angle)));
        }
    }
    // Both sides meet at the top: one line from base edge to base edge.
    Polyline outline = sides[0];
    outline.insert(outline.end(), sides[1].rbegin() + 1, sides[1].rend());
    return {outline};
}

}  // namespace velmora::drawing
