#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Reference files and scenario scripts that are not UTF-8 are 8-bit text in
// the Windows character set of the game's platform (Windows-1252).

// Decodes text a piece at a time (pieces cut at line ends), as UTF-8 or as
// Windows-1252. Windows-1252 goes through the toolkit's codec where it has
// one. A toolkit without it (one built without ICU, as the Windows toolkit
// is) reads Latin-1, which differs only in 0x80 to 0x9F: the characters
// Windows-1252 has there (the euro sign, the curly quotes, the dashes) are
// put in their place.
class TextDecoder {
public:
    enum class Encoding { Utf8, Windows1252 };
    explicit TextDecoder(Encoding encoding);
    QString operator()(QByteArrayView bytes);

private:
    QStringDecoder m_decoder;
    bool m_latin1 = false;
};

QString DecodeWindows1252(const QByteArray& bytes);
