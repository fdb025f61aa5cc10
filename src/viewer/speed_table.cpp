#include "viewer/speed_table.h"

#include <string>

namespace velmora {

void cmdGo_Click(Form& form) {
    ListBox& list = form.listBox("List1");
    list.Clear();
    for (const SpeedEntry& speed : kSpeedTable) {
        list.AddItem(speed.listText);
    }
}

std::optional<std::int16_t> resolveSelectedSpeed(Form& form) {
    ListBox& list = form.listBox("List1");
    const int index = list.ListIndex();
    if (index == -1) {
        return std::nullopt;  // no selected text equals none of the names
    }
    const std::string selected = list.List(index);
    for (const SpeedEntry& speed : kSpeedTable) {
        if (selected == speed.listText) {
            form.label("Label3").setCaption(speed.description);
            return speed.delayFactor;
        }
    }
    return std::nullopt;
}

}  // namespace velmora
