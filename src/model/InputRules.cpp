#include "model/InputRules.h"

#include <algorithm>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

bool takesCharacters(BoxRule::Characters characters, QStringView text)
{
    if (characters == BoxRule::Characters::Every)
        return !std::ranges::any_of(text, isLineEnd);
    if (characters == BoxRule::Characters::Strength && text.startsWith(u'-'))
        text = text.sliced(1);
    return std::ranges::all_of(text, isDigit);
}

}  // namespace

BoxRule BoxRuleOf(const ItemProperty& property)
{
    switch (property.kind) {
    case PropertyKind::ItemNumber:
    case PropertyKind::ClearImport:
    case PropertyKind::Digits: return {BoxRule::Characters::Digits, property.high};
    case PropertyKind::Strength: return {BoxRule::Characters::Strength, property.high};
    case PropertyKind::Quoted:
    case PropertyKind::FreeText: return {BoxRule::Characters::Every, property.high};
    default: return {};
    }
}

BoxEdit CheckBoxEdit(const BoxRule& rule, const QString& before, const QString& after)
{
    // The inserted part lies between the longest start and, of the rest, the
    // longest end that both texts share.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < shorter && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    BoxEdit edit;
    edit.inserted = after.sliced(start, after.size() - start - end);
    const bool number = rule.characters != BoxRule::Characters::Every;
    const auto around = [number](QChar c) { return isLineEnd(c) || (number && c.isSpace()); };
    QStringView kept = edit.inserted;
    while (!kept.isEmpty() && around(kept.front()))
        kept = kept.sliced(1);
    while (!kept.isEmpty() && around(kept.back()))
        kept.chop(1);
    if (kept.isEmpty())
        kept = edit.inserted;
    edit.text = after.first(start) + kept.toString() + after.last(end);
    edit.cursor = start + kept.size();
    if (!takesCharacters(rule.characters, edit.text))
        edit.refusal = number ? BoxEdit::Refusal::Characters : BoxEdit::Refusal::LineBreak;
    else if (edit.text.size() > rule.longest)
        edit.refusal = BoxEdit::Refusal::Length;
    return edit;
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
