// "Paste Script into Form" reads an item block from the clipboard back into
// the form, as loading a block of a scenario script does; "Undo Paste" puts
// the form back as it was just before either.
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
    PasteReading(reading);
}

void ItemEdit::PasteReading(const ItemScriptReading& reading)
{
    FormSnapshot before = TakeSnapshot();
    // The starting item with every box unticked, then the block's lines.
    SetDefaults();
    ApplyItem(reading.item);
    mnuGenerate_Click();
    const FormSnapshot after = TakeSnapshot();
    const bool changed = before.item != after.item || before.customSheet != after.customSheet
                         || before.customLabel != after.customLabel || before.pane != after.pane
                         || before.paneEnabled != after.paneEnabled;
    ui->mnuUndoPaste->setEnabled(changed);
    m_beforePaste = std::move(before);
    if (!reading.problems.empty())
        ShowMessage(kPaste, QMessageBox::Warning, DescribeProblems(reading));
}

void ItemEdit::mnuUndoPaste_Click()
{
    if (m_beforePaste) {
        RestoreSnapshot(*m_beforePaste);
        ShowNumberCheck(false);
    }
    m_beforePaste.reset();
    ui->mnuUndoPaste->setEnabled(false);
}

ItemEdit::FormSnapshot ItemEdit::TakeSnapshot() const
{
    return {CurrentItem(),
            ui->optCustomSheet->isChecked(),
            ui->lblCustomSheet->text(),
            ui->lblCustomSheet->toolTip(),
            m_dlgFindSheet->FileName,
            m_dlgFindSheet->FileTitle,
            m_dlgFindSheet->InitDir,
            ui->txtScript->toPlainText(),
            ui->txtScript->isEnabled(),
            ui->TabStrip1->currentIndex() + 1,
            QApplication::focusWidget()};
}

void ItemEdit::RestoreSnapshot(const FormSnapshot& s)
{
    ApplyItem(s.item);
    // The custom sheet, if one was shown, is read again from its file.
    m_dlgFindSheet->FileName = s.dialogFileName;
    m_dlgFindSheet->FileTitle = s.dialogFileTitle;
    ui->lblCustomSheet->setText(s.customLabel);
    ui->lblCustomSheet->setToolTip(s.customPath);
    SelectOption(s.customSheet ? ui->optCustomSheet : ui->optSheetNum);
    m_dlgFindSheet->InitDir = s.dialogInitDir;
    ui->txtScript->setPlainText(s.pane);
    ui->txtScript->setEnabled(s.paneEnabled);
    SelectTab(s.tab);
    if (s.focus && s.focus->isVisible() && s.focus->isEnabled())
        s.focus->setFocus(Qt::OtherFocusReason);
}

void ItemEdit::ShowMessage(const QString& title, QMessageBox::Icon icon, const QString& text)
{
    // Modal to the editor but not blocking: the form behind already shows the result.
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, this);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
