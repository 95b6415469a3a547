#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// What the editor's Open dialogs ask (the custom sheet's "Find..." and Open Scenario Script): the one request every
// way of choosing a file takes.
struct FileRequest {
    QString DialogTitle;
    // Pairs of description and pattern, separated by "|": "Bitmaps (*.bmp)|*.bmp|All Files(*.*)|*.*".
    QString Filter;
    int FilterIndex = 1;  // 1-based
    int Flags = 0;
    QString InitDir;
};

// Only an existing file may be chosen.
constexpr int kFileMustExist = 0x1000;

// Shows an Open dialog for `request` over `parent`: the chosen file's path, or none when the user cancels.
using FileChooser = std::function<std::optional<QString>(const FileRequest& request, QWidget* parent)>;

// Chooses a file with the chooser in use: the toolkit's own dialog unless the program (or a test) set another.
std::optional<QString> ChooseFile(const FileRequest& request, QWidget* parent);
void UseFileChooser(FileChooser chooser);

// The toolkit's own dialog, which keeps nothing between runs here (DontUseNativeDialog; the settings are kept out).
std::optional<QString> ChooseFileWithToolkitDialog(const FileRequest& request, QWidget* parent);

// Windows' common Open dialog (FileChooserWindows.cpp, built into the Windows program only): the toolkit's dialog
// there would keep its folder history under the toolkit's key in the user's registry. A dialog the system cannot
// show is reported in a message box, not taken for a cancel.
std::optional<QString> ChooseFileWithSystemDialog(const FileRequest& request, QWidget* parent);

// A file dialog of the window: the request, and the file last chosen in it.
class OpenFileDialog : public FileRequest {
public:
    // Shows the dialog: false when the user cancels; else FileName and FileTitle name the file chosen.
    bool ShowOpen(QWidget* parent);

    QString FileName;   // full path of the file last chosen
    QString FileTitle;  // its name without the folder
};
