#include "ui/EditorIcon.h"

// The icon lives in a resource of a static library, which must be registered
// before its first use.
static void registerIconResource() { Q_INIT_RESOURCE(itemedit); }

QIcon EditorIcon()
{
    static const bool registered = (registerIconResource(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/itemedit.xpm"));
}
