#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("velmora");
    window.resize(830, 734);
    window.show();
    return app.exec();
}
