#include "ui/editor/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "model/BuildItemScript.h"
#include "model/ItemComparison.h"
#include "model/ReadItemScript.h"
#include "model/ScriptPaneText.h"
#include "ui/controls/AccessibleControls.h"
#include "ui/controls/BriefNote.h"
#include "ui/controls/CentreOnScreen.h"
#include "ui/controls/EditorStyle.h"
#include "ui/controls/OptionButtons.h"
#include "ui/controls/ShortcutGuard.h"
#include "ui/controls/ShowMessage.h"
#include "ui/controls/TextMenus.h"
#include "ui/controls/WheelGuard.h"
#include "ui/editor/ItemAbout.h"
#include "ui/editor/ItemForm.h"
#include "ui/editor/ScriptPaneState.h"
#include "ui/scenario/ScenarioLink.h"
#include "ui/sheets/ItemSheets.h"

#include <QApplication>
#include <QClipboard>
#include <QLayout>
#include <QShortcut>
#include <QTabBar>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

namespace {

const QString kPaste = QStringLiteral("Paste Script into Form");

}  // namespace

ItemEdit::ItemEdit(QString appPath, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::ItemEdit>()), m_appPath(std::move(appPath))
{
    InstallAccessibleControls();
    ui->setupUi(this);
    fraItemInfo = {nullptr, ui->fraItemInfo_1, ui->fraItemInfo_2, ui->fraItemInfo_3, ui->fraItemInfo_4};
    FitControls();
    ui->updSheetNum->setBuddy(ui->lblSheetNum);
    ui->updFloorIcon->setBuddy(ui->lblFloorIcon);
    ui->updInvIcon->setBuddy(ui->lblInvIcon);
    ui->updMissile->setBuddy(ui->lblMissile);

    // The parts, each handed the controls it shows; the history hears of the
    // changes the form and the sheets take from the user.
    m_history = std::make_unique<FormHistory>([this](FormHistory::Scope scope) { return TakeSnapshot(scope); },
                                              [this](const FormSnapshot& form, FormHistory::Scope scope,
                                                     QWidget* control) { RestoreSnapshot(form, scope, control); },
                                              nullptr);
    m_form = new ItemForm({ui->fraItemInfo_1, ui->fraItemInfo_2, ui->fraItemInfo_3}, *m_history, this);
    m_sheets =
        new ItemSheets(m_appPath,
                       {ui->optSheetNum, ui->updSheetNum, ui->optCustomSheet, ui->lblCustomSheet, ui->cmdFindCustom,
                        ui->lblCustomSheetNote, ui->picFloorSheet, ui->picInvSheet, ui->updFloorIcon, ui->updInvIcon,
                        ui->picFloorIcon, ui->picInvIcon, ui->updMissile, ui->picMissile},
                       this);
    m_scenario = new ScenarioLink(m_appPath, *m_form,
                                  {ui->lblNumberCheck, ui->imgNumberCheck, ui->txtScript, ui->mnuOpenScenario,
                                   ui->mnuScenarioItems, ui->mnuCompare, ui->mnuUndo, ui->mnuRedo},
                                  this);
    connect(m_form, &ItemForm::ResettingSheet, m_sheets, &ItemSheets::SetDefaults);
    connect(m_sheets, &ItemSheets::IconClicked, m_form, &ItemForm::IconClicked);
    connect(m_sheets, &ItemSheets::SheetChosen, m_history.get(), [this](QWidget* button, const QString& step) {
        m_history->Changed(button, step, FormHistory::Scope::Sheet, false);
    });
    m_paneState = new ScriptPaneState(
        {ui->txtScript, ui->lblScriptState, ui->imgScriptState},
        [this] { return GenerateScript(m_form->CurrentItem()); }, this);
    // Typing in the script pane is a step like typing in a box: the pane's
    // text is set by code only within a command or an Undo, which the history
    // does not take for the user's.
    connect(ui->txtScript, &QPlainTextEdit::textChanged, m_history.get(), [this] {
        m_history->Changed(ui->txtScript, QStringLiteral("Typing in Script"), FormHistory::Scope::Pane, true);
    });
    connect(m_history.get(), &FormHistory::FormChanged, m_scenario, &ScenarioLink::FormChanged);
    connect(m_history.get(), &FormHistory::FormChanged, m_paneState, &ScriptPaneState::Update);
    connect(m_scenario, &ScenarioLink::LoadRequested, this,
            [this](const ItemScriptReading& reading, const QString& command, const QString& block) {
                Load(reading, QStringLiteral("Load"), command, block);
                raise();
                activateWindow();
            });
    BindMenus();

    // Loading the window: the one-time set-up, then the starting item.
    PrepareWindow();
    SetDefaults();
    UseActionsInTextMenus(this, ui->mnuUndo, ui->mnuRedo);
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
    const QFont code = CodeFont(font().pixelSize());
    ui->txtScript->setFont(code);
    ui->txtScript->setTabStopDistance(8 * QFontMetricsF(code).horizontalAdvance(QLatin1Char(' ')));
    ui->txtScript->setPlaceholderText(QStringLiteral("Action > Generate Script (Ctrl+G)"));
    for (QComboBox* list : findChildren<QComboBox*>())
        WheelGuard::Attach(list);
    KeepTabOnSelectedOptions(this);
    // Clicking a tab takes the focus, so leaving a field by a tab click applies
    // its rule. The tab bar takes it: the page container around it is no stop
    // of its own, which a screen reader would announce as a bare filler.
    ui->TabStrip1->setFocusPolicy(Qt::NoFocus);
    ui->TabStrip1->tabBar()->setFocusPolicy(Qt::StrongFocus);
}

