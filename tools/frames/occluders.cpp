#include "occluders.h"

#include <algorithm>
#include <cmath>

namespace velmora::drawing {

namespace {

constexpr int kCellPixels = 4;

// A line lying on a surface must not hide behind it: a point counts as
// hidden only when the surface is this much nearer, about a pixel.
constexpr double kDepthTolerance = 0.012;

double cross2(const ScreenPoint& o, const ScreenPoint& a, const ScreenPoint& b) {
    return (a.column - o.column) * (b.row - o.row) - (a.row - o.row) * (b.column - o.column);
}

}  // namespace

Occluders::Occluders(const std::vector<Triangle>& surfaces, const Camera& camera, int width,
                     int height)
    : columns_(width / kCellPixels + 1), rows_(height / kCellPixels + 1) {
    cells_.resize(std::size_t(columns_) * rows_);
    for (const Triangle& t : surfaces) {
        Flat flat{camera.project(t.a), camera.project(t.b), camera.project(t.c)};
        // Seen edge-on a triangle covers nothing.
        if (std::abs(cross2(flat.a, flat.b, flat.c)) < 1e-9) continue;
        int index = int(triangles_.size());
        triangles_.push_back(flat);
        auto cell = [](double v, int count) {
            return std::clamp(int(std::floor(v / kCellPixels)), 0, count - 1);
        };
        int c0 = cell(std::min({flat.a.column, flat.b.column, flat.c.column}), columns_);
        int c1 = cell(std::max({flat.a.column, flat.b.column, flat.c.column}), columns_);
        int r0 = cell(std::min({flat.a.row, flat.b.row, flat.c.row}), rows_);
        int r1 = cell(std::max({flat.a.row, flat.b.row, flat.c.row}), rows_);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) cells_[std::size_t(r) * columns_ + c].push_back(index);
    }
}

bool Occluders::hides(ScreenPoint p) const {
    int c = int(std::floor(p.column / kCellPixels));
    int r = int(std::floor(p.row / kCellPixels));
    if (c < 0 || r < 0 || c >= columns_ || r >= rows_) return false;
    for (int index : cells_[std::size_t(r) * columns_ + c]) {
        const Flat& t = triangles_[index];
        double area = cross2(t.a, t.b, t.c);
        double wa = cross2(p, t.b, t.c) / area;
        double wb = cross2(t.a, p, t.c) / area;
        double wc = 1 - wa - wb;
        if (wa < 0 || wb < 0 || wc < 0) continue;
        double depth = wa * t.a.depth + wb * t.b.depth + wc * t.c.depth;
        if (depth > p.depth + kDepthTolerance) return true;
    }
    return false;
}

}  // namespace velmora::drawing
