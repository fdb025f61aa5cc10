#include "frame_matcher.h"

#include <algorithm>
#include <stdexcept>

namespace velmora::e2e {

namespace {

constexpr int kComparedPixels = FrameMatcher::kComparedWidth * FrameMatcher::kComparedHeight;

// A frame matches when at most 1% of its pixels differ: enough for a line
// drawn a pixel off, far too few for another frame of the same drawing.
constexpr int kMatchLimit = kComparedPixels / 100;

// Dark pixels of frame 1 checked before a corner is compared in full.
constexpr std::size_t kProbes = 48;

bool fits(const ScreenGrab& grab, Point origin) {
    return origin.x >= 0 && origin.y >= 0 && origin.x + FrameMatcher::kComparedWidth <= grab.width &&
           origin.y + FrameMatcher::kComparedHeight <= grab.height;
}

}  // namespace

FrameMatcher::FrameMatcher(std::array<ScreenGrab, 3> frames) : frames_(std::move(frames)) {
    for (const ScreenGrab& frame : frames_) {
        if (frame.width < kComparedWidth || frame.height < kComparedHeight)
            throw std::runtime_error("frame picture smaller than the compared part");
    }
    std::vector<Point> dark;
    for (int y = 0; y < kComparedHeight; ++y) {
        for (int x = 0; x < kComparedWidth; ++x)
            if (frames_[0].isDark(x, y)) dark.push_back({x, y});
    }
    // A grab is a frame when it is much closer to it than the frames are to
    // one another, so at most one frame can match it.
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        int nearest = kMatchLimit * 3;
        for (std::size_t j = 0; j < frames_.size(); ++j) {
            if (j != i)
                nearest = std::min(nearest, mismatches(frames_[j], {0, 0}, static_cast<int>(i) + 1,
                                                       kComparedPixels));
        }
        limits_[i] = nearest / 3;
        if (limits_[i] == 0) throw std::runtime_error("two frame pictures are the same");
    }
    const std::size_t step = std::max<std::size_t>(1, dark.size() / kProbes);
    for (std::size_t i = 0; i < dark.size(); i += step) probes_.push_back(dark[i]);
}

bool FrameMatcher::passesProbes(const ScreenGrab& grab, Point origin) const {
    int misses = 0;
    for (const Point& probe : probes_) {
        misses += !grab.isDark(origin.x + probe.x, origin.y + probe.y);
        if (misses * 4 > static_cast<int>(probes_.size())) return false;
    }
    return true;
}

FrameMatcher FrameMatcher::fromFiles(const std::array<std::string, 3>& paths) {
    std::array<ScreenGrab, 3> frames;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QImage image(QString::fromStdString(paths[i]));
        if (image.isNull()) throw std::runtime_error("cannot load frame picture " + paths[i]);
        frames[i] = grabFromImage(image);
    }
    return FrameMatcher(std::move(frames));
}

int FrameMatcher::mismatches(const ScreenGrab& grab, Point origin, int frame,
                             int giveUpAfter) const {
    const ScreenGrab& reference = frames_[static_cast<std::size_t>(frame - 1)];
    int count = 0;
    for (int y = 0; y < kComparedHeight; ++y) {
        for (int x = 0; x < kComparedWidth; ++x)
            count += reference.isDark(x, y) != grab.isDark(origin.x + x, origin.y + y);
        if (count > giveUpAfter) return count;
    }
    return count;
}

std::optional<Point> FrameMatcher::locate(const ScreenGrab& grab, Area corners) const {
    // Most corners fail on the first few probes, which keeps a search over a
    // whole screen to a fraction of a second; of the rest, the closest wins,
    // since a corner a pixel off still matches most of a thin drawing.
    std::optional<Point> found;
    int fewest = limits_[0] + 1;
    for (int y = corners.top; y < corners.top + corners.height; ++y) {
        for (int x = corners.left; x < corners.left + corners.width; ++x) {
            const Point origin{x, y};
            if (!fits(grab, origin) || !passesProbes(grab, origin)) continue;
            const int count = mismatches(grab, origin, 1, fewest);
            if (count < fewest) {
                fewest = count;
                found = origin;
            }
        }
    }
    return found;
}

int FrameMatcher::classify(const ScreenGrab& grab, Point origin) const {
    if (!fits(grab, origin)) return 0;
    for (int frame = 1; frame <= 3; ++frame) {
        const std::size_t i = static_cast<std::size_t>(frame - 1);
        if (mismatches(grab, origin, frame, limits_[i]) <= limits_[i]) return frame;
    }
    return 0;
}

}  // namespace velmora::e2e
