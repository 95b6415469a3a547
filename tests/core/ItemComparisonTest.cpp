#include "model/ItemComparison.h"
#include "model/BuildItemScript.h"
#include "model/ReadItemScript.h"

#include "NumberedLists.h"

#include <gtest/gtest.h>

namespace {

const ScriptLists& kLists = kNumberedLists;

// Each kind of property, compared as both blocks read: what differs, by caption.
TEST(ItemComparison, PropertyByProperty)
{
    const struct {
        const char* name;
        const char* script;
        const char* form;
        const char* differs;
    } rows[] = {
        {"quoted text, spacing and comments aside", "it_name  =  \"Torch\" ; // x\nit_full_name = \"A\";",
         "it_name = \"Torch\";\nit_full_name = \"B\";", "Item Full Name"},
        {"digits as written", "it_value = 5;\nit_weight = 05;", "it_value = 6;\nit_weight = 5;",
         "Value, Weight (tenths)"},
        {"a list's comment is not its value, a typed skill is",
         "it_variety = 2; // Wrong\nit_weapon_skill_used = 2; // Typed",
         "it_variety = 2; // V2\nit_weapon_skill_used = 2;", "Skill Used"},
        {"a line shown on one side only, whatever its value; a sheet shown with no icon",
         "it_charges = 0;\nit_magic = 0;\nit_floor_which_sheet = 1003;", "it_magic = 1;",
         "Charges/Amount, Magic Item?"},
        {"spinners, and the sheet that goes with either icon",
         "it_floor_which_sheet = 1003;\nit_floor_which_icon = 2;\nit_missile_anim_type = 2;",
         "it_floor_which_sheet = 1004;\nit_inventory_icon = 2;\nit_missile_anim_type = 3;",
         "Sheet Number, Floor Icon, Inventory Icon, Missile Animation"},
        {"an ability slot's two lines under one box",
         "it_ability_2 = 5;\nit_ability_str_2 = 3;\nit_ability_3 = 1;\nit_ability_str_3 = 0;",
         "it_ability_2 = 5;\nit_ability_str_2 = 4;", "Strength 2, Special Ability 3, Strength 3"},
        {"clear or import", "import = 3;", "import = 4;", "Clear/Import Item"},
        {"clear against import", "clear;", "import = 4;", "Clear/Import Item"},
        {"no more than five named",
         "it_name = \"a\";\nit_bonus = 1;\nit_value = 1;\nit_magic = 1;\nit_cursed = 1;\nclear;", "it_junk_item = 1;",
         "Clear/Import Item, Item Name, Bonus, Value, Magic Item? and 2 more"},
        {"the same item", "it_magic = 1;\nclear;", "clear;\nit_magic = 1;", ""},
    };
    for (const auto& row : rows) {
        const auto read = [](const char* lines) {
            return ReadItemScript(QStringLiteral("begindefineitem 12;\n") + lines, kLists).item;
        };
        const std::vector<PropertyComparison> comparison = CompareItems(read(row.form), read(row.script));
        EXPECT_EQ(DescribeDifferences(comparison), QString::fromUtf8(row.differs)) << row.name;
    }
    // A value as the comparison shows it.
    const ItemDefinition item =
        ReadItemScript("begindefineitem 1;\nit_weapon_skill_used = 2; // Bo%1ws\nimport = 7;\nit_name = \"Ash\";\n"
                       "it_icon_adjust = ;",
                       kLists)
            .item;
    const auto shown = [&](const char* key) { return DescribeValue(*PropertyOfKey(QString::fromLatin1(key)), item); };
    EXPECT_EQ(QStringList({shown("it_weapon_skill_used"), shown("import"), shown("it_name"), shown("it_magic"),
                           shown("it_icon_adjust")}),
              QStringList({"Bo%1ws (2)", "Import 7", "\"Ash\"", "No", "(empty)"}));
}

// A paste's report accounts for everything the form does not write as the block has it.
TEST(ItemComparison, WhatAPasteReports)
{
    const std::pair<const char*, const char*> rows[] = {
        {"begindefineitem 1;\nit_magic = 1;\n", ""},
        {"begindefineitem 1;\nit_magic = 1;\nbegindefineitem 4%2;\nx\n  begindefineitem 13 ;\n",
         "Some lines of the pasted block were not applied:\n\nLine 4: x\n"
         "    after the item block, which ends at line 2\n\nOnly the first item block was pasted: the text held 2 more "
         "after it, items 4%2 (line 3) and 13 (line 5).\n"},
        {"begindefineitem 1;\nbegindefineitem 2;\nbegindefineitem 3;\nbegindefineitem 4;\nbegindefineitem 5;\n"
         "begindefineitem 6;\nbegindefineitem 7;\nbegindefineitem 8;",
         "Only the first item block was pasted: the text held 7 more after it, items 2 (line 2), 3 (line 3), 4 (line "
         "4), "
         "5 (line 5), 6 (line 6) and 2 more.\n"},
        {"begindefineitem 1;\nit_floor_which_icon = 3;\nit_ability_2 = 1;\n",
         "The form now writes 2 properties otherwise than the pasted block:\n\nSheet Number: the form writes 1000; the "
         "block has no line for it.\n\nStrength 2: the form writes 0; the block has no line for it.\n"},
        {"begindefineitem 1;\nit_ability_1 = 2;\nit_ability_str_1 = x;\nit_value = ;\nbegindefineitem 9;",
         "Some lines of the pasted block were not applied:\n\nLine 3: it_ability_str_1 = x;\n    \"Strength 1\" takes "
         "digits only, after an optional \"-\"\n\nLine 4: it_value = ;\n    \"Value\" takes a number, and the line "
         "gives none\n\nThe form now writes 2 properties otherwise than the pasted block:\n\nStrength 1: the form "
         "writes 0; the block gives x.\n\nValue: the form writes no line; the block gives (empty).\n\nOnly the first "
         "item block was pasted: the text held 1 more after it, item 9 (line 5).\n"},
    };
    for (const auto& [text, report] : rows) {
        const ItemScriptReading reading = ReadItemScript(text, kLists);
        ItemDefinition form = reading.item;
        FillEmptyNumbers(form);
        EXPECT_EQ(DescribeLoad(reading, AsTheScriptReadsIt(form, kLists), "the pasted block").toStdString(), report)
            << text;
    }
}

}  // namespace
