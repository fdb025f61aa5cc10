#include "viewer/animation_run.h"

#include <optional>

#include "viewer/speed_table.h"

namespace velmora {

namespace {

const ViewEntry* chosenView(Form& form) {
    for (const ViewEntry& view : kViewTable) {
        if (form.optionButton(view.optionButton).Value()) {
            return &view;
        }
    }
    return nullptr;
}

}  // namespace

void command1_Click(Form& form, const Pause& pause) {
    // The speed comes first, whatever the view: Label3 shows its note even
    // when no view is chosen. No speed means no pause at all.
    const std::optional<std::int16_t> delayFactor = resolveSelectedSpeed(form);
    const std::int32_t passes = std::int32_t{delayFactor.value_or(0)} * kPassesPerDelayUnit;

    const ViewEntry* view = chosenView(form);
    if (view == nullptr) {
        return;
    }
    PictureBox& display = form.pictureBox(view->displayBox);
    for (int cycle = 0; cycle < kCyclesPerRun; ++cycle) {
        for (std::string_view holder : view->frameHolders) {
            display.setPicture(form.pictureBox(holder).Picture());
            pause(passes);
        }
    }
}

}  // namespace velmora
