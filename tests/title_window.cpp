// A plain window with a title, for scripts that check a title bar against
// the same title where nothing can cut it off: it sets the game's own font
// (which Qt's title bars on Wayland draw in), is as wide as asked, and has
// a pure green ground, by which a screenshot finds it. It stays open until
// it is killed.
//
//   title_window <title> <width>

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "ui/japanese_font.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int width = argc == 3 ? std::atoi(argv[2]) : 0;
    if (width <= 0) {
        std::fprintf(stderr, "usage: title_window <title> <width>\n");
        return 2;
    }
    QApplication::setFont(tessaro::DefaultWithJapaneseGothic(QApplication::font()));
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(argv[1]));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(width, 60);
    window.show();
    return QApplication::exec();
}
