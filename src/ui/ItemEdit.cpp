#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "graphics/SheetFileDialog.h"
#include "model/BuildItemScript.h"
#include "model/InputRules.h"
#include "model/ScriptPaneText.h"
#include "model/StartingItem.h"
#include "refdata/VarietyRule.h"
#include "startup/AppPaths.h"
#include "ui/AccessibleControls.h"
#include "ui/CentreOnScreen.h"
#include "ui/FieldInputFilter.h"
#include "ui/ItemAbout.h"
#include "ui/ScriptComparison.h"
#include "ui/ShortcutGuard.h"
#include "ui/WheelGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QShortcut>
#include <QTabBar>
#include <QTextCursor>
#include <QTimer>
#include <QToolTip>

ItemEdit::ItemEdit(QString appPath, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::ItemEdit>()), m_appPath(std::move(appPath))
{
    InstallAccessibleControls();
    ui->setupUi(this);
    fraItemInfo = {nullptr, ui->fraItemInfo_1, ui->fraItemInfo_2, ui->fraItemInfo_3, ui->fraItemInfo_4};
    m_cboSpecAbil = {nullptr, ui->cboSpecAbil_1, ui->cboSpecAbil_2, ui->cboSpecAbil_3, ui->cboSpecAbil_4};
    m_txtSpecAbil = {nullptr, ui->txtSpecAbil_1, ui->txtSpecAbil_2, ui->txtSpecAbil_3, ui->txtSpecAbil_4};
    m_chkSpecAbil = {nullptr, ui->chkSpecAbil_1, ui->chkSpecAbil_2, ui->chkSpecAbil_3, ui->chkSpecAbil_4};
    m_dlgFindSheet = std::make_unique<QtSheetFileDialog>(this);

    FitControls();
    ui->updSheetNum->setBuddy(ui->lblSheetNum);
    ui->updFloorIcon->setBuddy(ui->lblFloorIcon);
    ui->updInvIcon->setBuddy(ui->lblInvIcon);
    ui->updMissile->setBuddy(ui->lblMissile);

    m_history = std::make_unique<FormHistory>([this](FormHistory::Scope scope) { return TakeSnapshot(scope); },
                                              [this](const FormSnapshot& form, FormHistory::Scope scope,
                                                     QWidget* control) { RestoreSnapshot(form, scope, control); },
                                              nullptr);
    m_comparison = new ScriptComparison([this] { return m_scenarioItems; },
                                        [this] { return BuildItemScript(CurrentItem()); }, this);
    connect(m_history.get(), &FormHistory::FormChanged, m_comparison, &ScriptComparison::Schedule);
    connect(m_comparison, &ScriptComparison::Compared, this, &ItemEdit::ShowNote);
    BindProperties();
    BindControls();
    AttachInputRules();

    // Loading the window: the one-time set-up, then the starting item.
    PrepareWindow();
    SetDefaults();
    RecordSteps();
    UseFormHistoryInTextMenus();
    PlaceMarks();
}

ItemEdit::~ItemEdit() = default;

void ItemEdit::FitControls()
{
    // Labels sized to their text keep a pixel of room on either side.
    for (QLabel* label : {ui->lblItemNum, ui->lblFloor, ui->lblInv, ui->lblIconAdjust, ui->Label1}) {
        label->setMargin(1);
        label->adjustSize();
    }
    ui->lblMissile->setIndent(2);
    // The script pane is made for code: a fixed-width font at the form's size,
    // without ligatures, and a TAB eight characters wide.
    QFont code = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    code.setPixelSize(font().pixelSize());
    code.setStyleStrategy(QFont::PreferNoShaping);
    ui->txtScript->setFont(code);
    ui->txtScript->setTabStopDistance(8 * QFontMetricsF(code).horizontalAdvance(QLatin1Char(' ')));
    ui->txtScript->setPlaceholderText(QStringLiteral("Action > Generate Script (Ctrl+G)"));
    for (QComboBox* list : findChildren<QComboBox*>())
        WheelGuard::Attach(list);
    // A typed skill stays as typed: no completion from the list. Its text sits
    // as far in as the other lists' text; its typing box bears the list's name.
    ui->cboSkill->setCompleter(nullptr);
    ui->cboSkill->lineEdit()->setTextMargins(2, 0, 0, 0);
    ui->cboSkill->lineEdit()->setAccessibleName(ui->cboSkill->accessibleName());
    // Tabbing into an option group lands on its selected button.
    for (QRadioButton* option : findChildren<QRadioButton*>()) {
        connect(option, &QRadioButton::toggled, this, [option](bool on) {
            if (on)
                KeepTabOnSelectedOption(option);
        });
        if (option->isChecked())
            KeepTabOnSelectedOption(option);
    }
    // Clicking a tab takes the focus, so leaving a field by a tab click applies
    // its rule. The tab bar takes it: the page container around it is no stop
    // of its own, which a screen reader would announce as a bare filler.
    ui->TabStrip1->setFocusPolicy(Qt::NoFocus);
    ui->TabStrip1->tabBar()->setFocusPolicy(Qt::StrongFocus);
}

