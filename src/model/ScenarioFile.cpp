#include "model/ScenarioFile.h"

#include "refdata/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

QString DecodeScenarioText(QByteArray bytes)
{
    if (bytes.endsWith('\x1a'))
        bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
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
    // Read one byte past the limit rather than trusting the size the folder
    // reports, which a file being written may change under us.
    const QByteArray bytes = file.read(kLargestScenarioScript + 1);
    if (file.error() != QFileDevice::NoError) {
        read.message = QStringLiteral("\"%1\" cannot be read: %2.").arg(name, file.errorString());
        return read;
    }
    if (bytes.size() > kLargestScenarioScript) {
        read.result = ScenarioFileRead::Result::TooLarge;
        read.message = QStringLiteral("\"%1\" is larger than 32 MiB: it is too large for a scenario script.").arg(name);
        return read;
    }
    if (bytes.contains('\0')) {
        read.result = ScenarioFileRead::Result::Binary;
        read.message = QStringLiteral("\"%1\" holds a NUL byte: it is a binary file, not a scenario script.").arg(name);
        return read;
    }
    read.result = ScenarioFileRead::Result::Read;
    read.text = DecodeScenarioText(bytes);
    return read;
}
