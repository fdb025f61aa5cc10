#pragma once

// A command button whose caption wraps onto as many lines as its face
// needs, which QPushButton does not do by itself.

#include <QPushButton>

namespace velmora {

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
