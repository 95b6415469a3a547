#include "model/StartingItem.h"

#include "refdata/ReferenceChecks.h"

ItemDefinition StartingItem()
{
    const QString zero = QStringLiteral("0");
    ItemDefinition item;
    item.txtItemNum = QStringLiteral("440");
    item.optClear = true;
    item.txtImport = zero;
    item.cboVariety.position = kFirstEntry;
    item.txtDamage = item.txtBonus = zero;
    item.cboSkill.position = kDefaultSkillEntry;
    item.txtProtect = item.txtCharges = item.txtEncumb = zero;
    item.updSheetNum = 1000;
    item.updFloorIcon = item.updInvIcon = 0;
    item.txtIconAdjust = zero;
    for (AbilitySlot& slot : item.specAbil) {
        slot.cboSpecAbil.position = kFirstEntry;
        slot.txtSpecAbil = zero;
    }
    item.txtSpecClass = item.txtValue = item.txtWeight = zero;
    item.updMissile = 0;
    return item;
}
