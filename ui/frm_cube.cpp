#include "ui/frm_cube.h"

#include "ui/app_info.h"

namespace tessaro {

frmCube::frmCube(QWidget* parent) : QMainWindow(parent) { setWindowTitle(QString::fromUtf8(app::kTitle)); }

}  // namespace tessaro
