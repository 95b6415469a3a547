#include "ui/sheets/ItemSheets.h"

#include "graphics/IconCellSize.h"
#include "graphics/LoadPicture.h"
#include "platform/AppPaths.h"
#include "platform/FindIgnoringCase.h"
#include "ui/controls/EditorStyle.h"
#include "ui/controls/FileChooser.h"
#include "ui/controls/OptionButtons.h"
#include "ui/controls/UpDown.h"
#include "ui/sheets/IconPicker.h"
#include "ui/sheets/PictureBox.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The dialog was cancelled: handled like a failed load.
class DialogCancelled : public PictureError {
public:
    DialogCancelled() : PictureError("cancelled") {}
};

// A custom sheet could not be shown. With none known yet, back to the
// numbered sheet; otherwise the custom sheet shown stays.
void CustomSheetFailed(const ItemSheets::Controls& ui)
{
    if (ui.lblCustomSheet->text().isEmpty())
        SelectOption(ui.optSheetNum);
}

}  // namespace

ItemSheets::ItemSheets(QString appPath, const Controls& controls, QWidget* window)
    : QObject(window), m_appPath(std::move(appPath)), ui(controls), m_window(window)
{
    const auto onSelected = [this](QRadioButton* button, void (ItemSheets::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelected(ui.optSheetNum, &ItemSheets::optSheetNum_Click);
    onSelected(ui.optCustomSheet, &ItemSheets::optCustomSheet_Click);
    // A click, Space or Return on "Custom Sheet" asks for a sheet while none is known, before the choice
    // becomes a step of the history.
    connect(ui.optCustomSheet, &QRadioButton::clicked, this, [this] {
        if (ui.lblCustomSheet->text().isEmpty())
            cmdFindCustom_Click();
    });
    ui.optSheetNum->installEventFilter(this);
    ui.optCustomSheet->installEventFilter(this);
    connect(ui.cmdFindCustom, &QPushButton::clicked, this, &ItemSheets::cmdFindCustom_Click);
    connect(ui.updSheetNum, &UpDown::Change, this, &ItemSheets::updSheetNum_Change);
    connect(ui.updSheetNum, &UpDown::Change, this, &ItemSheets::ShowCustomSheetNote);
    connect(ui.optCustomSheet, &QRadioButton::toggled, this, &ItemSheets::ShowCustomSheetNote);
    QPalette warning = ui.lblCustomSheetNote->palette();
    warning.setColor(QPalette::WindowText, WarningTextColour());
    ui.lblCustomSheetNote->setPalette(warning);
    connect(ui.updFloorIcon, &UpDown::Change, this, &ItemSheets::updFloorIcon_Change);
    connect(ui.updInvIcon, &UpDown::Change, this, &ItemSheets::updInvIcon_Change);
    m_floorPicker = new IconPicker(ui.picFloorSheet, QStringLiteral("imgFloorIcon"), QStringLiteral("Floor icon"));
    m_invPicker = new IconPicker(ui.picInvSheet, QStringLiteral("imgInvIcon"), QStringLiteral("Inventory icon"));
    // The icon numbers are the form's: a click tells it which cell was chosen.
    connect(m_floorPicker, &IconPicker::Clicked, this, [this](int index) { emit IconClicked(ui.updFloorIcon, index); });
    connect(m_invPicker, &IconPicker::Clicked, this, [this](int index) { emit IconClicked(ui.updInvIcon, index); });
    connect(ui.updMissile, &UpDown::Change, this, &ItemSheets::updMissile_Change);
    // The sheet shown, numbered or custom, once its file is chosen and read.
    connect(ui.optSheetNum, &QRadioButton::clicked, this,
            [this] { emit SheetChosen(ui.optSheetNum, QStringLiteral("Sheet Number")); });
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(ui.optCustomSheet), static_cast<QAbstractButton*>(ui.cmdFindCustom)})
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { emit SheetChosen(button, QStringLiteral("Custom Sheet")); });
}

ItemSheets::~ItemSheets() = default;

