#pragma once

// The propeller turning: command1_Click resolves the speed, finds the chosen
// view and plays its three frames eight times over on the view's display box.

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "window/controls.h"

namespace velmora {

struct ViewEntry {
    std::string_view optionButton;             // whose Value chooses this view
    std::string_view displayBox;               // where the view turns
    std::array<std::string_view, 3> frameHolders;  // its frames, in the order shown
};

// In the order the option buttons are tested.
inline constexpr std::array<ViewEntry, 3> kViewTable{{
    {"Option1", "Picture4", {"Picture1", "Picture2", "Picture3"}},    // front
    {"Option2", "Picture5", {"Picture7", "Picture8", "Picture9"}},    // oblique
    {"Option3", "Picture6", {"Picture10", "Picture11", "Picture12"}}, // side
}};

inline constexpr int kCyclesPerRun = 8;
inline constexpr std::int32_t kPassesPerDelayUnit = 100;

// Spends `passes` busy-wait passes after a frame. The program passes
// pauseFor; tests pass a recorder.
using Pause = std::function<void(std::int32_t passes)>;

// Click handler of Command1.
void command1_Click(Form& form, const Pause& pause);

}  // namespace velmora
