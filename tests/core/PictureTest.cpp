#include "graphics/IconCellSize.h"
#include "graphics/LoadPicture.h"
#include "graphics/PictureClip.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

QByteArray bmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

TEST(LoadPicture, NotFoundUnreadableOrTooLarge)
{
    QTemporaryDir dir;
    const QByteArray sheet = bmp(QImage(20, 10, QImage::Format_RGB32));
    for (const auto& [name, bytes] :
         {std::pair{"G1000.bmp", sheet}, {"notes.bmp", "not a picture"}, {"cut.bmp", sheet.left(30)}}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    EXPECT_EQ(LoadPicture(dir.filePath("G1000.bmp")).size(), QSize(20, 10));
    EXPECT_THROW(LoadPicture(dir.filePath("G1001.bmp")), PictureNotFound);
    EXPECT_THROW(LoadPicture(dir.filePath("notes.bmp")), PictureUnreadable);
    EXPECT_THROW(LoadPicture(dir.filePath("cut.bmp")), PictureUnreadable);
    EXPECT_THROW(LoadPicture(dir.path()), PictureUnreadable);
#ifdef Q_OS_WIN
    EXPECT_THROW(LoadPicture("NUL"), PictureUnreadable);  // a device, under its reserved name
#else
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.bmp")).constData(), 0600), 0);
    EXPECT_THROW(LoadPicture(dir.filePath("pipe.bmp")), PictureUnreadable);  // at once, waiting for no writer
#endif
    // A header declaring 100000 x 100000 pixels is refused before anything is allocated for them.
    QByteArray huge = sheet.left(54);
    qToLittleEndian<qint32>(100000, huge.data() + 18);
    qToLittleEndian<qint32>(100000, huge.data() + 22);
    EXPECT_THROW(LoadPictureBytes(huge + QByteArray(64, '\0'), "huge.bmp"), PictureUnreadable);
}

// Cells of whole pixels: what lies right of the last column or below the last row belongs to no cell.
TEST(PictureClip, UnevenPicturesAndCellsThatAreNot)
{
    PictureClip row(1, 10), bands(12, 1);
    row.setPicture(QImage(295, 30, QImage::Format_RGB32));
    bands.setPicture(QImage(40, 125, QImage::Format_RGB32));
    EXPECT_EQ(row.GraphicCell(9).size(), QSize(29, 30));
    EXPECT_EQ(bands.GraphicCell(11).size(), QSize(40, 10));
    EXPECT_TRUE(bands.GraphicCell(-1).isNull() && bands.GraphicCell(12).isNull()
                && PictureClip(1, 10).GraphicCell(0).isNull());
}

TEST(IconCellSize, HalvesRoundToEven)
{
    for (const auto& [inner, width] : {std::pair{291, 29}, {285, 28}, {295, 30}, {296, 30}})
        EXPECT_EQ(IconCellSizeFor(inner, 30).width, width) << inner;
    EXPECT_EQ(IconCellSizeFor(291, 30).height, 30);
}

}  // namespace
