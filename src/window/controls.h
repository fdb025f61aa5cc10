#pragma once

// The controls the click handlers work on, as the forms engine offers them.
// Nothing here knows of Qt: the real window implements these types over its
// widgets, and the tests implement them with a recording fake.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A bitmap as a picture box holds it: 0xffRRGGBB pixels, row by row from the
// top. Pictures are never modified once made, so boxes share them.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    friend bool operator==(const Picture&, const Picture&) = default;
};

// Assigning a picture hands over this handle, never a copy of the pixels.
using PictureHandle = std::shared_ptr<const Picture>;

// A control operation that failed: which control, which operation, and why.
// The handlers never catch it; the window reports it and ends the program.
class ControlError : public std::runtime_error {
public:
    ControlError(std::string control, std::string operation, std::string cause);

    const std::string& control() const { return control_; }
    const std::string& operation() const { return operation_; }
    const std::string& cause() const { return cause_; }

private:
    std::string control_;
    std::string operation_;
    std::string cause_;
};

// Every operation below either does what it says or throws ControlError.
// Texts are UTF-8 and compared by exact equality.

class ListBox {
public:
    virtual ~ListBox() = default;
    virtual void Clear() = 0;                                 // afterwards ListIndex() is -1
    virtual void AddItem(std::string_view text) = 0;          // appends as the last item
    virtual int ListIndex() const = 0;                        // selected item from 0, or -1
    virtual std::string List(int index) const = 0;            // text of the item at index
};

class Label {
public:
    virtual ~Label() = default;
    virtual void setCaption(std::string_view text) = 0;
};

class OptionButton {
public:
    virtual ~OptionButton() = default;
    virtual bool Value() const = 0;                           // true for the chosen one
};

class PictureBox {
public:
    virtual ~PictureBox() = default;
    virtual PictureHandle Picture() const = 0;
    // The box holds and shows `picture` from now on; it is on screen when
    // this returns, since a running animation never yields to the event loop.
    virtual void setPicture(PictureHandle picture) = 0;
};

// The window as the handlers see it: its controls by their names.
// Asking for a name the window does not have is a ControlError too.
class Form {
public:
    virtual ~Form() = default;
    virtual ListBox& listBox(std::string_view name) = 0;
    virtual Label& label(std::string_view name) = 0;
    virtual OptionButton& optionButton(std::string_view name) = 0;
    virtual PictureBox& pictureBox(std::string_view name) = 0;
};

}  // namespace velmora
