#include "model/ScenarioScript.h"

#include "model/InputRules.h"

std::vector<ScenarioBlock> ReadScenarioBlocks(QStringView text, const ScriptLists& lists)
{
    std::vector<ScenarioBlock> blocks;
    const QList<QStringView> lines = ScriptLines(text);
    for (qsizetype at = 0; at < lines.size(); ++at) {
        if (!IsItemBlockHeader(lines[at]))
            continue;
        ScenarioBlock block{int(at) + 1, -1, ReadItemBlock(lines, at, lists)};
        if (block.reading.result == ItemScriptReading::Result::Read)
            block.number = block.reading.item.txtItemNum.toInt();
        blocks.push_back(std::move(block));
    }
    return blocks;
}

QMap<int, QList<int>> LinesByItemNumber(const std::vector<ScenarioBlock>& blocks)
{
    QMap<int, QList<int>> lines;
    for (const ScenarioBlock& block : blocks) {
        if (block.number >= 0)
            lines[block.number].append(block.line);
    }
    return lines;
}

ScenarioSummary SummarizeScenario(const std::vector<ScenarioBlock>& blocks)
{
    const QMap<int, QList<int>> numbers = LinesByItemNumber(blocks);
    ScenarioSummary summary{int(blocks.size()), int(numbers.size()), -1};
    for (int n = 0; n <= kHighestItemNumber && summary.lowestFree < 0; ++n) {
        if (!numbers.contains(n))
            summary.lowestFree = n;
    }
    return summary;
}

QString DescribeSummary(const ScenarioSummary& summary)
{
    const QString blocks =
        summary.blocks == 1 ? QStringLiteral("1 item block") : QStringLiteral("%1 item blocks").arg(summary.blocks);
    const QString numbers = summary.distinctNumbers == 1
                                ? QStringLiteral("1 item number")
                                : QStringLiteral("%1 item numbers").arg(summary.distinctNumbers);
    const QString free = summary.lowestFree < 0 ? QStringLiteral("no item number from 0 to 499 is free")
                                                : QStringLiteral("lowest free number %1").arg(summary.lowestFree);
    return QStringLiteral("%1, %2, %3").arg(blocks, numbers, free);
}
