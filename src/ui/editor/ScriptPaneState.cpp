#include "ui/editor/ScriptPaneState.h"

#include "model/ScriptPaneText.h"
#include "ui/controls/EditorStyle.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>

ScriptPaneState::ScriptPaneState(const Controls& controls, std::function<QString()> generated, QObject* parent)
    : QObject(parent), ui(controls), m_generated(std::move(generated))
{
    QPalette palette = ui.lblScriptState->palette();
    palette.setColor(QPalette::WindowText, WarningTextColour());
    ui.lblScriptState->setPalette(palette);
    connect(ui.txtScript, &QPlainTextEdit::textChanged, this, &ScriptPaneState::Update);
}

ScriptPaneState::State ScriptPaneState::Check() const
{
    const QString pane = ScriptFromPaneText(ui.txtScript->document()->toRawText());
    if (pane.isEmpty())
        return State::Empty;
    if (pane == m_generated())
        return State::Current;
    // The pane's document is marked modified by typing only: Generate, Clear
    // and Undo set its text anew and clear the mark.
    return ui.txtScript->document()->isModified() ? State::EditedByHand : State::OlderThanForm;
}

QString ScriptPaneState::Describe(State state)
{
    switch (state) {
    case State::OlderThanForm:
        return QStringLiteral("Older than the form: Generate (Ctrl+G) brings the script up to date.");
    case State::EditedByHand:
        return QStringLiteral("Edited by hand: not what Generate (Ctrl+G) writes from the form now.");
    case State::Empty:
    case State::Current: break;
    }
    return {};
}

void ScriptPaneState::Update() const
{
    const QString note = Describe(Check());
    ui.lblScriptState->setText(note);
    ui.lblScriptState->setVisible(!note.isEmpty());
    if (!note.isEmpty() && ui.imgScriptState->pixmap().isNull())
        ui.imgScriptState->setPixmap(
            ui.imgScriptState->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    ui.imgScriptState->setVisible(!note.isEmpty());
    ui.txtScript->setAccessibleDescription(note);
}
