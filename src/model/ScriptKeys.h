#pragma once

#include <QString>

// The keys of an item block, spelt as the game's scenario scripts spell them:
// the generator writes them and the reader of pasted blocks matches them.
namespace ScriptKeys {

inline const QString Begin = QStringLiteral("begindefineitem");
inline const QString Clear = QStringLiteral("clear");
inline const QString Import = QStringLiteral("import");
inline const QString Name = QStringLiteral("it_name");
inline const QString FullName = QStringLiteral("it_full_name");
inline const QString Variety = QStringLiteral("it_variety");
inline const QString Damage = QStringLiteral("it_damage_per_level");
inline const QString Bonus = QStringLiteral("it_bonus");
inline const QString Skill = QStringLiteral("it_weapon_skill_used");
inline const QString Protection = QStringLiteral("it_protection");
inline const QString Charges = QStringLiteral("it_charges");
inline const QString Encumbrance = QStringLiteral("it_encumbrance");
inline const QString Sheet = QStringLiteral("it_floor_which_sheet");
inline const QString FloorIcon = QStringLiteral("it_floor_which_icon");
inline const QString InventoryIcon = QStringLiteral("it_inventory_icon");
inline const QString IconAdjust = QStringLiteral("it_icon_adjust");
inline const QString SpecialClass = QStringLiteral("it_special_class");
inline const QString Value = QStringLiteral("it_value");
inline const QString Weight = QStringLiteral("it_weight");
inline const QString Identified = QStringLiteral("it_identified");
inline const QString Magic = QStringLiteral("it_magic");
inline const QString Cursed = QStringLiteral("it_cursed");
inline const QString OncePerDay = QStringLiteral("it_once_per_day");
inline const QString Junk = QStringLiteral("it_junk_item");
inline const QString Missile = QStringLiteral("it_missile_anim_type");

// The two keys of ability slot 1 to 4, ending in the slot's own number.
inline QString Ability(int slot) { return QStringLiteral("it_ability_%1").arg(slot); }
inline QString AbilityStrength(int slot) { return QStringLiteral("it_ability_str_%1").arg(slot); }

}  // namespace ScriptKeys
