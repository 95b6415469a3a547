#include "model/ScenarioScript.h"

#include "model/InputRules.h"
#include "model/ScriptKeys.h"
#include "model/ScriptLine.h"

#include <algorithm>

namespace {

// The lines of a script kept as bytes, each decoded as it is read.
class ScenarioLines final : public ScriptLineSource {
public:
    ScenarioLines(const ScenarioText& text, qsizetype from)
        : m_bytes(text.Bytes()), m_decoder(text.Decoder()), m_at(from)
    {
    }
    bool Next(QStringView& line) override
    {
        if (m_at >= m_bytes.size())
            return false;
        const auto [bytes, next] = LineAt(m_bytes, m_at);
        // Most lines are ASCII, the same characters in either encoding: widened
        // here rather than through the decoder, which costs more for a short line.
        if (std::ranges::all_of(bytes, [](char c) { return uchar(c) < 0x80; })) {
            m_line.resize(bytes.size());
            std::ranges::transform(bytes, m_line.begin(), [](char c) { return QLatin1Char(c); });
        } else {
            m_line = m_decoder(bytes);
        }
        m_at = next;
        line = m_line;
        return true;
    }
    qsizetype Position() const override { return m_at; }
    void Rewind(qsizetype position) override { m_at = position; }

private:
    QByteArrayView m_bytes;
    TextDecoder m_decoder;
    qsizetype m_at;
    QString m_line;
};

// What the list shows of a property the block gives: its value as the form
// takes it, or, where the form cannot take it, as the script writes it (a
// text without its quotes).
QString shownText(const ItemScriptReading& reading, QStringView key, bool taken, const QString& value)
{
    if (taken)
        return value;
    const RefusedValue* refused = reading.RefusedOf(PropertyOfKey(key));
    if (!refused)
        return {};
    QStringView written = refused->written;
    if (written.startsWith(u'"'))
        written = written.sliced(1);
    return (written.endsWith(u'"') ? written.chopped(1) : written).toString();
}

// What the list shows of a block just read; of a refused one, its number as written.
ScenarioBlock blockOf(qsizetype at, int line, const QString& header, const ItemScriptReading& reading)
{
    ScenarioBlock block;
    block.at = at;
    block.line = line;
    if (reading.result != ItemScriptReading::Result::Read) {
        block.numberText = ItemNumberAsWritten(header);
        return block;
    }
    const ItemDefinition& item = reading.item;
    block.number = item.txtItemNum.toInt();
    block.numberText = item.txtItemNum;
    block.name = shownText(reading, ScriptKeys::Name, item.chkName, item.txtName);
    block.fullName = shownText(reading, ScriptKeys::FullName, item.chkFullName, item.txtFullName);
    block.variety = shownText(reading, ScriptKeys::Variety, item.chkVariety, item.cboVariety.text);
    if (item.chkFloorIcon || item.chkInvIcon) {
        block.sheet = std::int16_t(item.updSheetNum);
        block.icon = std::int16_t(item.chkFloorIcon ? item.updFloorIcon : item.updInvIcon);
    }
    block.problems = reading.ProblemCount();
    return block;
}

}  // namespace

ScenarioScript::ScenarioScript(ScenarioText text, ScriptLists lists)
    : m_text(std::move(text)), m_lists(std::move(lists))
{
    const QByteArrayView bytes = m_text.Bytes();
    const QByteArray key = ScriptKeys::Begin.toLatin1();
    TextDecoder decoder = m_text.Decoder();
    int lineNumber = 1;
    for (qsizetype at = 0; at < bytes.size();) {
        const auto [line, next] = LineAt(bytes, at);
        // The key is the same bytes in either encoding: a line without it is not decoded.
        const QString header = line.contains(key) ? decoder(line) : QString();
        if (header.isEmpty() || !IsItemBlockHeader(header)) {
            at = next;
            ++lineNumber;
            continue;
        }
        if (int(m_blocks.size()) == kMostItemBlocks) {
            m_tooMany = true;
            m_blocks = {};
            m_byNumber.clear();
            return;
        }
        ScenarioLines blockLines(m_text, at);
        const ItemScriptReading reading = ReadItemBlock(blockLines, lineNumber, m_lists);
        m_blocks.push_back(blockOf(at, lineNumber, header, reading));
        if (m_blocks.back().number >= 0)
            m_byNumber[m_blocks.back().number].append(int(m_blocks.size()) - 1);
        // No line of a block begins another.
        at = reading.end;
        lineNumber += reading.lines;
    }
}

ItemScriptReading ScenarioScript::Read(const ScenarioBlock& block) const
{
    ScenarioLines lines(m_text, block.at);
    return ReadItemBlock(lines, block.line, m_lists);
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
    ScenarioSummary summary{int(blocks.size()), int(numbers.size()), -1, -1};
    for (int n = 0; n <= kHighestItemNumber && summary.lowestFree < 0; ++n) {
        if (!numbers.contains(n))
            summary.lowestFree = n;
    }
    return summary;
}

QString DescribeSummary(const ScenarioSummary& summary)
{
    QString blocks =
        summary.blocks == 1 ? QStringLiteral("1 item block") : QStringLiteral("%1 item blocks").arg(summary.blocks);
    if (summary.shown >= 0)
        blocks = QStringLiteral("%1 of %2").arg(summary.shown).arg(blocks);
    const QString numbers = summary.distinctNumbers == 1
                                ? QStringLiteral("1 item number")
                                : QStringLiteral("%1 item numbers").arg(summary.distinctNumbers);
    const QString free = summary.lowestFree < 0 ? QStringLiteral("no item number from 0 to 499 is free")
                                                : QStringLiteral("lowest free number %1").arg(summary.lowestFree);
    return QStringLiteral("%1, %2, %3").arg(blocks, numbers, free);
}
