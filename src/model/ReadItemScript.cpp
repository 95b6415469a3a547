#include "model/ReadItemScript.h"

#include "model/InputRules.h"
#include "model/ItemProperties.h"
#include "model/ScriptKeys.h"
#include "model/ScriptLine.h"
#include "model/StartingItem.h"
#include "refdata/VarietyRule.h"

#include <QHash>

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace {

// Script text quoted in a report, cut short where it runs on.
QString abbreviated(QStringView text, qsizetype most = 60)
{
    return text.size() <= most ? text.toString() : text.first(most).toString() + QStringLiteral("...");
}

// Any of Unicode's spaces is a blank: a block copied from a web page comes
// indented with no-break spaces.
bool isBlank(QChar c) { return c.isSpace(); }
bool isKeyChar(QChar c) { return (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'_'; }

bool onlyOf(QStringView text, QStringView allowed)
{
    return std::ranges::all_of(text, [allowed](QChar c) { return allowed.contains(c); });
}

bool isDigits(QStringView text) { return onlyOf(text, u"0123456789"); }

// The property whose key is `key` in another letter case ("It_Name"); null for
// any other word. The game's keys are lower case: such a line sets nothing. A
// begindefineitem line in another case is no line of a block: it ends one.
const ItemProperty* propertyInOtherCase(QStringView key)
{
    const ItemProperty* p = PropertyOfKey(key.toString().toLower());
    return p && p->kind != PropertyKind::ItemNumber ? p : nullptr;
}

QString keysAreLowerCase(QStringView key)
{
    return QStringLiteral("\"%1\": keys are lower case").arg(abbreviated(key));
}

// One line of script split into its parts, which are views of the line.
struct Line {
    enum class Kind { Blank, Comment, Statement, Other };
    Kind kind = Kind::Other;
    QStringView key;
    bool hasEquals = false;   // "key = value;" rather than "key;"
    bool terminated = false;  // ends in ";", perhaps followed by a // comment
    QStringView value;        // between "=" (or the key) and that ";", as written
    std::optional<QStringView> comment;
    const ItemProperty* property = nullptr;  // the key's, when the form knows it
};

Line parseLine(QStringView text)
{
    Line line;
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i == text.size()) {
        line.kind = Line::Kind::Blank;
        return line;
    }
    if (text.sliced(i).startsWith(u"//")) {
        line.kind = Line::Kind::Comment;
        return line;
    }
    const qsizetype keyStart = i;
    while (i < text.size() && isKeyChar(text[i]))
        ++i;
    line.key = text.sliced(keyStart, i - keyStart);
    qsizetype next = i;
    while (next < text.size() && isBlank(text[next]))
        ++next;
    line.hasEquals = next < text.size() && text[next] == u'=';
    const bool bare = next < text.size() && text[next] == u';';
    // A word followed by neither "=" nor ";" is some other statement of the
    // scenario script, unless it is one of the item's own keys written wrongly.
    const ItemProperty* property = line.property = PropertyOfKey(line.key);
    if (line.key.isEmpty()
        || (!line.hasEquals && !bare && line.key != ScriptKeys::Begin && !property && !propertyInOtherCase(line.key)))
        return line;
    line.kind = Line::Kind::Statement;

    // The statement ends at a ";" that only blanks or a comment follow: the
    // last such one where the value is text, which may itself hold ";" and
    // "//"; otherwise the first, so that a comment may hold them.
    const bool textValue =
        property && (property->kind == PropertyKind::Quoted || property->kind == PropertyKind::FreeText);
    const qsizetype valueStart = line.hasEquals ? next + 1 : i;
    qsizetype end = text.size();
    for (qsizetype n = 0; n < text.size() - valueStart; ++n) {
        const qsizetype k = textValue ? text.size() - 1 - n : valueStart + n;
        if (text[k] != u';')
            continue;
        qsizetype t = k + 1;
        while (t < text.size() && isBlank(text[t]))
            ++t;
        if (t == text.size() || text.sliced(t).startsWith(u"//")) {
            if (t < text.size()) {
                QStringView comment = text.sliced(t + 2);
                line.comment = comment.startsWith(u' ') ? comment.sliced(1) : comment;
            }
            line.terminated = true;
            end = k;
            break;
        }
    }
    line.value = text.sliced(valueStart, end - valueStart);
    return line;
}

// Whether a parsed line belongs to the item block above it.
bool continuesBlock(const Line& line)
{
    return line.kind == Line::Kind::Blank || line.kind == Line::Kind::Comment
           || (line.kind == Line::Kind::Statement && line.key != ScriptKeys::Begin);
}

// Whether the line opens a quoted text it does not close: a line broken
// inside an item's name, its text running on in the lines after it.
bool opensText(const Line& line)
{
    return line.kind == Line::Kind::Statement && line.property && line.property->kind == PropertyKind::Quoted
           && line.hasEquals && line.value.trimmed().startsWith(u'"') && line.value.count(u'"') == 1;
}

// How many lines after a line that opens a quoted text the text runs on: to
// the first line that holds a double quote, blank lines and comments among
// them. None where the text ends first, or a line of an item's key or a
// begindefineitem line (in any letter case) comes first: then the quote was
// only left open, and those lines are lines of their own. `lines` is left
// where it was.
int linesOfBrokenText(ScriptLineSource& lines)
{
    const qsizetype start = lines.Position();
    int count = 0;
    QStringView text;
    while (lines.Next(text)) {
        ++count;
        const Line line = parseLine(text);
        if (line.kind == Line::Kind::Blank || line.kind == Line::Kind::Comment)
            continue;
        if ((line.kind == Line::Kind::Statement
             && (line.property || line.key == ScriptKeys::Begin || propertyInOtherCase(line.key)))
            || IsItemBlockHeaderInOtherCase(text))
            break;
        if (text.contains(u'"')) {
            lines.Rewind(start);
            return count;
        }
    }
    lines.Rewind(start);
    return 0;
}

// Goes through the lines of a block after its header, which `lines` has just
// given, calling visit(lineNumber, text, line, opening) for each: `opening` is
// 0 for a line of its own, or the line whose broken quoted text it carries on.
// Leaves `lines` at the line after the block; returns the block's last line.
template <class Visit>
int walkBlock(ScriptLineSource& lines, int headerLine, const Visit& visit)
{
    int last = headerLine;
    QStringView text;
    for (qsizetype at = lines.Position(); lines.Next(text); at = lines.Position()) {
        const Line line = parseLine(text);
        if (!continuesBlock(line)) {
            lines.Rewind(at);
            break;
        }
        const int opening = ++last;
        visit(opening, text, line, 0);
        for (int n = opensText(line) ? linesOfBrokenText(lines) : 0; n > 0 && lines.Next(text); --n)
            visit(++last, text, parseLine(text), opening);
    }
    return last;
}

QString entryOf(const QStringList& list, int position)
{
    return position >= 0 && position < list.size() ? list[position] : QString();
}

bool isItemNumber(QStringView text)
{
    return !text.isEmpty() && text.size() <= 3 && isDigits(text) && ItemNumberRule(text.toString()) == text;
}

// Whether a problem of the line would be among those listed.
bool listed(const ItemScriptReading& reading, int lineNumber)
{
    const std::vector<ScriptProblem>& problems = reading.problems;
    return int(problems.size()) < kMostProblemsListed || lineNumber < problems.back().line;
}

// Keeps the problem of a line, in line order, its reason made only when it is
// listed: the first kMostProblemsListed problems are, the others only counted.
void addProblem(ItemScriptReading& reading, int lineNumber, QStringView text, const std::function<QString()>& reason)
{
    std::vector<ScriptProblem>& problems = reading.problems;
    if (!listed(reading, lineNumber)) {
        ++reading.problemsNotListed;
        return;
    }
    const auto at = std::ranges::upper_bound(problems, lineNumber, {}, &ScriptProblem::line);
    problems.insert(at, {lineNumber, abbreviated(text.trimmed(), 120), reason()});
    if (int(problems.size()) > kMostProblemsListed) {
        problems.pop_back();
        ++reading.problemsNotListed;
    }
}

// Applies the lines of one block to the item, keeping the reason for every
// line it does not apply.
class BlockReader {
public:
    BlockReader(const ScriptLists& lists, ItemScriptReading& reading) : m_lists(lists), m_reading(reading) {}

    // Returns whether the line was applied.
    bool apply(int lineNumber, QStringView text, const Line& line)
    {
        // A known key reaches here once a block, the others being repeats:
        // its reason is put into words even past the lines listed, since a
        // value the form cannot take is shown beside its property.
        m_describe = listed(m_reading, lineNumber) || line.property;
        m_valueRefused = false;
        QString reason = reasonNotApplied(line);
        if (reason.isEmpty()) {
            m_reading.appliedLines << lineNumber;
            return true;
        }
        if (m_valueRefused)
            m_reading.refused.push_back({line.property, lineNumber, writtenValue(*line.property, line), reason});
        addProblem(m_reading, lineNumber, text, [&reason] { return reason; });
        return false;
    }

    // Marks the caption as taken by `lineNumber`; returns the line that took it before, or 0.
    int take(const QString& caption, int lineNumber)
    {
        const int before = m_reading.propertyLines.value(caption, 0);
        if (before == 0)
            m_reading.propertyLines.insert(caption, lineNumber);
        return before;
    }

private:
    // The reason a line is not applied, put into words only when it is listed:
    // a block of a million wrong lines is counted, not described.
    QString why(const std::function<QString()>& words) const
    {
        return m_describe ? words() : QStringLiteral("not applied");
    }

    // Sets the line's value and ticks its box; or leaves the item alone and
    // says why.
    QString reasonNotApplied(const Line& line)
    {
        using K = PropertyKind;
        const ItemProperty* p = line.property;
        if (!p)
            return why([&] {
                return propertyInOtherCase(line.key) ? keysAreLowerCase(line.key)
                                                     : QStringLiteral("unknown key \"%1\"").arg(abbreviated(line.key));
            });
        // A text broken across lines is a value the form cannot take, shown as
        // far as its line goes.
        if (opensText(line)) {
            m_valueRefused = true;
            return why([] { return QStringLiteral("the quoted text runs past the end of its line"); });
        }
        if (!line.terminated)
            return why([] { return QStringLiteral("the line does not end in \";\""); });
        const bool clear = line.key == ScriptKeys::Clear;
        if (clear && (line.hasEquals || !line.value.trimmed().isEmpty()))
            return why([] { return QStringLiteral("\"clear\" takes no value"); });
        if (!clear && !line.hasEquals)
            return why([&] { return QStringLiteral("\"%1\" needs \"=\" and a value").arg(line.key); });
        // The line is well formed: what follows refuses its value.
        m_valueRefused = true;
        ItemDefinition& item = m_reading.item;
        const int variety = item.cboVariety.position;
        if (p->unticks && m_varietyRead && !(VarietyRule(variety).*(p->frame)))
            return why([&] {
                return QStringLiteral("the variety at position %1 disables \"%2\"")
                    .arg(QString::number(variety), p->caption);
            });

        const PropertyValue target = p->value(item);
        const QStringView value = line.value.trimmed();
        switch (p->kind) {
        case K::ItemNumber: return why([] { return QStringLiteral("a block has one item number"); });
        case K::ClearImport:
        case K::Digits:
        case K::Strength:
        case K::Quoted:
        case K::FreeText: {
            if (clear) {
                *target.yes = true;
                break;
            }
            QStringView text;
            if (QString reason = textOf(*p, line.value, text); !reason.isEmpty())
                return reason;
            *target.text = text.toString();
            if (p->kind == K::ClearImport)
                *target.yes = false;
            break;
        }
        case K::List: {
            const QStringList& list = m_lists.*(p->list);
            bool ok = false;
            const int position = value.toInt(&ok);
            if (!ok || !onlyOf(value, u"-0123456789"))
                return why(
                    [&] { return QStringLiteral("\"%1\" is not a position in the list").arg(abbreviated(value)); });
            if (position < -1 || position >= list.size())
                return why([&] {
                    return QStringLiteral("position %1 is outside the list (-1 to %2)")
                        .arg(QString::number(position), QString::number(list.size() - 1));
                });
            // The skill box also takes typed text: a comment that differs is the typed skill.
            const bool typed = p->list == &ScriptLists::skills && line.comment;
            if (typed && line.comment->size() > kLongestText)
                return why([&] {
                    return QStringLiteral("longer than the %1 characters \"%2\" takes")
                        .arg(QString::number(kLongestText), p->caption);
                });
            *target.choice = {std::int16_t(position), typed ? line.comment->toString() : entryOf(list, position)};
            break;
        }
        case K::Sheet:
        case K::Spinner: {
            bool ok = false;
            const int number = value.toInt(&ok);
            if (!ok || !isDigits(value) || number < p->low || number > p->high)
                return why([&] {
                    return QStringLiteral("\"%1\" takes a whole number from %2 to %3")
                        .arg(p->caption, QString::number(p->low), QString::number(p->high));
                });
            *target.number = number;
            break;
        }
        case K::YesNo:
            if (value != u"1" && value != u"0")
                return why([&] { return QStringLiteral("\"%1\" takes 1 or 0").arg(p->caption); });
            *target.yes = value == u"1";
            break;
        }
        m_valueRefused = false;
        if (target.flag)
            *target.flag = true;
        m_varietyRead = m_varietyRead || p->list == &ScriptLists::varieties;
        return QString();
    }

    // The text a text box receives from `raw`, the value as written; or why
    // the box does not take it.
    QString textOf(const ItemProperty& p, QStringView raw, QStringView& text) const
    {
        using K = PropertyKind;
        if (p.kind == K::FreeText) {
            // Icon Adjust takes every character, blanks included: its value is
            // what follows the one blank after "=", as written.
            text = raw.startsWith(u' ') ? raw.sliced(1) : raw;
        } else {
            text = raw.trimmed();
        }
        if (p.kind == K::Quoted) {
            if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"'))
                return why([] { return QStringLiteral("the text must stand between double quotes"); });
            text = text.sliced(1, text.size() - 2);
        } else if (p.kind != K::FreeText) {
            // A number line gives a number: "it_value = ;" or a strength of
            // "-" alone would reach the game as a broken line.
            const QStringView digits = p.kind == K::Strength && text.startsWith(u'-') ? text.sliced(1) : text;
            if (!isDigits(digits))
                return why([&] {
                    return QStringLiteral("\"%1\" takes digits only%2")
                        .arg(p.caption,
                             p.kind == K::Strength ? QStringLiteral(", after an optional \"-\"") : QString());
                });
            if (digits.isEmpty())
                return why(
                    [&] { return QStringLiteral("\"%1\" takes a number, and the line gives none").arg(p.caption); });
        }
        if (text.size() > p.high)
            return why([&] {
                return QStringLiteral("longer than the %1 characters \"%2\" takes")
                    .arg(QString::number(p.high), p.caption);
            });
        return QString();
    }

    // The value of a line as the script writes it: Icon Adjust's as its box
    // would hold it, a list's with its comment, which is the entry's text.
    static QString writtenValue(const ItemProperty& p, const Line& line)
    {
        QString written =
            abbreviated(p.kind == PropertyKind::FreeText && line.value.startsWith(u' ') ? line.value.sliced(1)
                                                                                        : line.value.trimmed());
        if (p.kind == PropertyKind::List && line.comment)
            written += QStringLiteral(" // ") + abbreviated(*line.comment);
        return written;
    }

    const ScriptLists& m_lists;
    ItemScriptReading& m_reading;
    bool m_varietyRead = false;
    bool m_describe = true;
    bool m_valueRefused = false;  // the reason found refuses the value of a property's line
};

// The lines of text held whole, such as a pasted block.
class TextLines final : public ScriptLineSource {
public:
    TextLines(QStringView text, qsizetype from) : m_text(text), m_at(from) {}
    bool Next(QStringView& line) override
    {
        if (m_at >= m_text.size())
            return false;
        std::tie(line, m_at) = LineAt(m_text, m_at);
        return true;
    }
    qsizetype Position() const override { return m_at; }
    void Rewind(qsizetype position) override { m_at = position; }

private:
    QStringView m_text;
    qsizetype m_at;
};

}  // namespace

