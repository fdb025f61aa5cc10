#pragma once

// What the window tests share: pixels as the screen holds them, and a hand
// that reads and closes the modal dialog a run-time error opens.

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <sstream>

#include "frames/frame_store.h"
#include "window/controls.h"

class QWidget;

namespace velmora::testing {

// The built-in pictures, decoded once for all the tests of a program.
const FramePictures& framePictures();

// The pixels of `control` as last painted into its window's backing store:
// what the screen shows, not a fresh rendering.
QImage onScreen(const QWidget* control);

// What a box of `size` shows when it holds `picture`: the picture unscaled
// from the top-left corner, clipped, on white.
QImage boxShowing(const Picture& picture, QSize size);

// Waits for a modal dialog, notes what it says and closes it.
class DialogReader : public QObject {
    Q_OBJECT
public:
    DialogReader();

    bool seen = false;
    QString title;
    QString text;
    QString details;
    bool windowVisibleMeanwhile = false;  // was any other top-level window shown?

private:
    void look();
    QTimer timer_;
};

// Collects what is written to std::cerr while it lives.
class CerrCapture {
public:
    CerrCapture();
    ~CerrCapture();
    std::string text() const { return captured_.str(); }

private:
    std::ostringstream captured_;
    std::streambuf* saved_;
};

}  // namespace velmora::testing
