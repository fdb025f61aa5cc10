#include "line_raster.h"

#include <algorithm>
#include <cmath>

namespace velmora::drawing {

namespace {

// A hidden line keeps one pixel in three: dotted, yet still a line.
constexpr int kDotSpacing = 3;

int nearestPixel(double v) { return int(std::floor(v + 0.5)); }

}  // namespace

void drawPolyline(Canvas& canvas, const Polyline& line, const Camera& camera,
                  const Occluders& occluders) {
    bool dotted = camera.hiddenLines() == HiddenLines::Dotted;
    int lastColumn = -1000000;
    int lastRow = -1000000;
    int hiddenRun = 0;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        ScreenPoint a = camera.project(line[i]);
        ScreenPoint b = camera.project(line[i + 1]);
        double span = std::max(std::abs(b.column - a.column), std::abs(b.row - a.row));
        int steps = std::max(1, int(std::ceil(span)));
        for (int s = 0; s <= steps; ++s) {
            double f = double(s) / steps;
            ScreenPoint p{a.column + f * (b.column - a.column), a.row + f * (b.row - a.row),
                          a.depth + f * (b.depth - a.depth)};
            int column = nearestPixel(p.column);
            int row = nearestPixel(p.row);
            // Each pixel once, so the dots keep their spacing.
            if (column == lastColumn && row == lastRow) continue;
            lastColumn = column;
            lastRow = row;
            if (!dotted || !occluders.hides(p)) {
                canvas.plot(column, row);
                hiddenRun = 0;
            } else {
                if (hiddenRun % kDotSpacing == 0) canvas.plot(column, row);
                ++hiddenRun;
            }
        }
    }
}

}  // namespace velmora::drawing