void ItemEdit::BindControls()
{
    connect(ui->mnuGenerate, &QAction::triggered, this, &ItemEdit::mnuGenerate_Click);
    connect(ui->mnuReset, &QAction::triggered, this, &ItemEdit::mnuReset_Click);
    connect(ui->mnuClear, &QAction::triggered, this, &ItemEdit::mnuClear_Click);
    connect(ui->mnuCopy, &QAction::triggered, this, &ItemEdit::mnuCopy_Click);
    connect(ui->mnuPaste, &QAction::triggered, this, &ItemEdit::mnuPaste_Click);
    connect(ui->mnuUndo, &QAction::triggered, this, &ItemEdit::mnuUndo_Click);
    connect(ui->mnuRedo, &QAction::triggered, this, &ItemEdit::mnuRedo_Click);
    connect(ui->mnuOpenScenario, &QAction::triggered, this, &ItemEdit::mnuOpenScenario_Click);
    connect(ui->mnuScenarioItems, &QAction::triggered, this, &ItemEdit::mnuScenarioItems_Click);
    connect(ui->mnuCompare, &QAction::triggered, this, &ItemEdit::mnuCompare_Click);
    connect(ui->mnuQuit, &QAction::triggered, this, &ItemEdit::mnuQuit_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &ItemEdit::mnuAbout_Click);
    // Undo and Redo, each named after its step, are the form's: the keys the
    // desktop knows for them too, so that none reaches a text box's own undo.
    // Each key once: an action with a key twice takes it as ambiguous and does nothing.
    const auto keys = [](QList<QKeySequence> own, QKeySequence::StandardKey desktop) {
        for (const QKeySequence& key : QKeySequence::keyBindings(desktop)) {
            if (!own.contains(key))
                own << key;
        }
        return own;
    };
    ui->mnuUndo->setShortcuts(keys({QKeySequence(Qt::CTRL | Qt::Key_Z)}, QKeySequence::Undo));
    ui->mnuRedo->setShortcuts(
        keys({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, QKeySequence::Redo));
    const QUndoStack* steps = m_history->Stack();
    connect(steps, &QUndoStack::canUndoChanged, ui->mnuUndo, &QAction::setEnabled);
    connect(steps, &QUndoStack::canRedoChanged, ui->mnuRedo, &QAction::setEnabled);
    connect(steps, &QUndoStack::undoTextChanged, this, [this](const QString& step) {
        ui->mnuUndo->setText(step.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + step);
    });
    connect(steps, &QUndoStack::redoTextChanged, this, [this](const QString& step) {
        ui->mnuRedo->setText(step.isEmpty() ? QStringLiteral("Re&do") : QStringLiteral("Re&do ") + step);
    });
    // A run of typing ends where the focus moves on, or a command comes.
    connect(qApp, &QApplication::focusChanged, m_history.get(), &FormHistory::EndRun);
    QList<QKeySequence> guarded;
    for (QAction* action : findChildren<QAction*>()) {
        connect(action, &QAction::triggered, m_history.get(), &FormHistory::EndRun);
        guarded << action->shortcuts();
    }
    // The next and previous page, from any control, as the tab strip itself
    // offers them only while it has the focus.
    const std::pair<QKeySequence, int> pageKeys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                                     {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& [keys, step] : pageKeys) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, step = step] { SelectNeighbourTab(step); });
        guarded << keys;
    }
    qApp->installEventFilter(new ShortcutGuard(guarded, this));

    connect(ui->TabStrip1, &QTabWidget::currentChanged, this, &ItemEdit::TabStrip1_Click);
    connect(ui->cboVariety, &QComboBox::currentIndexChanged, this, &ItemEdit::cboVariety_Click);
    const auto onSelected = [this](QRadioButton* button, void (ItemEdit::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelected(ui->optClear, &ItemEdit::optClear_Click);
    onSelected(ui->optImport, &ItemEdit::optImport_Click);
    onSelected(ui->optSheetNum, &ItemEdit::optSheetNum_Click);
    onSelected(ui->optCustomSheet, &ItemEdit::optCustomSheet_Click);
    connect(ui->cmdFindCustom, &QPushButton::clicked, this, &ItemEdit::cmdFindCustom_Click);
    connect(ui->updSheetNum, &UpDown::Change, this, &ItemEdit::updSheetNum_Change);
    connect(ui->updFloorIcon, &UpDown::Change, this, &ItemEdit::updFloorIcon_Change);
    connect(ui->updInvIcon, &UpDown::Change, this, &ItemEdit::updInvIcon_Change);
    connect(ui->updMissile, &UpDown::Change, this, &ItemEdit::updMissile_Change);
}

void ItemEdit::AttachInputRules()
{
    const auto leave = [this](QLineEdit* box, QString (*rule)(const QString&)) {
        return [this, box, rule] {
            const QString corrected = rule(box->text());
            if (corrected != box->text()) {
                box->setText(corrected);
                Corrected(box);
            }
        };
    };
    const auto zeroWhenFlagged = [this](QLineEdit* box, QCheckBox* flag) {
        return [this, box, flag] {
            const QString corrected = ZeroWhenFlagged(box->text(), flag->checkState() == Qt::Checked);
            if (corrected != box->text()) {
                box->setText(corrected);
                Corrected(box);
            }
        };
    };
    FieldInputFilter::Attach(ui->txtItemNum, FilterNumericKey, leave(ui->txtItemNum, ItemNumberRule));
    FieldInputFilter::Attach(ui->txtImport, FilterNumericKey, leave(ui->txtImport, ImportNumberRule));
    for (QLineEdit* box : {ui->txtDamage, ui->txtBonus, ui->txtProtect, ui->txtCharges, ui->txtEncumb})
        FieldInputFilter::Attach(box, FilterNumericKey);
    FieldInputFilter::Attach(ui->txtSpecClass, FilterNumericKey, zeroWhenFlagged(ui->txtSpecClass, ui->chkSpecClass));
    FieldInputFilter::Attach(ui->txtValue, FilterNumericKey, zeroWhenFlagged(ui->txtValue, ui->chkValue));
    FieldInputFilter::Attach(ui->txtWeight, FilterNumericKey, zeroWhenFlagged(ui->txtWeight, ui->chkWeight));
    for (int i = 1; i <= 4; ++i)
        FieldInputFilter::Attach(m_txtSpecAbil[std::size_t(i)], FilterStrengthKey);
}

QComboBox* ItemEdit::cboVariety() const { return ui->cboVariety; }
QComboBox* ItemEdit::cboSkill() const { return ui->cboSkill; }
QComboBox* ItemEdit::cboSpecAbil(int slot) const { return m_cboSpecAbil.at(std::size_t(slot)); }

void ItemEdit::SelectListEntry(QComboBox* list, int position)
{
    if (list->currentIndex() == position && list == ui->cboVariety)
        cboVariety_Click();  // selecting the same variety again still applies its rule
    list->setCurrentIndex(position);
}

void ItemEdit::setSheetFileDialog(std::unique_ptr<SheetFileDialog> dialog)
{
    dialog->DialogTitle = m_dlgFindSheet->DialogTitle;
    dialog->Filter = m_dlgFindSheet->Filter;
    dialog->FilterIndex = m_dlgFindSheet->FilterIndex;
    dialog->Flags = m_dlgFindSheet->Flags;
    dialog->InitDir = m_dlgFindSheet->InitDir;
    m_dlgFindSheet = std::move(dialog);
}

// ---- Menu commands -------------------------------------------------------

void ItemEdit::mnuGenerate_Click()
{
    // The controls as they are now: a box that still has the focus has not had
    // its leave-field rule yet, and gets it when the focus moves to the pane.
    const QString script = BuildItemScript(CurrentItem());
    ui->txtScript->setEnabled(true);
    ui->txtScript->setPlainText(script);
    SelectTab(4);
    ui->txtScript->setFocus(Qt::OtherFocusReason);
    ShowNumberCheck(true);
}

void ItemEdit::mnuReset_Click()
{
    const FormHistory::Command step(*m_history, QStringLiteral("Reset Editor"));
    SetDefaults();
    SelectTab(1);
    mnuClear_Click();
}

void ItemEdit::mnuClear_Click()
{
    const FormHistory::Command step(*m_history, QStringLiteral("Clear Script"));
    ui->txtScript->setPlainText(QString());
    ui->txtScript->setEnabled(false);
    ShowNumberCheck(false);
}

void ItemEdit::mnuCopy_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QTextCursor cursor = ui->txtScript->textCursor();
    const QString pane = cursor.hasSelection() ? cursor.selectedText() : ui->txtScript->document()->toRawText();
    clipboard->setText(ScriptFromPaneText(pane));
    // A brief word below the script's tab, seen from every page; the layout stays.
    QTabBar* tabs = ui->TabStrip1->tabBar();
    QToolTip::showText(tabs->mapToGlobal(tabs->tabRect(3).bottomLeft()), QStringLiteral("Script copied"), tabs, {},
                       1500);
}

