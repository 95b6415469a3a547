#include "ui/controls/EditorIcon.h"

#include <QPixmap>

// The icon lives in a resource of a static library, which must be registered
// before its first use.
static void registerIconResource() { Q_INIT_RESOURCE(itemedit); }

QIcon EditorIcon()
{
    static const bool registered = (registerIconResource(), true);
    Q_UNUSED(registered);
    // Larger copies of the same 32 x 32 image, pixels repeated rather than
    // smoothed, so that the icon stays sharp on a screen scaled 2x or 3x.
    const QPixmap image(QStringLiteral(":/itemedit.xpm"));
    QIcon icon(image);
    for (int scale : {2, 3, 4})
        icon.addPixmap(image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}
