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
    if (numbered.isEmpty())
        return check;
    int asked = -1;
    int lastMatching = -1;
    for (const int at : numbered) {
        const ScenarioBlock& block = script.Blocks()[std::size_t(at)];
        const ItemScriptReading reading = script.Read(block);
        check.lines.append(block.line);
        if (block.line == compareWith)
            asked = at;
        if (CountDifferences(CompareItems(generated.item, reading.item, reading.refused)) == 0) {
            check.matching.append(block.line);
            check.leftOutCount += reading.LinesLeftOut();
            check.leftOutLines << reading.LeftOutLinesListed();
            lastMatching = at;
        }
    }
    check.outcome =
        check.matching == check.lines ? ItemNumberCheck::Outcome::Matches : ItemNumberCheck::Outcome::Differs;
    // The block compared in detail, read once more rather than every reading
    // kept: the one asked for, else the last that matches, so that the marks
    // speak of a definition the note says matches; else the last.
    const int compared = asked >= 0 ? asked : lastMatching >= 0 ? lastMatching : numbered.back();
    const ScenarioBlock& block = script.Blocks()[std::size_t(compared)];
    ItemScriptReading reading = script.Read(block);
    check.comparedLine = block.line;
    check.comparedName = block.name.isEmpty() ? block.fullName : block.name;
    check.comparison = CompareItems(generated.item, reading.item, reading.refused);
    check.compared = std::move(reading.item);
    check.comparedLines = std::move(reading.propertyLines);
    return check;
}

QString DescribeComparedDefinition(const ItemNumberCheck& check, const QString& fileName)
{
    const QString item =
        check.comparedName.isEmpty() ? QStringLiteral("an item without a name") : u'"' + check.comparedName + u'"';
    return QStringLiteral("Item %1 is %2 (line %3 of %4)")
        .arg(QString::number(check.number), item, QString::number(check.comparedLine), fileName);
}

QString DescribeItemNumberCheck(const ItemNumberCheck& check, const QString& fileName, const QString& ending)
{
    if (check.outcome == ItemNumberCheck::Outcome::Free)
        return {};
    const QString leftOut =
        check.leftOutCount == 0
            ? QString()
            : QStringLiteral(", except for %1 the form leaves out (%2)")
                  .arg(check.leftOutCount == 1 ? QStringLiteral("1 line")
                                               : QStringLiteral("%L1 lines").arg(check.leftOutCount),
                       DescribeLines(check.leftOutLines, check.leftOutCount));
    QList<int> differing = check.lines;
    for (int line : check.matching)
        differing.removeOne(line);
    if (check.matching.contains(check.comparedLine)) {
        const QString matches =
            QStringLiteral("Item %1 matches its %2 %3 of %4")
                .arg(QString::number(check.number),
                     check.matching.size() == 1 ? QStringLiteral("definition at") : QStringLiteral("definitions at"),
                     DescribeLines(check.matching), fileName)
            + leftOut;
        if (differing.isEmpty())
            return matches + ending;
        return matches
               + (differing.size() == 1 ? QStringLiteral("; the one at %1 differs")
                                        : QStringLiteral("; the ones at %1 differ"))
                     .arg(DescribeLines(differing))
               + ending;
    }
    // The definition compared differs: named as the script names it, with what differs.
    const int count = CountDifferences(check.comparison);
    differing.removeOne(check.comparedLine);
    QString text = QStringLiteral("%1 and differs in %2: %3")
                       .arg(DescribeComparedDefinition(check, fileName),
                            count == 1 ? QStringLiteral("1 property") : QStringLiteral("%1 properties").arg(count),
                            DescribeDifferences(check.comparison));
    if (!check.matching.isEmpty())
        text += (check.matching.size() == 1 ? QStringLiteral(". Its definition at %1 matches")
                                            : QStringLiteral(". Its definitions at %1 match"))
                    .arg(DescribeLines(check.matching))
                + leftOut;
    if (!differing.isEmpty())
        text += QStringLiteral(". It is defined at %1 too").arg(DescribeLines(differing));
    return text + ending;
}
