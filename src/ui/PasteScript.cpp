// "Paste Script into Form" reads an item block from the clipboard back into
// the form, as loading a block of a scenario script does, one step of the
// form's history; and the form read and put back for that history.
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "graphics/SheetFileDialog.h"
#include "model/ReadItemScript.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

QStringList entriesOf(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

const QString kPaste = QStringLiteral("Paste Script into Form");

}  // namespace

ScriptLists ItemEdit::FormLists() const
{
    return {entriesOf(ui->cboVariety), entriesOf(ui->cboSkill), entriesOf(ui->cboSpecAbil_1)};
}

void ItemEdit::mnuPaste_Click()
{
    const ItemScriptReading reading = ReadItemScript(QGuiApplication::clipboard()->text(), FormLists());
    if (reading.result == ItemScriptReading::Result::NoBlock) {
        ShowMessage(kPaste, QMessageBox::Information,
                    QStringLiteral("The clipboard holds no item block (a line beginning with begindefineitem)."));
        return;
    }
    if (reading.result == ItemScriptReading::Result::Refused) {
        ShowMessage(kPaste, QMessageBox::Warning, reading.refusal);
        return;
    }
    PasteReading(reading, QStringLiteral("Paste"), kPaste, QStringLiteral("the pasted block"));
}

void ItemEdit::PasteReading(const ItemScriptReading& reading, const QString& step, const QString& command,
                            const QString& block)
{
    {
        const FormHistory::Command command(*m_history, step);
        // The starting item with every box unticked, then the block's lines.
        SetDefaults();
        ApplyItem(reading.item);
        mnuGenerate_Click();
    }
    if (reading.ProblemCount() > 0)
        ShowMessage(command, QMessageBox::Warning, DescribeProblems(reading, block));
}

void ItemEdit::mnuUndo_Click() { m_history->Stack()->undo(); }

void ItemEdit::mnuRedo_Click() { m_history->Stack()->redo(); }

FormSnapshot ItemEdit::TakeSnapshot(FormHistory::Scope scope) const
{
    FormSnapshot s;
    s.item = CurrentItem();
    s.customSheet = ui->optCustomSheet->isChecked();
    s.customLabel = ui->lblCustomSheet->text();
    s.customPath = ui->lblCustomSheet->toolTip();
    s.dialogFileName = m_dlgFindSheet->FileName;
    s.dialogFileTitle = m_dlgFindSheet->FileTitle;
    s.dialogInitDir = m_dlgFindSheet->InitDir;
    if (scope == FormHistory::Scope::Form) {
        s.pane = ui->txtScript->toPlainText();
        s.paneEnabled = ui->txtScript->isEnabled();
        s.tab = ui->TabStrip1->currentIndex() + 1;
        s.focus = QApplication::focusWidget();
    }
    return s;
}

void ItemEdit::RestoreSnapshot(const FormSnapshot& s, FormHistory::Scope scope, QWidget* control)
{
    ApplyItem(s.item);
    // The custom sheet, if one was shown, is read again from its file.
    if (scope != FormHistory::Scope::Item && !s.SameSheet(TakeSnapshot(FormHistory::Scope::Sheet))) {
        m_dlgFindSheet->FileName = s.dialogFileName;
        m_dlgFindSheet->FileTitle = s.dialogFileTitle;
        ui->lblCustomSheet->setText(s.customLabel);
        ui->lblCustomSheet->setToolTip(s.customPath);
        SelectOption(s.customSheet ? ui->optCustomSheet : ui->optSheetNum);
        m_dlgFindSheet->InitDir = s.dialogInitDir;
    }
    if (scope == FormHistory::Scope::Form) {
        ui->txtScript->setPlainText(s.pane);
        ui->txtScript->setEnabled(s.paneEnabled);
        SelectTab(s.tab);
        if (s.focus && s.focus->isVisible() && s.focus->isEnabled())
            s.focus->setFocus(Qt::OtherFocusReason);
        ShowNumberCheck(false);
        return;
    }
    // The page of the change in front, the focus on the control changed.
    for (int page = 1; page <= 4 && control; ++page) {
        if (fraItemInfo[std::size_t(page)]->isAncestorOf(control))
            SelectTab(page);
    }
    if (control && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

void ItemEdit::ShowMessage(const QString& title, QMessageBox::Icon icon, const QString& text)
{
    // Modal to the editor but not blocking: the form behind already shows the result.
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, this);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
