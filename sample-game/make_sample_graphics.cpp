// Draws the sample game's graphics into a game folder: the numbered item
// sheets "Item Graphics/G1000.bmp" to "G1048.bmp" (one left out on purpose,
// so the editor's not-found message can be seen) and the missile animation
// sheet "Game Graphics/G1702.bmp". Everything is drawn here; nothing is taken
// from the game.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int kIconWidth = 29;  // the editor's click cells over a 291-pixel box
constexpr int kIconHeight = 30;
constexpr int kFirstSheet = 1000;
constexpr int kLastSheet = 1048;
constexpr int kMissingSheet = 1013;
constexpr int kBandWidth = 168;
constexpr int kBandHeight = 20;

void drawIcon(QPainter& p, int kind, const QColor& colour)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    switch (kind) {
    case 0:  // sword
        p.drawRect(13, 3, 3, 17);
        p.drawRect(9, 19, 11, 2);
        p.drawRect(13, 21, 3, 5);
        break;
    case 1: {  // shield
        QPainterPath path;
        path.moveTo(6, 4);
        path.lineTo(22, 4);
        path.lineTo(22, 14);
        path.quadTo(22, 24, 14, 27);
        path.quadTo(6, 24, 6, 14);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case 2:  // potion
        p.drawRect(12, 4, 5, 6);
        p.drawEllipse(6, 9, 17, 17);
        break;
    case 3:  // ring
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 3));
        p.drawEllipse(7, 9, 15, 15);
        p.setBrush(Qt::cyan);
        p.setPen(QPen(Qt::black, 1));
        p.drawEllipse(11, 4, 7, 7);
        break;
    case 4:  // scroll
        p.drawRect(7, 7, 15, 16);
        p.drawEllipse(4, 4, 6, 6);
        p.drawEllipse(19, 20, 6, 6);
        break;
    case 5:  // helm
        p.drawChord(6, 5, 17, 22, 0, 180 * 16);
        p.drawRect(6, 15, 17, 8);
        p.fillRect(10, 17, 9, 2, Qt::black);
        break;
    case 6:  // boot
        p.drawRect(9, 4, 8, 16);
        p.drawRect(9, 19, 15, 6);
        break;
    case 7: {  // gem
        const QPointF gem[] = {{14.5, 4}, {24, 13}, {14.5, 27}, {5, 13}};
        p.drawPolygon(gem, 4);
        break;
    }
    case 8:  // key
        p.drawEllipse(5, 5, 10, 10);
        p.drawRect(13, 9, 12, 3);
        p.drawRect(20, 12, 2, 5);
        p.drawRect(24, 12, 2, 4);
        break;
    default:  // wand
        p.drawRect(5, 22, 18, 3);
        p.setBrush(Qt::yellow);
        p.drawEllipse(20, 17, 7, 7);
        break;
    }
}

bool writeSheet(const QString& path, int sheet)
{
    QImage image(kIconWidth * 10, kIconHeight, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(8);
    p.setFont(font);
    for (int cell = 0; cell < 10; ++cell) {
        p.save();
        p.translate(cell * kIconWidth, 0);
        p.fillRect(0, 0, kIconWidth, kIconHeight, (cell % 2) ? QColor(214, 214, 214) : QColor(192, 192, 192));
        const QColor colour = QColor::fromHsv(((sheet - kFirstSheet) * 37 + cell * 11) % 360, 200, 220);
        drawIcon(p, cell, colour);
        p.setPen(Qt::black);
        p.drawText(1, 8, QString::number(cell));
        p.restore();
    }
    p.setPen(Qt::darkBlue);
    p.drawText(kIconWidth * 10 - 19, kIconHeight - 1, QString::number(sheet % 100));
    p.end();
    return image.save(path, "BMP");
}

bool writeMissileSheet(const QString& path)
{
    QImage image(kBandWidth, kBandHeight * 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    for (int band = 0; band < 12; ++band) {
        p.save();
        p.translate(0, band * kBandHeight);
        p.fillRect(0, 0, kBandWidth, kBandHeight, QColor::fromHsv(band * 30, 60, 250));
        const QColor colour = QColor::fromHsv(band * 30, 230, 160);
        p.setPen(QPen(colour, 2));
        // One projectile drawn in four frames along the band.
        for (int frame = 0; frame < 4; ++frame) {
            const int x = 30 + frame * 34;
            const int y = 10 + ((band + frame) % 3 - 1) * 3;
            p.drawLine(x, y, x + 18, y);
            p.setBrush(colour);
            const QPointF head[] = {QPointF(x + 24, y), QPointF(x + 17, y - 4), QPointF(x + 17, y + 4)};
            p.drawPolygon(head, 3);
        }
        p.setPen(Qt::black);
        p.drawText(3, 14, QString::number(band));
        p.restore();
    }
    p.end();
    return image.save(path, "BMP");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_graphics <game folder>\n");
        return 2;
    }
    const QDir game(QString::fromLocal8Bit(argv[1]));
    if (!game.mkpath(QStringLiteral("Item Graphics")) || !game.mkpath(QStringLiteral("Game Graphics")))
        return 1;
    for (int sheet = kFirstSheet; sheet <= kLastSheet; ++sheet) {
        const QString path = game.filePath(QStringLiteral("Item Graphics/G%1.bmp").arg(sheet));
        if (sheet == kMissingSheet) {
            QFile::remove(path);
            continue;
        }
        if (!writeSheet(path, sheet))
            return 1;
    }
    return writeMissileSheet(game.filePath(QStringLiteral("Game Graphics/G1702.bmp"))) ? 0 : 1;
}
