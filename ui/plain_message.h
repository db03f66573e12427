#pragma once
// Message boxes whose text is shown as it stands. A message may carry what
// the player typed or a file's path; read as rich text, "<img src=...>" in it
// would load a picture (and a FIFO named there would hang the game).

#include <QMessageBox>
#include <memory>

namespace tessaro {

std::unique_ptr<QMessageBox> PlainMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                             const QString& text);

}  // namespace tessaro
