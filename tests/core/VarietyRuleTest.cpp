#include "refdata/VarietyRule.h"

#include <gtest/gtest.h>

namespace {

// Columns: damage, the four combat groups, special abilities, missile.
struct Row {
    int from, to;
    bool damage, combat, specAbil, missile;
};

TEST(VarietyRule, TableOverPositions0To26)
{
    const Row rows[] = {
        {0, 0, false, false, false, false}, {1, 2, true, true, true, false},     {3, 4, false, false, false, false},
        {5, 5, true, true, true, true},     {6, 6, true, true, true, false},     {7, 10, false, false, true, false},
        {11, 20, false, true, true, false}, {21, 21, false, false, true, false}, {22, 22, true, true, true, false},
        {23, 24, false, false, true, true}, {25, 26, false, false, true, false},
    };
    int covered = 0;
    for (const Row& r : rows) {
        for (int p = r.from; p <= r.to; ++p, ++covered) {
            VarietyOutcome expected;
            expected.damage = r.damage;
            expected.bonus = expected.skill = expected.protect = expected.encumb = r.combat;
            expected.specAbil = r.specAbil;
            expected.missile = r.missile;
            EXPECT_EQ(VarietyRule(p), expected) << "position " << p;
        }
    }
    EXPECT_EQ(covered, 27);
    EXPECT_EQ(VarietyRule(1000), VarietyRule(21));
}

}  // namespace
