#pragma once

#include <QByteArray>
#include <QString>

// Reference files are 8-bit text in the Windows character set of the game's
// platform. Decodes them with the toolkit's windows-1252 codec, or with our
// own table where the toolkit lacks that codec.
QString DecodeWindows1252(const QByteArray& bytes);

// The table-based decoding on its own: Latin-1 with the 0x80-0x9F block of
// Windows-1252 (bytes that the code page leaves undefined keep their C1 code).
QString DecodeWindows1252ByTable(const QByteArray& bytes);
