#include "ui/plain_message.h"

namespace tessaro {

std::unique_ptr<QMessageBox> PlainMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                             const QString& text) {
    auto box = std::make_unique<QMessageBox>(icon, title, QString(), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);  // before the text, so it is never parsed as markup
    box->setText(text);
    return box;
}

}  // namespace tessaro
