#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Reference files are 8-bit text in the Windows character set of the game's
// platform (Windows-1252). Decodes them with the toolkit's codec; a toolkit
// built without it reads them as Latin-1, which differs only in 0x80 to 0x9F.
QString DecodeWindows1252(const QByteArray& bytes);

// The same decoding, for text taken a piece at a time.
QStringDecoder Windows1252Decoder();
