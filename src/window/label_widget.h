#pragma once

// A label: its caption wraps within its rectangle, from the top-left.

#include <QLabel>

#include "window/controls.h"

namespace velmora {

class LabelWidget : public QLabel, public Label {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent);

    // Screen readers read the new caption as the label's name too.
    void setCaption(std::string_view text) override;
};

}  // namespace velmora
