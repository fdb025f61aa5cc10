// Draws the twelve propeller frames and the window icon into the given
// folders: velmora-frames FRAMES_DIR ICON_DIR

#include <exception>
#include <iostream>
#include <string>

#include "bmp_writer.h"
#include "frame_set.h"
#include "icon_art.h"
#include "icon_writer.h"
#include "png_writer.h"

using namespace velmora::drawing;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: velmora-frames FRAMES_DIR ICON_DIR\n";
        return 2;
    }
    try {
        std::string framesDir = argv[1];
        for (const FrameFile& file : kFrameFiles) {
            Canvas canvas =
                drawFrame(kViews[file.view], kPositionDegrees[file.position], file.size);
            writeFile(framesDir + "/" + std::string(file.pictureBox) + ".bmp", encodeBmp(canvas));
        }
        std::string iconDir = argv[2];
        IconArt large = drawIcon(32);
        IconArt small = drawIcon(16);
        IconArt largeTwoColours = toTwoColours(large);
        writeFile(iconDir + "/velmora.ico",
                  encodeIco({{largeTwoColours, 1}, {large, 4}, {small, 4}}));
        writeFile(iconDir + "/velmora-32.png", encodePng(large));
        writeFile(iconDir + "/velmora-16.png", encodePng(small));
    } catch (const std::exception& e) {
        std::cerr << "velmora-frames: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
