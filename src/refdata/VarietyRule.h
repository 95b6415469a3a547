#pragma once

// Which property frames apply to a variety, keyed by the variety's position
// in the variety list (its number in the game's scripts). A disabled frame of
// the first five groups also has its "Display in script" box unticked, so the
// property drops out of the script; the ability and missile boxes keep theirs.
struct VarietyOutcome {
    bool damage = false;  // fraDamage; chkDamage unticked when false
    bool bonus = false;   // fraBonus, fraSkill, fraProtect, fraEncumb share one state;
    bool skill = false;   //   each box of these four is unticked when false
    bool protect = false;
    bool encumb = false;
    bool specAbil = false;  // fraSpecAbil; no box is unticked
    bool missile = false;   // fraMissile; no box is unticked

    bool operator==(const VarietyOutcome&) const = default;
};

// The window applies the outcome in this order: damage; then bonus, skill,
// protection, encumbrance (each box unticked before its frame is disabled);
// then special abilities; then missile. Positions from 25 on behave like 21.
VarietyOutcome VarietyRule(int position);
