#pragma once

class QWidget;

// Places a top-level window in the middle of its screen by its outer size
// (frame, title and menu bar included, as far as the window system has told).
void CentreOnScreen(QWidget* window);
