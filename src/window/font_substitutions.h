#pragma once

// The two Japanese font families the window asks for exist only on Windows;
// without a mapping Qt falls back to a Latin face. Each is mapped to free
// fonts from Debian that draw the same kind of letter.

#include <array>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kGothicFamily = "ＭＳ Ｐゴシック";
inline constexpr std::string_view kPopFamily = "HGP創英角ﾎﾟｯﾌﾟ体";

struct FontSubstitution {
    std::string_view requested;
    std::array<std::string_view, 2> substitutes;  // tried in this order
};

inline constexpr std::array<FontSubstitution, 2> kFontSubstitutions{{
    // IPAPGothic is drawn to the same widths as the requested family.
    {kGothicFamily, {"IPAPGothic", "Noto Sans CJK JP"}},
    // A rounded pop display face for the title.
    {kPopFamily, {"Reggae One", "Noto Sans CJK JP"}},
}};

// Registers the table with QFont; calling it again changes nothing.
void installFontSubstitutions();

}  // namespace velmora
