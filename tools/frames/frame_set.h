#pragma once

// The twelve frame files: which view and position each picture box holds,
// and the drawing of one view at one position.

#include <array>
#include <string_view>

#include "camera.h"
#include "canvas.h"
#include "propeller_model.h"

namespace velmora::drawing {

// Front, oblique and side. Scales and anchors put the front view's hub
// centre at (110, 102), the oblique cap's top at (111, 76), five rows above
// its tip, and the side view's hub from row 98 to 160 about column 107.
// The oblique viewer stands 24 degrees round, midway in the widest gap
// between the three positions, so no frame shows a blade end-on. The side
// viewer stands opposite the front one's first blade: in the still image
// that blade hides behind the hub and the other two reach out left and
// right alike.
inline constexpr std::array<ViewSetting, 3> kViews{{
    {"front", -90, 0, 93, {0, 0, 0}, 110, 102, HiddenLines::Solid},
    {"oblique", 50, -24, 90, {0, 0, kCapTipZ}, 111, 81, HiddenLines::Dotted},
    {"side",
     0,
     180,
     (160 - 98) / (kCapTipZ - kHubBaseZ),
     {0, 0, kCapTipZ},
     107,
     98,
     HiddenLines::Dotted},
}};

// Turns about the axis of the three frames of each view, in degrees.
inline constexpr std::array<double, 3> kPositionDegrees{0, 36, 72};

struct FrameFile {
    std::string_view pictureBox;  // the file is named after it
    int view;                     // index into kViews
    int position;                 // index into kPositionDegrees
    int size;                     // width and height in pixels
};

// The still images of the display boxes are the first frames of their views.
inline constexpr std::array<FrameFile, 12> kFrameFiles{{
    {"Picture1", 0, 0, 217},
    {"Picture2", 0, 1, 217},
    {"Picture3", 0, 2, 217},
    {"Picture4", 0, 0, 217},
    {"Picture5", 1, 0, 216},
    {"Picture6", 2, 0, 217},
    {"Picture7", 1, 0, 216},
    {"Picture8", 1, 1, 217},
    {"Picture9", 1, 2, 217},
    {"Picture10", 2, 0, 217},
    {"Picture11", 2, 1, 217},
    {"Picture12", 2, 2, 217},
}};

Canvas drawFrame(const ViewSetting& view, double turnDegrees, int size);

}  // namespace velmora::drawing
