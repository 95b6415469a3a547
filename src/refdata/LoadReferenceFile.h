#pragma once

#include "refdata/ReferenceFileError.h"
#include "refdata/ReferenceList.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Reads every record of the reference file at `path` and inserts its Text at
// its Position into each of `lists`, in the order given, before the next
// record is read. Returns the number of records read. Throws
// ReferenceFileError when the file is missing or unreadable, ends inside a
// record, or gives a Position outside 0 to the number of entries so far.
//
// The format: fields separated by commas or line ends alike, two per record
// (Position, Text). A quoted field loses its quotes and may hold commas; it
// ends at its closing quote or, when that is missing, at the end of the line.
// An unquoted field runs to the next comma or line end, without the blanks
// around it. An empty line is an empty field. CR LF, LF and CR all end a line.
// A Position that is empty or not a number reads as 0; a fractional one is
// rounded to the nearest whole number, halves to even. A single Ctrl+Z byte
// (0x1A) at the very end is an end-of-file mark, not a field. The text is
// UTF-8 where the bytes are valid UTF-8 (a byte-order mark is dropped),
// Windows-1252 otherwise.
int LoadReferenceFile(const QString& path, const std::vector<ReferenceList*>& lists);

// The same reading on bytes already in memory; `path` only names the file in
// reports.
int LoadReferenceBytes(const QByteArray& bytes, const QString& path, const std::vector<ReferenceList*>& lists);
