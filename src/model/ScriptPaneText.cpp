#include "model/ScriptPaneText.h"

#include <algorithm>

QString ScriptFromPaneText(const QString& paneText)
{
    QString out;
    out.reserve(paneText.size() + paneText.size() / 16);
    for (QChar c : paneText) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n'))
            out += QLatin1String("\r\n");
        else
            out += c;
    }
    return out;
}

QString DescribeSelectedLines(const QString& paneText, qsizetype start, qsizetype end)
{
    const QStringView text(paneText);
    const auto lineEnd = [](QChar c) { return c == u'\n' || c == QChar::ParagraphSeparator; };
    const auto linesBefore = [&](qsizetype at) { return qsizetype(std::ranges::count_if(text.first(at), lineEnd)); };
    // A script's last line break ends its last line, and starts none.
    const qsizetype lines = linesBefore(text.size()) + (text.isEmpty() || lineEnd(text.back()) ? 0 : 1);
    // A selection that ends just past a line break holds nothing of the line after it.
    const bool toLineEnd = end == text.size() || lineEnd(text[end]) || (end > start && lineEnd(text[end - 1]));
    const bool fromLineStart = start == 0 || lineEnd(text[start - 1]);
    const qsizetype first = linesBefore(start) + 1;
    const qsizetype last = linesBefore(end > start && lineEnd(text[end - 1]) ? end - 1 : end) + 1;
    const QString of = QStringLiteral(" of ") + QString::number(lines);
    if (fromLineStart && toLineEnd) {
        const qsizetype count = last - first + 1;
        if (count == lines)
            return {};
        return QString::number(count) + of + QStringLiteral(" lines");
    }
    if (first == last)
        return QStringLiteral("part of line ") + QString::number(first) + of;
    return QStringLiteral("parts of lines ") + QString::number(first) + QStringLiteral(" to ") + QString::number(last)
           + of;
}