// A menu handler like its siblings, though it needs nothing of the window.
// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
void ItemEdit::mnuQuit_Click()
{
    // Ends the event loop at once, without closing the windows; the normal
    // exit that follows lets the desktop keep a script just copied.
    QCoreApplication::exit(0);
}

void ItemEdit::mnuAbout_Click()
{
    if (m_about)
        return;
    m_about = new ItemAbout();
}

void ItemEdit::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        // The form is as start-up made it: the history starts here.
        m_history->Begin();
        // The window system reports the frame only once the window is shown.
        QTimer::singleShot(0, this, [this] { CentreOnScreen(this); });
    }
}

// ---- Pages ---------------------------------------------------------------

void ItemEdit::SelectTab(int index)
{
    if (ui->TabStrip1->currentIndex() == index - 1)
        TabStrip1_Click();
    else
        ui->TabStrip1->setCurrentIndex(index - 1);
}

void ItemEdit::SelectNeighbourTab(int step)
{
    // The way a click on the tab goes: the tab strip takes the focus, so the
    // field left gets its leave-field rule, then the tab is selected.
    ui->TabStrip1->tabBar()->setFocus(Qt::OtherFocusReason);
    SelectTab((ui->TabStrip1->currentIndex() + step + 4) % 4 + 1);
}

