// The missile animation preview: one fixed sheet of twelve bands, read once.
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "graphics/LoadPicture.h"
#include "startup/AppPaths.h"
#include "startup/FindIgnoringCase.h"

void ItemEdit::LoadMissileSheet()
{
    // A missing or unreadable sheet: the window works without the preview.
    try {
        m_clpMissile.setPicture(LoadPicture(FindIgnoringCase(AppPaths::MissileSheetPath(m_appPath))));
    } catch (const PictureError&) {
        m_clpMissile.setPicture(LoadPicture());
    }
    updMissile_Change();
}

void ItemEdit::updMissile_Change()
{
    ui->picMissile->setPicture(m_clpMissile.GraphicCell(std::int16_t(ui->updMissile->value())));
}
