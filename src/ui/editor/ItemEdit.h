#pragma once

#include "ui/editor/FormHistory.h"
#include "ui/editor/ItemAbout.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class ItemForm;
class ItemSheets;
class ScenarioLink;
class ScriptPaneState;
struct ItemScriptReading;

class QFrame;

namespace Ui {
class ItemEdit;
}

// The editor's main window: the menus and their commands, the four pages
// under their tabs and the message boxes. Its parts do the rest: the form
// holds the item, the sheets show the item's graphics, the scenario link
// compares the item with the designer's script, and the history takes each
// change back; the window creates them and connects them.
class ItemEdit : public QMainWindow {
    Q_OBJECT
public:
    // Creating the window loads it: the one-time set-up, then the reset.
    explicit ItemEdit(QString appPath, QWidget* parent = nullptr);
    ~ItemEdit() override;

    ItemForm& form() const { return *m_form; }
    ItemSheets& sheets() const { return *m_sheets; }
    ScenarioLink& scenario() const { return *m_scenario; }
    ScriptPaneState& paneState() const { return *m_paneState; }
    ItemAbout* aboutBox() const { return m_about; }

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
    // The window's look at its fixed sizes, the keyboard and the wheel.
    void FitControls();
    // The menu commands and their keys, the page keys, the history's entries.
    void BindMenus();
    // The window's steps of its one-time set-up: its fixed size, centred on
    // the screen, and the four pages stacked under the tabs.
    void PrepareWindow();
    // The reset to the starting item: the page in front selected again, which
    // applies the rule of a box left, then the form's defaults.
    void SetDefaults();
    void SelectTab(int index);          // 1 to 4
    void SelectNeighbourTab(int step);  // +1 the next page, -1 the previous, wrapping
    void TabStrip1_Click();

    // The window for its history, put together from its parts as far as
    // `scope` reaches; and put back so far, `control` then in front with the focus.
    FormSnapshot TakeSnapshot(FormHistory::Scope scope) const;
    void RestoreSnapshot(const FormSnapshot& snapshot, FormHistory::Scope scope, QWidget* control);
    // The script pane's text as a snapshot holds it, typed or not.
    void RestorePane(const FormSnapshot& snapshot);
    // Sets the form from a block read as "Paste Script into Form" reads it, one
    // step of the history named `step`, generates its script, and reports
    // under the title of the user's `command` what of `block` the form does
    // not write as the block has it.
    void Load(const ItemScriptReading& reading, const QString& step, const QString& command, const QString& block);

    std::unique_ptr<Ui::ItemEdit> ui;
    // Goes before the parts, which tell it of changes, and the controls it names in the menu.
    std::unique_ptr<FormHistory> m_history;
    QString m_appPath;
    std::array<QFrame*, 5> fraItemInfo{};  // pages 1 to 4
    ItemForm* m_form;
    ItemSheets* m_sheets;
    ScenarioLink* m_scenario;
    ScriptPaneState* m_paneState;
    QPointer<ItemAbout> m_about;
    bool m_shownOnce = false;
};