void ItemEdit::BindMenus()
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
    // offers them only while it has the focus. Shift+Tab reaches a program as
    // Backtab, with or without the Shift that made it, depending on the desktop.
    const std::pair<QKeySequence, int> pageKeys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                                     {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& [keys, step] : pageKeys) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { SelectNeighbourTab(step); });
        guarded << keys;
    }
    // F10 opens the menu bar, as on most desktops.
    const QKeySequence menuKey(Qt::Key_F10);
    connect(new QShortcut(menuKey, this), &QShortcut::activated, this,
            [this] { ui->menubar->setActiveAction(ui->mnuAction->menuAction()); });
    guarded << menuKey;
    qApp->installEventFilter(new ShortcutGuard(guarded, this));
    connect(ui->TabStrip1, &QTabWidget::currentChanged, this, &ItemEdit::TabStrip1_Click);
}

void ItemEdit::PrepareWindow()
{
    // A fixed client area below the menu bar, centred on the screen.
    ui->centralwidget->setFixedSize(625, 386);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CentreOnScreen(this);
    m_sheets->PrepareWindow();
    // The pages lie stacked under the tabs, the selected one shown.
    for (int i = 1; i <= 4; ++i) {
        QFrame* page = fraItemInfo[std::size_t(i)];
        page->move(16, 32);
        page->setFrameShape(QFrame::NoFrame);
    }
}

void ItemEdit::SetDefaults()
{
    SelectTab(ui->TabStrip1->currentIndex() + 1);
    m_form->SetDefaults();
}

// ---- Menu commands -------------------------------------------------------

void ItemEdit::mnuGenerate_Click()
{
    // One step where it changes what could not be written again: the boxes it
    // fills with 0, or a script edited by hand. Otherwise the pane held an
    // earlier script of the form, and a step for it would drop what Redo
    // could still make again.
    const FormHistory::Command step(*m_history, QStringLiteral("Generate Script"),
                                    FormHistory::Command::ScriptAlone::NoStep);
    // The controls as they are now: a box that still has the focus has not had
    // its leave-field rule yet, and gets it when the focus moves to the pane.
    m_form->FillEmptyNumbers();
    const QString script = BuildItemScript(m_form->CurrentItem());
    ui->txtScript->setEnabled(true);
    ui->txtScript->setPlainText(script);
    SelectTab(4);
    ui->txtScript->setFocus(Qt::OtherFocusReason);
    m_scenario->ShowNumberCheck(true);
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
    m_scenario->ShowNumberCheck(false);
}

void ItemEdit::mnuCopy_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QTextCursor cursor = ui->txtScript->textCursor();
    const QString pane = cursor.hasSelection() ? cursor.selectedText() : ui->txtScript->document()->toRawText();
    clipboard->setText(ScriptFromPaneText(pane));
    // A word below the script's tab, seen from every page, true of what the
    // clipboard now holds: the whole script or the lines of a selection.
    const QString part = cursor.hasSelection() ? DescribeSelectedLines(ui->txtScript->toPlainText(),
                                                                       cursor.selectionStart(), cursor.selectionEnd())
                                               : QString();
    QString note;
    switch (m_paneState->Check()) {
    case ScriptPaneState::State::Empty:
        note = QStringLiteral("Clipboard emptied: there is no script to copy. Generate (Ctrl+G) writes one.");
        break;
    case ScriptPaneState::State::Current:
        note = part.isEmpty() ? QStringLiteral("Script copied") : QStringLiteral("Copied ") + part;
        break;
    case ScriptPaneState::State::OlderThanForm:
        note = (part.isEmpty() ? QStringLiteral("Script copied, but it is")
                               : QStringLiteral("Copied ") + part + QStringLiteral(" of a script"))
               + QStringLiteral(" older than the form: Generate (Ctrl+G) brings it up to date.");
        break;
    case ScriptPaneState::State::EditedByHand:
        note = (part.isEmpty() ? QStringLiteral("Script copied") : QStringLiteral("Copied ") + part)
               + QStringLiteral(" as edited by hand: it is not what Generate (Ctrl+G) writes from the form.");
        break;
    }
    QTabBar* tabs = ui->TabStrip1->tabBar();
    ShowBriefNote(tabs, tabs->tabRect(3), note, note.size() > 20 ? 5000 : 1500);
}

