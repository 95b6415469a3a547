#include "model/BuildItemScript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

std::string script(const ItemDefinition& item) { return BuildItemScript(item).toStdString(); }

ItemDefinition withItemNumber(const char* number)
{
    ItemDefinition item;
    item.txtItemNum = QString::fromUtf8(number);
    return item;
}

// The "Ember Dagger" item a designer would enter field by field.
ItemDefinition emberDagger()
{
    ItemDefinition item = withItemNumber("45");
    item.chkClearImport = true;
    item.optClear = true;
    item.txtName = QStringLiteral("Ember Dagger");
    item.chkName = true;
    item.txtFullName = QStringLiteral("Dagger of Embers");
    item.chkFullName = true;
    item.cboVariety = {1, QStringLiteral("One-Handed Weapon")};
    item.chkVariety = true;
    item.txtDamage = QStringLiteral("4");
    item.chkDamage = true;
    item.txtBonus = QStringLiteral("1");
    item.chkBonus = true;
    item.cboSkill = {2, QStringLiteral("Edged Weapons")};
    item.chkSkill = true;
    item.txtProtect = QStringLiteral("9");
    item.txtCharges = QStringLiteral("9");
    item.txtEncumb = QStringLiteral("0");
    item.chkEncumb = true;
    item.updSheetNum = 3;
    item.updFloorIcon = 7;
    item.updInvIcon = 7;
    item.chkFloorIcon = true;
    item.chkInvIcon = true;
    item.specAbil[0] = {{12, QStringLiteral("Fire Damage")}, QStringLiteral("5"), true};
    item.txtValue = QStringLiteral("150");
    item.chkValue = true;
    item.txtWeight = QStringLiteral("12");
    item.chkWeight = true;
    item.optIdentYes = false;
    item.chkIdentify = true;
    item.optMagicYes = true;
    item.chkMagic = true;
    item.updMissile = 2;
    return item;
}

const char* const kEmberDaggerScript =
    "begindefineitem 45;\r\n"
    "\tclear;\r\n"
    "\tit_name = \"Ember Dagger\";\r\n"
    "\tit_full_name = \"Dagger of Embers\";\r\n"
    "\tit_variety = 1; // One-Handed Weapon\r\n"
    "\tit_damage_per_level = 4;\r\n"
    "\tit_bonus = 1;\r\n"
    "\tit_weapon_skill_used = 2; // Edged Weapons\r\n"
    "\tit_encumbrance = 0;\r\n"
    "\tit_floor_which_sheet = 3;\r\n"
    "\tit_floor_which_icon = 7;\r\n"
    "\tit_inventory_icon = 7;\r\n"
    "\tit_ability_1 = 12; // Fire Damage\r\n"
    "\tit_ability_str_1 = 5;\r\n"
    "\tit_value = 150;\r\n"
    "\tit_weight = 12;\r\n"
    "\tit_identified = 0;\r\n"
    "\tit_magic = 1;\r\n";

TEST(BuildItemScript, WorkedExampleByteForByte)
{
    EXPECT_EQ(script(emberDagger()), kEmberDaggerScript);
}

TEST(BuildItemScript, MissileLineEndsTheTextWithoutLineBreak)
{
    ItemDefinition item = emberDagger();
    item.chkMissile = true;
    EXPECT_EQ(script(item), std::string(kEmberDaggerScript) + "\tit_missile_anim_type = 2;");
}

TEST(BuildItemScript, NoFlagsGiveOnlyTheItemNumberLine)
{
    EXPECT_EQ(script(withItemNumber("440")), "begindefineitem 440;\r\n");
    EXPECT_EQ(script(withItemNumber("")), "begindefineitem ;\r\n");
}

// Each flag set alone on an otherwise default item gives exactly this tail.
struct SingleFlagCase {
    const char* name;
    std::function<void(ItemDefinition&)> set;
    const char* tail;
};

