#pragma once

// Decides which points of the drawing lie behind a surface of the
// propeller: the projected triangles are sorted into a grid of cells so a
// point is tested only against those that can cover it.

#include <vector>

#include "camera.h"
#include "propeller_model.h"

namespace velmora::drawing {

class Occluders {
public:
    Occluders(const std::vector<Triangle>& surfaces, const Camera& camera, int width, int height);

    bool hides(ScreenPoint point) const;

private:
    struct Flat {
        ScreenPoint a, b, c;
    };
    std::vector<Flat> triangles_;
    std::vector<std::vector<int>> cells_;
    int columns_;
    int rows_;
};

}  // namespace velmora::drawing
