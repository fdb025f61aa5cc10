#pragma once

// An option button; the window's option buttons are one group.

#include <QRadioButton>

#include "window/controls.h"

namespace velmora {

class OptionButtonWidget : public QRadioButton, public OptionButton {
    Q_OBJECT
public:
    explicit OptionButtonWidget(QWidget* parent) : QRadioButton(parent) {}

    bool Value() const override { return isChecked(); }
};

}  // namespace velmora
