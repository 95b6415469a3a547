#pragma once

#include "graphics/SheetIconCache.h"
#include "model/ScenarioScript.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class ScenarioItemsModel;

class QLabel;
class QLineEdit;
class QTableView;

namespace Ui {
class ScenarioItems;
}

// The Scenario Items window: every item block of the open scenario script,
// with its icon, under a filter. It watches the script, so that the list
// follows the file on disk. Return or a double-click asks for a row's block
// to be loaded into the form.
class ScenarioItems : public QWidget {
    Q_OBJECT
public:
    ScenarioItems(const QString& appPath, ScriptLists lists, QWidget* parent);
    ~ScenarioItems() override;

    // Reads the scenario script at `path` and lists its item blocks with the
    // filter emptied and the first row selected. A file that cannot be read as
    // a script changes nothing: the message naming it and the reason is
    // returned. Empty when the script is listed.
    QString OpenScript(const QString& path);
    // Reads the open script again, keeping the selected item number where it
    // still exists. A script gone from its folder, or one that cannot be read
    // now, leaves the last list; the status line says why.
    void Reload();

    const QString& ScriptPath() const { return m_path; }
    // Why the list is as last read: the script is gone from its folder, or
    // cannot be read now; empty while the list follows the file.
    const QString& FileProblem() const { return m_fileProblem; }
    QString FileName() const;
    const ScenarioScript& Script() const { return m_script; }

    // Shows, raises and activates the window, the table with the focus.
    void ShowWindow();
    // Selects the first shown row of the item number.
    void SelectItemNumber(int number);
    // Marks the rows of the form's item number; -1 for none.
    void MarkItemNumber(int number);

    ScenarioItemsModel* model() const { return m_model; }
    QTableView* grdItems() const;
    QLineEdit* txtFind() const;
    QLabel* lblStatus() const;
    QLabel* lblNotes() const;

signals:
    // Return or a double-click on a row whose block can be loaded.
    void LoadRequested(const ItemScriptReading& reading);
    // The script was looked at again after it changed on disk: the list read
    // anew, or kept as last read (FileProblem says why).
    void Reread();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the folder says of the script: a save by rename shows as a new
    // change time even where the size and modification time stay.
    struct FileStamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified, changed;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp StampOf(const QString& path);

    // Reads the script at `path` into `script`; empty when it can be listed, else why not, in words without a full
    // stop, which each caller ends or goes on from.
    QString ReadScript(const QString& path, ScenarioScript& script) const;
    void List(ScenarioScript script, int keepNumber);
    void FitNumberColumns();
    // The file's problem while there is one, else what the list holds and shows.
    void ShowStatus();
    void ShowNotes();
    void txtFind_Change();
    void grdItems_Activated(const QModelIndex& index);
    void SelectRow(int row);
    void SearchNumber(const QString& digits);
    void Watch();
    void FileMayHaveChanged();

    std::unique_ptr<Ui::ScenarioItems> ui;
    ScenarioItemsModel* m_model;
    ScriptLists m_lists;
    SheetIconCache m_icons;

    QString m_path;
    ScenarioScript m_script;

    QFileSystemWatcher m_watcher;
    QTimer m_refresh;  // gathers the burst of changes one save makes
    FileStamp m_stamp;
    QString m_fileProblem;
    QString m_statusProblem;  // the status line's words for m_fileProblem
    bool m_fileChanged = false;

    QString m_typedDigits;
    QElapsedTimer m_typedAt;
};
