#include "refdata/Windows1252.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80 to 0x9F; zero marks a byte Windows-1252 leaves undefined.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

QString DecodeWindows1252ByTable(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        char16_t unit = byte;
        if (byte >= 0x80 && byte <= 0x9F && kHighBlock[byte - 0x80] != 0)
            unit = kHighBlock[byte - 0x80];
        *dst++ = QChar(unit);
    }
    return out;
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return DecodeWindows1252ByTable(bytes);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return DecodeWindows1252ByTable(bytes);
    return text;
}
