#pragma once

#include <QFile>
#include <QString>

#include <optional>

// What came of opening a file the user named.
struct RegularFileOpen {
    enum class Result { Opened, NotFound, NotRegular, Failed };
    Result result = Result::Failed;
    QString reason;  // NotRegular: what it is instead ("a named pipe"); Failed: the system's reason
};

// Opens `path` into `file` for reading, but only a regular file: a named pipe,
// a device, a socket or a folder is refused. The file is opened without
// waiting, since a pipe with no writer would hold the window up for good, and
// its kind is checked on the opened file rather than on the path, which may
// be replaced between a look and an open. Nothing is created or written.
RegularFileOpen OpenRegularFile(const QString& path, QFile& file);

// What the Open dialog asks, in the game's platform's terms.
struct OpenDialogRequest {
    QString title;
    QString filter;       // pairs of caption and patterns, separated by "|": "Bitmaps (*.bmp)|*.bmp"
    int filterIndex = 1;  // 1-based
    QString initialFolder;
    bool mustExist = false;
    quintptr owner = 0;  // the native window the dialog belongs to
};

// Where the platform's own Open dialog is the editor's, shows it: on Windows
// the common dialog, which keeps nothing of the editor's (the toolkit's dialog
// there would keep its folder history under the toolkit's key in the user's
// registry); it leaves the working folder and the recent documents as they
// are. Returns the chosen path, an empty string when the user cancels, or
// nothing on other platforms, where the toolkit's own dialog is shown.
std::optional<QString> ChooseFileToOpen(const OpenDialogRequest& request);
