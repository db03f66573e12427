#pragma once

#include <QMainWindow>

namespace tessaro {

// The main window.
class frmCube : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCube(QWidget* parent = nullptr);
};

}  // namespace tessaro
