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

std::vector<PropertyComparison> CompareItems(const ItemDefinition& form, const ItemDefinition& script)
{
    std::vector<PropertyComparison> comparison;
    for (const ItemProperty& property : ItemProperties()) {
        if (property.kind == PropertyKind::ItemNumber)
            continue;
        PropertyComparison c{&property, IsShown(property, form), IsShown(property, script)};
        c.differs = c.formShown != c.scriptShown || (c.formShown && !sameValue(property, form, script));
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
