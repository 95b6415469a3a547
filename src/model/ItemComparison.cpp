#include "model/ItemComparison.h"

#include "model/BuildItemScript.h"
#include "model/ReadItemScript.h"

#include <algorithm>

namespace {

bool sameValue(const ItemProperty& property, const ItemDefinition& a, const ItemDefinition& b)
{
    const PropertyValue x = ValueOf(property, a);
    const PropertyValue y = ValueOf(property, b);
    switch (property.kind) {
    case PropertyKind::ClearImport: return *x.yes == *y.yes && (*x.yes || *x.text == *y.text);
    case PropertyKind::ItemNumber:
    case PropertyKind::Digits:
    case PropertyKind::Strength:
    case PropertyKind::Quoted:
    case PropertyKind::FreeText: return *x.text == *y.text;
    case PropertyKind::List: return *x.choice == *y.choice;
    case PropertyKind::Sheet:
    case PropertyKind::Spinner: return *x.number == *y.number;
    case PropertyKind::YesNo: return *x.yes == *y.yes;
    }
    return false;
}

}  // namespace

bool IsShown(const ItemProperty& property, const ItemDefinition& item)
{
    switch (property.kind) {
    case PropertyKind::ItemNumber: return true;
    case PropertyKind::Sheet: return item.chkFloorIcon || item.chkInvIcon;
    default: return *ValueOf(property, item).flag;
    }
}

std::vector<PropertyComparison> CompareItems(const ItemDefinition& form, const ItemDefinition& script,
                                             const std::vector<RefusedValue>& refused)
{
    std::vector<PropertyComparison> comparison;
    for (const ItemProperty& property : ItemProperties()) {
        if (property.kind == PropertyKind::ItemNumber)
            continue;
        PropertyComparison c;
        c.property = &property;
        c.formShown = IsShown(property, form);
        c.scriptShown = IsShown(property, script);
        c.differs = c.formShown != c.scriptShown || (c.formShown && !sameValue(property, form, script));
        const auto found = std::ranges::find(refused, &property, &RefusedValue::property);
        if (found != refused.end()) {
            c.scriptShown = c.differs = true;
            c.written = found->written;
            c.refusal = found->reason;
        }
        comparison.push_back(c);
    }
    return comparison;
}

ItemDefinition AsTheScriptReadsIt(const ItemDefinition& item, const ScriptLists& lists)
{
    return ReadItemScript(GenerateScript(item), lists).item;
}

namespace {

// A value without quotes that is empty reads as such, never as a blank beside "not shown".
QString unquoted(const QString& text) { return text.isEmpty() ? QStringLiteral("(empty)") : text; }

}  // namespace

QString DescribeValue(const ItemProperty& property, const ItemDefinition& item)
{
    const PropertyValue value = ValueOf(property, item);
    switch (property.kind) {
    case PropertyKind::ClearImport:
        return *value.yes ? QStringLiteral("Clear") : QStringLiteral("Import ") + unquoted(*value.text);
    case PropertyKind::Quoted: return QLatin1Char('"') + *value.text + QLatin1Char('"');
    case PropertyKind::ItemNumber:
    case PropertyKind::Digits:
    case PropertyKind::Strength:
    case PropertyKind::FreeText: return unquoted(*value.text);
    case PropertyKind::List:
        return QStringLiteral("%1 (%2)").arg(value.choice->text, QString::number(value.choice->position));
    case PropertyKind::Sheet:
    case PropertyKind::Spinner: return QString::number(*value.number);
    case PropertyKind::YesNo: return *value.yes ? QStringLiteral("Yes") : QStringLiteral("No");
    }
    return {};
}

QString DescribeScriptSide(const PropertyComparison& c, const ItemDefinition& script)
{
    if (!c.scriptShown)
        return QStringLiteral("not shown");
    if (!c.refusal.isEmpty())
        return QStringLiteral("%1 (%2)").arg(unquoted(c.written), c.refusal);
    return DescribeValue(*c.property, script);
}

QString DescribeFormSide(const PropertyComparison& c, const ItemDefinition& form)
{
    return c.formShown ? DescribeValue(*c.property, form) : QStringLiteral("not shown");
}

int CountDifferences(const std::vector<PropertyComparison>& comparison)
{
    return int(std::ranges::count_if(comparison, &PropertyComparison::differs));
}

QString DescribeDifferences(const std::vector<PropertyComparison>& comparison)
{
    constexpr int kMostNamed = 5;
    QStringList captions;
    for (const PropertyComparison& c : comparison) {
        if (c.differs && captions.size() < kMostNamed)
            captions << c.property->caption;
    }
    const int more = CountDifferences(comparison) - int(captions.size());
    return captions.join(QStringLiteral(", ")) + (more > 0 ? QStringLiteral(" and %1 more").arg(more) : QString());
}

namespace {

// "item 12 (line 20)", "items 12 (line 20) and 13 (line 40)"; beyond six, the
// first five and how many more.
QString describeBlocks(const ItemScriptReading& reading)
{
    constexpr qsizetype kMostNamed = 6;
    const int count = reading.furtherBlockCount;
    QStringList named;
    for (const ItemScriptReading::FurtherBlock& b : reading.furtherBlocks) {
        if (named.size() == kMostNamed)
            break;
        named << QStringLiteral("%1 (line %2)").arg(b.number, QString::number(b.line));
    }
    const QString last = count > kMostNamed ? QStringLiteral("%L1 more").arg(count - kMostNamed + 1) : named.back();
    named.removeLast();
    return (count == 1 ? QStringLiteral("item ") : QStringLiteral("items "))
           + (named.isEmpty() ? last : QStringLiteral("%1 and %2").arg(named.join(QStringLiteral(", ")), last));
}

}  // namespace

QString DescribeLoad(const ItemScriptReading& reading, const ItemDefinition& written, const QString& block)
{
    QString text = reading.ProblemCount() > 0 ? DescribeProblems(reading, block) : QString();
    // Every property whose line the form now writes otherwise than the block:
    // a value it could not take, a line it leaves out, a line the block lacks.
    QString properties;
    int count = 0;
    for (const PropertyComparison& c : CompareItems(written, reading.item, reading.refused)) {
        const bool given = reading.propertyLines.contains(c.property->caption);
        if (!c.differs && (given || !c.formShown))
            continue;
        ++count;
        const QString form = c.formShown ? QStringLiteral("writes ") + DescribeValue(*c.property, written)
                                         : QStringLiteral("writes no line");
        const QString script = !given ? QStringLiteral("has no line for it")
                               : c.refusal.isEmpty()
                                   ? QStringLiteral("gives ") + DescribeValue(*c.property, reading.item)
                                   : QStringLiteral("gives ") + unquoted(c.written);
        properties += QStringLiteral("\n%1: the form %2; the block %3.\n").arg(c.property->caption, form, script);
    }
    if (count > 0)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n"))
                + QStringLiteral("The form now writes %1 otherwise than %2:\n")
                      .arg(QString::number(count)
                               + (count == 1 ? QStringLiteral(" property") : QStringLiteral(" properties")),
                           block)
                + properties;
    if (reading.furtherBlockCount > 0)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n"))
                + QStringLiteral("Only the first item block was pasted: the text held %1 after it, %2.\n")
                      .arg(reading.furtherBlockCount == 1 ? QStringLiteral("1 more")
                                                          : QStringLiteral("%L1 more").arg(reading.furtherBlockCount),
                           describeBlocks(reading));
    return text;
}
