#pragma once

#include <QFile>
#include <QString>

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
