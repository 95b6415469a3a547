#include "model/ScenarioFile.h"

#include "refdata/Windows1252.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr qint64 kChunk = qint64(1) << 20;

struct Decoding {
    QString text;
    bool binary = false;
    QString error;  // the system's reason when the device could not be read
};

// Reads the device from its start a megabyte at a time and decodes the bytes
// as they come, so that a large script's bytes never sit in memory beside its
// whole text: as UTF-8 while every byte so far is valid UTF-8, otherwise again
// from the start as Windows-1252. A NUL byte stops the reading.
Decoding decodeScenario(QIODevice& device)
{
    Decoding out;
    qint64 length = device.size();
    if (length > 0 && device.seek(length - 1) && device.read(1) == "\x1a")
        --length;
    for (const bool utf8 : {true, false}) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        out.text.clear();
        out.text.reserve(length);
        device.seek(0);
        bool valid = true;
        for (qint64 done = 0; done < length && valid;) {
            const QByteArray chunk = device.read(std::min(kChunk, length - done));
            if (chunk.isEmpty()) {
                if (const auto* file = qobject_cast<QFileDevice*>(&device);
                    file && file->error() != QFileDevice::NoError)
                    out.error = device.errorString();
                break;  // an error, or a file that became shorter while it was read
            }
            done += chunk.size();
            if (chunk.contains('\0')) {
                out.binary = true;
                return out;
            }
            out.text += utf8 ? decoder(chunk) : DecodeWindows1252(chunk);
            valid = !utf8 || !decoder.hasError();
        }
        if (!out.error.isEmpty())
            return out;
        // A sequence cut off by the end of the file is not valid UTF-8 either:
        // an ASCII byte after it brings that to light.
        if (valid && utf8) {
            const QString probe = decoder(QByteArrayView("\n"));
            valid = !decoder.hasError();
        }
        if (valid)
            return out;
    }
    return out;
}

}  // namespace

QString DecodeScenarioText(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return decodeScenario(buffer).text;
}

ScenarioFileRead ReadScenarioFile(const QString& path)
{
    ScenarioFileRead read;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.message = QStringLiteral("\"%1\" cannot be read: %2.").arg(name, file.errorString());
        return read;
    }
    if (file.size() > kLargestScenarioScript) {
        read.result = ScenarioFileRead::Result::TooLarge;
        read.message = QStringLiteral("\"%1\" is larger than 32 MiB: it is too large for a scenario script.").arg(name);
        return read;
    }
    Decoding decoding = decodeScenario(file);
    if (!decoding.error.isEmpty()) {
        read.message = QStringLiteral("\"%1\" cannot be read: %2.").arg(name, decoding.error);
    } else if (decoding.binary) {
        read.result = ScenarioFileRead::Result::Binary;
        read.message = QStringLiteral("\"%1\" holds a NUL byte: it is a binary file, not a scenario script.").arg(name);
    } else {
        read.result = ScenarioFileRead::Result::Read;
        read.text = std::move(decoding.text);
    }
    return read;
}
