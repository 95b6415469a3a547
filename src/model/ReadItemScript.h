#pragma once

#include "model/ItemDefinition.h"
#include "model/ItemProperties.h"
#include "model/ScriptLists.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// A line of a pasted text that did not go into the form as written.
struct ScriptProblem {
    int line;  // 1-based, counted in the whole pasted text
    QString text;
    QString reason;
};

// A property's line whose value the form cannot take: a text longer than its
// box, a number outside its range or not a number, a list position past the
// list, a line the block's variety disables, a quoted text that runs past the
// end of its line. The value as the script writes it (a list's comment with
// it), cut short where it runs on, and why. The line is among the problems too.
struct RefusedValue {
    const ItemProperty* property = nullptr;
    int line = 0;
    QString written;
    QString reason;
};

// An item block read back from script text.
struct ItemScriptReading {
    enum class Result {
        Read,     // `item` holds the block, `problems` the lines not applied
        NoBlock,  // no line begins with begindefineitem
        Refused,  // the block's header or item number cannot be taken, or the text's only
                  // begindefineitem line is in another letter case; `refusal` says why
    };
    Result result = Result::NoBlock;
    QString refusal;        // the whole sentence, for the paste's message box
    QString refusalReason;  // the same reason in a few words, for a list of blocks
    ItemDefinition item;
    // The lines not applied, in the order of the text: the first
    // kMostProblemsListed of them, and how many more there are. Those of a
    // paste include its lines before and after the block (see
    // ReadItemScript), counted in `linesOutsideBlock` too.
    std::vector<ScriptProblem> problems;
    int problemsNotListed = 0;
    int linesOutsideBlock = 0;
    // The lines applied, the begindefineitem line first; the sheet line
    // without an icon line is also among the problems. Every line of the
    // block but a blank or a comment is applied or among the problems.
    QList<int> appliedLines;
    // The properties whose line the form cannot take, in the order of the
    // text: each by its first line, however many lines the block has.
    std::vector<RefusedValue> refused;
    // The line that gives each property, by its caption: the first line of its key.
    QHash<QString, int> propertyLines;
    // The item blocks a text holds after the one read, which a paste leaves
    // out: each by its begindefineitem line and its item number as written,
    // the first kMostProblemsListed of them, and how many there are in all.
    struct FurtherBlock {
        int line;
        QString number;
    };
    std::vector<FurtherBlock> furtherBlocks;
    int furtherBlockCount = 0;
    int line = 0;  // the begindefineitem line
    // Where the block's lines end in the text read: the start of the line
    // after its last; and how many lines it has, its header included.
    qsizetype end = 0;
    int lines = 0;

    int ProblemCount() const { return int(problems.size()) + problemsNotListed; }
    // The property's line the form cannot take; null where it takes it or the block has none.
    const RefusedValue* RefusedOf(const ItemProperty* property) const;
    // The lines that give no property of the form: an unknown key, a key
    // given twice, a malformed line, a sheet line the script writes only with
    // an icon. How many, and those among the problems listed.
    int LinesLeftOut() const { return ProblemCount() - int(refused.size()); }
    QList<int> LeftOutLinesListed() const;
};

// A report lists this many lines not applied, and counts the rest.
inline constexpr int kMostProblemsListed = 100;

// Reads the first item block of `text`: the line "begindefineitem <number>;"
// and the property lines after it, up to the next begindefineitem line or the
// first line that is neither a property line, a blank line nor a // comment.
// The item blocks after it are counted in `furtherBlocks`; every other line
// after it but a blank or a comment is among the problems, the paste taking
// none of them. A text whose only begindefineitem line is in another letter
// case is refused, since keys are lower case.
//
// The item starts as StartingItem() with every box unticked; each line the
// form can take then sets its value and ticks its box. The variety line comes
// first, and a damage, bonus, skill, protection or encumbrance line whose
// frame that variety disables is not applied. A block without a variety line
// says nothing of its variety: its lines are applied whatever frame they go
// into, as the ability and missile lines always are, so that the form
// generates the block again. A list line selects the entry at
// its position and takes the list's text, except that a skill comment that
// differs from the entry becomes the typed skill. Every line not applied is
// in `problems` with its reason: an unknown key, a repeated key (the first one
// wins), a malformed line, a key in another letter case, or a value its box
// does not accept. A line whose quoted text runs past its end is reported
// with the lines that carry the text on, up to the one with the closing
// quote, and the reading goes on after it. A sheet line
// without an icon line is applied, and listed because the script will not
// write it back. An item number that is not a whole number from 0 to 499
// refuses the whole block: the number is the item's identity, never guessed.
//
// Line ends may be CR LF, LF or CR; indentation, blanks around "=" and before
// ";" and a trailing // comment are allowed, any Unicode space being a blank.
// Keys are matched exactly.
ItemScriptReading ReadItemScript(const QString& text, const ScriptLists& lists);

// Whether the line is a begindefineitem line, well formed or not.
bool IsItemBlockHeader(QStringView line);
// Whether the line would be a begindefineitem line but for the letter case of
// that word ("BeginDefineItem 22;"): the game's keys are lower case, so the
// line heads no block, and the designer is told so.
bool IsItemBlockHeaderInOtherCase(QStringView line);
// The item number of such a line as written, well formed or not: "41" of
// "begindefineitem 41", cut short past 20 characters.
QString ItemNumberAsWritten(QStringView header);

// The lines of a script from an item block's header on, as the block reader
// takes them: one after the other, and back to a line already passed, since
// the reader goes through a block twice.
class ScriptLineSource {
public:
    ScriptLineSource() = default;
    ScriptLineSource(const ScriptLineSource&) = delete;
    ScriptLineSource& operator=(const ScriptLineSource&) = delete;
    virtual ~ScriptLineSource() = default;

    // The next line, without its line end; false at the end of the text. The
    // view holds until the next call.
    virtual bool Next(QStringView& line) = 0;
    // Where the next line starts; Rewind goes back to such a place.
    virtual qsizetype Position() const = 0;
    virtual void Rewind(qsizetype position) = 0;
};

// Reads the block whose begindefineitem line is the next line of `lines`,
// exactly as ReadItemScript reads the first block of a text, but says nothing
// of the lines after it; `headerLine` is the number of that line, from which
// the reading counts. The reading is Read or Refused; `end` is a Position of
// `lines`.
ItemScriptReading ReadItemBlock(ScriptLineSource& lines, int headerLine, const ScriptLists& lists);

// The report of the lines not applied, one after the other with its reason;
// `block` names the block read: "the pasted block", "the definition at line
// 12 of town.txt".
QString DescribeProblems(const ItemScriptReading& reading, const QString& block);
