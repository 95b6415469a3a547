#include "refdata/VarietyRule.h"

namespace {

bool isWeaponLike(int p) { return p == 1 || p == 2 || p == 5 || p == 6 || p == 22; }

}  // namespace

VarietyOutcome VarietyRule(int position)
{
    VarietyOutcome out;
    out.damage = isWeaponLike(position);
    const bool combat = isWeaponLike(position) || (position >= 11 && position <= 20);
    out.bonus = out.skill = out.protect = out.encumb = combat;
    out.specAbil = !(position == 0 || position == 3 || position == 4);
    out.missile = position == 5 || position == 23 || position == 24;
    return out;
}
