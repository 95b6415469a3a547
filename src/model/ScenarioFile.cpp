#include "model/ScenarioFile.h"

#include "refdata/Windows1252.h"
#include "startup/OpenRegularFile.h"

#include <QFileInfo>

namespace {

constexpr qint64 kChunk = qint64(1) << 20;

}  // namespace

ScenarioText::ScenarioText(QByteArray fileBytes) : m_bytes(std::move(fileBytes)), m_size(m_bytes.size())
{
    if (m_bytes.endsWith('\x1a'))
        --m_size;
    m_utf8 = Bytes().isValidUtf8();
    if (m_utf8 && Bytes().startsWith("\xef\xbb\xbf"))
        m_start = 3, m_size -= 3;
}

TextDecoder ScenarioText::Decoder() const
{
    return TextDecoder(m_utf8 ? TextDecoder::Encoding::Utf8 : TextDecoder::Encoding::Windows1252);
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
        if (chunk.contains('\0')) {
            read.result = ScenarioFileRead::Result::Binary;
            read.message =
                QStringLiteral("\"%1\" holds a NUL byte: it is a binary file, not a scenario script.").arg(name);
            return read;
        }
        bytes += chunk;
    }
    read.result = ScenarioFileRead::Result::Read;
    read.text = ScenarioText(std::move(bytes));
    return read;
}