bool IsItemBlockHeader(QStringView line)
{
    // Most lines of a scenario script are something else: a cheap look at the
    // first word comes before the full parse.
    const QStringView word = line.trimmed();
    if (!word.startsWith(ScriptKeys::Begin))
        return false;
    const Line parsed = parseLine(line);
    return parsed.kind == Line::Kind::Statement && parsed.key == ScriptKeys::Begin;
}

bool IsItemBlockHeaderInOtherCase(QStringView line)
{
    const QStringView word = line.trimmed();
    if (!word.startsWith(ScriptKeys::Begin, Qt::CaseInsensitive) || word.startsWith(ScriptKeys::Begin))
        return false;
    return word.size() == ScriptKeys::Begin.size() || !isKeyChar(word[ScriptKeys::Begin.size()]);
}

QString ItemNumberAsWritten(QStringView header) { return abbreviated(parseLine(header).value.trimmed(), 20); }

namespace {

// The lines of a pasted text after the block read, none of which the paste
// takes: the item blocks that follow are counted, each with the lines that
// continue it, and every other line but a blank or a comment is reported, so
// that nothing of the text is passed over in silence.
// The lines of a pasted text above its item block: text copied with it, such
// as the words of a post around the block, named so that none goes unsaid.
void accountForLinesBeforeBlock(const QString& text, ItemScriptReading& reading)
{
    TextLines lines(text, 0);
    QStringView line;
    for (int lineNumber = 1; lineNumber < reading.line && lines.Next(line); ++lineNumber) {
        const Line parsed = parseLine(line);
        if (parsed.kind == Line::Kind::Blank || parsed.kind == Line::Kind::Comment)
            continue;
        ++reading.linesOutsideBlock;
        addProblem(reading, lineNumber, line, [&] {
            return IsItemBlockHeaderInOtherCase(line)
                       ? keysAreLowerCase(line.trimmed().first(ScriptKeys::Begin.size()))
                       : QStringLiteral("before the item block, which begins at line ") + QString::number(reading.line);
        });
    }
}

void accountForLinesAfterBlock(const QString& text, ItemScriptReading& reading)
{
    const int blockEnd = reading.line + reading.lines - 1;
    TextLines lines(text, reading.end);
    QStringView line;
    for (int lineNumber = blockEnd + 1; lines.Next(line); ++lineNumber) {
        if (IsItemBlockHeader(line)) {
            if (++reading.furtherBlockCount <= kMostProblemsListed)
                reading.furtherBlocks.push_back({lineNumber, ItemNumberAsWritten(line)});
            lineNumber = walkBlock(lines, lineNumber, [](int, QStringView, const Line&, int) {});
            continue;
        }
        const Line parsed = parseLine(line);
        if (parsed.kind == Line::Kind::Blank || parsed.kind == Line::Kind::Comment)
            continue;
        ++reading.linesOutsideBlock;
        addProblem(reading, lineNumber, line, [&] {
            const bool otherCase = IsItemBlockHeaderInOtherCase(line);
            const QString why = otherCase ? keysAreLowerCase(line.trimmed().first(ScriptKeys::Begin.size()))
                                          : QStringLiteral("not a line of an item block");
            if (lineNumber == blockEnd + 1)
                return why + QStringLiteral(", so the item block ends above it");
            return otherCase ? why : QStringLiteral("after the item block, which ends at line %1").arg(blockEnd);
        });
    }
}

// A reading that refuses the text, for the paste's message box and, in a few
// words, for a list of blocks.
ItemScriptReading refusal(int line, qsizetype end, QString sentence, QString reason)
{
    ItemScriptReading reading;
    reading.result = ItemScriptReading::Result::Refused;
    reading.refusal = std::move(sentence);
    reading.refusalReason = std::move(reason);
    reading.line = line;
    reading.end = end;
    reading.lines = 1;
    return reading;
}

}  // namespace

