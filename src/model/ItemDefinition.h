#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One list choice of the item: the 0-based position of the chosen entry
// (-1 while none is chosen) and the text the list shows. The two are read
// from the list independently and never reconciled: a text typed into the
// skill box is written beside whatever position the list has chosen.
struct ListChoice {
    std::int16_t position = -1;
    QString text;

    bool operator==(const ListChoice&) const = default;
};

// One special ability slot: the ability chosen, its strength as typed, and the
// one "Display in script" flag that covers both.
struct AbilitySlot {
    ListChoice cboSpecAbil;
    QString txtSpecAbil;
    bool chkSpecAbil = false;

    bool operator==(const AbilitySlot&) const = default;
};

// The item being edited, one member per property, named after the control
// that holds it. Text members are the controls' text, verbatim. Flags are
// true only when their "Display in script" box is ticked.
struct ItemDefinition {
    QString txtItemNum;

    bool optClear = true;  // true: "Clear" chosen; false: "Import" chosen
    QString txtImport;
    bool chkClearImport = false;

    QString txtName;
    bool chkName = false;
    QString txtFullName;
    bool chkFullName = false;

    ListChoice cboVariety;
    bool chkVariety = false;

    QString txtDamage;
    bool chkDamage = false;
    QString txtBonus;
    bool chkBonus = false;

    ListChoice cboSkill;
    bool chkSkill = false;

    QString txtProtect;
    bool chkProtect = false;
    QString txtCharges;
    bool chkCharges = false;
    QString txtEncumb;
    bool chkEncumb = false;

    std::int32_t updSheetNum = 1000;
    std::int32_t updFloorIcon = 0;
    bool chkFloorIcon = false;
    std::int32_t updInvIcon = 0;
    bool chkInvIcon = false;

    QString txtIconAdjust;
    bool chkIconAdjust = false;

    // Slots 1 to 4; slot i is specAbil[i - 1].
    std::array<AbilitySlot, 4> specAbil{};

    QString txtSpecClass;
    bool chkSpecClass = false;
    QString txtValue;
    bool chkValue = false;
    QString txtWeight;
    bool chkWeight = false;

    bool optIdentYes = false;
    bool chkIdentify = false;
    bool optMagicYes = false;
    bool chkMagic = false;
    bool optCurseYes = false;
    bool chkCursed = false;
    bool optUseOnceYes = false;
    bool chkUseOnce = false;
    bool optJunkYes = false;
    bool chkJunk = false;

    std::int32_t updMissile = 0;
    bool chkMissile = false;

    bool operator==(const ItemDefinition&) const = default;
};
