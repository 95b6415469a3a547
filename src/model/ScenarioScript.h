#pragma once

#include "model/ReadItemScript.h"
#include "model/ScenarioFile.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <cstdint>
#include <vector>

// One item block of a scenario script: where it stands, and what a list of
// the script's items shows of it. The rest of the item is read again from the
// script when it is wanted, so that a block costs the same few bytes whatever
// its lines hold.
struct ScenarioBlock {
    qsizetype at = 0;                 // where its begindefineitem line starts in the script's bytes
    int line = 0;                     // the 1-based number of that line
    int number = -1;                  // the item number; -1 when the block cannot be loaded
    QString numberText;               // the item number as written, also where it cannot be loaded
    QString name, fullName, variety;  // each where the block shows it; empty otherwise
    std::int16_t sheet = 0;           // the icon a list shows: the floor icon, else the
    std::int16_t icon = -1;           // inventory icon, of the sheet; -1 for neither
    int problems = 0;                 // the lines not applied
    // The line would begin a block but for the letter case of its key
    // ("BeginDefineItem 22;"): the game takes it for no header, so the block
    // is listed, but cannot be loaded.
    bool otherCase = false;
};

// The item blocks of a scenario script in the order of the file, each read as
// "Paste Script into Form" would read it had the block been on the clipboard;
// and each begindefineitem line written in another letter case, wherever it
// stands, even among the lines of a block. Other definitions, and any text
// between blocks, are skipped.
class ScenarioScript {
public:
    // Item numbers run from 0 to 499: a script that defines each of them ten
    // times over is no scenario a list of its items helps with. The bound
    // keeps the list's memory in proportion to the file, however small its
    // blocks.
    static constexpr int kMostItemBlocks = 5000;

    ScenarioScript() = default;
    // Finds the blocks of `text`; with more than kMostItemBlocks, none.
    ScenarioScript(ScenarioText text, ScriptLists lists);

    bool TooManyBlocks() const { return m_tooMany; }
    // The encoding the file was read in.
    ScenarioText::Encoding FileEncoding() const { return m_text.FileEncoding(); }
    const std::vector<ScenarioBlock>& Blocks() const { return m_blocks; }
    // The positions in Blocks() of the blocks of an item number, in file order.
    QList<int> BlocksNumbered(int number) const { return m_byNumber.value(number); }
    const ScriptLists& Lists() const { return m_lists; }
    // The whole block read again: Read, or Refused with the reason; a header
    // in another letter case is refused.
    ItemScriptReading Read(const ScenarioBlock& block) const;

private:
    ScenarioText m_text;
    ScriptLists m_lists;
    std::vector<ScenarioBlock> m_blocks;
    QHash<int, QList<int>> m_byNumber;
    bool m_tooMany = false;
};

// The begindefineitem lines of the blocks of each item number, in file order.
QMap<int, QList<int>> LinesByItemNumber(const std::vector<ScenarioBlock>& blocks);

// What the status line of the scenario's list says.
struct ScenarioSummary {
    int blocks = 0;
    int distinctNumbers = 0;
    // The lowest item number from 0 to 499 that no header writes, even one of a
    // block that cannot be loaded; -1 when all are written.
    int lowestFree = -1;
    int shown = -1;  // the blocks a filter lets through; -1 while no filter is on
};
ScenarioSummary SummarizeScenario(const std::vector<ScenarioBlock>& blocks);
// "31 item blocks, 28 item numbers, lowest free number 0"; under a filter
// "3 of 31 item blocks, ...": the numbers stay those of the whole script.
QString DescribeSummary(const ScenarioSummary& summary);
