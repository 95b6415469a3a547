#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

#include <array>

// Item icons as a list of items shows them, cut from the game's numbered item
// sheets. Each sheet is read once, the first time an item names it.
class SheetIconCache {
public:
    explicit SheetIconCache(QString appPath) : m_appPath(std::move(appPath)) {}

    // Icon `cell` (0 to 9) of the numbered sheet; a null pixmap for another
    // cell, or where the sheet cannot be read.
    QPixmap IconOf(int sheetNumber, int cell);

    // Forgets the sheets read, so that the next icon reads its sheet afresh.
    void Clear() { m_sheets.clear(); }

private:
    using Cells = std::array<QPixmap, 10>;
    const Cells& CellsOf(int sheetNumber);

    QString m_appPath;
    QHash<int, Cells> m_sheets;  // a sheet that cannot be read has null cells
};
