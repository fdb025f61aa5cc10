// Draws the twelve propeller frames and the window icon into the given
// folders: velmora-frames FRAMES_DIR ICON_DIR

#include <exception>
#include <iostream>
#include <string>

#include "bmp_writer.h"
#include "frame_set.h"

using namespace velmora::drawing;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: velmora-frames FRAMES_DIR ICON_DIR\n";
        return 2;
    }
    try {
        std::string framesDir = argv[1];
        for (const FrameFile& file : kFrameFiles) {
            Canvas canvas = drawFrame(kViews[file.view], kPositionDegrees[file.position], file.size);
            writeFile(framesDir + "/" + std::string(file.pictureBox) + ".bmp", encodeBmp(canvas));
        }
    } catch (const std::exception& e) {
        std::cerr << "velmora-frames: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
