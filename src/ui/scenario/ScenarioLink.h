#pragma once

#include "ui/controls/FileChooser.h"

#include <QObject>
#include <QString>

#include <memory>

class CompareWindow;
class ScenarioForm;
class ScenarioItems;
class ScriptComparison;
struct ItemProperty;
struct ItemScriptReading;

class QAction;
class QLabel;
class QPlainTextEdit;
class QWidget;

// The editor's link to the designer's scenario script, read only: opening it,
// the Scenario Items window with its blocks, the form's item number checked
// against the script in the note beside the generated script, the marks
// beside the properties that differ, and the Compare window with its values
// taken onto the form.
class ScenarioLink : public QObject {
    Q_OBJECT
public:
    // The window's controls the link shows its state in.
    struct Controls {
        QLabel* lblNumberCheck;           // the note beside the generated script
        QLabel* imgNumberCheck;           // its warning mark
        const QPlainTextEdit* txtScript;  // the note shows while it holds a script
        QAction* mnuOpenScenario;         // also offered in the Scenario Items window
        QAction* mnuScenarioItems;        // enabled once a script is open
        QAction* mnuCompare;              // enabled while the item number is defined
        QAction* mnuUndo;                 // also offered in the Compare window
        QAction* mnuRedo;
    };

    // `form` is the item compared and what values are taken onto; `window`
    // the editor window, parent of the link's windows and dialogs.
    ScenarioLink(QString appPath, ScenarioForm& form, const Controls& controls, QWidget* window);
    ~ScenarioLink() override;

    // "Open Scenario Script...": the file dialog, then the script chosen.
    void OpenScript();
    // Reads the script at `path` and lists its blocks; a script that cannot be
    // read is refused with a message, and the one open before stays.
    void OpenScript(const QString& path);
    // "Scenario Items" and "Compare with Script".
    void ShowItems();
    void ShowComparison();
    // Compares the form with the open script now; `selectRows` also selects
    // the rows of its item number in the Scenario Items window.
    void ShowNumberCheck(bool selectRows);
    // The form changed: compared again soon.
    void FormChanged();

    // The Scenario Items window; null until a scenario script was opened.
    ScenarioItems* scenarioItems() const { return m_scenarioItems; }

signals:
    // A block to load into the form as a paste loads it: the user's command,
    // and the block as its report names it.
    void LoadRequested(const ItemScriptReading& reading, const QString& command, const QString& block);

private:
    void Load(const ItemScriptReading& reading, const QString& command);
    // Says beside the script pane, while it holds a script, whether the item
    // number is taken and what differs.
    void ShowNote();
    // The Compare window's commands: a property, or the whole definition at
    // `line`, taken from the script onto the form, one step of the history.
    void UseScriptValue(const ItemProperty* property);
    void UseScriptDefinition(int line);

    QString m_appPath;
    ScenarioForm& m_form;
    Controls ui;
    QWidget* m_window;
    OpenFileDialog m_dlgOpenScenario;
    ScenarioItems* m_scenarioItems = nullptr;
    ScriptComparison* m_comparison;
    CompareWindow* m_compareWindow = nullptr;
};
