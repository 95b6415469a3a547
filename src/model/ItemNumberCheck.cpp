#include "model/ItemNumberCheck.h"

QString DescribeLines(const QList<int>& lines)
{
    if (lines.size() == 1)
        return QStringLiteral("line %1").arg(lines.front());
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    const QString last = numbers.takeLast();
    return QStringLiteral("lines %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

ItemNumberCheck CheckItemNumber(const std::vector<ScenarioBlock>& blocks, const QString& generatedScript,
                                const ScriptLists& lists)
{
    ItemNumberCheck check;
    const ItemScriptReading generated = ReadItemScript(generatedScript, lists);
    if (generated.result != ItemScriptReading::Result::Read)
        return check;
    check.number = generated.item.txtItemNum.toInt();
    bool same = true;
    for (const ScenarioBlock& block : blocks) {
        if (block.number != check.number)
            continue;
        check.lines.append(block.line);
        same = same && block.reading.item == generated.item;
    }
    if (!check.lines.isEmpty())
        check.outcome = same ? ItemNumberCheck::Outcome::Matches : ItemNumberCheck::Outcome::Differs;
    return check;
}

QString DescribeItemNumberCheck(const ItemNumberCheck& check, const QString& fileName)
{
    switch (check.outcome) {
    case ItemNumberCheck::Outcome::Free: return {};
    case ItemNumberCheck::Outcome::Matches:
        return QStringLiteral("Item %1 matches its %2 at %3 of %4.")
            .arg(QString::number(check.number),
                 check.lines.size() == 1 ? QStringLiteral("definition") : QStringLiteral("definitions"),
                 DescribeLines(check.lines), fileName);
    case ItemNumberCheck::Outcome::Differs:
        return QStringLiteral("Item %1 is already defined at %2 of %3.")
            .arg(QString::number(check.number), DescribeLines(check.lines), fileName);
    }
    return {};
}
