#include "model/InputRules.h"

#include <gtest/gtest.h>

namespace {

TEST(InputRules, KeyRules)
{
    struct Case {
        int code;
        bool numeric, strength;
    };
    const Case cases[] = {
        {'0', true, true}, {'5', true, true}, {'9', true, true}, {8, true, true},
        {'-', false, true}, {'+', false, false}, {'.', false, false}, {' ', false, false},
        {'a', false, false}, {'/', false, false}, {':', false, false}, {13, false, false},
        {22, false, false}, {0xE9, false, false}, {-1, false, false}, {127, false, false},
    };
    for (const Case& c : cases) {
        const auto code = std::int16_t(c.code);
        EXPECT_EQ(FilterNumericKey(code), c.numeric ? code : 0) << c.code;
        EXPECT_EQ(FilterStrengthKey(code), c.strength ? code : 0) << c.code;
    }
}

TEST(InputRules, LeaveFieldNumberRules)
{
    struct Case {
        const char* typed;
        const char* itemNumber;
        const char* importNumber;
    };
    const Case cases[] = {
        {"", "0", "0"},          {"0", "0", "0"},        {"5", "5", "5"},
        {"007", "007", "007"},   {"255", "255", "255"},  {"256", "256", "255"},
        {"499", "499", "255"},   {"500", "499", "255"},  {"999", "499", "255"},
        {"0500", "499", "255"},  {"0000499", "0000499", "255"},
        {"99999999999999999999", "499", "255"},
        // Pasted text that is not a number is kept as typed.
        {"abc", "abc", "abc"},   {"12a", "12a", "12a"},  {" 600", " 600", " 600"},
        {"-5", "-5", "-5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItemNumberRule(c.typed), QString(c.itemNumber)) << '"' << c.typed << '"';
        EXPECT_EQ(ImportNumberRule(c.typed), QString(c.importNumber)) << '"' << c.typed << '"';
    }
}

TEST(InputRules, ZeroWhenFlagged)
{
    EXPECT_EQ(ZeroWhenFlagged("", true), "0");
    EXPECT_EQ(ZeroWhenFlagged("", false), "");
    EXPECT_EQ(ZeroWhenFlagged("0012", true), "0012");
    EXPECT_EQ(ZeroWhenFlagged("7", false), "7");
}

}  // namespace
