#include "model/ItemNumberCheck.h"

#include <algorithm>

QString DescribeLines(const QList<int>& lines, qsizetype count)
{
    count = count < 0 ? lines.size() : count;
    if (count == 1)
        return QStringLiteral("line %1").arg(lines.front());
    // A number defined a thousand times is named by its first lines and a count.
    constexpr qsizetype kMostNamed = 6;
    QStringList numbers;
    for (int line : lines.first(std::min(lines.size(), kMostNamed)))
        numbers << QString::number(line);
    const QString last = count > kMostNamed ? QStringLiteral("%L1 more").arg(count - kMostNamed + 1) : numbers.back();
    numbers.removeLast();
    return QStringLiteral("lines %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

ItemNumberCheck CheckItemNumber(const ScenarioScript& script, const QString& generatedScript, int compareWith)
{
    ItemNumberCheck check;
    const ItemScriptReading generated = ReadItemScript(generatedScript, script.Lists());
    if (generated.result != ItemScriptReading::Result::Read)
        return check;
    check.number = generated.item.txtItemNum.toInt();
    check.form = generated.item;
    const QList<int> numbered = script.BlocksNumbered(check.number);
    // The block compared in detail: the one asked for, else the last.
    const auto asked =
        std::ranges::find_if(numbered, [&](int at) { return script.Blocks()[std::size_t(at)].line == compareWith; });
    const int compared = asked != numbered.end() ? *asked : numbered.value(numbered.size() - 1, -1);
    for (const int at : numbered) {
        const ScenarioBlock& block = script.Blocks()[std::size_t(at)];
        ItemScriptReading reading = script.Read(block);
        std::vector<PropertyComparison> comparison = CompareItems(generated.item, reading.item, reading.refused);
        check.lines.append(block.line);
        if (CountDifferences(comparison) == 0) {
            check.matching.append(block.line);
            check.leftOutCount += reading.LinesLeftOut();
            check.leftOutLines << reading.LeftOutLinesListed();
        }
        if (at == compared) {
            check.comparedLine = block.line;
            check.comparedName = block.name.isEmpty() ? block.fullName : block.name;
            check.compared = std::move(reading.item);
            check.comparedLines = std::move(reading.propertyLines);
            check.comparison = std::move(comparison);
        }
    }
    if (!check.lines.isEmpty())
        check.outcome =
            check.matching == check.lines ? ItemNumberCheck::Outcome::Matches : ItemNumberCheck::Outcome::Differs;
    return check;
}

QString DescribeComparedDefinition(const ItemNumberCheck& check, const QString& fileName)
{
    const QString item =
        check.comparedName.isEmpty() ? QStringLiteral("an item without a name") : u'"' + check.comparedName + u'"';
    return QStringLiteral("Item %1 is %2 (line %3 of %4)")
        .arg(QString::number(check.number), item, QString::number(check.comparedLine), fileName);
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
    if (check.matching.isEmpty()) {
        const int count = CountDifferences(check.comparison);
        QList<int> others = check.lines;
        others.removeOne(check.comparedLine);
        // The number is another item's: named as the script names it.
        return QStringLiteral("%1 and differs in %2: %3.")
                   .arg(DescribeComparedDefinition(check, fileName),
                        count == 1 ? QStringLiteral("1 property") : QStringLiteral("%1 properties").arg(count),
                        DescribeDifferences(check.comparison))
               + (others.isEmpty() ? QString()
                                   : QStringLiteral(" It is defined at %1 too.").arg(DescribeLines(others)));
    }
    QString matches = QStringLiteral("Item %1 matches its %2 of %3").arg(number, definitions(check.matching), fileName);
    if (check.leftOutCount > 0)
        matches += QStringLiteral(", except for %1 the form leaves out (%2)")
                       .arg(check.leftOutCount == 1 ? QStringLiteral("1 line")
                                                    : QStringLiteral("%L1 lines").arg(check.leftOutCount),
                            DescribeLines(check.leftOutLines, check.leftOutCount));
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
