#pragma once

// The five speeds the propeller turns at, and the two steps of the handlers
// that use them: filling List1 with their names, and turning List1's
// selection into a delay factor and a note in Label3.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "window/controls.h"

namespace velmora {

struct SpeedEntry {
    std::string_view listText;     // the name shown in List1
    std::int16_t delayFactor;      // pause after each frame, in hundreds of passes
    std::string_view description;  // the note on noise and vibration for Label3
};

// In List1's order, which is also the order a selection is compared in.
inline constexpr std::array<SpeedEntry, 5> kSpeedTable{{
    {"超低速", 4000, "騒音ほとんど無し，振動小"},
    {"低速", 3000, "騒音小，振動比較的小"},
    {"中速", 2000,
     "プロペラ鳴音（翼後縁からカルマン渦が発生し発生周期と翼の固有振動周期が同調するときの金属音）が発生することがある。"},
    {"高速", 1000, "騒音大。翼面，翼後縁からプロペラキャビテーションの発生することがある。"},
    {"超高速", 500, "騒音大。翼面，翼後縁からプロペラキャビテーションの発生することがある。"},
}};

// Click handler of cmdGo: List1 holds the five speed names, none selected.
void cmdGo_Click(Form& form);

// The first step of command1_Click: the delay factor of the speed selected
// in List1, with its description written into Label3; no value, and Label3
// untouched, when no speed is selected.
std::optional<std::int16_t> resolveSelectedSpeed(Form& form);

}  // namespace velmora
