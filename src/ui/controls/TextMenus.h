#pragma once

class QAction;
class QWidget;

// The menu every text box of `window` offers on a right click, with `undo`
// and `redo` in place of the box's own Undo and Redo: the form's history, not
// the box's text, is what the user takes back.
void UseActionsInTextMenus(QWidget* window, QAction* undo, QAction* redo);
