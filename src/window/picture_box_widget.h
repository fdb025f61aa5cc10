#pragma once

// A picture box: shows its picture unscaled from the top-left corner,
// clipped to the box, and paints a new picture before setPicture returns.

#include <QWidget>
#include <string>

#include "window/controls.h"

namespace velmora {

class PictureImages;

class PictureBoxWidget : public QWidget, public PictureBox {
    Q_OBJECT
public:
    PictureBoxWidget(PictureImages& images, QWidget* parent);

    PictureHandle Picture() const override;
    void setPicture(PictureHandle picture) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureImages& images_;
    PictureHandle picture_;
};

}  // namespace velmora
