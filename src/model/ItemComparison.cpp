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
    return ReadItemScript(BuildItemScript(item), lists).item;
}

QString DescribeValue(const ItemProperty& property, const ItemDefinition& item)
{
    const PropertyValue value = ValueOf(property, item);
    switch (property.kind) {
    case PropertyKind::ClearImport:
        return *value.yes ? QStringLiteral("Clear") : QStringLiteral("Import ") + *value.text;
    case PropertyKind::Quoted: return QLatin1Char('"') + *value.text + QLatin1Char('"');
    case PropertyKind::ItemNumber:
    case PropertyKind::Digits:
    case PropertyKind::Strength:
    case PropertyKind::FreeText: return *value.text;
    case PropertyKind::List: return QStringLiteral("%1 (%2)").arg(value.choice->text).arg(value.choice->position);
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
        return QStringLiteral("%1 (%2)").arg(c.written, c.refusal);
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
