#include "model/InputRules.h"

#include <gtest/gtest.h>

namespace {

TEST(InputRules, KeyRules)
{
    // The character, and whether the number boxes and the strength boxes let it through.
    const struct {
        int code;
        bool number, strength;
    } rows[] = {{'0', true, true},   {'9', true, true},   {8, true, true},      {'-', false, true},
                {'/', false, false}, {':', false, false}, {'+', false, false},  {' ', false, false},
                {13, false, false},  {22, false, false},  {0xE9, false, false}, {-1, false, false}};
    for (const auto& row : rows) {
        const auto code = std::int16_t(row.code);
        EXPECT_EQ(FilterNumericKey(code), row.number ? code : 0) << row.code;
        EXPECT_EQ(FilterStrengthKey(code), row.strength ? code : 0) << row.code;
    }
}

TEST(InputRules, LeaveFieldRules)
{
    // As typed, then as the item number and the import number leave it.
    const char* rows[][3] = {
        {"", "0", "0"},        {"007", "007", "007"}, {"255", "255", "255"},  {"256", "256", "255"},
        {"499", "499", "255"}, {"500", "499", "255"}, {"0500", "499", "255"}, {"99999999999999999999", "499", "255"},
        {"12a", "12a", "12a"}, {"-5", "-5", "-5"}};
    for (const auto& row : rows) {
        EXPECT_EQ(ItemNumberRule(row[0]), row[1]) << row[0];
        EXPECT_EQ(ImportNumberRule(row[0]), row[2]) << row[0];
    }
    EXPECT_EQ(ZeroWhenFlagged("", true), "0");
    EXPECT_EQ(ZeroWhenFlagged("", false), "");
    EXPECT_EQ(ZeroWhenFlagged("0012", true), "0012");
}

}  // namespace
