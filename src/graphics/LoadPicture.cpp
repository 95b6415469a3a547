#include "graphics/LoadPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Decodes what the reader is set up on, refusing a picture whose declared size
// needs more memory than the limit before anything is allocated for it.
QImage decode(QImageReader& reader, const QString& name)
{
    QImageReader::setAllocationLimit(kPictureAllocationLimitMB);
    reader.setDecideFormatFromContent(true);
    const QSize declared = reader.size();
    if (declared.isValid()
        && qint64(declared.width()) * declared.height() * 4 > qint64(kPictureAllocationLimitMB) * 1024 * 1024)
        throw PictureUnreadable("picture too large: " + name.toStdString());
    QImage image = reader.read();
    if (image.isNull())
        throw PictureUnreadable(reader.errorString().toStdString() + ": " + name.toStdString());
    return image;
}

}  // namespace

QImage LoadPicture(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw PictureNotFound("file not found: " + path.toStdString());
    if (!info.isFile())
        throw PictureUnreadable("not a file: " + path.toStdString());
    QImageReader reader(path);
    return decode(reader, path);
}

QImage LoadPictureBytes(const QByteArray& bytes, const QString& name)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decode(reader, name);
}
