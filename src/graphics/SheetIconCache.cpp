#include "graphics/SheetIconCache.h"

#include "graphics/LoadPicture.h"
#include "graphics/PictureClip.h"
#include "platform/AppPaths.h"
#include "platform/FindIgnoringCase.h"

QPixmap SheetIconCache::IconOf(int sheetNumber, int cell)
{
    if (cell < 0 || cell >= 10)
        return {};
    return CellsOf(sheetNumber)[std::size_t(cell)];
}

const SheetIconCache::Cells& SheetIconCache::CellsOf(int sheetNumber)
{
    const auto found = m_sheets.constFind(sheetNumber);
    if (found != m_sheets.constEnd())
        return *found;
    Cells& cells = m_sheets[sheetNumber];
    // The sheet as the form's sheet boxes find it: a strip of ten icons.
    PictureClip clip(1, 10);
    try {
        clip.setPicture(LoadPicture(FindIgnoringCase(AppPaths::NumberedSheetPath(m_appPath, sheetNumber))));
    } catch (const PictureError&) {
        return cells;
    }
    for (int i = 0; i < 10; ++i)
        cells[std::size_t(i)] = QPixmap::fromImage(clip.GraphicCell(i));
    return cells;
}
