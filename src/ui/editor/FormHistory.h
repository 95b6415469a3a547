#pragma once

#include "ui/editor/FormSnapshot.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

// The form's history, for Undo and Redo: every change the user makes is one
// step on the toolkit's undo stack, holding the form as it was before and
// after it. A step is a run of typing in one box or of steps of one spinner,
// a tick, an option, a list choice, a click on an icon, a choice of sheet, a
// run of typing in the script pane, or a command that sets the form as a
// whole (Generate Script, Reset Editor, Clear Script, a paste, a load). The window tells the history what the user did;
// on Undo and Redo the history hands back the form to put back.
class FormHistory : public QObject {
    Q_OBJECT
public:
    // What a step changes, and so what Undo and Redo put back.
    enum class Scope {
        Item,   // the item's controls
        Sheet,  // those and the custom sheet
        Form,   // everything: also the script pane, the page in front and the focus
        Pane,   // the script pane's text, typed into it
    };
    // Reads the form as far as `scope` reaches.
    using Take = std::function<FormSnapshot(Scope scope)>;
    // Puts `form` back as far as `scope` reaches; `control`, when given, is
    // brought to the front with the focus.
    using Restore = std::function<void(const FormSnapshot& form, Scope scope, QWidget* control)>;

    // The steps kept, the latest ones.
    static constexpr int kStepsKept = 200;

    FormHistory(Take take, Restore restore, QObject* parent);

    QUndoStack* Stack() { return &m_stack; }

    // Starts from the form as it is, with nothing to undo.
    void Begin();
    // The user changed `control`, named `name` in the menu, and the form shows
    // the result. A change in a run (typing, steps of a spinner) joins the step
    // of the same control before it, until the run ends.
    void Changed(QWidget* control, const QString& name, Scope scope, bool run);
    // A run of typing or spinner steps ends: the focus moved on, or a command came.
    void EndRun() { ++m_run; }

signals:
    // The form changed by a step, an Undo or a Redo.
    void FormChanged();

public:
    // A command that sets the form as a whole, one step from the moment it is
    // made to its end, whatever it changes meanwhile; a command run within
    // another is part of it.
    class Command {
    public:
        // Whether a command that changes nothing but a script the form wrote
        // itself, not typed into, is a step.
        enum class ScriptAlone { Step, NoStep };
        Command(FormHistory& history, const QString& name, ScriptAlone scriptAlone = ScriptAlone::Step);
        ~Command();
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

    private:
        FormHistory& m_history;
    };

private:
    class Step;
    void Push(const QString& name, FormSnapshot before, FormSnapshot after, Scope scope, QWidget* control, bool run);
    void Apply(const FormSnapshot& form, Scope scope, QWidget* control);

    Take m_take;
    Restore m_restore;
    QUndoStack m_stack;
    FormSnapshot m_current;  // the whole form after the last step, Undo or Redo
    int m_run = 0;
    bool m_restoring = false;
    int m_commands = 0;  // commands under way
    QString m_commandName;
    Command::ScriptAlone m_commandScriptAlone = Command::ScriptAlone::Step;
    FormSnapshot m_beforeCommand;
};
