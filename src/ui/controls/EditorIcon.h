#pragma once

#include <QIcon>

// The editor's icon, shown by the main window and the About box: the 32 x 32
// image and copies of it at two, three and four times that size.
QIcon EditorIcon();
