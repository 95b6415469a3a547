#pragma once

#include <QString>

#include <stdexcept>

// What went wrong with a reference file. Each ends the start-up.
enum class ReferenceFailure {
    FileNotFound,        // the folder or the file does not exist
    Unreadable,          // it exists but cannot be read (a folder, no permission)
    PastEndOfFile,       // the file ends inside a record: a Position without its Text
    BlankLine,           // a blank line where a record should start, before the last record
    PositionOutOfRange,  // a Position below 0 or above the number of entries so far
    NoRecords,           // the list needs at least one entry and the file has none
    TooFewRecords,       // the list needs more entries than the file has
};

// A failure of one reference file, naming the file, the record and the kind.
class ReferenceFileError : public std::runtime_error {
public:
    ReferenceFileError(ReferenceFailure kind, QString path, int record, int line, const QString& detail);

    ReferenceFailure kind() const { return m_kind; }
    const QString& path() const { return m_path; }
    int record() const { return m_record; }  // 1-based, 0 when no record is concerned
    int line() const { return m_line; }      // 1-based line where the record starts, 0 if none
    // The report for the user: file, record and line, and the kind in plain words.
    const QString& message() const { return m_message; }

private:
    ReferenceFailure m_kind;
    QString m_path;
    int m_record;
    int m_line;
    QString m_message;
};

// The kind in plain words, as the report names it.
QString DescribeFailure(ReferenceFailure kind);
