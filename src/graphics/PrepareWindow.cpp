// The one-time set-up of the editor window, and the icon picker: the click
// cells over the two sheet boxes, the icon spinners and their previews.
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "graphics/ClickCell.h"
#include "graphics/IconCellSize.h"
#include "graphics/LoadPicture.h"
#include "graphics/SheetFileDialog.h"
#include "ui/CentreOnScreen.h"

#include <QLayout>
#include <QMenuBar>

void ItemEdit::PrepareWindow()
{
    // The window: a fixed client area below the menu bar, centred on the screen.
    ui->centralwidget->setFixedSize(625, 386);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CentreOnScreen(this);

    // Click cells sized from the floor sheet box's inner area.
    const IconCellSize cell = IconCellSizeFor(ui->picFloorSheet->ScaleWidth(), ui->picFloorSheet->ScaleHeight());
    m_iconCellWidth = cell.width;
    m_iconCellHeight = cell.height;
    LayOutClickCells();

    StackPages();
    LoadMissileSheet();
    ConfigureFileDialog();
}

void ItemEdit::LayOutClickCells()
{
    const auto layOut = [this](std::array<ClickCell*, 10>& cells, PictureBox* box, const char* name,
                               const char* caption, void (ItemEdit::*handler)(int)) {
        const QPoint origin = box->contentsRect().topLeft();
        for (int i = 0; i < 10; ++i) {
            if (!cells[std::size_t(i)]) {
                auto* cell = new ClickCell(i, box);
                cell->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
                cell->setAccessibleName(QStringLiteral("%1 %2").arg(QLatin1String(caption)).arg(i));
                connect(cell, &ClickCell::clicked, this, handler);
                cells[std::size_t(i)] = cell;
            }
            ClickCell* cell = cells[std::size_t(i)];
            cell->setGeometry(origin.x() + m_iconCellWidth * i, origin.y(), m_iconCellWidth, m_iconCellHeight);
            cell->setEnabled(true);
            cell->show();
        }
    };
    layOut(imgFloorIcon, ui->picFloorSheet, "imgFloorIcon", "Floor icon", &ItemEdit::imgFloorIcon_Click);
    layOut(imgInvIcon, ui->picInvSheet, "imgInvIcon", "Inventory icon", &ItemEdit::imgInvIcon_Click);
}

void ItemEdit::ConfigureFileDialog()
{
    m_dlgFindSheet->DialogTitle = QStringLiteral("Find Custom Item Sheet");
    m_dlgFindSheet->Filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp|All Files(*.*)|*.*");
    m_dlgFindSheet->FilterIndex = 1;
    m_dlgFindSheet->Flags = kFileMustExist;
}

void ItemEdit::imgFloorIcon_Click(int index) { ui->updFloorIcon->setValue(index); }

void ItemEdit::imgInvIcon_Click(int index) { ui->updInvIcon->setValue(index); }

void ItemEdit::updFloorIcon_Change() { RefreshIconPreview(m_clpFloorIcon, ui->picFloorIcon, ui->updFloorIcon); }

void ItemEdit::updInvIcon_Change() { RefreshIconPreview(m_clpInvIcon, ui->picInvIcon, ui->updInvIcon); }

void ItemEdit::RefreshIconPreview(PictureClip& clip, PictureBox* preview, const UpDown* spinner)
{
    // An empty or unreadable sheet path leaves the preview empty.
    try {
        CutIconPreview(clip, preview, spinner);
    } catch (const PictureError&) {
        clip.setPicture(LoadPicture());
        preview->setPicture(LoadPicture());
    }
}
