#include "ui/editor/FormHistory.h"

namespace {

// Whether a step made a difference within its scope.
bool same(const FormSnapshot& a, const FormSnapshot& b, FormHistory::Scope scope)
{
    using Scope = FormHistory::Scope;
    if (scope == Scope::Pane)
        return a.pane == b.pane;
    return a.item == b.item && (scope == Scope::Item || a.sheet == b.sheet)
           && (scope != Scope::Form || (a.pane == b.pane && a.paneEnabled == b.paneEnabled));
}

}  // namespace

// One step: the form before and after, as far as the step reaches, and the
// control it changed. Steps of one run share its number and merge.
class FormHistory::Step : public QUndoCommand {
public:
    Step(FormHistory& history, const QString& name, FormSnapshot before, FormSnapshot after, Scope scope,
         QWidget* control, int run)
        : QUndoCommand(name), m_history(history), m_before(std::move(before)), m_after(std::move(after)),
          m_scope(scope), m_control(control), m_run(run)
    {
    }

    int id() const override { return m_run < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const Step*>(other);
        if (next->m_control != m_control || next->m_run != m_run)
            return false;
        m_after = next->m_after;
        // Typed and erased again: no step at all.
        setObsolete(same(m_before, m_after, m_scope));
        return true;
    }
    void undo() override { m_history.Apply(m_before, m_scope, m_control); }
    void redo() override
    {
        // The first time is the step itself, which the form already shows.
        if (m_done)
            m_history.Apply(m_after, m_scope, m_control);
        m_done = true;
    }

private:
    FormHistory& m_history;
    FormSnapshot m_before, m_after;
    Scope m_scope;
    QPointer<QWidget> m_control;
    int m_run;
    bool m_done = false;
};

FormHistory::FormHistory(Take take, Restore restore, QObject* parent)
    : QObject(parent), m_take(std::move(take)), m_restore(std::move(restore))
{
    m_stack.setUndoLimit(kStepsKept);
}

void FormHistory::Begin()
{
    m_stack.clear();
    m_current = m_take(Scope::Form);
}

void FormHistory::Changed(QWidget* control, const QString& name, Scope scope, bool run)
{
    if (m_restoring || m_commands > 0)
        return;
    FormSnapshot after = m_take(scope);
    if (same(m_current, after, scope))
        return;
    Push(name, m_current, std::move(after), scope, control, run);
}

FormHistory::Command::Command(FormHistory& history, const QString& name, ScriptAlone scriptAlone) : m_history(history)
{
    if (m_history.m_commands++ > 0 || m_history.m_restoring)
        return;
    m_history.m_commandName = name;
    m_history.m_commandScriptAlone = scriptAlone;
    m_history.m_beforeCommand = m_history.m_take(Scope::Form);
}

FormHistory::Command::~Command()
{
    if (--m_history.m_commands > 0 || m_history.m_restoring)
        return;
    FormSnapshot after = m_history.m_take(Scope::Form);
    const FormSnapshot& before = m_history.m_beforeCommand;
    const bool scriptAlone = m_history.m_commandScriptAlone == ScriptAlone::NoStep && same(before, after, Scope::Sheet)
                             && !before.paneEdited;
    if (same(before, after, Scope::Form) || scriptAlone) {
        m_history.m_current = m_history.m_take(Scope::Form);
        return;
    }
    m_history.Push(m_history.m_commandName, std::move(m_history.m_beforeCommand), std::move(after), Scope::Form,
                   nullptr, false);
}

void FormHistory::Push(const QString& name, FormSnapshot before, FormSnapshot after, Scope scope, QWidget* control,
                       bool run)
{
    if (!run)
        EndRun();
    m_stack.push(new Step(*this, name, std::move(before), std::move(after), scope, control, run ? m_run : -1));
    if (!run)
        EndRun();
    m_current = m_take(Scope::Form);
    emit FormChanged();
}

void FormHistory::Apply(const FormSnapshot& form, Scope scope, QWidget* control)
{
    m_restoring = true;
    m_restore(form, scope, control);
    m_restoring = false;
    EndRun();
    m_current = m_take(Scope::Form);
    emit FormChanged();
}
