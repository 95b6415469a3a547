#include "TestGame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

TestGame::TestGame() = default;

void TestGame::write(const QString& relative, const QByteArray& bytes) const
{
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

namespace {

QByteArray numbered(const QStringList& entries)
{
    QByteArray out;
    for (int i = 0; i < entries.size(); ++i)
        out += QByteArray::number(i) + ",\"" + entries[i].toLatin1() + "\"\r\n";
    return out;
}

}  // namespace

void TestGame::writeReferenceFiles() const
{
    QStringList varieties;
    for (int i = 0; i < 25; ++i)
        varieties << QStringLiteral("Variety %1").arg(i);
    varieties[1] = QStringLiteral("One-Handed Weapon");
    QStringList abilities;
    for (int i = 0; i < 20; ++i)
        abilities << QStringLiteral("Ability %1").arg(i);
    abilities[12] = QStringLiteral("Fire Damage");
    write(QStringLiteral("ItemEdit/Variety.dat"), numbered(varieties));
    write(QStringLiteral("ItemEdit/Skills.dat"),
          numbered({"Strength", "Dexterity", "Edged Weapons", "Bashing", "Pole Arms", "Bows"}));
    write(QStringLiteral("ItemEdit/Abilities.dat"), numbered(abilities));
}

void TestGame::writeStandardGame() const
{
    writeReferenceFiles();
    writeSheet(1000);
    writeSheet(1002);
    writeMissileSheet();
}

QRgb TestGame::cellColour(int sheet, int cell) { return qRgb((sheet - 1000) * 5, cell * 25, 77); }

QRgb TestGame::bandColour(int band) { return qRgb(band * 20, 200, 10); }

void TestGame::writeSheet(int sheet) const
{
    QImage image(290, 30, QImage::Format_RGB32);
    for (int cell = 0; cell < 10; ++cell)
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 29; ++x)
                image.setPixel(cell * 29 + x, y, cellColour(sheet, cell));
    QDir().mkpath(filePath(QStringLiteral("Item Graphics")));
    image.save(filePath(QStringLiteral("Item Graphics/G%1.bmp").arg(sheet)), "BMP");
}

void TestGame::writeMissileSheet() const
{
    QImage image(60, 120, QImage::Format_RGB32);
    for (int band = 0; band < 12; ++band)
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 60; ++x)
                image.setPixel(x, band * 10 + y, bandColour(band));
    QDir().mkpath(filePath(QStringLiteral("Game Graphics")));
    image.save(filePath(QStringLiteral("Game Graphics/G1702.bmp")), "BMP");
}
