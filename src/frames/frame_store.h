#pragma once

// The twelve pictures built into the program, one for each picture box:
// nine animation frames in the frame holders and the three still images the
// display boxes open with.

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "window/controls.h"

namespace velmora {

// The picture boxes that hold a built-in picture, Picture1 to Picture12;
// each one's picture is the built-in file of the same name.
inline constexpr std::array<std::string_view, 12> kPictureBoxes{
    "Picture1", "Picture2", "Picture3",  "Picture4",  "Picture5",  "Picture6",
    "Picture7", "Picture8", "Picture9", "Picture10", "Picture11", "Picture12"};

using FramePictures = std::map<std::string, PictureHandle, std::less<>>;

// Decodes every built-in picture once. A file that does not decode is a
// BmpError whose message starts with the file's name.
FramePictures loadFramePictures();

}  // namespace velmora
