#include "recording_form.h"

namespace velmora::testing {

RecordingForm::RecordingForm() {
    list_.form = this;
    label3_.form = this;
    label3_.name = "Label3";
    for (const char* name : {"Option1", "Option2", "Option3"}) {
        FakeOption& option = options_[name];
        option.form = this;
        option.name = name;
    }
    // Each box starts with a picture of its own, one pixel whose value is
    // the box's number, so a log or a comparison can tell them apart.
    for (int n = 1; n <= 12; ++n) {
        const std::string name = "Picture" + std::to_string(n);
        FakePictureBox& box = pictures_[name];
        box.form = this;
        box.name = name;
        box.picture = std::make_shared<const Picture>(Picture{1, 1, {std::uint32_t(n)}});
    }
}

void RecordingForm::failOn(std::string operation, int afterCalls) {
    failures_[std::move(operation)] = afterCalls;
}

void RecordingForm::choose(std::string_view option) {
    for (auto& [name, button] : options_) {
        button.value = (name == option);
    }
}

PictureHandle RecordingForm::picture(std::string_view box) const {
    return pictures_.find(box)->second.picture;
}

const std::vector<PictureHandle>& RecordingForm::assigned(std::string_view box) const {
    return pictures_.find(box)->second.assigned;
}

void RecordingForm::record(const std::string& control, const std::string& operation) {
    const std::string entry = control + "." + operation;
    if (auto failure = failures_.find(entry); failure != failures_.end()) {
        if (failure->second-- == 0) {
            throw ControlError(control, operation, "made to fail by the test");
        }
    }
    log.push_back(entry);
}

ListBox& RecordingForm::listBox(std::string_view name) {
    if (name != "List1") throw ControlError(std::string(name), "listBox", "no such list box");
    return list_;
}

Label& RecordingForm::label(std::string_view name) {
    if (name != "Label3") throw ControlError(std::string(name), "label", "no such label");
    return label3_;
}

OptionButton& RecordingForm::optionButton(std::string_view name) {
    auto it = options_.find(name);
    if (it == options_.end()) {
        throw ControlError(std::string(name), "optionButton", "no such option button");
    }
    return it->second;
}

PictureBox& RecordingForm::pictureBox(std::string_view name) {
    auto it = pictures_.find(name);
    if (it == pictures_.end()) {
        throw ControlError(std::string(name), "pictureBox", "no such picture box");
    }
    return it->second;
}

void RecordingForm::FakeList::Clear() {
    form->record("List1", "Clear");
    items.clear();
    selected = -1;
}

void RecordingForm::FakeList::AddItem(std::string_view text) {
    form->record("List1", "AddItem");
    items.emplace_back(text);
}

int RecordingForm::FakeList::ListIndex() const {
    form->record("List1", "ListIndex");
    return selected;
}

std::string RecordingForm::FakeList::List(int index) const {
    form->record("List1", "List");
    return items.at(static_cast<std::size_t>(index));
}

void RecordingForm::FakeLabel::setCaption(std::string_view text) {
    form->record(name, "setCaption");
    caption = std::string(text);
}

bool RecordingForm::FakeOption::Value() const {
    form->record(name, "Value");
    return value;
}

PictureHandle RecordingForm::FakePictureBox::Picture() const {
    form->record(name, "Picture");
    return picture;
}

void RecordingForm::FakePictureBox::setPicture(PictureHandle p) {
    form->record(name, "setPicture");
    picture = std::move(p);
    assigned.push_back(picture);
}

}  // namespace velmora::testing
