#include "window/main_window.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <algorithm>
#include <array>
#include <vector>

#include "viewer/animation_run.h"
#include "viewer/pause.h"
#include "viewer/speed_table.h"
#include "window/command_button.h"
#include "window/font_substitutions.h"
#include "window/label_widget.h"
#include "window/layout_table.h"
#include "window/list_box_widget.h"
#include "window/option_button_widget.h"
#include "window/picture_box_widget.h"
#include "window/qt_text.h"
#include "window/runtime_error_report.h"
#include "window/system_colours.h"

namespace velmora {

namespace {

QFont toQFont(const ControlFont& wanted) {
    QFont font(toQString(wanted.family), wanted.points);
    font.setBold(wanted.bold);
    return font;
}

// The icon of stacked window pages, at the sizes window systems ask for.
constexpr std::array<const char*, 2> kIconFiles{":/icon/velmora-16.png", ":/icon/velmora-32.png"};

QWidget* widgetOf(const auto& control) {
    return std::visit([](auto* widget) -> QWidget* { return widget; }, control);
}

}  // namespace

ClickHandlers programClickHandlers() {
    return {
        [](Form& form) { cmdGo_Click(form); },
        [](Form& form) { command1_Click(form, pauseFor); },
    };
}

MainWindow::MainWindow(const FramePictures& pictures, ClickHandlers handlers)
    : handlers_(std::move(handlers)) {
    installFontSubstitutions();
    setObjectName(toQString(kWindowSettings.caption));
    setWindowTitle(toQString(kWindowSettings.caption));
    QIcon icon;
    for (const char* file : kIconFiles) {
        icon.addFile(QString::fromLatin1(file));
    }
    setWindowIcon(icon);
    resize(twipsToPixels(kWindowSettings.clientWidth), twipsToPixels(kWindowSettings.clientHeight));
    setFont(toQFont(*kWindowSettings.font));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, systemColour(kWindowSettings.backColour));
    setPalette(windowPalette);
    setAutoFillBackground(true);

    buildControls();
    wireClicks();
    for (const auto& [name, picture] : pictures) {
        pictureBox(name).setPicture(picture);
    }
    cmdGo_->setFocus();
}

MainWindow::~MainWindow() {
    // Destroying the controls moves the focus, and by then this is no
    // longer a MainWindow to follow it.
    disconnect(focusWatch_);
}

void MainWindow::buildControls() {
    for (std::size_t i = 0; i < kControlLayout.size(); ++i) {
        const ControlLayout& layout = kControlLayout[i];
        const ControlSettings& settings = kControlSettings[i];
        const QString caption = toQString(settings.caption);

        Control control;
        switch (layout.kind) {
        case ControlKind::PictureBox:
            control = new PictureBoxWidget(images_, this);
            break;
        case ControlKind::OptionButton: {
            auto* option = new OptionButtonWidget(this);
            option->setText(caption);
            control = option;
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new CommandButton(this);
            button->setText(caption);
            control = button;
            break;
        }
        case ControlKind::ListBox:
            control = new ListBoxWidget(this);
            break;
        case ControlKind::Label: {
            auto* label = new LabelWidget(this);
            label->setCaption(settings.caption);
            // Labels lie beneath the other controls, so the frame holder
            // Picture12 shows over Label5's last row.
            label->lower();
            control = label;
            break;
        }
        }

        QWidget* widget = widgetOf(control);
        widget->setObjectName(toQString(layout.name));
        widget->setGeometry(twipsToPixels(layout.left), twipsToPixels(layout.top),
                            twipsToPixels(layout.width), twipsToPixels(layout.height));
        widget->setAccessibleName(settings.caption.empty() ? toQString(settings.accessibleName) : caption);
        if (settings.font != nullptr) {
            widget->setFont(toQFont(*settings.font));
        }
        QPalette colours = widget->palette();
        if (settings.foreColour != kNoColour) {
            colours.setColor(widget->foregroundRole(), systemColour(settings.foreColour));
        }
        if (settings.backColour != kNoColour) {
            colours.setColor(widget->backgroundRole(), systemColour(settings.backColour));
            widget->setAutoFillBackground(true);
        }
        widget->setPalette(colours);
        controls_.emplace(std::string(layout.name), control);
    }

    std::vector<const ControlLayout*> tabOrder;
    for (const ControlLayout& layout : kControlLayout) {
        if (layout.kind != ControlKind::Label) {
            tabOrder.push_back(&layout);
        }
    }
    std::ranges::sort(tabOrder, {}, &ControlLayout::tabIndex);
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(widgetOf(controls_.find(tabOrder[i - 1]->name)->second),
                    widgetOf(controls_.find(tabOrder[i]->name)->second));
    }

    cmdGo_ = &control<CommandButton>("cmdGo", "build", "command button");
    command1_ = &control<CommandButton>("Command1", "build", "command button");
}

void MainWindow::wireClicks() {
    cmdGo_->setDefault(true);
    connect(cmdGo_, &QPushButton::clicked, this, [this] { runClickHandler("cmdGo", handlers_.cmdGo); });
    connect(command1_, &QPushButton::clicked, this,
            [this] { runClickHandler("Command1", handlers_.command1); });
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* focused) { followFocusWithDefault(focused); });
}

// Qt keeps its default-button logic in QDialog, so the window does it:
// Command1 answers Enter while it has the focus, cmdGo at all other times.
void MainWindow::followFocusWithDefault(QWidget* focused) {
    if (focused == nullptr || focused->window() != this) {
        return;
    }
    command1_->setDefault(focused == command1_);
    cmdGo_->setDefault(focused != command1_);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A focused command button presses itself on Enter; any other control
    // leaves the key to the window, which presses the default button.
    const bool enter = (event->key() == Qt::Key_Return && event->modifiers() == Qt::NoModifier) ||
                       (event->key() == Qt::Key_Enter &&
                        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier);
    if (enter) {
        cmdGo_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::runClickHandler(std::string_view control, const ClickHandler& handler) {
    // A failure must not travel through Qt's event loop: it is reported
    // here, and the program ends once the user has read it.
    try {
        handler(*this);
    } catch (...) {
        reportRuntimeError(describeFailure(std::current_exception(), control, "Click"), this);
        QCoreApplication::exit(kRuntimeErrorExitStatus);
    }
}

template <typename Widget>
Widget& MainWindow::control(std::string_view name, const char* operation, const char* kind) {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        throw ControlError(std::string(name), operation, "the window has no control of that name");
    }
    Widget* const* widget = std::get_if<Widget*>(&found->second);
    if (widget == nullptr) {
        throw ControlError(std::string(name), operation, std::string("not a ") + kind);
    }
    return **widget;
}

ListBox& MainWindow::listBox(std::string_view name) {
    return control<ListBoxWidget>(name, "listBox", "list box");
}

Label& MainWindow::label(std::string_view name) { return control<LabelWidget>(name, "label", "label"); }

OptionButton& MainWindow::optionButton(std::string_view name) {
    return control<OptionButtonWidget>(name, "optionButton", "option button");
}

PictureBox& MainWindow::pictureBox(std::string_view name) {
    return control<PictureBoxWidget>(name, "pictureBox", "picture box");
}

}  // namespace velmora
