#pragma once

#include "model/ReadItemScript.h"

#include <QList>
#include <QMap>
#include <QString>

#include <vector>

// One item block of a scenario script, read as "Paste Script into Form"
// would read it had the block been on the clipboard.
struct ScenarioBlock {
    int line = 0;               // the 1-based line of its begindefineitem
    int number = -1;            // the item number; -1 when the header is refused
    ItemScriptReading reading;  // Read, or Refused with the reason
};

// Every item block of a scenario script in the order of the file. Other
// definitions, and any text between blocks, are skipped.
std::vector<ScenarioBlock> ReadScenarioBlocks(QStringView text, const ScriptLists& lists);

// The begindefineitem lines of the blocks of each item number, in file order.
QMap<int, QList<int>> LinesByItemNumber(const std::vector<ScenarioBlock>& blocks);

// What the status line of the scenario's list says.
struct ScenarioSummary {
    int blocks = 0;
    int distinctNumbers = 0;
    int lowestFree = -1;  // the lowest item number from 0 to 499 no block uses; -1 when all are used
};
ScenarioSummary SummarizeScenario(const std::vector<ScenarioBlock>& blocks);
QString DescribeSummary(const ScenarioSummary& summary);
