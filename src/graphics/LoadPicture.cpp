#include "graphics/LoadPicture.h"

#include <QFileInfo>
#include <QImageReader>

QImage LoadPicture(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw PictureNotFound("file not found: " + path.toStdString());
    if (!info.isFile())
        throw PictureUnreadable("not a file: " + path.toStdString());

    QImageReader::setAllocationLimit(kPictureAllocationLimitMB);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize declared = reader.size();
    if (declared.isValid()
        && qint64(declared.width()) * declared.height() * 4 > qint64(kPictureAllocationLimitMB) * 1024 * 1024)
        throw PictureUnreadable("picture too large: " + path.toStdString());
    QImage image = reader.read();
    if (image.isNull())
        throw PictureUnreadable(reader.errorString().toStdString() + ": " + path.toStdString());
    return image;
}