TEST(BuildItemScript, EveryFlagAloneWritesItsOwnLine)
{
    const std::vector<SingleFlagCase> cases = {
        {"clear", [](auto& i) { i.chkClearImport = true; i.txtImport = "12"; }, "\tclear;\r\n"},
        {"import", [](auto& i) { i.chkClearImport = true; i.optClear = false; i.txtImport = "12"; },
         "\timport = 12;\r\n"},
        {"name", [](auto& i) { i.chkName = true; i.txtName = "Say \"hi\""; }, "\tit_name = \"Say \"hi\"\";\r\n"},
        {"full name", [](auto& i) { i.chkFullName = true; }, "\tit_full_name = \"\";\r\n"},
        {"variety", [](auto& i) { i.chkVariety = true; i.cboVariety = {7, "Ring"}; }, "\tit_variety = 7; // Ring\r\n"},
        {"variety none", [](auto& i) { i.chkVariety = true; }, "\tit_variety = -1; // \r\n"},
        {"damage", [](auto& i) { i.chkDamage = true; i.txtDamage = "007"; }, "\tit_damage_per_level = 007;\r\n"},
        {"bonus", [](auto& i) { i.chkBonus = true; i.txtBonus = "3"; }, "\tit_bonus = 3;\r\n"},
        {"typed skill", [](auto& i) { i.chkSkill = true; i.cboSkill = {-1, "Typed"}; },
         "\tit_weapon_skill_used = -1; // Typed\r\n"},
        {"protection", [](auto& i) { i.chkProtect = true; i.txtProtect = "2"; }, "\tit_protection = 2;\r\n"},
        {"charges", [](auto& i) { i.chkCharges = true; i.txtCharges = "10"; }, "\tit_charges = 10;\r\n"},
        {"encumbrance", [](auto& i) { i.chkEncumb = true; i.txtEncumb = ""; }, "\tit_encumbrance = ;\r\n"},
        {"floor icon", [](auto& i) { i.chkFloorIcon = true; i.updFloorIcon = 4; },
         "\tit_floor_which_sheet = 1000;\r\n\tit_floor_which_icon = 4;\r\n"},
        {"inventory icon", [](auto& i) { i.chkInvIcon = true; i.updInvIcon = 9; i.updSheetNum = 1048; },
         "\tit_floor_which_sheet = 1048;\r\n\tit_inventory_icon = 9;\r\n"},
        {"icon adjust", [](auto& i) { i.chkIconAdjust = true; i.txtIconAdjust = "a b"; }, "\tit_icon_adjust = a b;\r\n"},
        {"ability 3", [](auto& i) { i.specAbil[2] = {{0, "None"}, "-5", true}; },
         "\tit_ability_3 = 0; // None\r\n\tit_ability_str_3 = -5;\r\n"},
        {"special class", [](auto& i) { i.chkSpecClass = true; i.txtSpecClass = "1"; }, "\tit_special_class = 1;\r\n"},
        {"value", [](auto& i) { i.chkValue = true; i.txtValue = "99999"; }, "\tit_value = 99999;\r\n"},
        {"weight", [](auto& i) { i.chkWeight = true; i.txtWeight = "0012"; }, "\tit_weight = 0012;\r\n"},
        {"identified yes", [](auto& i) { i.chkIdentify = true; i.optIdentYes = true; }, "\tit_identified = 1;\r\n"},
        {"magic no", [](auto& i) { i.chkMagic = true; }, "\tit_magic = 0;\r\n"},
        {"cursed yes", [](auto& i) { i.chkCursed = true; i.optCurseYes = true; }, "\tit_cursed = 1;\r\n"},
        {"once per day", [](auto& i) { i.chkUseOnce = true; i.optUseOnceYes = true; }, "\tit_once_per_day = 1;\r\n"},
        {"junk", [](auto& i) { i.chkJunk = true; }, "\tit_junk_item = 0;\r\n"},
        {"missile", [](auto& i) { i.chkMissile = true; i.updMissile = 11; }, "\tit_missile_anim_type = 11;"},
    };
    for (const auto& c : cases) {
        ItemDefinition item = withItemNumber("1");
        c.set(item);
        EXPECT_EQ(script(item), std::string("begindefineitem 1;\r\n") + c.tail) << c.name;
    }
}

TEST(BuildItemScript, SpinnersWithoutTheirFlagsWriteNothing)
{
    ItemDefinition item = withItemNumber("1");
    item.updSheetNum = 1040;
    item.updFloorIcon = 3;
    item.updInvIcon = 3;
    item.updMissile = 6;
    item.chkIconAdjust = false;
    EXPECT_EQ(script(item), "begindefineitem 1;\r\n");
}

TEST(BuildItemScript, AbilitySlotsKeepTheirOwnNumbers)
{
    ItemDefinition item = withItemNumber("1");
    for (int i = 0; i < 4; ++i)
        item.specAbil[std::size_t(i)] = {{std::int16_t(10 + i), QStringLiteral("A%1").arg(i + 1)},
                                         QString::number(i + 1), false};
    item.specAbil[1].chkSpecAbil = true;
    item.specAbil[3].chkSpecAbil = true;
    EXPECT_EQ(script(item),
              "begindefineitem 1;\r\n"
              "\tit_ability_2 = 11; // A2\r\n"
              "\tit_ability_str_2 = 2;\r\n"
              "\tit_ability_4 = 13; // A4\r\n"
              "\tit_ability_str_4 = 4;\r\n");
}

TEST(BuildItemScript, FixedOrderWithEveryFlagSet)
{
    ItemDefinition item = emberDagger();
    item.chkProtect = item.chkCharges = item.chkIconAdjust = true;
    item.txtIconAdjust = QStringLiteral("2");
    item.chkSpecClass = item.chkCursed = item.chkUseOnce = item.chkJunk = item.chkMissile = true;
    item.txtSpecClass = QStringLiteral("3");
    for (auto& slot : item.specAbil)
        slot.chkSpecAbil = true;
    const std::string text = script(item);
    const char* keys[] = {"clear;", "it_name", "it_full_name", "it_variety", "it_damage_per_level",
                          "it_bonus", "it_weapon_skill_used", "it_protection", "it_charges",
                          "it_encumbrance", "it_floor_which_sheet", "it_floor_which_icon",
                          "it_inventory_icon", "it_icon_adjust", "it_ability_1 ", "it_ability_str_1",
                          "it_ability_2 ", "it_ability_4 ", "it_ability_str_4", "it_special_class",
                          "it_value", "it_weight", "it_identified", "it_magic", "it_cursed",
                          "it_once_per_day", "it_junk_item", "it_missile_anim_type"};
    std::size_t last = 0;
    for (const char* key : keys) {
        const std::size_t at = text.find(std::string("\t") + key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
    // 1 + 31 lines, every one but the missile line ends in CR LF.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 31);
    EXPECT_EQ(text.substr(text.size() - 2), "2;");
}

TEST(BuildItemScript, TextIsWrittenVerbatimIncludingNonAscii)
{
    ItemDefinition item = withItemNumber("7");
    item.chkName = true;
    item.txtName = QString::fromUtf8(u8"Caf\u00e9 \u2019 \u20ac");
    EXPECT_EQ(BuildItemScript(item),
              QString::fromUtf8(u8"begindefineitem 7;\r\n\tit_name = \"Caf\u00e9 \u2019 \u20ac\";\r\n"));
}

}  // namespace
