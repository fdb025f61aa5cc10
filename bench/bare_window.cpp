// The yardstick for velmora's start-up and memory: a bare Qt window of the
// same size, with one label in the same font, and nothing else.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "window/font_substitutions.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::installFontSubstitutions();
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(830, 734);
    QFont font(QString::fromUtf8(velmora::kGothicFamily.data(),
                                 static_cast<qsizetype>(velmora::kGothicFamily.size())), 9);
    font.setBold(true);
    window.setFont(font);
    QLabel label(QString::fromUtf8(velmora::kGothicFamily.data(),
                                   static_cast<qsizetype>(velmora::kGothicFamily.size())),
                 &window);
    label.move(40, 48);
    window.show();
    return app.exec();
}