void ItemEdit::KeepTabOnSelectedOption(QRadioButton* selected)
{
    for (QRadioButton* option : selected->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        option->setFocusPolicy(option == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

void ItemEdit::TabStrip1_Click()
{
    for (int i = 1; i <= 4; ++i)
        fraItemInfo[std::size_t(i)]->hide();
    const int k = ui->TabStrip1->currentIndex() + 1;
    if (k >= 1 && k <= 4)
        fraItemInfo[std::size_t(k)]->show();
}

void ItemEdit::StackPages()
{
    for (int i = 1; i <= 4; ++i) {
        QFrame* page = fraItemInfo[std::size_t(i)];
        page->move(16, 32);
        page->setFrameShape(QFrame::NoFrame);
    }
}

void ItemEdit::SelectOption(QRadioButton* button)
{
    if (button->isChecked()) {
        // Selecting the selected button again still runs its reaction.
        emit button->toggled(true);
        return;
    }
    button->setChecked(true);
}

// ---- Rules ----------------------------------------------------------------

void ItemEdit::cboVariety_Click()
{
    const VarietyOutcome rule = VarietyRule(ui->cboVariety->currentIndex());
    if (rule.damage) {
        ui->fraDamage->setEnabled(true);
    } else {
        ui->chkDamage->setChecked(false);
        ui->fraDamage->setEnabled(false);
    }
    const std::pair<QGroupBox*, QCheckBox*> combat[] = {{ui->fraBonus, ui->chkBonus},
                                                        {ui->fraSkill, ui->chkSkill},
                                                        {ui->fraProtect, ui->chkProtect},
                                                        {ui->fraEncumb, ui->chkEncumb}};
    for (const auto& [frame, flag] : combat) {
        if (rule.bonus) {
            frame->setEnabled(true);
        } else {
            flag->setChecked(false);
            frame->setEnabled(false);
        }
    }
    ui->fraSpecAbil->setEnabled(rule.specAbil);
    ui->fraMissile->setEnabled(rule.missile);
}

void ItemEdit::optClear_Click() { ui->txtImport->setEnabled(false); }

void ItemEdit::optImport_Click()
{
    ui->txtImport->setEnabled(true);
    ui->txtImport->setFocus(Qt::OtherFocusReason);
}

// ---- Reset ----------------------------------------------------------------

void ItemEdit::SetDefaults()
{
    const ItemDefinition start = StartingItem();
    SelectTab(ui->TabStrip1->currentIndex() + 1);
    ui->txtItemNum->setText(start.txtItemNum);
    ui->txtImport->setEnabled(false);
    ui->txtImport->setText(start.txtImport);
    SelectOption(ui->optClear);
    ui->chkClearImport->setChecked(false);
    ui->txtName->setText(start.txtName);
    ui->chkName->setChecked(false);
    ui->txtFullName->setText(start.txtFullName);
    ui->chkFullName->setChecked(false);
    if (ui->cboVariety->count() > 0)
        SelectListEntry(ui->cboVariety, start.cboVariety.position);
    ui->chkVariety->setChecked(false);
    ui->txtDamage->setText(start.txtDamage);
    ui->chkDamage->setChecked(false);
    ui->fraDamage->setEnabled(false);
    ui->txtBonus->setText(start.txtBonus);
    ui->chkBonus->setChecked(false);
    ui->fraBonus->setEnabled(false);
    if (ui->cboSkill->count() > 0)
        SelectListEntry(ui->cboSkill, start.cboSkill.position);
    ui->chkSkill->setChecked(false);
    ui->fraSkill->setEnabled(false);
    ui->txtProtect->setText(start.txtProtect);
    ui->chkProtect->setChecked(false);
    ui->fraProtect->setEnabled(false);
    ui->txtCharges->setText(start.txtCharges);
    ui->chkCharges->setChecked(false);
    ui->txtEncumb->setText(start.txtEncumb);
    ui->chkEncumb->setChecked(false);
    ui->fraEncumb->setEnabled(false);
    ui->updSheetNum->setValue(start.updSheetNum);
    SelectOption(ui->optSheetNum);
    ui->updFloorIcon->setValue(start.updFloorIcon);
    ui->updInvIcon->setValue(start.updInvIcon);
    ui->txtIconAdjust->setText(start.txtIconAdjust);
    ui->chkIconAdjust->setChecked(false);
    ui->lblCustomSheet->setText(QString());
    ui->lblCustomSheet->setToolTip(QString());
    m_dlgFindSheet->InitDir = AppPaths::DialogStartFolder(m_appPath);
    for (int i = 1; i <= 4; ++i) {
        const AbilitySlot& slot = start.specAbil[std::size_t(i - 1)];
        QComboBox* ability = m_cboSpecAbil[std::size_t(i)];
        if (ability->count() > 0)
            SelectListEntry(ability, slot.cboSpecAbil.position);
        m_txtSpecAbil[std::size_t(i)]->setText(slot.txtSpecAbil);
        m_chkSpecAbil[std::size_t(i)]->setChecked(false);
    }
    ui->fraSpecAbil->setEnabled(false);
    ui->txtSpecClass->setText(start.txtSpecClass);
    ui->chkSpecClass->setChecked(false);
    ui->txtValue->setText(start.txtValue);
    ui->chkValue->setChecked(false);
    ui->txtWeight->setText(start.txtWeight);
    ui->chkWeight->setChecked(false);
    const std::pair<QRadioButton*, QCheckBox*> yesNo[] = {{ui->optIdentNo, ui->chkIdentify},
                                                          {ui->optMagicNo, ui->chkMagic},
                                                          {ui->optCurseNo, ui->chkCursed},
                                                          {ui->optUseOnceNo, ui->chkUseOnce},
                                                          {ui->optJunkNo, ui->chkJunk}};
    for (const auto& [no, flag] : yesNo) {
        no->setChecked(true);
        flag->setChecked(false);
    }
    ui->updMissile->setValue(start.updMissile);
    ui->fraMissile->setEnabled(false);
}

ItemAbout* ItemEdit::aboutBox() const { return m_about; }