ItemScriptReading ReadItemScript(const QString& text, const ScriptLists& lists)
{
    // A begindefineitem line in another letter case begins no block; where
    // the text has no other, the paste says why it takes nothing.
    std::optional<ItemScriptReading> otherCase;
    int lineNumber = 1;
    for (qsizetype at = 0; at < text.size(); ++lineNumber) {
        const auto [line, next] = LineAt(QStringView(text), at);
        if (IsItemBlockHeader(line)) {
            TextLines lines(text, at);
            ItemScriptReading reading = ReadItemBlock(lines, lineNumber, lists);
            if (reading.result == ItemScriptReading::Result::Read) {
                accountForLinesBeforeBlock(text, reading);
                accountForLinesAfterBlock(text, reading);
            }
            return reading;
        }
        if (!otherCase && IsItemBlockHeaderInOtherCase(line)) {
            const QStringView word = line.trimmed().first(ScriptKeys::Begin.size());
            otherCase = refusal(lineNumber, next,
                                QStringLiteral("Line %1, \"%2\", begins no item block: keys are lower case (\"%3\"). "
                                               "Nothing was pasted.")
                                    .arg(QString::number(lineNumber), abbreviated(line.trimmed()), ScriptKeys::Begin),
                                keysAreLowerCase(word));
        }
        at = next;
    }
    return otherCase.value_or(ItemScriptReading());
}

