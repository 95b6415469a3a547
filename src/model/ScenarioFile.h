#pragma once

#include <QByteArray>
#include <QString>

// The text of a scenario script: UTF-8 when the bytes are valid UTF-8 (a
// byte-order mark skipped), otherwise Windows-1252 as the game's own files
// are written. A single Ctrl+Z (0x1A) as the very last byte ends the file.
QString DecodeScenarioText(QByteArray bytes);

// A scenario script read from disk, or why it was refused.
struct ScenarioFileRead {
    enum class Result { Read, TooLarge, Binary, Unreadable };
    Result result = Result::Unreadable;
    QString text;     // the decoded text, when read
    QString message;  // names the file and the reason, when refused
};

// Scripts are text of a few megabytes at most; anything larger is surely not one.
inline constexpr qint64 kLargestScenarioScript = qint64(32) * 1024 * 1024;

// Reads and decodes the script at `path`. A file larger than
// kLargestScenarioScript, or holding a NUL byte (a binary file), is refused,
// as is one the system cannot read, with the system's reason. Nothing is
// written, created or locked.
ScenarioFileRead ReadScenarioFile(const QString& path);
