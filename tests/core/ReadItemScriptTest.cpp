#include "model/ReadItemScript.h"
#include "model/BuildItemScript.h"

#include "NumberedLists.h"

#include <QSet>

#include <gtest/gtest.h>

#include <random>

namespace {

const ScriptLists& kLists = kNumberedLists;

// Hand-written blocks: what the form then generates, and each line reported with a piece of its reason.
TEST(ReadItemScript, HandWrittenBlocks)
{
    const struct {
        const char* name;
        const char* text;
        const char* script;
        std::vector<std::pair<int, const char*>> problems;
    } rows[] = {
        {"words before the block, LF, odd spacing, any order, wrong list comment, typed skill, ends at another "
         "statement",
         "My dagger:\nbegindefineitem 45 ; // header\n  it_weight=12;\n   it_name   =  \"Ember \"Red\"\" ;\n"
         "\tit_variety = 2; // Wrong Name\n\n// note\n  it_damage_per_level =4;\n"
         "it_weapon_skill_used = 2; // Hand Typed\n  clear ;\nplace_item 3;\n it_value = 9;\n",
         "begindefineitem 45;\r\n\tclear;\r\n\tit_name = \"Ember \"Red\"\";\r\n\tit_variety = 2; // V2\r\n"
         "\tit_damage_per_level = 4;\r\n\tit_weapon_skill_used = 2; // Hand Typed\r\n\tit_weight = 12;\r\n",
         {{1, "before the item block, which begins at line 2"},
          {11, "not a line of an item block, so the item block ends above it"},
          {12, "after the item block, which ends at line 10"}}},
        {"Unicode spaces; a quoted text broken across lines or left open; keys in another case; lines after the block "
         "up to the next block; CR line ends",
         "begindefineitem 6;\n\u00a0it_full_name = \"Blade of\n\u2003\nthe Fen\";\nIt_Name = \"x\";\n"
         "it_name = \"Ember\n\u3000it_value\u00a0=\u00a04\u00a0;\u00a0\nclear skies;\nBeginDefineItem 7;\nit_magic = "
         "1;\n"
         "begindefineitem 8;\rit_cursed = 1;\r",
         "begindefineitem 6;\r\n\tit_value = 4;\r\n",
         {{2, "the quoted text runs past the end of its line"},
          {4, "the rest of the quoted text of line 2"},
          {5, "\"It_Name\": keys are lower case"},
          {6, "runs past the end"},
          {8, "\"clear\" takes no value"},
          {9, "\"BeginDefineItem\": keys are lower case, so the item block ends above it"},
          {10, "after the item block, which ends at line 8"}}},
        {"the variety's frames, a list with nothing chosen",
         "begindefineitem 0;\nit_damage_per_level = 1;\nit_variety = 11;\nit_weapon_skill_used = -1; // Mine\n"
         "it_bonus = 2;\nit_import = 3;\nimport = 256;\n",
         "begindefineitem 0;\r\n\timport = 256;\r\n\tit_variety = 11; // V11\r\n\tit_bonus = 2;\r\n"
         "\tit_weapon_skill_used = -1; // Mine\r\n",
         {{2, "position 11 disables \"Damage Per Level\""}, {6, "unknown key"}}},
        {"every line a box cannot take is reported; the rest is applied, with no variety to disable frames",
         "begindefineitem 3;\nit_colour = 5;\nit_value = 5\nit_value = 6;\nit_name = Ember;\nclear = 1;\n"
         "it_weight = 1a;\nit_full_name = \"123456789012345678901234567890\";\nit_magic = 2;\nit_ability_1 = 36; // x\n"
         "it_floor_which_sheet = 999;\nit_inventory_icon = 10;\nit_damage_per_level = 4;\nit_ability_2 = 5;\n"
         "it_ability_str_3 = -x;\nit_missile_anim_type = 4;\nit_floor_which_sheet = 1005;\n",
         "begindefineitem 3;\r\n\tit_damage_per_level = 4;\r\n\tit_ability_2 = 5; // A5\r\n\tit_ability_str_2 = 0;\r\n"
         "\tit_missile_anim_type = 4;",
         {{2, "unknown key \"it_colour\""},
          {3, "does not end in \";\""},
          {4, "line 3 already gives \"Value\""},
          {5, "between double quotes"},
          {6, "takes no value"},
          {7, "takes digits only"},
          {8, "longer than the 29"},
          {9, "takes 1 or 0"},
          {10, "outside the list (-1 to 35)"},
          {11, "from 1000 to 1048"},
          {12, "from 0 to 9"},
          {15, "digits only, after an optional \"-\""},
          {17, "line 11 already gives"}}},
        {"a number line gives a number; a strength's \"-\" only before its digits",
         "begindefineitem 4;\nit_value = ;\nimport = ;\nit_ability_1 = 2;\nit_ability_str_1 = -;\nit_ability_3 = 1;\n"
         "it_ability_str_3 = 5-3;\nit_ability_4 = 1;\nit_ability_str_4 = -7;\n",
         "begindefineitem 4;\r\n\tit_ability_1 = 2; // A2\r\n\tit_ability_str_1 = 0;\r\n\tit_ability_3 = 1; // A1\r\n"
         "\tit_ability_str_3 = 0;\r\n\tit_ability_4 = 1; // A1\r\n\tit_ability_str_4 = -7;\r\n",
         {{2, "\"Value\" takes a number, and the line gives none"},
          {3, "\"Clear/Import Item\" takes a number"},
          {5, "\"Strength 1\" takes a number"},
          {7, "after an optional \"-\""}}},
        {"a sheet line without an icon line",
         "begindefineitem 3;\nit_floor_which_sheet = 1005;\n",
         "begindefineitem 3;\r\n",
         {{2, "writes it only together with a floor or inventory icon line"}}},
    };
    for (const auto& row : rows) {
        const ItemScriptReading reading = ReadItemScript(QString::fromUtf8(row.text), kLists);
        ASSERT_EQ(reading.result, ItemScriptReading::Result::Read) << row.name;
        EXPECT_EQ(BuildItemScript(reading.item), QString::fromUtf8(row.script)) << row.name;
        ASSERT_EQ(reading.problems.size(), row.problems.size())
            << row.name << "\n"
            << DescribeProblems(reading, "the pasted block").toStdString();
        for (std::size_t i = 0; i < row.problems.size(); ++i) {
            EXPECT_EQ(reading.problems[i].line, row.problems[i].first) << row.name;
            EXPECT_TRUE(reading.problems[i].reason.contains(row.problems[i].second))
                << row.name << ": " << reading.problems[i].reason.toStdString();
        }
    }
    EXPECT_EQ(ReadItemScript("begindefineitem 3;\nit_floor_which_sheet = 1005;", kLists).item.updSheetNum, 1005);
}

// Many wrong lines: the first hundred listed, the rest counted, long lines cut short, no box taking more than it holds.
TEST(ReadItemScript, ReportsOfLongBlocksStayShort)
{
    const ItemScriptReading reading =
        ReadItemScript("begindefineitem 1;\nit_variety = 99;\n" + QString(500, u'k')
                           + " = 1;\nit_icon_adjust = " + QString(32768, u'x') + ";\nit_weapon_skill_used = 1; // "
                           + QString(32768, u'y') + QString("\nit_nmae = 1;").repeated(149),
                       kLists);
    ASSERT_EQ(reading.problems.size(), 100U);
    EXPECT_EQ(reading.problemsNotListed, 53);
    EXPECT_EQ(reading.problems.front().line, 2);
    EXPECT_EQ(reading.problems.back().line, 101);
    EXPECT_LE(reading.problems[1].text.size() + reading.problems[1].reason.size(), 200);
    EXPECT_TRUE(reading.problems[2].reason.contains("longer than the 32767 characters \"Icon Adjust\""));
    EXPECT_TRUE(reading.problems[3].reason.contains("longer than the 32767 characters \"Skill Used\""));
    EXPECT_FALSE(reading.item.chkIconAdjust || reading.item.chkSkill);
    EXPECT_TRUE(DescribeProblems(reading, "the pasted block").endsWith("\nand 53 more lines not applied.\n"));
}

TEST(ReadItemScript, NoBlockOrAnItemNumberItCannotTake)
{
    using R = ItemScriptReading::Result;
    const std::pair<const char*, R> rows[] = {
        {"", R::NoBlock},
        {"begindefineitem45;\nit_magic = 1;", R::NoBlock},
        {"x\n  begindefineitem 499;", R::Read},
        {"begindefineitem 600;", R::Refused},
        {"begindefineitem 0007;", R::Refused},
        {"begindefineitem ;", R::Refused},
        {"begindefineitem -1;", R::Refused},
        {"begindefineitem 45", R::Refused},
        {"begindefineitem = 45;", R::Refused},
    };
    for (const auto& [text, result] : rows)
        EXPECT_EQ(ReadItemScript(text, kLists).result, result) << text;
    EXPECT_TRUE(ReadItemScript("begindefineitem 4%2;", kLists).refusal.contains("\"4%2\" in line 1"));
    EXPECT_TRUE(ReadItemScript("x\n BeginDefineItem 22;", kLists)
                    .refusal.startsWith("Line 2, \"BeginDefineItem 22;\", begins no item block: keys are lower case"));
}

// Random blocks, indented with any Unicode spaces: each line but a blank or comment is applied (and written) or
// reported.
TEST(ReadItemScript, EveryLineIsAppliedOrReported)
{
    const QStringList kinds[] = {{"it_value = 4;", "it_name = \"Torch\";", "clear;", "it_variety = 3; // V3",
                                  "it_damage_per_level = 2;", "it_floor_which_sheet = 1003;"},
                                 {"It_Name = \"x\";", "BeginDefineItem 3;", "place_item 3;",
                                  "it_full_name = \"Blade of", "the Fen\";", "it_cursed = 1"},
                                 {"", "\u00a0", "\u2003 // note"}};
    const QString spaces[] = {"", "  ", "\t", "\u00a0\u00a0", "\u3000"};
    const char* const ends[] = {"\n", "\r\n", "\r"};
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        QStringList lines{"begindefineitem 7;"};
        QSet<int> content{1};
        for (int n = int(random() % 12); n > 0; --n) {
            const std::size_t kind = random() % 3;
            lines << spaces[random() % 5] + kinds[kind][qsizetype(random() % kinds[kind].size())];
            if (kind != 2)
                content << int(lines.size());
        }
        const QString text = lines.join(ends[random() % 3]);
        const ItemScriptReading reading = ReadItemScript(text, kLists);
        const QSet<int> applied(reading.appliedLines.begin(), reading.appliedLines.end());
        QSet<int> reported;
        for (const ScriptProblem& p : reading.problems)
            reported << p.line;
        EXPECT_TRUE(applied + reported == content) << text.toStdString();
        for (const int line : applied - reported)
            EXPECT_TRUE(BuildItemScript(reading.item).contains(lines[line - 1].trimmed())) << text.toStdString();
    }
}

}  // namespace
