#pragma once

#include "model/ScriptPaneText.h"
#include "startup/ItemGlobal.h"
#include "ui/controls/FileChooser.h"
#include "ui/editor/ItemEdit.h"
#include "ui/editor/ItemForm.h"
#include "ui/scenario/ScenarioLink.h"
#include "ui/sheets/ItemSheets.h"

#include <QTest>
#include <QtWidgets>

// A copy of the sample game folder the build lays out, made for one test.
class TestGame {
public:
    TestGame()
    {
        const QDir sample(qEnvironmentVariable("ITEMEDIT_SAMPLE_GAME"));  // the build's game folder, set by CTest
        for (QDirIterator it(sample.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString relative = sample.relativeFilePath(it.next());
            if (!relative.contains(u'/'))
                continue;  // the editor itself
            QDir().mkpath(QFileInfo(filePath(relative)).path());
            QFile::copy(it.filePath(), filePath(relative));
        }
    }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& relative) const { return m_dir.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(filePath(relative)).path());
        QFile file(filePath(relative));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(relative));
    }

private:
    QTemporaryDir m_dir;
};

// Answers a file dialog from a queue: a path chooses it, an empty string cancels.
struct ScriptedDialog {
    QStringList answers, seen;
    ScriptedDialog()
    {
        UseFileChooser([this](const FileRequest& r, QWidget*) -> std::optional<QString> {
            seen << QStringList{r.DialogTitle, r.Filter, QString::number(r.FilterIndex), QString::number(r.Flags),
                                r.InitDir}
                        .join(u'|');
            const QString chosen = answers.value(seen.size() - 1);
            return chosen.isEmpty() ? std::nullopt : std::optional(chosen);
        });
    }
    ~ScriptedDialog() { UseFileChooser(ChooseFileWithToolkitDialog); }
};

// A control of the window by its name; a missing one ends the test run.
template <class T>
T* control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// The focus stops of `window` that a screen reader would meet as no control at all: a bare filler.
inline QStringList fillersIn(QWidget* window)
{
    QStringList found;
    for (QWidget* each : window->findChildren<QWidget*>()) {
        const QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(each);
        if (each->window() == window && seen->state().focusable
            && QList{QAccessible::NoRole, QAccessible::Client, QAccessible::Pane}.contains(seen->role()))
            found << each->objectName();
    }
    return found;
}

// The editor started on `folder` as the program starts it, shown and active.
inline std::unique_ptr<ItemEdit> startEditor(const QString& folder)
{
    std::unique_ptr<ItemEdit> window = ItemGlobal::StartEditor(folder);
    if (window) {
        window->activateWindow();
        QTest::qWaitForWindowActive(window.get());
    }
    return window;
}

// The editor on a copy of the sample game made for one test, and its controls by name.
struct EditorOnSampleGame {
    std::unique_ptr<TestGame> game;
    std::unique_ptr<ItemEdit> w;

    bool startOnNewGame()
    {
        game = std::make_unique<TestGame>();
        return bool(w = startEditor(game->path()));
    }
    template <class T = QWidget>
    T* c(const QString& name)
    {
        return control<T>(w.get(), name);
    }
};

// The script pane's text with its CR LF line breaks, as Copy hands it on.
inline QString paneText(QWidget* window)
{
    return ScriptFromPaneText(control<QPlainTextEdit>(window, "txtScript")->document()->toRawText());
}
