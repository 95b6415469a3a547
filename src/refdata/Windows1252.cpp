#include "refdata/Windows1252.h"

QStringDecoder Windows1252Decoder()
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QStringDecoder(QStringDecoder::Latin1);
    return decoder;
}

QString DecodeWindows1252(const QByteArray& bytes) { return Windows1252Decoder().decode(bytes); }
