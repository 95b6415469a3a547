// "Open Scenario Script..." and "Scenario Items": the script's item blocks in a
// window of their own, a block loaded into the form as a paste would; the
// form compared with the script's definition of its item number, in the note
// beside the generated script, in marks on the form and in the Compare window.
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "graphics/SheetFileDialog.h"
#include "model/ItemNumberCheck.h"
#include "model/ScriptPaneText.h"
#include "startup/AppPaths.h"
#include "ui/CompareWindow.h"
#include "ui/ScenarioItems.h"
#include "ui/ScriptComparison.h"

#include <QStyle>

namespace {

// The warning beside the script pane, against the window's light ground.
const QColor kWarningText(0x8a, 0x2c, 0x00);

}  // namespace

void ItemEdit::setScenarioFileDialog(std::unique_ptr<SheetFileDialog> dialog) { m_dlgOpenScenario = std::move(dialog); }

void ItemEdit::mnuOpenScenario_Click()
{
    if (!m_dlgOpenScenario)
        m_dlgOpenScenario = std::make_unique<QtSheetFileDialog>(this);
    SheetFileDialog& dialog = *m_dlgOpenScenario;
    dialog.DialogTitle = QStringLiteral("Open Scenario Script");
    dialog.Filter = QStringLiteral("Scenario Scripts (*.txt)|*.txt|All Files|*.*");
    dialog.FilterIndex = 1;
    dialog.Flags = kFileMustExist;
    dialog.InitDir = m_scenarioItems ? AppPaths::FolderOfFile(m_scenarioItems->ScriptPath()) : m_appPath;
    if (dialog.ShowOpen())
        OpenScenarioScript(dialog.FileName);
}

void ItemEdit::OpenScenarioScript(const QString& path)
{
    if (!m_scenarioItems) {
        auto* window = new ScenarioItems(m_appPath, FormLists(), this);
        window->addAction(ui->mnuOpenScenario);
        connect(window, &ScenarioItems::LoadRequested, this, [this](const ItemScriptReading& reading) {
            LoadScenarioBlock(reading, QStringLiteral("Load from Scenario Items"));
        });
        connect(window, &ScenarioItems::Reread, this, [this] { ShowNumberCheck(false); });
        const QString refused = window->OpenScript(path);
        if (!refused.isEmpty()) {
            delete window;
            ShowMessage(QStringLiteral("Open Scenario Script"), QMessageBox::Warning, refused);
            return;
        }
        m_scenarioItems = window;
    } else if (const QString refused = m_scenarioItems->OpenScript(path); !refused.isEmpty()) {
        // The script open before stays open.
        ShowMessage(QStringLiteral("Open Scenario Script"), QMessageBox::Warning, refused);
        return;
    }
    ui->mnuScenarioItems->setEnabled(true);
    m_scenarioItems->ShowWindow();
    ShowNumberCheck(true);
}

void ItemEdit::mnuScenarioItems_Click()
{
    if (m_scenarioItems)
        m_scenarioItems->ShowWindow();
}

void ItemEdit::LoadScenarioBlock(const ItemScriptReading& reading, const QString& command)
{
    PasteReading(reading, QStringLiteral("Load"), command,
                 QStringLiteral("the definition at line %1 of %2").arg(reading.line).arg(m_scenarioItems->FileName()));
    raise();
    activateWindow();
}

void ItemEdit::ShowNumberCheck(bool selectRows)
{
    m_comparison->Compare();
    const ItemNumberCheck& check = m_comparison->Check();
    if (selectRows && m_scenarioItems && check.outcome != ItemNumberCheck::Outcome::Free)
        m_scenarioItems->SelectItemNumber(check.number);
}

void ItemEdit::ShowNote()
{
    const ItemNumberCheck& check = m_comparison->Check();
    ui->mnuCompare->setEnabled(check.outcome != ItemNumberCheck::Outcome::Free);
    const QString text =
        ui->txtScript->isEnabled() ? DescribeItemNumberCheck(check, m_comparison->FileName()) : QString();
    // A warning where pasting the script back would change the definition:
    // a property differs, or the form leaves out lines of it.
    const bool warn = check.outcome == ItemNumberCheck::Outcome::Differs || check.leftOutCount > 0;
    QPalette palette = ui->lblNumberCheck->palette();
    palette.setColor(QPalette::WindowText, warn ? kWarningText : QApplication::palette().color(QPalette::WindowText));
    ui->lblNumberCheck->setPalette(palette);
    ui->lblNumberCheck->setText(text);
    ui->lblNumberCheck->setToolTip(text);
    ui->lblNumberCheck->setVisible(!text.isEmpty());
    if (warn && ui->imgNumberCheck->pixmap().isNull())
        ui->imgNumberCheck->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    ui->imgNumberCheck->setVisible(warn && !text.isEmpty());
}

void ItemEdit::PlaceMarks()
{
    // One mark a box: a slot's ability and strength share theirs. The sheet
    // number has no box: its mark stands beside its spinner.
    for (const BoundProperty& bound : m_properties) {
        QWidget* anchor = bound.flag ? static_cast<QWidget*>(bound.flag) : bound.controls[0];
        if (bound.property->kind == PropertyKind::ItemNumber
            || PropertyOfControl(anchor->objectName()) != bound.property)
            continue;
        QList<const ItemProperty*> properties;
        QList<QWidget*> described{anchor};
        for (const BoundProperty& other : m_properties) {
            if ((bound.flag && other.flag == bound.flag) || other.property == bound.property) {
                properties << other.property;
                for (QWidget* control : other.controls) {
                    if (control && !described.contains(control))
                        described << control;
                }
            }
        }
        m_comparison->AddMark(anchor, properties, described);
    }
}

void ItemEdit::mnuCompare_Click()
{
    if (!m_compareWindow) {
        m_compareWindow = new CompareWindow(*m_comparison, this);
        m_compareWindow->addAction(ui->mnuUndo);
        m_compareWindow->addAction(ui->mnuRedo);
        connect(m_compareWindow, &CompareWindow::UseValue, this, &ItemEdit::UseScriptValue);
        connect(m_compareWindow, &CompareWindow::UseAll, this, &ItemEdit::UseScriptDefinition);
    }
    m_comparison->Compare();
    m_compareWindow->ShowWindow();
}

void ItemEdit::UseScriptValue(const ItemProperty* property)
{
    // The item as the form holds it, with the property's value and its box as
    // the script has them.
    const ItemNumberCheck& check = m_comparison->Check();
    ItemDefinition item = CurrentItem();
    const PropertyValue from = ValueOf(*property, check.compared);
    const PropertyValue to = property->value(item);
    if (from.flag)
        *to.flag = *from.flag;
    if (from.text)
        *to.text = *from.text;
    if (from.choice)
        *to.choice = *from.choice;
    if (from.number)
        *to.number = *from.number;
    if (from.yes)
        *to.yes = *from.yes;
    const FormHistory::Command step(*m_history, property->caption);
    ApplyItem(item);
    // A variety taken from the script unticks what it disables, as a choice in its list does.
    if (property->list == &ScriptLists::varieties)
        cboVariety_Click();
}

void ItemEdit::UseScriptDefinition(int line)
{
    for (const int at : m_scenarioItems->Script().BlocksNumbered(m_comparison->Check().number)) {
        const ScenarioBlock& block = m_scenarioItems->Script().Blocks()[std::size_t(at)];
        if (block.line == line)
            LoadScenarioBlock(m_scenarioItems->Script().Read(block), QStringLiteral("Use All Script Values"));
    }
}
