#pragma once

// The system colours the window uses, by their index in the classic system
// colour table, so the layout can name them the way the form was drawn.

#include <QColor>
#include <QPalette>
#include <array>

namespace velmora {

inline constexpr int kDesktopBackground = 1;
inline constexpr int kHighlight = 13;
inline constexpr int kInactiveCaptionText = 19;

// A control that keeps the colour its widget would have anyway.
inline constexpr int kNoColour = -1;

struct SystemColourRow {
    int index;
    bool followsPalette;     // taken from the application palette, so it follows the theme
    QPalette::ColorRole role;
    QRgb classic;            // the classic desktop scheme, where no palette role fits
};

inline constexpr std::array<SystemColourRow, 3> kSystemColours{{
    {kDesktopBackground, false, QPalette::NoRole, qRgb(0, 128, 128)},
    {kHighlight, true, QPalette::Highlight, 0},
    {kInactiveCaptionText, false, QPalette::NoRole, qRgb(192, 192, 192)},
}};

// The colour of system colour `index`; std::out_of_range for an index the
// table does not have.
QColor systemColour(int index);

}  // namespace velmora
