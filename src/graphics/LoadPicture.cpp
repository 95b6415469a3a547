#include "graphics/LoadPicture.h"

#include "platform/OpenRegularFile.h"

#include <QBuffer>
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
    QFile file;
    const RegularFileOpen opened = OpenRegularFile(path, file);
    switch (opened.result) {
    case RegularFileOpen::Result::Opened: break;
    case RegularFileOpen::Result::NotFound: throw PictureNotFound("file not found: " + path.toStdString());
    case RegularFileOpen::Result::NotRegular:
        throw PictureUnreadable("not a regular file but " + opened.reason.toStdString() + ": " + path.toStdString());
    case RegularFileOpen::Result::Failed:
        throw PictureUnreadable(opened.reason.toStdString() + ": " + path.toStdString());
    }
    QImageReader reader(&file);
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
