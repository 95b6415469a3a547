#pragma once

#include "model/ItemComparison.h"
#include "model/ScenarioScript.h"

#include <QList>
#include <QString>

// Whether the item number of the generated script is taken in the open
// scenario script, and by what.
struct ItemNumberCheck {
    enum class Outcome {
        Free,     // no block of the script has the number
        Matches,  // every block with the number is the generated item
        Differs,  // a block with the number is another item
    };
    Outcome outcome = Outcome::Free;
    int number = -1;
    QList<int> lines;     // the begindefineitem lines of the blocks with the number
    QList<int> matching;  // those of them that are the generated item
    // The block the item is compared with, property by property: the one
    // asked for, else the last of those that match, else the last of the
    // number; 0 when the number is free. The note speaks of it.
    int comparedLine = 0;
    // The compared block's item as the script names it: its name, else its
    // full name, as written without the quotes; empty where it gives neither.
    QString comparedName;
    ItemDefinition form;                // the generated item, as the script reads it
    ItemDefinition compared;            // the block's item
    QHash<QString, int> comparedLines;  // the line of each property of the block, by caption
    std::vector<PropertyComparison> comparison;
    // The lines of the matching blocks that give no property of the form, so
    // that the form leaves them out: how many, and the first of them.
    int leftOutCount = 0;
    QList<int> leftOutLines;
};

// Looks up the item number of `generatedScript` in `script` and compares the
// item with each block of the number, property by property. Items are
// compared as the block reader reads them, so blanks, the order of lines and
// comments make no difference. A script without a readable block is Free.
// `compareWith` is the line of the block to compare with in detail; 0 (or a
// line of no block of the number) for the last that matches, else the last.
ItemNumberCheck CheckItemNumber(const ScenarioScript& script, const QString& generatedScript, int compareWith = 0);

// The sentence shown beside the generated script, naming every line and which
// of them match, and what lines the form leaves out of those that match; when
// the compared block differs, first the item it gives the number and what
// differs; empty when the number is free. `ending` closes its last sentence:
// a full stop, or words that go on from it and end with one.
QString DescribeItemNumberCheck(const ItemNumberCheck& check, const QString& fileName,
                                const QString& ending = QStringLiteral("."));

// The compared definition as the note and the Compare window name it:
// `Item 31 is "Fen Spear" (line 33 of harrowmere.txt)`, the item named by
// its name, else its full name, else "an item without a name".
QString DescribeComparedDefinition(const ItemNumberCheck& check, const QString& fileName);

// "line 120", "lines 120 and 340", "lines 12, 40 and 99"; beyond six lines,
// the first five and how many more: "lines 1, 2, 3, 4, 5 and 2 more".
// `count` is how many lines there are, where `lines` holds only the first.
QString DescribeLines(const QList<int>& lines, qsizetype count = -1);
