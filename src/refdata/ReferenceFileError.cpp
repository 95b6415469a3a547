#include "refdata/ReferenceFileError.h"

#include <QDir>

namespace {

QString buildMessage(ReferenceFailure kind, const QString& path, int record, int line, const QString& detail)
{
    QString text = QStringLiteral("Reference file \"%1\"").arg(QDir::toNativeSeparators(path));
    if (record > 0) {
        text += QStringLiteral(", record %1").arg(record);
        if (line > 0)
            text += QStringLiteral(" (line %1)").arg(line);
    }
    text += QStringLiteral(": ") + DescribeFailure(kind);
    if (!detail.isEmpty())
        text += QStringLiteral(": ") + detail;
    text += QLatin1Char('.');
    return text;
}

}  // namespace

QString DescribeFailure(ReferenceFailure kind)
{
    switch (kind) {
    case ReferenceFailure::FileNotFound: return QStringLiteral("path or file not found");
    case ReferenceFailure::Unreadable: return QStringLiteral("the file cannot be read");
    case ReferenceFailure::PastEndOfFile: return QStringLiteral("input past the end of the file");
    case ReferenceFailure::BlankLine: return QStringLiteral("blank line");
    case ReferenceFailure::PositionOutOfRange: return QStringLiteral("invalid argument");
    case ReferenceFailure::NoRecords:
    case ReferenceFailure::TooFewRecords: return QStringLiteral("invalid value");
    }
    return QStringLiteral("unknown failure");
}

ReferenceFileError::ReferenceFileError(ReferenceFailure kind, QString path, int record, int line, const QString& detail)
    : std::runtime_error(buildMessage(kind, path, record, line, detail).toStdString()), m_kind(kind),
      m_path(std::move(path)), m_record(record), m_line(line),
      m_message(buildMessage(kind, m_path, record, line, detail))
{
}
