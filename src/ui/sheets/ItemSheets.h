#pragma once

#include "graphics/PictureClip.h"
#include "ui/controls/FileChooser.h"
#include "ui/sheets/SheetState.h"

#include <QObject>

#include <cstdint>
#include <memory>

class IconPicker;
class PictureBox;
class UpDown;

class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

// The item graphic sheets of the editor window and what is cut from them: the
// game's numbered sheet or a custom picture, shown in the floor and inventory
// sheet boxes under a row of ten click cells each; the two icon previews; the
// missile animation preview. The spinners are the form's: the sheets follow
// their values, and tell the form when an icon is clicked.
class ItemSheets : public QObject {
    Q_OBJECT
public:
    // The controls the sheets show and take choices from.
    struct Controls {
        QRadioButton* optSheetNum;
        UpDown* updSheetNum;
        QRadioButton* optCustomSheet;
        QLabel* lblCustomSheet;
        QPushButton* cmdFindCustom;
        QLabel* lblCustomSheetNote;
        PictureBox* picFloorSheet;
        PictureBox* picInvSheet;
        const UpDown* updFloorIcon;
        const UpDown* updInvIcon;
        PictureBox* picFloorIcon;
        PictureBox* picInvIcon;
        const UpDown* updMissile;
        PictureBox* picMissile;
    };

    // `window` is the file dialog's parent.
    ItemSheets(QString appPath, const Controls& controls, QWidget* window);
    ~ItemSheets() override;

    // The sheets' steps of the window's one-time set-up: the click cells sized
    // from the floor sheet box, the missile sheet read, the file dialog's settings.
    void PrepareWindow();
    // The sheets' steps of the reset: the numbered sheet in use again, the
    // custom sheet forgotten, the file dialog back in the game's folder.
    void SetDefaults();

    SheetState State() const;
    // Puts back a state the history kept; a custom sheet shown then is read
    // again from its file. Nothing happens where the state is the one shown.
    void Restore(const SheetState& state);

    // The sheet in use; empty after a numbered sheet was not found.
    const QString& SheetPath() const { return m_sheetPath; }
    std::int16_t IconCellWidth() const { return m_iconCellWidth; }
    std::int16_t IconCellHeight() const { return m_iconCellHeight; }
    const PictureClip& clpMissile() const { return m_clpMissile; }
    OpenFileDialog& dlgFindSheet() { return m_dlgFindSheet; }

signals:
    // A click on cell `index` of a sheet: the icon number of `spinner`.
    void IconClicked(const UpDown* spinner, int index);
    // The user chose the sheet shown with `button`: a step of the form's history.
    void SheetChosen(QWidget* button, const QString& step);

private:
    void updFloorIcon_Change();
    void updInvIcon_Change();
    void LoadMissileSheet();
    void updSheetNum_Change();
    void optSheetNum_Click();
    void optCustomSheet_Click();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void cmdFindCustom_Click();
    void LoadCustomSheet();
    // A custom sheet is a preview: beside it, the sheet number the script writes all the same.
    void ShowCustomSheetNote() const;
    // Shows the sheet at SheetPath in both sheet boxes and cuts both icon previews.
    void ShowSheet();
    // Reads the sheet into `clip` afresh and shows the spinner's cell in `preview`.
    void CutIconPreview(PictureClip& clip, PictureBox* preview, const UpDown* spinner);
    // The same after an icon number changed, where a sheet that cannot be read leaves the preview empty.
    void RefreshIconPreview(PictureClip& clip, PictureBox* preview, const UpDown* spinner);
    // An icon preview emptied, with the clip it is cut from.
    static void ClearIconPreview(PictureClip& clip, PictureBox* preview);
    void updMissile_Change();

    QString m_appPath;
    Controls ui;
    IconPicker* m_floorPicker;
    IconPicker* m_invPicker;

    QString m_sheetPath;
    std::int16_t m_iconCellWidth = 0;
    std::int16_t m_iconCellHeight = 0;
    PictureClip m_clpFloorIcon{1, 10};
    PictureClip m_clpInvIcon{1, 10};
    PictureClip m_clpMissile{12, 1};
    QWidget* m_window;
    OpenFileDialog m_dlgFindSheet;
};
