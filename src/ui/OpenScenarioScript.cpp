// "Open Scenario Script..." and "Scenario Items": the script's item blocks in a
// window of their own, a block loaded into the form as a paste would, and the
// generated item number looked up in the script.
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "graphics/SheetFileDialog.h"
#include "model/ItemNumberCheck.h"
#include "model/ScriptPaneText.h"
#include "startup/AppPaths.h"
#include "ui/ScenarioItems.h"

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
        connect(window, &ScenarioItems::LoadRequested, this, &ItemEdit::LoadScenarioBlock);
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

void ItemEdit::LoadScenarioBlock(const ItemScriptReading& reading)
{
    PasteReading(reading, QStringLiteral("Load"));
    raise();
    activateWindow();
}

void ItemEdit::ShowNumberCheck(bool selectRows)
{
    if (!m_scenarioItems)
        return;
    ItemNumberCheck check;
    if (ui->txtScript->isEnabled()) {
        check = CheckItemNumber(m_scenarioItems->Script(), ScriptFromPaneText(ui->txtScript->document()->toRawText()));
    }
    const QString text = DescribeItemNumberCheck(check, m_scenarioItems->FileName());
    const bool differs = check.outcome == ItemNumberCheck::Outcome::Differs;
    QPalette palette = ui->lblNumberCheck->palette();
    palette.setColor(QPalette::WindowText,
                     differs ? kWarningText : QApplication::palette().color(QPalette::WindowText));
    ui->lblNumberCheck->setPalette(palette);
    ui->lblNumberCheck->setText(text);
    ui->lblNumberCheck->setToolTip(text);
    ui->lblNumberCheck->setVisible(!text.isEmpty());
    if (differs && ui->imgNumberCheck->pixmap().isNull())
        ui->imgNumberCheck->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    ui->imgNumberCheck->setVisible(differs);
    if (selectRows && check.outcome != ItemNumberCheck::Outcome::Free)
        m_scenarioItems->SelectItemNumber(check.number);
}
