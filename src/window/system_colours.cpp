#include "window/system_colours.h"

#include <QGuiApplication>
#include <stdexcept>
#include <string>

namespace velmora {

QColor systemColour(int index) {
    for (const SystemColourRow& row : kSystemColours) {
        if (row.index == index) {
            return row.followsPalette ? QGuiApplication::palette().color(row.role)
                                      : QColor(row.classic);
        }
    }
    throw std::out_of_range("no system colour " + std::to_string(index));
}

}  // namespace velmora