void ItemEdit::mnuPaste_Click()
{
    const ItemScriptReading reading = ReadItemScript(QGuiApplication::clipboard()->text(), m_form->Lists());
    if (reading.result == ItemScriptReading::Result::NoBlock) {
        ShowMessage(this, kPaste, QMessageBox::Information,
                    QStringLiteral("The clipboard holds no item block (a line beginning with begindefineitem)."));
        return;
    }
    if (reading.result == ItemScriptReading::Result::Refused) {
        ShowMessage(this, kPaste, QMessageBox::Warning, reading.refusal);
        return;
    }
    Load(reading, QStringLiteral("Paste"), kPaste, QStringLiteral("the pasted block"));
}

void ItemEdit::mnuUndo_Click() { m_history->Stack()->undo(); }

void ItemEdit::mnuRedo_Click() { m_history->Stack()->redo(); }

void ItemEdit::mnuOpenScenario_Click() { m_scenario->OpenScript(); }

void ItemEdit::mnuScenarioItems_Click() { m_scenario->ShowItems(); }

void ItemEdit::mnuCompare_Click() { m_scenario->ShowComparison(); }

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

void ItemEdit::TabStrip1_Click()
{
    for (int i = 1; i <= 4; ++i)
        fraItemInfo[std::size_t(i)]->hide();
    const int k = ui->TabStrip1->currentIndex() + 1;
    if (k >= 1 && k <= 4)
        fraItemInfo[std::size_t(k)]->show();
}

// ---- Paste, load and the history --------------------------------------------

void ItemEdit::Load(const ItemScriptReading& reading, const QString& step, const QString& command, const QString& block)
{
    {
        const FormHistory::Command load(*m_history, step);
        // The starting item with every box unticked, then the block's lines.
        SetDefaults();
        m_form->ApplyItem(reading.item);
        mnuGenerate_Click();
    }
    const QString report = DescribeLoad(reading, AsTheScriptReadsIt(m_form->CurrentItem(), m_form->Lists()), block);
    if (!report.isEmpty())
        ShowMessage(this, command, QMessageBox::Warning, report);
}

void ItemEdit::RestorePane(const FormSnapshot& s)
{
    QPlainTextEdit* pane = ui->txtScript;
    const QString shown = pane->toPlainText();
    pane->setPlainText(s.pane);
    pane->document()->setModified(s.paneEdited);
    pane->setEnabled(s.paneEnabled);
    // The cursor where the text changed, as a text box's own undo leaves it:
    // before the typing taken back, after the typing made again.
    const qsizetype shorter = std::min(s.pane.size(), shown.size());
    qsizetype prefix = 0;
    while (prefix < shorter && s.pane[prefix] == shown[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && s.pane[s.pane.size() - 1 - suffix] == shown[shown.size() - 1 - suffix])
        ++suffix;
    QTextCursor cursor = pane->textCursor();
    cursor.setPosition(int(s.pane.size() - suffix));
    pane->setTextCursor(cursor);
}

FormSnapshot ItemEdit::TakeSnapshot(FormHistory::Scope scope) const
{
    FormSnapshot s;
    s.item = m_form->CurrentItem();
    s.sheet = m_sheets->State();
    if (scope == FormHistory::Scope::Form || scope == FormHistory::Scope::Pane) {
        s.pane = ui->txtScript->toPlainText();
        s.paneEnabled = ui->txtScript->isEnabled();
        s.paneEdited = ui->txtScript->document()->isModified();
        s.tab = ui->TabStrip1->currentIndex() + 1;
        s.focus = QApplication::focusWidget();
    }
    return s;
}

void ItemEdit::RestoreSnapshot(const FormSnapshot& s, FormHistory::Scope scope, QWidget* control)
{
    m_form->ApplyItem(s.item);
    if (scope != FormHistory::Scope::Item)
        m_sheets->Restore(s.sheet);
    if (scope == FormHistory::Scope::Form || scope == FormHistory::Scope::Pane)
        RestorePane(s);
    if (scope == FormHistory::Scope::Form) {
        SelectTab(s.tab);
        if (s.focus && s.focus->isVisible() && s.focus->isEnabled())
            s.focus->setFocus(Qt::OtherFocusReason);
        m_scenario->ShowNumberCheck(false);
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
