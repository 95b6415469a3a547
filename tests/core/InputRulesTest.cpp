#include "model/InputRules.h"

#include <gtest/gtest.h>

namespace {

TEST(InputRules, BoxEdits)
{
    // Rule, text held, text after an edit; the part inserted, then the text held and cursor, or why it is refused.
    using C = BoxRule::Characters;
    using R = BoxEdit::Refusal;
    const std::tuple<BoxRule, const char*, const char*, const char*, const char*, int, R> rows[] = {
        {{C::Digits, 3}, "0", "012", "12", "012", 3, R::None},
        {{C::Digits, 3}, "123", "1453", "45", nullptr, 0, R::Length},     // taken whole or not at all
        {{C::Digits, 5}, "0", "0 12\r\n", " 12\r\n", "012", 3, R::None},  // a spreadsheet cell
        {{C::Digits, 3}, "", " 123\t", " 123\t", "123", 3, R::None},
        {{C::Digits, 5}, "", "1 2", "1 2", nullptr, 0, R::Characters},
        {{C::Digits, 5}, "12", "12 ", " ", nullptr, 0, R::Characters},
        {{C::Strength, 3}, "", "-", "-", "-", 1, R::None},
        {{C::Strength, 3}, "", "\n-12 ", "\n-12 ", "-12", 3, R::None},
        {{C::Strength, 3}, "-5", "--5", "-", nullptr, 0, R::Characters},
        {{C::Every, 19}, "", " Ember \"Red\" ", " Ember \"Red\" ", " Ember \"Red\" ", 13, R::None},
        {{C::Every, 19}, "Sword", "Sword of\nAsh", " of\nAsh", nullptr, 0, R::LineBreak},
        {{C::Every, 19}, "", "\n", "\n", nullptr, 0, R::LineBreak},
    };
    for (const auto& [rule, before, after, inserted, held, cursor, refusal] : rows) {
        const BoxEdit edit = CheckBoxEdit(rule, before, after);
        EXPECT_EQ(edit.inserted, inserted) << after;
        EXPECT_EQ(edit.refusal, refusal) << after;
        if (held)
            EXPECT_EQ(edit.text + '|' + QString::number(edit.cursor), held + ('|' + QString::number(cursor))) << after;
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