ItemScriptReading ReadItemBlock(ScriptLineSource& lines, int headerLine, const ScriptLists& lists)
{
    QStringView text;
    lines.Next(text);
    const Line header = parseLine(text);
    const QString number = header.value.trimmed().toString();
    if (!header.terminated || header.hasEquals) {
        return refusal(headerLine, lines.Position(),
                       QStringLiteral("Line %1, \"%2\", is not of the form \"begindefineitem <number>;\". "
                                      "Nothing was pasted.")
                           .arg(QString::number(headerLine), abbreviated(text.trimmed())),
                       QStringLiteral("not of the form \"begindefineitem <number>;\""));
    }
    if (!isItemNumber(number)) {
        return refusal(
            headerLine, lines.Position(),
            QStringLiteral("The item number \"%1\" in line %2 is not a whole number from 0 to 499. "
                           "The item number is the item's identity, so nothing was pasted.")
                .arg(abbreviated(number), QString::number(headerLine)),
            QStringLiteral("the item number \"%1\" is not a whole number from 0 to 499").arg(abbreviated(number)));
    }

    ItemScriptReading reading;
    reading.result = ItemScriptReading::Result::Read;
    reading.line = headerLine;
    reading.appliedLines << headerLine;
    ItemDefinition& item = reading.item;
    item = StartingItem();
    item.txtItemNum = number;
    item.cboVariety.text = entryOf(lists.varieties, item.cboVariety.position);
    item.cboSkill.text = entryOf(lists.skills, item.cboSkill.position);
    for (AbilitySlot& slot : item.specAbil)
        slot.cboSpecAbil.text = entryOf(lists.abilities, slot.cboSpecAbil.position);

    // Through the block twice, so that nothing of its lines is held: first to
    // find its end and apply its variety line, whose rule decides which frames
    // take values; then every other line in order. Lines with one caption set
    // one control: the first one wins.
    BlockReader reader(lists, reading);
    const qsizetype bodyStart = lines.Position();
    int varietyLine = 0;
    const int last =
        walkBlock(lines, headerLine, [&](int lineNumber, QStringView lineText, const Line& line, int opening) {
            if (opening == 0 && varietyLine == 0 && line.kind == Line::Kind::Statement
                && line.key == ScriptKeys::Variety) {
                varietyLine = lineNumber;
                reader.take(line.property->caption, lineNumber);
                reader.apply(lineNumber, lineText, line);
            }
        });
    reading.end = lines.Position();
    reading.lines = last - headerLine + 1;

    lines.Rewind(bodyStart);
    int sheetLine = 0;
    QString sheetText;
    walkBlock(lines, headerLine, [&](int lineNumber, QStringView lineText, const Line& line, int opening) {
        if (opening != 0) {
            if (line.kind == Line::Kind::Statement || line.kind == Line::Kind::Other)
                addProblem(reading, lineNumber, lineText,
                           [&] { return QStringLiteral("the rest of the quoted text of line %1").arg(opening); });
            return;
        }
        if (line.kind != Line::Kind::Statement || lineNumber == varietyLine)
            return;
        const ItemProperty* p = line.property;
        if (const int before = p ? reader.take(p->caption, lineNumber) : 0; before != 0) {
            addProblem(reading, lineNumber, lineText, [&] {
                return QStringLiteral("line %1 already gives \"%2\"").arg(QString::number(before), p->caption);
            });
            return;
        }
        if (reader.apply(lineNumber, lineText, line) && line.key == ScriptKeys::Sheet) {
            sheetLine = lineNumber;
            sheetText = abbreviated(lineText, 200);
        }
    });

    // The script writes the sheet only beside an icon: a sheet line on its own
    // is applied but does not come back.
    if (sheetLine != 0 && !item.chkFloorIcon && !item.chkInvIcon) {
        addProblem(reading, sheetLine, sheetText, [] {
            return QStringLiteral("the sheet was selected, but the script writes it only "
                                  "together with a floor or inventory icon line");
        });
    }
    return reading;
}

const RefusedValue* ItemScriptReading::RefusedOf(const ItemProperty* property) const
{
    const auto found = std::ranges::find(refused, property, &RefusedValue::property);
    return found == refused.end() ? nullptr : &*found;
}

QList<int> ItemScriptReading::LeftOutLinesListed() const
{
    QList<int> lines;
    for (const ScriptProblem& p : problems) {
        if (std::ranges::find(refused, p.line, &RefusedValue::line) == refused.end())
            lines << p.line;
    }
    return lines;
}

QString DescribeProblems(const ItemScriptReading& reading, const QString& block)
{
    QString text = QStringLiteral("Some lines of %1 were not applied:\n").arg(block);
    for (const ScriptProblem& p : reading.problems)
        text += QStringLiteral("\nLine %1: %2\n    %3\n").arg(QString::number(p.line), p.text, p.reason);
    if (reading.problemsNotListed > 0)
        text += QStringLiteral("\nand %1 more lines not applied.\n").arg(reading.problemsNotListed);
    return text;
}
