#include "ui/controls/ShowMessage.h"

void ShowMessage(QWidget* window, const QString& title, QMessageBox::Icon icon, const QString& text)
{
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, window);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
