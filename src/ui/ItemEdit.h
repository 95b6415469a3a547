#pragma once

#include "graphics/PictureClip.h"
#include "model/ItemDefinition.h"
#include "model/ItemProperties.h"
#include "ui/FormHistory.h"
#include "ui/ItemAbout.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class ClickCell;
class CompareWindow;
class ScriptComparison;
class PictureBox;
class ScenarioItems;
struct ItemScriptReading;
struct ScriptLists;
class UpDown;

class QCheckBox;
class QComboBox;
class QGroupBox;
class QFrame;
class QLineEdit;
class QRadioButton;
class SheetFileDialog;

namespace Ui {
class ItemEdit;
}

// The editor's main window. Its controls are the item being edited; the menu
// commands generate, reset, clear, copy and quit.
class ItemEdit : public QMainWindow {
    Q_OBJECT
public:
    // Creating the window loads it: the one-time set-up, then the reset.
    explicit ItemEdit(QString appPath, QWidget* parent = nullptr);
    ~ItemEdit() override;

    // The item as the controls hold it at this moment, and the reverse: every
    // control set to hold `item`, the variety first (ItemBinding.cpp).
    ItemDefinition CurrentItem() const;
    void ApplyItem(const ItemDefinition& item);

    // The lookup lists start-up fills, and the selections it makes.
    QComboBox* cboVariety() const;
    QComboBox* cboSkill() const;
    QComboBox* cboSpecAbil(int slot) const;  // slot 1 to 4
    void SelectListEntry(QComboBox* list, int position);

    // The sheet in use; empty after a numbered sheet was not found.
    const QString& SheetPath() const { return m_sheetPath; }
    std::int16_t IconCellWidth() const { return m_iconCellWidth; }
    std::int16_t IconCellHeight() const { return m_iconCellHeight; }
    const PictureClip& clpMissile() const { return m_clpMissile; }
    SheetFileDialog& dlgFindSheet() { return *m_dlgFindSheet; }
    // Lets tests answer the file dialog.
    void setSheetFileDialog(std::unique_ptr<SheetFileDialog> dialog);
    // The same for the "Open Scenario Script" dialog.
    void setScenarioFileDialog(std::unique_ptr<SheetFileDialog> dialog);
    // The Scenario Items window; null until a scenario script was opened.
    ScenarioItems* scenarioItems() const { return m_scenarioItems; }
    ItemAbout* aboutBox() const;

    // Menu commands.
    void mnuGenerate_Click();
    void mnuReset_Click();
    void mnuClear_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuOpenScenario_Click();
    void mnuScenarioItems_Click();
    void mnuCompare_Click();
    void mnuQuit_Click();
    void mnuAbout_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A property of the item and its controls on the form (ItemBinding.cpp):
    // the value's, as the property names them, and the "Display in script" box.
    struct BoundProperty {
        const ItemProperty* property;
        std::array<QWidget*, 3> controls;
        QCheckBox* flag;
    };
    void BindProperties();

    // The form for its history (PasteScript.cpp): read as far as `scope`
    // reaches, and put back so far, `control` then in front with the focus.
    FormSnapshot TakeSnapshot(FormHistory::Scope scope = FormHistory::Scope::Form) const;
    void RestoreSnapshot(const FormSnapshot& snapshot, FormHistory::Scope scope, QWidget* control);
    // Tells the history of every change the user makes to the form (ItemBinding.cpp).
    void RecordSteps();
    // A leave-field rule corrected the box: part of the step of its typing.
    void Corrected(QLineEdit* box);
    // The text boxes' own Undo and Redo, in their menus too, are the form's.
    void UseFormHistoryInTextMenus();
    // A message over the form that waits for OK without holding up the caller.
    void ShowMessage(const QString& title, QMessageBox::Icon icon, const QString& text);
    // The editor's three lookup lists, as a script reader takes them.
    ScriptLists FormLists() const;
    // Sets the form from a block read as "Paste Script into Form" reads it, one
    // step of the history named `step`, and reports the lines not applied of
    // `block` under the title of the user's `command`.
    void PasteReading(const ItemScriptReading& reading, const QString& step, const QString& command,
                      const QString& block);