void ItemSheets::PrepareWindow()
{
    // Click cells sized from the floor sheet box's inner area.
    const IconCellSize cell = IconCellSizeFor(ui.picFloorSheet->ScaleWidth(), ui.picFloorSheet->ScaleHeight());
    m_iconCellWidth = cell.width;
    m_iconCellHeight = cell.height;
    // Each picker comes before its spinner in the Tab order, as it stands left of it.
    m_floorPicker->LayOut(m_iconCellWidth, m_iconCellHeight, ui.updFloorIcon);
    m_invPicker->LayOut(m_iconCellWidth, m_iconCellHeight, ui.updInvIcon);
    m_floorPicker->ShowChosen(ui.updFloorIcon->value());
    m_invPicker->ShowChosen(ui.updInvIcon->value());
    LoadMissileSheet();
    m_dlgFindSheet.DialogTitle = QStringLiteral("Find Custom Item Sheet");
    m_dlgFindSheet.Filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp|All Files(*.*)|*.*");
    m_dlgFindSheet.FilterIndex = 1;
    m_dlgFindSheet.Flags = kFileMustExist;
}

void ItemSheets::SetDefaults()
{
    SelectOption(ui.optSheetNum);
    ui.lblCustomSheet->setText(QString());
    ui.lblCustomSheet->setToolTip(QString());
    m_dlgFindSheet.InitDir = AppPaths::DialogStartFolder(m_appPath);
}

SheetState ItemSheets::State() const
{
    return {ui.optCustomSheet->isChecked(), ui.lblCustomSheet->text(), ui.lblCustomSheet->toolTip(),
            m_dlgFindSheet.FileName,        m_dlgFindSheet.FileTitle,  m_dlgFindSheet.InitDir};
}

void ItemSheets::Restore(const SheetState& state)
{
    if (state == State())
        return;
    m_dlgFindSheet.FileName = state.dialogFileName;
    m_dlgFindSheet.FileTitle = state.dialogFileTitle;
    ui.lblCustomSheet->setText(state.label);
    ui.lblCustomSheet->setToolTip(state.path);
    SelectOption(state.custom ? ui.optCustomSheet : ui.optSheetNum);
    m_dlgFindSheet.InitDir = state.dialogInitDir;
}

// ---- The sheet shown: a numbered sheet of the game, or a custom picture the designer picks with "Find..." ----

void ItemSheets::updSheetNum_Change()
{
    const int n = ui.updSheetNum->value();
    const QString path = AppPaths::NumberedSheetPath(m_appPath, n);
    try {
        ui.picFloorSheet->Cls();
        ui.picInvSheet->Cls();
        m_sheetPath = FindIgnoringCase(path);
        ShowSheet();
    } catch (const PictureNotFound&) {
        // No sheet: the icon previews are emptied with the sheet boxes, so
        // that no icon of the sheet before stands for this one.
        m_sheetPath.clear();
        ui.picFloorSheet->Cls();
        ui.picInvSheet->Cls();
        ui.picFloorSheet->setPicture(LoadPicture());
        ui.picInvSheet->setPicture(LoadPicture());
        ClearIconPreview(m_clpFloorIcon, ui.picFloorIcon);
        ClearIconPreview(m_clpInvIcon, ui.picInvIcon);
        // The folder searched, as found in any letter case, below the file: a screen reader reads both lines.
        ui.picFloorSheet->Print(QStringLiteral("File \"G") + QString::number(n) + QStringLiteral(".bmp\" not found"));
        ui.picFloorSheet->Print(QStringLiteral("in ")
                                + QDir::toNativeSeparators(FindIgnoringCase(AppPaths::FolderOfFile(path))));
    } catch (const PictureError&) {
        // Any other failure ends the load where it happened.
    }
}

void ItemSheets::optSheetNum_Click()
{
    ui.updSheetNum->setEnabled(true);
    ui.cmdFindCustom->setEnabled(false);
    updSheetNum_Change();
}

void ItemSheets::optCustomSheet_Click()
{
    ui.updSheetNum->setEnabled(false);
    ui.cmdFindCustom->setEnabled(true);
    // With no custom sheet known, the sheet shown stays until one is chosen. Otherwise the file last chosen is
    // read again, without a dialog; if it has gone or changed meanwhile, that is handled like a failed load after
    // "Find...".
    if (ui.lblCustomSheet->text().isEmpty())
        return;
    try {
        LoadCustomSheet();
    } catch (const PictureError&) {
        CustomSheetFailed(ui);
    }
}

bool ItemSheets::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    // An arrow key moves the selection on to "Custom Sheet" as it moves it between any two options, but a keyboard
    // user passing through the options is not stopped by the file dialog: Space, Return or "Find..." opens it.
    if (watched == ui.optSheetNum && ui.optSheetNum->isChecked() && (key == Qt::Key_Right || key == Qt::Key_Down)) {
        ui.optCustomSheet->setChecked(true);
        ui.optCustomSheet->setFocus(Qt::TabFocusReason);
        emit SheetChosen(ui.optCustomSheet, QStringLiteral("Custom Sheet"));
        return true;
    }
    if (watched == ui.optCustomSheet && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        ui.optCustomSheet->click();
        return true;
    }
    return false;
}

