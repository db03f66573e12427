#include <QApplication>

#include "ui/frm_cube.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessaro::frmCube window;
    window.showMaximized();
    return app.exec();
}
