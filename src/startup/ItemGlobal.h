#pragma once

#include <QString>

#include <memory>

class ItemEdit;

// Start-up: the program's two folders and the procedure that fills the lists
// and shows the editor window.
namespace ItemGlobal {

// The program's folder, ending in the separator; and its ItemEdit folder.
extern QString AppPath;
extern QString EditorDataPath;

// Works out the folders from the executable's own folder, creates the editor
// window, fills its lists from the three reference files, makes the first
// selections and shows the window. On a broken or missing reference file it
// reports the failure and returns no window.
std::unique_ptr<ItemEdit> Main();

// The same start-up for an executable in `executableFolder`.
std::unique_ptr<ItemEdit> StartEditor(const QString& executableFolder);

// Tells the user why the editor cannot start: on the standard error stream
// and, where a desktop shows it, in a message box.
void ReportStartupFailure(const QString& message);

}  // namespace ItemGlobal
