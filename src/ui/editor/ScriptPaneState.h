#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLabel;
class QPlainTextEdit;

// Whether the script pane holds what Generate would write from the form now.
// While it does not, a note beside the pane says so, and the pane's
// description tells a screen reader; Copy asks it what it copies.
class ScriptPaneState : public QObject {
    Q_OBJECT
public:
    enum class State {
        Empty,          // no script: the pane was cleared, or never generated
        Current,        // what Generate would write now
        OlderThanForm,  // the form changed since the script was generated
        EditedByHand,   // the pane was edited, and differs from what Generate would write
    };

    // The pane, the note and its mark beside it; `generated` is the script
    // Generate would write from the form now.
    struct Controls {
        QPlainTextEdit* txtScript;
        QLabel* lblScriptState;
        QLabel* imgScriptState;
    };
    ScriptPaneState(const Controls& controls, std::function<QString()> generated, QObject* parent);

    // The pane's state at this moment, worked out afresh.
    State Check() const;
    // What the note beside the pane says of `state`; empty where it says nothing.
    static QString Describe(State state);

    // The form or the pane changed: the note shows the state now.
    void Update() const;

private:
    Controls ui;
    std::function<QString()> m_generated;
};
