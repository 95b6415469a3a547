#include "model/ScenarioFile.h"

#include "refdata/Windows1252.h"
#include "startup/OpenRegularFile.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr qint64 kChunk = qint64(1) << 20;

}  // namespace

bool IsUtf16(QByteArrayView fileBytes) { return fileBytes.startsWith("\xff\xfe") || fileBytes.startsWith("\xfe\xff"); }

ScenarioText::ScenarioText(QByteArray fileBytes) : m_bytes(std::move(fileBytes))
{
    if (IsUtf16(m_bytes)) {
        // Kept as UTF-8, which the lines are searched in; the mark goes with the conversion.
        m_encoding = m_bytes.startsWith('\xff') ? Encoding::Utf16LE : Encoding::Utf16BE;
        QStringDecoder utf16(m_encoding == Encoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        m_bytes = QString(utf16.decode(QByteArrayView(m_bytes).sliced(2))).toUtf8();
    }
    m_size = m_bytes.size();
    if (m_bytes.endsWith('\x1a'))
        --m_size;
    if (m_encoding == Encoding::Utf8 && !Bytes().isValidUtf8())
        m_encoding = Encoding::Windows1252;
    if (m_encoding == Encoding::Utf8 && Bytes().startsWith("\xef\xbb\xbf"))
        m_start = 3, m_size -= 3;
}

QString ScenarioText::NameOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Windows1252: return QStringLiteral("Windows-1252");
    case Encoding::Utf16LE: return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16BE: return QStringLiteral("UTF-16 BE");
    }
    return {};
}

TextDecoder ScenarioText::Decoder() const
{
    return TextDecoder(m_encoding == Encoding::Windows1252 ? TextDecoder::Encoding::Windows1252
                                                           : TextDecoder::Encoding::Utf8);
}

QString ScenarioText::Decode() const { return Decoder()(Bytes()); }

ScenarioFileRead ReadScenarioFile(const QString& path)
{
    ScenarioFileRead read;
    const QString name = QFileInfo(path).fileName();
    QFile file;
    const RegularFileOpen opened = OpenRegularFile(path, file);
    if (opened.result == RegularFileOpen::Result::NotRegular) {
        read.result = ScenarioFileRead::Result::NotRegular;
        read.message = QStringLiteral("\"%1\" is not a regular file but %2: only a file can be a scenario script.")
                           .arg(name, opened.reason);
        return read;
    }
    if (opened.result != RegularFileOpen::Result::Opened) {
        read.message = QStringLiteral("\"%1\" cannot be read: %2.").arg(name, opened.reason);
        return read;
    }
    const auto tooLarge = [&] {
        read.result = ScenarioFileRead::Result::TooLarge;
        read.message = QStringLiteral("\"%1\" is larger than 32 MiB: it is too large for a scenario script.").arg(name);
        return read;
    };
    const auto binary = [&] {
        read.result = ScenarioFileRead::Result::Binary;
        read.text = {};
        read.message = QStringLiteral("\"%1\" holds a NUL byte: it is a binary file, not a scenario script.").arg(name);
        return read;
    };
    if (file.size() > kLargestScenarioScript)
        return tooLarge();
    // A megabyte at a time, up to the limit: the file may grow while it is read.
    QByteArray bytes;
    bytes.reserve(file.size());
    for (;;) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty()) {
            if (file.error() == QFileDevice::NoError)
                break;
            read.message = QStringLiteral("\"%1\" cannot be read: %2.").arg(name, file.errorString());
            return read;
        }
        if (bytes.size() + chunk.size() > kLargestScenarioScript)
            return tooLarge();
        // UTF-16 holds a NUL byte in every ASCII character: its NUL characters are looked for once it is converted.
        if (!IsUtf16(bytes.isEmpty() ? chunk : bytes) && chunk.contains('\0'))
            return binary();
        bytes += chunk;
    }
    read.text = ScenarioText(std::move(bytes));
    if (read.text.Bytes().contains('\0'))
        return binary();
    read.result = ScenarioFileRead::Result::Read;
    return read;
}
