#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <QTemporaryDir>

// A game folder made for one test: reference files and pictures whose cells
// and bands have known colours.
class TestGame {
public:
    TestGame();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& relative) const { return m_dir.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const;

    // Variety.dat (25 entries, 1 = "One-Handed Weapon"), Skills.dat (6 entries,
    // 2 = "Edged Weapons"), Abilities.dat (20 entries, 12 = "Fire Damage").
    void writeReferenceFiles() const;
    // The reference files, sheets 1000 and 1002 (1001 missing) and the missile sheet.
    void writeStandardGame() const;
    // "Item Graphics/G<n>.bmp": ten 29 x 30 cells, each of cellColour(n, i).
    void writeSheet(int sheet) const;
    // "Game Graphics/G1702.bmp": twelve 60 x 10 bands, each of bandColour(k).
    void writeMissileSheet() const;

    static QRgb cellColour(int sheet, int cell);
    static QRgb bandColour(int band);

private:
    QTemporaryDir m_dir;
};
