#pragma once

#include "platform/TextDecoding.h"

#include <QByteArray>
#include <QString>

// The text of a scenario script, kept as the bytes of its file: UTF-8 when the
// bytes are valid UTF-8 (a byte-order mark skipped), otherwise Windows-1252 as
// the game's own files are written. A file that begins with the byte-order
// mark of UTF-16 (as a Windows editor saves "Unicode") or of UTF-32, little or
// big endian, is read in that encoding and kept converted to UTF-8. A single Ctrl+Z (0x1A) as the
// very last character ends the file. Line ends, blanks and the keys of item
// blocks are the same bytes in UTF-8 and Windows-1252, so a script is searched
// as bytes and only the lines wanted are decoded: a long script costs its size
// in memory, not the twice as much of its whole text.
class ScenarioText {
public:
    enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

    ScenarioText() = default;
    explicit ScenarioText(QByteArray fileBytes);

    // The encoding of the file, and its name as a status line gives it: "UTF-16 LE".
    Encoding FileEncoding() const { return m_encoding; }
    static QString NameOf(Encoding encoding);

    // The script's bytes, without the byte-order mark and the final Ctrl+Z.
    QByteArrayView Bytes() const { return QByteArrayView(m_bytes).sliced(m_start, m_size); }
    // A decoder for pieces of Bytes() cut at line ends, one after the other.
    TextDecoder Decoder() const;
    // The whole text.
    QString Decode() const;
    // Whether the file's byte-order mark names an encoding its bytes are not valid text of: then there is no text.
    bool Undecodable() const { return m_undecodable; }

private:
    QByteArray m_bytes;
    qsizetype m_start = 0;
    qsizetype m_size = 0;
    Encoding m_encoding = Encoding::Utf8;
    bool m_undecodable = false;
};

// Whether the file's bytes begin with a byte-order mark of UTF-16 or UTF-32.
bool HasWideMark(QByteArrayView fileBytes);

// The text of a script file's bytes, decoded whole.
inline QString DecodeScenarioText(QByteArray bytes) { return ScenarioText(std::move(bytes)).Decode(); }

// A scenario script read from disk, or what kept it from being read; the window words it.
struct ScenarioFileRead {
    enum class Result { Read, TooLarge, Binary, NotRegular, Unreadable, Undecodable };
    Result result = Result::Unreadable;
    ScenarioText text;  // when read
    // NotRegular: what the file is instead ("a named pipe"); Unreadable: the system's reason; Undecodable: the name
    // of the encoding its byte-order mark names ("UTF-16 LE").
    QString reason;
};

// Scripts are text of a few megabytes at most; anything larger is surely not one.
inline constexpr qint64 kLargestScenarioScript = qint64(32) * 1024 * 1024;

// Reads the script at `path`. A file that is not a regular file (a pipe, a
// device, a folder), one larger than kLargestScenarioScript, one holding a NUL
// byte (a binary file), and one the system cannot read are refused, with the
// reason; in a UTF-16 or UTF-32 file, a NUL character or bytes that are no
// text of it. Nothing is written, created or
// locked, and a pipe is not waited on.
ScenarioFileRead ReadScenarioFile(const QString& path);
