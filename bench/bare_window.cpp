// The yardstick for velmora's start-up and memory: a bare Qt window of the
// same size, with one label in the same font, and nothing else.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "window/font_substitutions.h"
#include "window/qt_text.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::installFontSubstitutions();
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(830, 734);
    const QString gothic = velmora::toQString(velmora::kGothicFamily);
    QFont font(gothic, 9);
    font.setBold(true);
    window.setFont(font);
    QLabel label(gothic, &window);
    label.move(40, 48);
    window.show();
    return app.exec();
}
