#include "model/ItemNumberCheck.h"

#include <algorithm>

QString DescribeLines(const QList<int>& lines)
{
    if (lines.size() == 1)
        return QStringLiteral("line %1").arg(lines.front());
    // A number defined a thousand times is named by its first lines and a count.
    constexpr qsizetype kMostNamed = 6;
    QStringList numbers;
    for (int line : lines.first(std::min(lines.size(), kMostNamed)))
        numbers << QString::number(line);
    const QString last =
        lines.size() > kMostNamed ? QStringLiteral("%L1 more").arg(lines.size() - kMostNamed + 1) : numbers.back();
    numbers.removeLast();
    return QStringLiteral("lines %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

ItemNumberCheck CheckItemNumber(const ScenarioScript& script, const QString& generatedScript)
{
    ItemNumberCheck check;
    const ItemScriptReading generated = ReadItemScript(generatedScript, script.Lists());
    if (generated.result != ItemScriptReading::Result::Read)
        return check;
    check.number = generated.item.txtItemNum.toInt();
    for (const ScenarioBlock& block : script.Blocks()) {
        if (block.number != check.number)
            continue;
        check.lines.append(block.line);
        if (script.Read(block).item == generated.item)
            check.matching.append(block.line);
    }
    if (!check.lines.isEmpty())
        check.outcome =
            check.matching == check.lines ? ItemNumberCheck::Outcome::Matches : ItemNumberCheck::Outcome::Differs;
    return check;
}

QString DescribeItemNumberCheck(const ItemNumberCheck& check, const QString& fileName)
{
    const auto definitions = [](const QList<int>& lines) {
        return (lines.size() == 1 ? QStringLiteral("definition at ") : QStringLiteral("definitions at "))
               + DescribeLines(lines);
    };
    if (check.outcome == ItemNumberCheck::Outcome::Free)
        return {};
    const QString number = QString::number(check.number);
    if (check.matching.isEmpty())
        return QStringLiteral("Item %1 is already defined at %2 of %3.")
            .arg(number, DescribeLines(check.lines), fileName);
    const QString matches =
        QStringLiteral("Item %1 matches its %2 of %3").arg(number, definitions(check.matching), fileName);
    if (check.outcome == ItemNumberCheck::Outcome::Matches)
        return matches + u'.';
    QList<int> differing = check.lines;
    for (int line : check.matching)
        differing.removeOne(line);
    return matches
           + (differing.size() == 1 ? QStringLiteral("; the one at %1 differs.")
                                    : QStringLiteral("; the ones at %1 differ."))
                 .arg(DescribeLines(differing));
}
