#include "window/picture_box_widget.h"

#include <QPainter>
#include <QRegion>
#include <utility>

#include "window/display_flush.h"
#include "window/picture_images.h"

namespace velmora {

PictureBoxWidget::PictureBoxWidget(PictureImages& images, QWidget* parent)
    : QWidget(parent), images_(images) {
    // Tab passes through every picture box, the frame holders included.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureHandle PictureBoxWidget::Picture() const { return picture_; }

void PictureBoxWidget::setPicture(PictureHandle picture) {
    picture_ = std::move(picture);
    // An animation run never goes back to the event loop until it ends, so
    // update() would show nothing but the last frame: paint now, and push
    // the result out to the display server.
    repaint();
    flushDisplayConnection();
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect covered;
    if (picture_ != nullptr) {
        const QImage& image = images_.imageFor(picture_);
        // Line drawings stay sharp at any scale factor: never smoothed.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(0, 0, image);
        covered = QRect(QPoint(0, 0), image.size());
    }
    // The drawings are black on white: what a smaller picture leaves
    // uncovered stays white like their margin. Only that part is filled, so
    // a frame's pixels are written once.
    for (const QRect& uncovered : QRegion(rect()).subtracted(covered)) {
        painter.fillRect(uncovered, Qt::white);
    }
}

}  // namespace velmora
