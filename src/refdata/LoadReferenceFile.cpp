#include "refdata/LoadReferenceFile.h"

#include "platform/OpenRegularFile.h"
#include "platform/TextDecoding.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Takes fields one after the other from the decoded text, keeping count of
// the line it is on.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    int line() const { return m_line; }
    // Whether the reader stands at the start of a line that holds only blanks.
    bool atBlankLine() const
    {
        if (m_pos > 0 && !isLineEnd(m_text[m_pos - 1]))
            return false;
        qsizetype i = m_pos;
        while (i < m_text.size() && isBlank(m_text[i]))
            ++i;
        return i < m_text.size() && isLineEnd(m_text[i]);
    }

    // Precondition: !atEnd().
    QString next()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        QString field;
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"')) {
            const qsizetype start = ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != QLatin1Char('"') && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            field = m_text.mid(start, m_pos - start);
            if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"'))
                ++m_pos;
            // Whatever stands between the closing quote and the separator is dropped.
            while (m_pos < m_text.size() && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            qsizetype end = m_pos;
            while (end > start && isBlank(m_text[end - 1]))
                --end;
            field = m_text.mid(start, end - start);
        }
        skipSeparator();
        return field;
    }

private:
    void skipSeparator()
    {
        if (m_pos >= m_text.size())
            return;
        const QChar c = m_text[m_pos];
        if (c == QLatin1Char(',')) {
            ++m_pos;
        } else if (c == QLatin1Char('\r')) {
            ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
                ++m_pos;
            ++m_line;
        } else if (c == QLatin1Char('\n')) {
            ++m_pos;
            ++m_line;
        }
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

// A whole decimal number, optionally signed, with an optional fraction and
// exponent; nullopt when the field does not hold one.
std::optional<double> parseNumber(const QString& field)
{
    const QString t = field.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
        ++i;
    qsizetype digits = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        qsizetype expDigits = 0;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The file's text: UTF-8 where its bytes are valid UTF-8, as a file saved by
// an editor of today is, a byte-order mark or not; otherwise Windows-1252, the
// game's own character set. Bytes that are both are plain ASCII, the same
// text either way.
QString decodeReferenceText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? DecodeWindows1252(bytes) : text;
}

// The text without the blank lines after its last record: spaces, tabs and
// line ends that an editor leaves at the end of a file are no records. The
// last record keeps its own line end, so that an empty Text stays a field.
QStringView withoutTrailingBlankLines(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && (isBlank(text[end - 1]) || isLineEnd(text[end - 1])))
        --end;
    while (end < text.size() && isBlank(text[end]))
        ++end;
    if (end < text.size() && text[end] == QLatin1Char('\r'))
        ++end;
    if (end < text.size() && text[end] == QLatin1Char('\n'))
        ++end;
    return text.first(end);
}

}  // namespace

int LoadReferenceBytes(const QByteArray& bytes, const QString& path, const std::vector<ReferenceList*>& lists)
{
    // Text editors of the game's platform often end a file with the old
    // end-of-file mark, Ctrl+Z: a single one as the last byte ends the file.
    const bool endMark = bytes.endsWith('\x1a');
    const QString decoded = decodeReferenceText(endMark ? bytes.first(bytes.size() - 1) : bytes);
    const QString text = withoutTrailingBlankLines(decoded).toString();
    FieldReader reader(text);
    int record = 0;
    while (!reader.atEnd()) {
        ++record;
        const int line = reader.line();
        // A blank line before the last record would be read as a record of its own.
        if (reader.atBlankLine())
            throw ReferenceFileError(ReferenceFailure::BlankLine, path, record, line,
                                     QStringLiteral("records follow it, so it cannot be an ending"));
        const QString positionField = reader.next();
        // The end test comes before each record only: a Position with nothing
        // after it leaves the record without its Text.
        if (reader.atEnd())
            throw ReferenceFileError(ReferenceFailure::PastEndOfFile, path, record, line,
                                     QStringLiteral("the record has a Position but no Text"));
        const QString entry = reader.next();

        double position = 0;
        if (const auto number = parseNumber(positionField))
            position = std::nearbyint(*number);  // default rounding: halves to even
        for (ReferenceList* list : lists) {
            if (position < 0 || position > list->count()) {
                throw ReferenceFileError(
                    ReferenceFailure::PositionOutOfRange, path, record, line,
                    QStringLiteral("Position %1 is outside 0 to %2, the number of entries read so far")
                        .arg(positionField.trimmed(), QString::number(list->count())));
            }
            list->insertAt(int(position), entry);
        }
    }
    return record;
}

int LoadReferenceFile(const QString& path, const std::vector<ReferenceList*>& lists)
{
    QFile file;
    const RegularFileOpen opened = OpenRegularFile(path, file);
    if (opened.result == RegularFileOpen::Result::NotFound)
        throw ReferenceFileError(ReferenceFailure::FileNotFound, path, 0, 0, QString());
    if (opened.result != RegularFileOpen::Result::Opened)
        throw ReferenceFileError(ReferenceFailure::Unreadable, path, 0, 0,
                                 opened.result == RegularFileOpen::Result::NotRegular
                                     ? QStringLiteral("it is %1, not a file").arg(opened.reason)
                                     : opened.reason);
    const QByteArray bytes = file.readAll();
    file.close();
    return LoadReferenceBytes(bytes, path, lists);
}