void ItemSheets::cmdFindCustom_Click()
{
    try {
        if (!m_dlgFindSheet.ShowOpen(m_window))
            throw DialogCancelled();
        LoadCustomSheet();
    } catch (const PictureError&) {
        CustomSheetFailed(ui);
    }
}

void ItemSheets::LoadCustomSheet()
{
    m_sheetPath = m_dlgFindSheet.FileName;
    m_dlgFindSheet.InitDir = AppPaths::FolderOfFile(m_dlgFindSheet.FileName);
    ShowSheet();
    // The custom sheet now shows in the box: a not-found message would lie about it.
    ui.picFloorSheet->Cls();
    ui.lblCustomSheet->setText(AppPaths::CustomSheetLabel(m_dlgFindSheet.FileTitle));
    ui.lblCustomSheet->setToolTip(m_dlgFindSheet.FileName);
}

void ItemSheets::ShowCustomSheetNote() const
{
    const QString number = QString::number(ui.updSheetNum->value());
    const bool custom = ui.optCustomSheet->isChecked();
    ui.lblCustomSheetNote->setText(custom ? QStringLiteral("Preview only: the script writes ") + number : QString());
    const QString tip = custom ? QStringLiteral("The custom sheet only shows icons to choose from. The game reads its "
                                                "sheets by number: the script writes the Sheet Number, ")
                                     + number + QStringLiteral(", with a floor or inventory icon line.")
                               : QString();
    ui.lblCustomSheetNote->setToolTip(custom ? QStringLiteral("<p>") + tip + QStringLiteral("</p>") : QString());
    ui.lblCustomSheetNote->setAccessibleName(ui.lblCustomSheetNote->text());
    ui.lblCustomSheetNote->setAccessibleDescription(tip);
}

void ItemSheets::ShowSheet()
{
    ui.picFloorSheet->setPicture(LoadPicture(m_sheetPath));
    ui.picInvSheet->setPicture(LoadPicture(m_sheetPath));
    CutIconPreview(m_clpFloorIcon, ui.picFloorIcon, ui.updFloorIcon);
    CutIconPreview(m_clpInvIcon, ui.picInvIcon, ui.updInvIcon);
}

// ---- The icon previews ----

void ItemSheets::updFloorIcon_Change()
{
    RefreshIconPreview(m_clpFloorIcon, ui.picFloorIcon, ui.updFloorIcon);
    m_floorPicker->ShowChosen(ui.updFloorIcon->value());
}

void ItemSheets::updInvIcon_Change()
{
    RefreshIconPreview(m_clpInvIcon, ui.picInvIcon, ui.updInvIcon);
    m_invPicker->ShowChosen(ui.updInvIcon->value());
}

void ItemSheets::CutIconPreview(PictureClip& clip, PictureBox* preview, const UpDown* spinner)
{
    clip.setPicture(LoadPicture(m_sheetPath));
    preview->setPicture(clip.GraphicCell(std::int16_t(spinner->value())));
}

void ItemSheets::RefreshIconPreview(PictureClip& clip, PictureBox* preview, const UpDown* spinner)
{
    // An empty or unreadable sheet path leaves the preview empty.
    try {
        CutIconPreview(clip, preview, spinner);
    } catch (const PictureError&) {
        ClearIconPreview(clip, preview);
    }
}

void ItemSheets::ClearIconPreview(PictureClip& clip, PictureBox* preview)
{
    clip.setPicture(LoadPicture());
    preview->setPicture(LoadPicture());
}

// ---- The missile animation preview: one fixed sheet of twelve bands, read once ----

void ItemSheets::LoadMissileSheet()
{
    // A missing or unreadable sheet: the window works without the preview.
    try {
        m_clpMissile.setPicture(LoadPicture(FindIgnoringCase(AppPaths::MissileSheetPath(m_appPath))));
    } catch (const PictureError&) {
        m_clpMissile.setPicture(LoadPicture());
    }
    updMissile_Change();
}

void ItemSheets::updMissile_Change()
{
    ui.picMissile->setPicture(m_clpMissile.GraphicCell(std::int16_t(ui.updMissile->value())));
}
