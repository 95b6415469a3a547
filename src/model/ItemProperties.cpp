#include "model/ItemProperties.h"

#include "model/ScriptKeys.h"

#include <string_view>
#include <unordered_map>

namespace {

using I = ItemDefinition;
using K = PropertyKind;
using V = PropertyValue;

// Ability slot `Slot` (0 to 3): the list and the strength share its box.
template <std::size_t Slot>
V ability(I& i)
{
    return {.flag = &i.specAbil[Slot].chkSpecAbil, .choice = &i.specAbil[Slot].cboSpecAbil};
}
template <std::size_t Slot>
V strength(I& i)
{
    return {.flag = &i.specAbil[Slot].chkSpecAbil, .text = &i.specAbil[Slot].txtSpecAbil};
}

std::vector<ItemProperty> table()
{
    std::vector<ItemProperty> t = {
        {ScriptKeys::Begin,
         "Item Number",
         K::ItemNumber,
         0,
         3,
         nullptr,
         nullptr,
         false,
         {"txtItemNum"},
         {},
         [](I& i) { return V{.text = &i.txtItemNum}; }},
        {ScriptKeys::Import,
         "Clear/Import Item",
         K::ClearImport,
         0,
         3,
         nullptr,
         nullptr,
         false,
         {"optClear", "optImport", "txtImport"},
         "chkClearImport",
         [](I& i) { return V{.flag = &i.chkClearImport, .text = &i.txtImport, .yes = &i.optClear}; }},
        {ScriptKeys::Name,
         "Item Name",
         K::Quoted,
         0,
         19,
         nullptr,
         nullptr,
         false,
         {"txtName"},
         "chkName",
         [](I& i) { return V{.flag = &i.chkName, .text = &i.txtName}; }},
        {ScriptKeys::FullName,
         "Item Full Name",
         K::Quoted,
         0,
         29,
         nullptr,
         nullptr,
         false,
         {"txtFullName"},
         "chkFullName",
         [](I& i) { return V{.flag = &i.chkFullName, .text = &i.txtFullName}; }},
        {ScriptKeys::Variety,
         "Variety",
         K::List,
         0,
         0,
         &ScriptLists::varieties,
         nullptr,
         false,
         {"cboVariety"},
         "chkVariety",
         [](I& i) { return V{.flag = &i.chkVariety, .choice = &i.cboVariety}; }},
        {ScriptKeys::Damage,
         "Damage Per Level",
         K::Digits,
         0,
         3,
         nullptr,
         &VarietyOutcome::damage,
         true,
         {"txtDamage"},
         "chkDamage",
         [](I& i) { return V{.flag = &i.chkDamage, .text = &i.txtDamage}; }},
        {ScriptKeys::Bonus,
         "Bonus",
         K::Digits,
         0,
         3,
         nullptr,
         &VarietyOutcome::bonus,
         true,
         {"txtBonus"},
         "chkBonus",
         [](I& i) { return V{.flag = &i.chkBonus, .text = &i.txtBonus}; }},
        {ScriptKeys::Skill,
         "Skill Used",
         K::List,
         0,
         0,
         &ScriptLists::skills,
         &VarietyOutcome::skill,
         true,
         {"cboSkill"},
         "chkSkill",
         [](I& i) { return V{.flag = &i.chkSkill, .choice = &i.cboSkill}; }},
        {ScriptKeys::Protection,
         "Protection",
         K::Digits,
         0,
         3,
         nullptr,
         &VarietyOutcome::protect,
         true,
         {"txtProtect"},
         "chkProtect",
         [](I& i) { return V{.flag = &i.chkProtect, .text = &i.txtProtect}; }},
        {ScriptKeys::Charges,
         "Charges/Amount",
         K::Digits,
         0,
         3,
         nullptr,
         nullptr,
         false,
         {"txtCharges"},
         "chkCharges",
         [](I& i) { return V{.flag = &i.chkCharges, .text = &i.txtCharges}; }},
        {ScriptKeys::Encumbrance,
         "Encumbrance",
         K::Digits,
         0,
         3,
         nullptr,
         &VarietyOutcome::encumb,
         true,
         {"txtEncumb"},
         "chkEncumb",
         [](I& i) { return V{.flag = &i.chkEncumb, .text = &i.txtEncumb}; }},
        {ScriptKeys::Sheet,
         "Sheet Number",
         K::Sheet,
         1000,
         1048,
         nullptr,
         nullptr,
         false,
         {"updSheetNum"},
         {},
         [](I& i) { return V{.number = &i.updSheetNum}; }},
        {ScriptKeys::FloorIcon,
         "Floor Icon",
         K::Spinner,
         0,
         9,
         nullptr,
         nullptr,
         false,
         {"updFloorIcon"},
         "chkFloorIcon",
         [](I& i) { return V{.flag = &i.chkFloorIcon, .number = &i.updFloorIcon}; }},
        {ScriptKeys::InventoryIcon,
         "Inventory Icon",
         K::Spinner,
         0,
         9,
         nullptr,
         nullptr,
         false,
         {"updInvIcon"},
         "chkInvIcon",
         [](I& i) { return V{.flag = &i.chkInvIcon, .number = &i.updInvIcon}; }},
        {ScriptKeys::IconAdjust,
         "Icon Adjust",
         K::FreeText,
         0,
         kLongestText,
         nullptr,
         nullptr,
         false,
         {"txtIconAdjust"},
         "chkIconAdjust",
         [](I& i) { return V{.flag = &i.chkIconAdjust, .text = &i.txtIconAdjust}; }},
    };
    const auto slot = [&](int n, V (*list)(I&), V (*text)(I&)) {
        const QString number = QString::number(n);
        const QString flag = "chkSpecAbil_" + number;
        t.push_back({ScriptKeys::Ability(n),
                     "Special Ability " + number,
                     K::List,
                     0,
                     0,
                     &ScriptLists::abilities,
                     &VarietyOutcome::specAbil,
                     false,
                     {"cboSpecAbil_" + number},
                     flag,
                     list});
        t.push_back({ScriptKeys::AbilityStrength(n),
                     "Strength " + number,
                     K::Strength,
                     0,
                     3,
                     nullptr,
                     &VarietyOutcome::specAbil,
                     false,
                     {"txtSpecAbil_" + number},
                     flag,
                     text});
    };
    slot(1, ability<0>, strength<0>);
    slot(2, ability<1>, strength<1>);
    slot(3, ability<2>, strength<2>);
    slot(4, ability<3>, strength<3>);
    const auto yesNo = [&](const QString& key, const char* caption, const char* yes, const char* no, const char* flag,
                           V (*value)(I&)) {
        t.push_back({key, caption, K::YesNo, 0, 0, nullptr, nullptr, false, {yes, no}, flag, value});
    };
    t.push_back({ScriptKeys::SpecialClass,
                 "Special Class",
                 K::Digits,
                 0,
                 2,
                 nullptr,
                 nullptr,
                 false,
                 {"txtSpecClass"},
                 "chkSpecClass",
                 [](I& i) { return V{.flag = &i.chkSpecClass, .text = &i.txtSpecClass}; }});
    t.push_back(
        {ScriptKeys::Value, "Value", K::Digits, 0, 5, nullptr, nullptr, false, {"txtValue"}, "chkValue", [](I& i) {
             return V{.flag = &i.chkValue, .text = &i.txtValue};
         }});
    t.push_back({ScriptKeys::Weight,
                 "Weight (tenths)",
                 K::Digits,
                 0,
                 4,
                 nullptr,
                 nullptr,
                 false,
                 {"txtWeight"},
                 "chkWeight",
                 [](I& i) { return V{.flag = &i.chkWeight, .text = &i.txtWeight}; }});
    yesNo(ScriptKeys::Identified, "Identified?", "optIdentYes", "optIdentNo", "chkIdentify",
          [](I& i) { return V{.flag = &i.chkIdentify, .yes = &i.optIdentYes}; });
    yesNo(ScriptKeys::Magic, "Magic Item?", "optMagicYes", "optMagicNo", "chkMagic",
          [](I& i) { return V{.flag = &i.chkMagic, .yes = &i.optMagicYes}; });
    yesNo(ScriptKeys::Cursed, "Cursed?", "optCurseYes", "optCurseNo", "chkCursed",
          [](I& i) { return V{.flag = &i.chkCursed, .yes = &i.optCurseYes}; });
    yesNo(ScriptKeys::OncePerDay, "Use Once Per Day?", "optUseOnceYes", "optUseOnceNo", "chkUseOnce",
          [](I& i) { return V{.flag = &i.chkUseOnce, .yes = &i.optUseOnceYes}; });
    yesNo(ScriptKeys::Junk, "Junk Item?", "optJunkYes", "optJunkNo", "chkJunk",
          [](I& i) { return V{.flag = &i.chkJunk, .yes = &i.optJunkYes}; });
    t.push_back({ScriptKeys::Missile,
                 "Missile Animation",
                 K::Spinner,
                 0,
                 11,
                 nullptr,
                 &VarietyOutcome::missile,
                 false,
                 {"updMissile"},
                 "chkMissile",
                 [](I& i) { return V{.flag = &i.chkMissile, .number = &i.updMissile}; }});
    return t;
}

std::u16string_view viewOf(QStringView text) { return {text.utf16(), std::size_t(text.size())}; }

}  // namespace

const std::vector<ItemProperty>& ItemProperties()
{
    static const std::vector<ItemProperty> properties = table();
    return properties;
}

const ItemProperty* PropertyOfKey(QStringView key)
{
    // Every line of a script is looked up: the table is found by a hash of the key.
    static const std::unordered_map<std::u16string_view, const ItemProperty*> byKey = [] {
        std::unordered_map<std::u16string_view, const ItemProperty*> map;
        for (const ItemProperty& p : ItemProperties()) {
            map.emplace(viewOf(p.key), &p);
            if (p.kind == PropertyKind::ClearImport)
                map.emplace(viewOf(ScriptKeys::Clear), &p);
        }
        return map;
    }();
    const auto found = byKey.find(viewOf(key));
    return found == byKey.end() ? nullptr : found->second;
}

const ItemProperty* PropertyOfControl(QStringView objectName)
{
    for (const ItemProperty& p : ItemProperties()) {
        if (p.flagControl == objectName || p.controls.contains(objectName))
            return &p;
    }
    return nullptr;
}
