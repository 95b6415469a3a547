#include "graphics/IconCellSize.h"
#include "graphics/LoadPicture.h"
#include "graphics/PictureClip.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray bmpHeader(qint32 width, qint32 height, char tag0 = 'B', char tag1 = 'M')
{
    QByteArray h(54, '\0');
    h[0] = tag0;
    h[1] = tag1;
    qToLittleEndian<quint32>(54 + 3 * 4, h.data() + 2);
    qToLittleEndian<quint32>(54, h.data() + 10);
    qToLittleEndian<quint32>(40, h.data() + 14);
    qToLittleEndian<qint32>(width, h.data() + 18);
    qToLittleEndian<qint32>(height, h.data() + 22);
    qToLittleEndian<quint16>(1, h.data() + 26);
    qToLittleEndian<quint16>(24, h.data() + 28);
    return h;
}

QByteArray validBmp()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

class LoadPictureTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(LoadPictureTest, ReadsBitmapsAndOtherFormatsByContent)
{
    const QImage bmp = LoadPicture(write("G1000.bmp", validBmp()));
    EXPECT_EQ(bmp.size(), QSize(20, 10));
    EXPECT_EQ(bmp.pixel(3, 3), QColor(Qt::red).rgb());

    QImage png(7, 5, QImage::Format_RGB32);
    png.fill(Qt::blue);
    ASSERT_TRUE(png.save(dir.filePath("real.png"), "PNG"));
    QFile::copy(dir.filePath("real.png"), dir.filePath("named.bmp"));
    EXPECT_EQ(LoadPicture(dir.filePath("named.bmp")).size(), QSize(7, 5));
    EXPECT_TRUE(LoadPicture().isNull());
}

TEST_F(LoadPictureTest, MissingFileIsNotFound)
{
    EXPECT_THROW(LoadPicture(dir.filePath("G1001.bmp")), PictureNotFound);
    EXPECT_THROW(LoadPicture(QString()), PictureNotFound);
    EXPECT_THROW(LoadPicture(dir.filePath("no/such/folder.bmp")), PictureNotFound);
}

TEST_F(LoadPictureTest, HostileFilesFailCleanly)
{
    const QByteArray good = validBmp();
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    std::vector<Case> cases = {
        {"zero bytes", {}},
        {"text", "this is not a picture\r\n"},
        {"wrong type tag", bmpHeader(10, 10, 'X', 'Y') + QByteArray(300, '\x7f')},
        {"declares 100000 x 100000", bmpHeader(100000, 100000) + QByteArray(64, '\0')},
        {"declares negative width", bmpHeader(-5, 10) + QByteArray(64, '\0')},
        {"declares zero size", bmpHeader(0, 0)},
    };
    for (int cut : {1, 2, 6, 10, 14, 18, 26, 30, 40, 53})
        cases.push_back({"truncated header", good.left(cut)});
    for (const Case& c : cases) {
        const QString path = write("hostile.bmp", c.bytes);
        EXPECT_THROW(LoadPicture(path), PictureUnreadable) << c.name << " (" << c.bytes.size() << " bytes)";
    }
    // Truncated pixel data: either a picture or a clean refusal, never a crash.
    for (int cut : {55, 100, int(good.size()) - 1}) {
        const QString path = write("short.bmp", good.left(cut));
        try {
            LoadPicture(path);
        } catch (const PictureUnreadable&) {
        }
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
    EXPECT_THROW(LoadPicture(dir.filePath("folder.bmp")), PictureUnreadable);
}

QImage striped(int width, int height, int cells, bool horizontal)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int along = horizontal ? x : y;
            const int size = (horizontal ? width : height) / cells;
            image.setPixel(x, y, qRgb(std::min(along / size, 255), 0, 0));
        }
    return image;
}

TEST(PictureClip, CutsRowMajorCells)
{
    PictureClip row(1, 10);
    row.setPicture(striped(290, 30, 10, true));
    const QImage cell7 = row.GraphicCell(7);
    ASSERT_EQ(cell7.size(), QSize(29, 30));
    EXPECT_EQ(cell7, row.picture().copy(203, 0, 29, 30));
    EXPECT_EQ(qRed(cell7.pixel(0, 0)), 7);

    PictureClip bands(12, 1);
    bands.setPicture(striped(40, 120, 12, false));
    EXPECT_EQ(bands.GraphicCell(0).size(), QSize(40, 10));
    EXPECT_EQ(qRed(bands.GraphicCell(1).pixel(5, 5)), 1);
    EXPECT_EQ(qRed(bands.GraphicCell(11).pixel(5, 9)), 11);
}

TEST(PictureClip, UnevenEmptyAndOutOfRange)
{
    PictureClip row(1, 10);
    row.setPicture(QImage(295, 30, QImage::Format_RGB32));
    EXPECT_EQ(row.GraphicCell(9).size(), QSize(29, 30));  // the last 5 columns belong to no cell
    PictureClip bands(12, 1);
    bands.setPicture(QImage(10, 125, QImage::Format_RGB32));
    EXPECT_EQ(bands.GraphicCell(11).size(), QSize(10, 10));
    for (int i : {-1, 12, 1000})
        EXPECT_TRUE(bands.GraphicCell(i).isNull()) << i;
    PictureClip empty(1, 10);
    EXPECT_TRUE(empty.GraphicCell(0).isNull());
    PictureClip tiny(1, 10);
    tiny.setPicture(QImage(9, 30, QImage::Format_RGB32));  // narrower than ten cells
    EXPECT_TRUE(tiny.GraphicCell(0).isNull());
}

TEST(IconCellSize, RoundsHalvesToEven)
{
    const struct {
        int innerWidth, width;
    } cases[] = {{291, 29}, {285, 28}, {295, 30}, {290, 29}, {296, 30}, {0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(IconCellSizeFor(c.innerWidth, 30).width, c.width) << c.innerWidth;
    EXPECT_EQ(IconCellSizeFor(291, 30).height, 30);
}

}  // namespace
