#include "model/InputRules.h"

#include <algorithm>

namespace {

constexpr std::int16_t kZero = 48;
constexpr std::int16_t kNine = 57;
constexpr std::int16_t kMinus = 45;

bool isDigitCode(std::int16_t code) { return code >= kZero && code <= kNine; }

}  // namespace

std::int16_t FilterNumericKey(std::int16_t code)
{
    if (!isDigitCode(code) && code != kBackspaceCode)
        return 0;
    return code;
}

std::int16_t FilterStrengthKey(std::int16_t code)
{
    if (!isDigitCode(code) && code != kMinus && code != kBackspaceCode)
        return 0;
    return code;
}

bool IsStrengthText(QStringView text)
{
    const QStringView digits = text.startsWith(u'-') ? text.sliced(1) : text;
    return std::ranges::all_of(digits, [](QChar c) { return isDigitCode(std::int16_t(c.unicode())); });
}

QString ClampNumberText(const QString& text, int bound)
{
    if (text.isEmpty())
        return QStringLiteral("0");
    // Compare digit by digit so that any length of digits is handled without
    // overflow: leading zeros do not count, a longer significant part is larger.
    qsizetype first = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return text;
    }
    while (first < text.size() - 1 && text[first] == QLatin1Char('0'))
        ++first;
    const QString significant = text.mid(first);
    const QString boundText = QString::number(bound);
    const bool above =
        significant.size() != boundText.size() ? significant.size() > boundText.size() : significant > boundText;
    return above ? boundText : text;
}

QString ItemNumberRule(const QString& text) { return ClampNumberText(text, kHighestItemNumber); }

QString ImportNumberRule(const QString& text) { return ClampNumberText(text, 255); }

QString ZeroWhenFlagged(const QString& text, bool flagTicked)
{
    if (text.isEmpty() && flagTicked)
        return QStringLiteral("0");
    return text;
}
