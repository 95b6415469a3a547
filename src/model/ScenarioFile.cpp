#include "model/ScenarioFile.h"

#include "platform/OpenRegularFile.h"
#include "platform/TextDecoding.h"

#include <QStringDecoder>

#include <optional>
#include <utility>

namespace {

constexpr qint64 kChunk = qint64(1) << 20;

// The encoding a byte-order mark of UTF-16 or UTF-32 names, as the toolkit finds it.
std::optional<std::pair<ScenarioText::Encoding, QStringConverter::Encoding>> WideEncoding(QByteArrayView bytes)
{
    using E = ScenarioText::Encoding;
    switch (const auto marked = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8); marked) {
    case QStringConverter::Utf16LE: return std::pair(E::Utf16LE, marked);
    case QStringConverter::Utf16BE: return std::pair(E::Utf16BE, marked);
    case QStringConverter::Utf32LE: return std::pair(E::Utf32LE, marked);
    case QStringConverter::Utf32BE: return std::pair(E::Utf32BE, marked);
    default: return std::nullopt;
    }
}

}  // namespace

bool HasWideMark(QByteArrayView fileBytes) { return WideEncoding(fileBytes).has_value(); }

ScenarioText::ScenarioText(QByteArray fileBytes) : m_bytes(std::move(fileBytes))
{
    if (const auto wide = WideEncoding(m_bytes)) {
        // Kept as UTF-8, which the lines are searched in; the mark goes with the conversion. A sequence the
        // encoding cannot hold, or one cut off by the end of the file, leaves no text rather than a guess.
        m_encoding = wide->first;
        QStringDecoder decoder(wide->second, QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(m_bytes);
        const qsizetype unit = m_encoding == Encoding::Utf16LE || m_encoding == Encoding::Utf16BE ? 2 : 4;
        m_undecodable = decoder.hasError() || m_bytes.size() % unit != 0;
        m_bytes = m_undecodable ? QByteArray() : text.toUtf8();
    }
    m_size = m_bytes.size();
    if (m_bytes.endsWith('\x1a'))
        --m_size;
    if (m_encoding == Encoding::Utf8 && !Bytes().isValidUtf8())
        m_encoding = Encoding::Windows1252;
    if (m_encoding == Encoding::Utf8 && QStringConverter::encodingForData(Bytes()) == QStringConverter::Utf8)
        m_start = 3, m_size -= 3;  // the byte-order mark of UTF-8
}

QString ScenarioText::NameOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Windows1252: return QStringLiteral("Windows-1252");
    case Encoding::Utf16LE: return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16BE: return QStringLiteral("UTF-16 BE");
    case Encoding::Utf32LE: return QStringLiteral("UTF-32 LE");
    case Encoding::Utf32BE: return QStringLiteral("UTF-32 BE");
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
    QFile file;
    const RegularFileOpen opened = OpenRegularFile(path, file);
    if (opened.result != RegularFileOpen::Result::Opened) {
        read.result = opened.result == RegularFileOpen::Result::NotRegular ? ScenarioFileRead::Result::NotRegular
                                                                           : ScenarioFileRead::Result::Unreadable;
        read.reason = opened.reason;
        return read;
    }
    const auto refused = [&](ScenarioFileRead::Result result) {
        read.result = result;
        read.text = {};
        return read;
    };
    if (file.size() > kLargestScenarioScript)
        return refused(ScenarioFileRead::Result::TooLarge);
    // A megabyte at a time, up to the limit: the file may grow while it is read.
    QByteArray bytes;
    bytes.reserve(file.size());
    for (;;) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty()) {
            if (file.error() == QFileDevice::NoError)
                break;
            read.reason = file.errorString();
            return refused(ScenarioFileRead::Result::Unreadable);
        }
        if (bytes.size() + chunk.size() > kLargestScenarioScript)
            return refused(ScenarioFileRead::Result::TooLarge);
        // UTF-16 and UTF-32 hold NUL bytes in every ASCII character: their NUL characters are looked for once the
        // text is converted.
        if (!HasWideMark(bytes.isEmpty() ? chunk : bytes) && chunk.contains('\0'))
            return refused(ScenarioFileRead::Result::Binary);
        bytes += chunk;
    }
    read.text = ScenarioText(std::move(bytes));
    if (read.text.Undecodable()) {
        read.reason = ScenarioText::NameOf(read.text.FileEncoding());
        return refused(ScenarioFileRead::Result::Undecodable);
    }
    if (read.text.Bytes().contains('\0'))
        return refused(ScenarioFileRead::Result::Binary);
    read.result = ScenarioFileRead::Result::Read;
    return read;
}
