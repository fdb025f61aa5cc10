#pragma once

// The window velmora: its 24 controls built from the layout table, the two
// click handlers wired to its buttons, cmdGo as its default button, and the
// controls offered to the handlers by name.

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "frames/frame_store.h"
#include "window/controls.h"
#include "window/picture_images.h"

namespace velmora {

class CommandButton;
class LabelWidget;
class ListBoxWidget;
class OptionButtonWidget;
class PictureBoxWidget;

using ClickHandler = std::function<void(Form&)>;

struct ClickHandlers {
    ClickHandler cmdGo;
    ClickHandler command1;
};

// cmdGo_Click and command1_Click, the latter pausing with pauseFor.
ClickHandlers programClickHandlers();

class MainWindow : public QWidget, public Form {
    Q_OBJECT
public:
    // Each picture box named in `pictures` starts with its picture; a name
    // the window does not have is a ControlError.
    explicit MainWindow(const FramePictures& pictures, ClickHandlers handlers = programClickHandlers());
    ~MainWindow() override;

    ListBox& listBox(std::string_view name) override;
    Label& label(std::string_view name) override;
    OptionButton& optionButton(std::string_view name) override;
    PictureBox& pictureBox(std::string_view name) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    using Control = std::variant<PictureBoxWidget*, OptionButtonWidget*, CommandButton*,
                                 ListBoxWidget*, LabelWidget*>;

    void buildControls();
    void wireClicks();
    void followFocusWithDefault(QWidget* focused);
    void runClickHandler(std::string_view control, const ClickHandler& handler);

    template <typename Widget>
    Widget& control(std::string_view name, const char* operation, const char* kind);

    PictureImages images_;
    std::map<std::string, Control, std::less<>> controls_;
    ClickHandlers handlers_;
    CommandButton* cmdGo_ = nullptr;
    CommandButton* command1_ = nullptr;
    QMetaObject::Connection focusWatch_;
};

}  // namespace velmora
