#include "model/BuildItemScript.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Every flag set: each line once, in the game's fixed order, the missile line last and without CR LF.
TEST(BuildItemScript, EveryFlagInTheFixedOrder)
{
    ItemDefinition i;
    i.txtItemNum = "45";
    for (bool* flag :
         {&i.chkClearImport, &i.chkName,      &i.chkFullName, &i.chkVariety, &i.chkDamage,    &i.chkBonus,
          &i.chkSkill,       &i.chkProtect,   &i.chkCharges,  &i.chkEncumb,  &i.chkFloorIcon, &i.chkInvIcon,
          &i.chkIconAdjust,  &i.chkSpecClass, &i.chkValue,    &i.chkWeight,  &i.chkIdentify,  &i.chkMagic,
          &i.chkCursed,      &i.chkUseOnce,   &i.chkJunk,     &i.chkMissile})
        *flag = true;
    i.specAbil[0].chkSpecAbil = i.specAbil[3].chkSpecAbil = true;
    i.optMagicYes = true, i.cboVariety = {1, "One-Handed Weapon"}, i.updMissile = 11;
    QStringList keys;
    for (const QString& line : BuildItemScript(i).split("\r\n"))
        keys << line.section(u' ', 0, 0).trimmed();
    EXPECT_EQ(
        keys.join(u' ').toStdString(),
        "begindefineitem clear; it_name it_full_name it_variety it_damage_per_level it_bonus it_weapon_skill_used "
        "it_protection it_charges it_encumbrance it_floor_which_sheet it_floor_which_icon it_inventory_icon "
        "it_icon_adjust it_ability_1 it_ability_str_1 it_ability_4 it_ability_str_4 it_special_class it_value "
        "it_weight it_identified it_magic it_cursed it_once_per_day it_junk_item it_missile_anim_type");
    EXPECT_TRUE(BuildItemScript(i).endsWith("\r\n\tit_magic = 1;\r\n\tit_cursed = 0;\r\n\tit_once_per_day = 0;\r\n"
                                            "\tit_junk_item = 0;\r\n\tit_missile_anim_type = 11;"));
}

// Each row sets some members of an item numbered 1 and gives the lines after the first.
TEST(BuildItemScript, FlagsDecideTheLines)
{
    const struct {
        const char* name;
        std::function<void(ItemDefinition&)> set;
        const char* tail;
    } rows[] = {
        {"no flag, spinners set", [](auto& i) { i.updSheetNum = 1040, i.updFloorIcon = 3, i.updMissile = 6; }, ""},
        {"texts verbatim",
         [](auto& i) {
             i.chkName = i.chkIconAdjust = true, i.txtName = QString::fromUtf8("\"é\"€"), i.txtIconAdjust = " a;b ";
         },
         "\tit_name = \"\"é\"€\";\r\n\tit_icon_adjust =  a;b ;\r\n"},
        {"empty texts", [](auto& i) { i.chkFullName = i.chkEncumb = true; },
         "\tit_full_name = \"\";\r\n\tit_encumbrance = ;\r\n"},
        {"no variety chosen", [](auto& i) { i.chkVariety = true; }, "\tit_variety = -1; // \r\n"},
        {"typed skill",
         [](auto& i) {
             i.chkSkill = true, i.cboSkill = {-1, "Typed"};
         },
         "\tit_weapon_skill_used = -1; // Typed\r\n"},
        {"slots 2 and 4 keep their numbers",
         [](auto& i) {
             i.specAbil[1] = i.specAbil[3] = {{0, "None"}, "7", true};
         },
         "\tit_ability_2 = 0; // None\r\n\tit_ability_str_2 = 7;\r\n\tit_ability_4 = 0; // None\r\n\tit_ability_str_4 "
         "= 7;\r\n"},
        {"Yes read from the Yes button only", [](auto& i) { i.chkJunk = true, i.optJunkYes = true; },
         "\tit_junk_item = 1;\r\n"},
    };
    for (const auto& row : rows) {
        ItemDefinition item;
        item.txtItemNum = "1";
        row.set(item);
        EXPECT_EQ(BuildItemScript(item), QString::fromUtf8("begindefineitem 1;\r\n") + QString::fromUtf8(row.tail))
            << row.name;
    }
    EXPECT_EQ(BuildItemScript(ItemDefinition{}), "begindefineitem ;\r\n");
}

// Generate fills with "0" every empty number box whose line it writes, and only those: no number line without one.
TEST(BuildItemScript, NoNumberLineWithoutANumber)
{
    const struct {
        const char* name;
        std::function<void(ItemDefinition&)> set;
        const char* lines;
        int filled;
    } rows[] = {
        {"empty item number", [](ItemDefinition&) {}, "begindefineitem 0;\r\n", 1},
        {"unticked boxes stay empty", [](ItemDefinition& i) { i.txtItemNum = "7", i.txtValue = ""; },
         "begindefineitem 7;\r\n", 0},
        {"every number box ticked and empty",
         [](ItemDefinition& i) {
             i.txtItemNum = "600";  // the item number's own rule corrects it only when the box is left
             i.chkDamage = i.chkBonus = i.chkProtect = i.chkCharges = i.chkEncumb = i.chkSpecClass = i.chkValue =
                 i.chkWeight = true;
         },
         "begindefineitem 600;\r\n\tit_damage_per_level = 0;\r\n\tit_bonus = 0;\r\n\tit_protection = 0;\r\n"
         "\tit_charges = 0;\r\n\tit_encumbrance = 0;\r\n\tit_special_class = 0;\r\n\tit_value = 0;\r\n"
         "\tit_weight = 0;\r\n",
         8},
        {"import, and a strength of \"-\" alone; Icon Adjust takes any text, empty too",
         [](ItemDefinition& i) {
             i.txtItemNum = "1", i.chkClearImport = i.chkIconAdjust = true, i.optClear = false;
             i.specAbil[1] = {{3, "A3"}, "-", true}, i.specAbil[2] = {{1, "A1"}, "-4", true};
         },
         "begindefineitem 1;\r\n\timport = 0;\r\n\tit_icon_adjust = ;\r\n\tit_ability_2 = 3; // A3\r\n"
         "\tit_ability_str_2 = 0;\r\n\tit_ability_3 = 1; // A1\r\n\tit_ability_str_3 = -4;\r\n",
         2},
        {"clear leaves the import number alone", [](ItemDefinition& i) { i.txtItemNum = "1", i.chkClearImport = true; },
         "begindefineitem 1;\r\n\tclear;\r\n", 0},
    };
    for (const auto& row : rows) {
        ItemDefinition item;
        row.set(item);
        EXPECT_EQ(FillEmptyNumbers(item).size(), row.filled) << row.name;
        EXPECT_EQ(BuildItemScript(item).toStdString(), row.lines) << row.name;
    }
}

}  // namespace
