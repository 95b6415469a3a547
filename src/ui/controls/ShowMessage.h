#pragma once

#include <QMessageBox>

// A message over `window` that waits for OK without holding up the caller:
// modal to the window, whose form behind already shows the result.
void ShowMessage(QWidget* window, const QString& title, QMessageBox::Icon icon, const QString& text);
