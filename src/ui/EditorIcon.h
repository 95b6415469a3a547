#pragma once

#include <QIcon>

// The editor's 32 x 32 icon, shown by the main window and the About box.
QIcon EditorIcon();
