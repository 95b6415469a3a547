// The item graphic sheet shown in the two sheet boxes: a numbered sheet of the
// game, or a custom picture the designer picks with "Find...".
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "graphics/LoadPicture.h"
#include "graphics/SheetFileDialog.h"
#include "startup/AppPaths.h"
#include "startup/FindIgnoringCase.h"
#include "ui/UpDown.h"

namespace {

// The dialog was cancelled: handled like a failed load.
class DialogCancelled : public PictureError {
public:
    DialogCancelled() : PictureError("cancelled") {}
};

}  // namespace

void ItemEdit::updSheetNum_Change()
{
    const int n = ui->updSheetNum->value();
    try {
        ui->picFloorSheet->Cls();
        ui->picInvSheet->Cls();
        m_sheetPath = FindIgnoringCase(AppPaths::NumberedSheetPath(m_appPath, n));
        ShowSheet();
    } catch (const PictureNotFound&) {
        // The icon previews keep what they showed.
        m_sheetPath.clear();
        ui->picFloorSheet->Cls();
        ui->picInvSheet->Cls();
        ui->picFloorSheet->setPicture(LoadPicture());
        ui->picInvSheet->setPicture(LoadPicture());
        ui->picFloorSheet->Print(QStringLiteral("File \"G") + QString::number(n) + QStringLiteral(".bmp\" not found"));
    } catch (const PictureError&) {
        // Any other failure ends the load where it happened.
    }
}

void ItemEdit::optSheetNum_Click()
{
    ui->updSheetNum->setEnabled(true);
    ui->cmdFindCustom->setEnabled(false);
    updSheetNum_Change();
}

void ItemEdit::optCustomSheet_Click()
{
    ui->updSheetNum->setEnabled(false);
    ui->cmdFindCustom->setEnabled(true);
    if (ui->lblCustomSheet->text().isEmpty()) {
        cmdFindCustom_Click();
        return;
    }
    // Reload the file last chosen, without a dialog. If it has gone or changed
    // meanwhile, that is handled like a failed load after "Find...".
    try {
        LoadCustomSheet();
    } catch (const PictureError&) {
        CustomSheetFailed();
    }
}

void ItemEdit::cmdFindCustom_Click()
{
    try {
        if (!m_dlgFindSheet->ShowOpen())
            throw DialogCancelled();
        LoadCustomSheet();
    } catch (const PictureError&) {
        CustomSheetFailed();
    }
}

void ItemEdit::CustomSheetFailed()
{
    // With no custom sheet known yet, back to the numbered sheet; otherwise the
    // custom sheet shown stays.
    if (ui->lblCustomSheet->text().isEmpty())
        SelectOption(ui->optSheetNum);
}

void ItemEdit::LoadCustomSheet()
{
    m_sheetPath = m_dlgFindSheet->FileName;
    m_dlgFindSheet->InitDir = AppPaths::FolderOfFile(m_dlgFindSheet->FileName);
    ShowSheet();
    // The custom sheet now shows in the box: a not-found message would lie about it.
    ui->picFloorSheet->Cls();
    ui->lblCustomSheet->setText(AppPaths::CustomSheetLabel(m_dlgFindSheet->FileTitle));
    ui->lblCustomSheet->setToolTip(m_dlgFindSheet->FileName);
}

void ItemEdit::ShowSheet()
{
    ui->picFloorSheet->setPicture(LoadPicture(m_sheetPath));
    ui->picInvSheet->setPicture(LoadPicture(m_sheetPath));
    CutIconPreview(m_clpFloorIcon, ui->picFloorIcon, ui->updFloorIcon);
    CutIconPreview(m_clpInvIcon, ui->picInvIcon, ui->updInvIcon);
}

void ItemEdit::CutIconPreview(PictureClip& clip, PictureBox* preview, const UpDown* spinner)
{
    clip.setPicture(LoadPicture(m_sheetPath));
    preview->setPicture(clip.GraphicCell(std::int16_t(spinner->value())));
}