    // The open scenario script (OpenScenarioScript.cpp).
    void OpenScenarioScript(const QString& path);
    void LoadScenarioBlock(const ItemScriptReading& reading, const QString& command);
    // Compares the form with the open script now; `selectRows` also selects
    // the rows of its item number in the Scenario Items window.
    void ShowNumberCheck(bool selectRows);
    // Says beside the script pane, while it holds a script, whether the item
    // number is taken and what differs.
    void ShowNote();
    // A mark beside each "Display in script" box, and the sheet number, for
    // the properties that differ from the script.
    void PlaceMarks();
    // The Compare window's commands: a property, or the whole definition at
    // `line`, taken from the script onto the form, one step of the history.
    void UseScriptValue(const ItemProperty* property);
    void UseScriptDefinition(int line);

    // Window set-up and reset.
    void FitControls();  // the form's look at its fixed sizes, the keyboard and the wheel
    void PrepareWindow();
    void LayOutClickCells();
    void StackPages();
    void LoadMissileSheet();
    void ConfigureFileDialog();
    void SetDefaults();
    void BindControls();
    void AttachInputRules();
    void SelectTab(int index);          // 1 to 4
    void SelectNeighbourTab(int step);  // +1 the next page, -1 the previous, wrapping
    static void KeepTabOnSelectedOption(QRadioButton* selected);
    static void SelectOption(QRadioButton* button);

    // Reactions of the controls.
    void TabStrip1_Click();
    void cboVariety_Click();
    void optClear_Click();
    void optImport_Click();

    // Item graphic sheets.
    void updSheetNum_Change();
    void optSheetNum_Click();
    void optCustomSheet_Click();
    void cmdFindCustom_Click();
    void LoadCustomSheet();
    void CustomSheetFailed();
    // Shows the sheet at SheetPath in both sheet boxes and cuts both icon previews.
    void ShowSheet();
    // Reads the sheet into `clip` afresh and shows the spinner's cell in `preview`.
    void CutIconPreview(PictureClip& clip, PictureBox* preview, const UpDown* spinner);
    // The same after an icon number changed, where a sheet that cannot be read leaves the preview empty.
    void RefreshIconPreview(PictureClip& clip, PictureBox* preview, const UpDown* spinner);

    // Icon picker and missile preview.
    void imgFloorIcon_Click(int index);
    void imgInvIcon_Click(int index);
    void updFloorIcon_Change();
    void updInvIcon_Change();
    void updMissile_Change();

    std::unique_ptr<Ui::ItemEdit> ui;
    // Goes before the controls it names in the menu: its stack tells of its end.
    std::unique_ptr<FormHistory> m_history;
    QString m_appPath;
    std::vector<BoundProperty> m_properties;

    std::array<QFrame*, 5> fraItemInfo{};       // pages 1 to 4
    std::array<QComboBox*, 5> m_cboSpecAbil{};  // slots 1 to 4
    std::array<QLineEdit*, 5> m_txtSpecAbil{};
    std::array<QCheckBox*, 5> m_chkSpecAbil{};
    std::array<ClickCell*, 10> imgFloorIcon{};
    std::array<ClickCell*, 10> imgInvIcon{};

    QString m_sheetPath;
    std::int16_t m_iconCellWidth = 0;
    std::int16_t m_iconCellHeight = 0;
    PictureClip m_clpFloorIcon{1, 10};
    PictureClip m_clpInvIcon{1, 10};
    PictureClip m_clpMissile{12, 1};
    std::unique_ptr<SheetFileDialog> m_dlgFindSheet;

    std::unique_ptr<SheetFileDialog> m_dlgOpenScenario;  // made on first use, as is the window
    ScenarioItems* m_scenarioItems = nullptr;
    ScriptComparison* m_comparison;
    CompareWindow* m_compareWindow = nullptr;
    QPointer<ItemAbout> m_about;
    bool m_shownOnce = false;
};
