#include "window_test_support.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <iostream>

namespace velmora::testing {

const FramePictures& framePictures() {
    static const FramePictures pictures = loadFramePictures();
    return pictures;
}

QImage onScreen(const QWidget* control) {
    const QWidget* window = control->window();
    const QPoint topLeft = control->mapTo(window, QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), topLeft.x(), topLeft.y(), control->width(), control->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage boxShowing(const Picture& picture, QSize size) {
    QImage box(size, QImage::Format_RGB32);
    box.fill(Qt::white);
    for (int y = 0; y < std::min(size.height(), picture.height); ++y) {
        for (int x = 0; x < std::min(size.width(), picture.width); ++x) {
            box.setPixel(x, y, picture.pixels[std::size_t(y) * picture.width + x]);
        }
    }
    return box;
}

DialogReader::DialogReader() {
    connect(&timer_, &QTimer::timeout, this, &DialogReader::look);
    timer_.start(10);
}

void DialogReader::look() {
    auto* dialog = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) {
        return;
    }
    timer_.stop();
    seen = true;
    title = dialog->windowTitle();
    text = dialog->text();
    details = dialog->informativeText();
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != dialog && widget->isVisible()) {
            windowVisibleMeanwhile = true;
        }
    }
    dialog->accept();
}

CerrCapture::CerrCapture() : saved_(std::cerr.rdbuf(captured_.rdbuf())) {}

CerrCapture::~CerrCapture() { std::cerr.rdbuf(saved_); }

}  // namespace velmora::testing
