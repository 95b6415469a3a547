#include "model/ScenarioScript.h"

#include "model/InputRules.h"
#include "model/ScriptKeys.h"
#include "model/ScriptLine.h"

#include <algorithm>
#include <bitset>
#include <utility>

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

// Whether a line's bytes may begin with the key, in any letter case, after
// its leading blanks, as a header of either kind does: a cheap look before
// the line is decoded. The key is the same bytes in either encoding. A byte
// past ASCII is passed over as a blank, since it may be part of one; the
// line decoded decides.
bool mayBeHeader(QByteArrayView line, QByteArrayView key)
{
    qsizetype i = 0;
    while (i < line.size() && (uchar(line[i]) >= 0x80 || QChar::isSpace(uchar(line[i]))))
        ++i;
    return line.size() - i >= key.size() && qstrnicmp(line.data() + i, key.data(), std::size_t(key.size())) == 0;
}

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
    for (qsizetype at = 0; at < bytes.size(); ++lineNumber) {
        const auto [line, next] = LineAt(bytes, at);
        const qsizetype start = std::exchange(at, next);
        // The lines of a block are looked at too, since a header in another
        // letter case reads as one of them.
        if (!mayBeHeader(line, key))
            continue;
        const QString header = decoder(line);
        const bool otherCase = IsItemBlockHeaderInOtherCase(header);
        if (!otherCase && !IsItemBlockHeader(header))
            continue;
        if (int(m_blocks.size()) == kMostItemBlocks) {
            m_tooMany = true;
            m_blocks = {};
            m_byNumber.clear();
            return;
        }
        if (otherCase) {
            // Its number as it stands under the key written in lower case.
            const QString lowered = ScriptKeys::Begin + header.trimmed().sliced(ScriptKeys::Begin.size());
            m_blocks.push_back(
                {.at = start, .line = lineNumber, .numberText = ItemNumberAsWritten(lowered), .otherCase = true});
            continue;
        }
        ScenarioLines blockLines(m_text, start);
        const ItemScriptReading reading = ReadItemBlock(blockLines, lineNumber, m_lists);
        m_blocks.push_back(blockOf(start, lineNumber, header, reading));
        if (m_blocks.back().number >= 0)
            m_byNumber[m_blocks.back().number].append(int(m_blocks.size()) - 1);
    }
}

ItemScriptReading ScenarioScript::Read(const ScenarioBlock& block) const
{
    ScenarioLines lines(m_text, block.at);
    if (!block.otherCase)
        return ReadItemBlock(lines, block.line, m_lists);
    ItemScriptReading refused;
    refused.result = ItemScriptReading::Result::Refused;
    refused.line = block.line;
    refused.lines = 1;
    QStringView header;
    lines.Next(header);
    refused.refusalReason = QStringLiteral("\"%1\" is written in another letter case; keys are lower case (\"%2\")")
                                .arg(header.trimmed().first(ScriptKeys::Begin.size()).toString(), ScriptKeys::Begin);
    return refused;
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
    ScenarioSummary summary{int(blocks.size()), int(LinesByItemNumber(blocks).size()), -1, -1};
    // A number is not offered where a header writes it, even one that cannot be
    // loaded ("BeginDefineItem 22;", "begindefineitem 41"): the designer means
    // that item, and would define it twice once the header is mended.
    std::bitset<kHighestItemNumber + 1> written;
    for (const ScenarioBlock& block : blocks) {
        bool whole = false;
        const int number = block.numberText.toInt(&whole);
        if (whole && number >= 0 && number <= kHighestItemNumber)
            written.set(std::size_t(number));
    }
    for (int n = 0; n <= kHighestItemNumber && summary.lowestFree < 0; ++n) {
        if (!written.test(std::size_t(n)))
            summary.lowestFree = n;
    }
    return summary;
}

QString DescribeSummary(const ScenarioSummary& summary)
{
    QString blocks =
        summary.blocks == 1 ? QStringLiteral("1 item block") : QStringLiteral("%1 item blocks").arg(summary.blocks);
    if (summary.shown >= 0)
        blocks = QStringLiteral("%1 of %2").arg(QString::number(summary.shown), blocks);
    const QString numbers = summary.distinctNumbers == 1
                                ? QStringLiteral("1 item number")
                                : QStringLiteral("%1 item numbers").arg(summary.distinctNumbers);
    const QString free = summary.lowestFree < 0 ? QStringLiteral("no item number from 0 to 499 is free")
                                                : QStringLiteral("lowest free number %1").arg(summary.lowestFree);
    return QStringLiteral("%1, %2, %3").arg(blocks, numbers, free);
}
