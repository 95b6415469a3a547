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

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isKeyChar(QChar c) { return (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'_'; }

bool onlyOf(QStringView text, QStringView allowed)
{
    return std::ranges::all_of(text, [allowed](QChar c) { return allowed.contains(c); });
}

bool isDigits(QStringView text) { return onlyOf(text, u"0123456789"); }

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
    if (line.key.isEmpty() || (!line.hasEquals && !bare && line.key != ScriptKeys::Begin && !property))
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

QString entryOf(const QStringList& list, int position)
{
    return position >= 0 && position < list.size() ? list[position] : QString();
}

bool isItemNumber(QStringView text)
{
    return !text.isEmpty() && text.size() <= 3 && isDigits(text) && ItemNumberRule(text.toString()) == text;
}

// Applies the lines of one block to the item, keeping the reason for every
// line it does not apply: the first kMostProblemsListed of them in line order,
// the others only counted.
class BlockReader {
public:
    BlockReader(const ScriptLists& lists, ItemScriptReading& reading) : m_lists(lists), m_reading(reading) {}

    // Returns whether the line was applied.
    bool apply(int lineNumber, QStringView text, const Line& line)
    {
        // A known key reaches here once a block, the others being repeats:
        // its reason is put into words even past the lines listed, since a
        // value the form cannot take is shown beside its property.
        m_describe = listed(lineNumber) || line.property;
        m_valueRefused = false;
        QString reason = reasonNotApplied(line);
        if (reason.isEmpty())
            return true;
        if (m_valueRefused)
            m_reading.refused.push_back({line.property, lineNumber, writtenValue(*line.property, line), reason});
        addProblem(lineNumber, text, [&reason] { return reason; });
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

    // Keeps the problem of a line, its reason made only when it is listed.
    void addProblem(int lineNumber, QStringView text, const std::function<QString()>& reason)
    {
        std::vector<ScriptProblem>& problems = m_reading.problems;
        if (!listed(lineNumber)) {
            ++m_reading.problemsNotListed;
            return;
        }
        const auto at = std::ranges::upper_bound(problems, lineNumber, {}, &ScriptProblem::line);
        problems.insert(at, {lineNumber, abbreviated(text.trimmed(), 120), reason()});
        if (int(problems.size()) > kMostProblemsListed) {
            problems.pop_back();
            ++m_reading.problemsNotListed;
        }
    }

private:
    // Whether a problem of the line would be among those listed.
    bool listed(int lineNumber) const
    {
        const std::vector<ScriptProblem>& problems = m_reading.problems;
        return int(problems.size()) < kMostProblemsListed || lineNumber < problems.back().line;
    }

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
            return why([&] { return QStringLiteral("unknown key \"%1\"").arg(abbreviated(line.key)); });
        if (!line.terminated)
            return why([] { return QStringLiteral("the line does not end in \";\""); });
        const bool clear = line.key == ScriptKeys::Clear;
        if (clear && line.hasEquals)
            return why([] { return QStringLiteral("\"clear\" takes no value"); });
        if (!clear && !line.hasEquals)
            return why([&] { return QStringLiteral("\"%1\" needs \"=\" and a value").arg(line.key); });
        // The line is well formed: what follows refuses its value.
        m_valueRefused = true;
        ItemDefinition& item = m_reading.item;
        const int variety = item.cboVariety.position;
        if (p->unticks && m_varietyRead && !(VarietyRule(variety).*(p->frame)))
            return why([&] {
                return QStringLiteral("the variety at position %1 disables \"%2\"").arg(variety).arg(p->caption);
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
                        .arg(position)
                        .arg(list.size() - 1);
                });
            // The skill box also takes typed text: a comment that differs is the typed skill.
            const bool typed = p->list == &ScriptLists::skills && line.comment;
            if (typed && line.comment->size() > kLongestText)
                return why([&] {
                    return QStringLiteral("longer than the %1 characters \"%2\" takes")
                        .arg(kLongestText)
                        .arg(p->caption);
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
                        .arg(p->caption)
                        .arg(p->low)
                        .arg(p->high);
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
                return QStringLiteral("longer than the %1 characters \"%2\" takes").arg(p.high).arg(p.caption);
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
    bool m_valueRefused = false;  // the reason found refuses a well-formed line's value
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

// The item blocks of `text` after the one `reading` read, which a paste does not take.
void CountFurtherBlocks(const QString& text, ItemScriptReading& reading)
{
    int lineNumber = reading.line + reading.lines;
    for (qsizetype at = reading.end; at < text.size(); ++lineNumber) {
        const auto [line, next] = LineAt(QStringView(text), at);
        at = next;
        if (IsItemBlockHeader(line) && ++reading.furtherBlockCount <= kMostProblemsListed)
            reading.furtherBlocks.push_back({lineNumber, ItemNumberAsWritten(line)});
    }
}

}  // namespace

ItemScriptReading ReadItemScript(const QString& text, const ScriptLists& lists)
{
    int lineNumber = 1;
    for (qsizetype at = 0; at < text.size(); ++lineNumber) {
        const auto [line, next] = LineAt(QStringView(text), at);
        if (IsItemBlockHeader(line)) {
            TextLines lines(text, at);
            ItemScriptReading reading = ReadItemBlock(lines, lineNumber, lists);
            if (reading.result == ItemScriptReading::Result::Read)
                CountFurtherBlocks(text, reading);
            return reading;
        }
        at = next;
    }
    return {};
}

ItemScriptReading ReadItemBlock(ScriptLineSource& lines, int headerLine, const ScriptLists& lists)
{
    ItemScriptReading reading;
    reading.line = headerLine;
    QStringView text;
    lines.Next(text);
    const Line header = parseLine(text);
    const QString number = header.value.trimmed().toString();
    if (!header.terminated || header.hasEquals) {
        reading.result = ItemScriptReading::Result::Refused;
        reading.refusalReason = QStringLiteral("not of the form \"begindefineitem <number>;\"");
        reading.refusal = QStringLiteral("Line %1, \"%2\", is not of the form \"begindefineitem <number>;\". "
                                         "Nothing was pasted.")
                              .arg(headerLine)
                              .arg(abbreviated(text.trimmed()));
        reading.end = lines.Position();
        reading.lines = 1;
        return reading;
    }
    if (!isItemNumber(number)) {
        reading.result = ItemScriptReading::Result::Refused;
        reading.refusalReason =
            QStringLiteral("the item number \"%1\" is not a whole number from 0 to 499").arg(abbreviated(number));
        reading.refusal = QStringLiteral("The item number \"%1\" in line %2 is not a whole number from 0 to 499. "
                                         "The item number is the item's identity, so nothing was pasted.")
                              .arg(abbreviated(number))
                              .arg(headerLine);
        reading.end = lines.Position();
        reading.lines = 1;
        return reading;
    }

    reading.result = ItemScriptReading::Result::Read;
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
    int last = headerLine;
    for (qsizetype at = bodyStart; lines.Next(text); at = lines.Position()) {
        const Line line = parseLine(text);
        if (!continuesBlock(line)) {
            lines.Rewind(at);
            break;
        }
        ++last;
        if (varietyLine == 0 && line.kind == Line::Kind::Statement && line.key == ScriptKeys::Variety) {
            varietyLine = last;
            reader.take(line.property->caption, last);
            reader.apply(last, text, line);
        }
    }
    reading.end = lines.Position();
    reading.lines = last - headerLine + 1;

    lines.Rewind(bodyStart);
    int sheetLine = 0;
    QString sheetText;
    for (int lineNumber = headerLine + 1; lineNumber <= last && lines.Next(text); ++lineNumber) {
        const Line line = parseLine(text);
        if (line.kind != Line::Kind::Statement || lineNumber == varietyLine)
            continue;
        const ItemProperty* p = line.property;
        if (const int before = p ? reader.take(p->caption, lineNumber) : 0; before != 0) {
            reader.addProblem(lineNumber, text, [&] {
                return QStringLiteral("line %1 already gives \"%2\"").arg(before).arg(p->caption);
            });
            continue;
        }
        if (reader.apply(lineNumber, text, line) && line.key == ScriptKeys::Sheet) {
            sheetLine = lineNumber;
            sheetText = abbreviated(text, 200);
        }
    }

    // The script writes the sheet only beside an icon: a sheet line on its own
    // is applied but does not come back.
    if (sheetLine != 0 && !item.chkFloorIcon && !item.chkInvIcon) {
        reader.addProblem(sheetLine, sheetText, [] {
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
        text += QStringLiteral("\nLine %1: %2\n    %3\n").arg(p.line).arg(p.text, p.reason);
    if (reading.problemsNotListed > 0)
        text += QStringLiteral("\nand %1 more lines not applied.\n").arg(reading.problemsNotListed);
    return text;
}
