#pragma once

// A stand-in for the window that records every control operation the
// handlers make, in order, and can be told to fail one of them.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/controls.h"

namespace velmora::testing {

class RecordingForm : public Form {
public:
    RecordingForm();

    // "Control.Operation" entries, plus "pause N" from pause().
    std::vector<std::string> log;

    // The next call of this operation ("Picture5.setPicture") throws; with
    // `afterCalls`, it succeeds that many times first.
    void failOn(std::string operation, int afterCalls = 0);

    // What the user does between clicks.
    void select(int index) { list_.selected = index; }
    void choose(std::string_view option);
    void addRawItem(std::string text) { list_.items.push_back(std::move(text)); }

    const std::vector<std::string>& items() const { return list_.items; }
    int selected() const { return list_.selected; }
    const std::optional<std::string>& label3() const { return label3_.caption; }
    void setLabel3(std::string text) { label3_.caption = std::move(text); }
    PictureHandle picture(std::string_view box) const;
    // Every picture assigned to the box, in order.
    const std::vector<PictureHandle>& assigned(std::string_view box) const;

    // A Pause that records instead of waiting.
    void pause(std::int32_t passes) { log.push_back("pause " + std::to_string(passes)); }

    ListBox& listBox(std::string_view name) override;
    Label& label(std::string_view name) override;
    OptionButton& optionButton(std::string_view name) override;
    PictureBox& pictureBox(std::string_view name) override;

private:
    void record(const std::string& control, const std::string& operation);

    struct FakeList : ListBox {
        RecordingForm* form;
        std::vector<std::string> items;
        int selected = -1;
        void Clear() override;
        void AddItem(std::string_view text) override;
        int ListIndex() const override;
        std::string List(int index) const override;
    };
    struct FakeLabel : Label {
        RecordingForm* form;
        std::string name;
        std::optional<std::string> caption;  // nullopt: never written
        void setCaption(std::string_view text) override;
    };
    struct FakeOption : OptionButton {
        RecordingForm* form;
        std::string name;
        bool value = false;
        bool Value() const override;
    };
    struct FakePictureBox : PictureBox {
        RecordingForm* form;
        std::string name;
        PictureHandle picture;
        std::vector<PictureHandle> assigned;
        PictureHandle Picture() const override;
        void setPicture(PictureHandle p) override;
    };

    FakeList list_;
    FakeLabel label3_;
    std::map<std::string, FakeOption, std::less<>> options_;
    std::map<std::string, FakePictureBox, std::less<>> pictures_;
    std::map<std::string, int, std::less<>> failures_;  // operation -> calls left before failing
};

}  // namespace velmora::testing
