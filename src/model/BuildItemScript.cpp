#include "model/BuildItemScript.h"

#include "model/ScriptKeys.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// TAB, the key, " = ", the value and ";".
QString assignment(const QString& key, const QString& value)
{
    return QLatin1Char('\t') + key + QStringLiteral(" = ") + value + QLatin1Char(';');
}

QString assignment(const QString& key, std::int32_t value) { return assignment(key, QString::number(value)); }

// The position as the value, the list's text as a comment.
QString listLine(const QString& key, const ListChoice& choice)
{
    return assignment(key, choice.position) + QStringLiteral(" // ") + choice.text;
}

}  // namespace

QString BuildItemScript(const ItemDefinition& item)
{
    QString s;
    s.reserve(1024);
    const auto line = [&s](const QString& text) { s += text + kLineEnd; };

    line(ScriptKeys::Begin + QLatin1Char(' ') + item.txtItemNum + QLatin1Char(';'));
    if (item.chkClearImport)
        line(item.optClear ? QLatin1Char('\t') + ScriptKeys::Clear + QLatin1Char(';')
                           : assignment(ScriptKeys::Import, item.txtImport));
    if (item.chkName)
        line(assignment(ScriptKeys::Name, QLatin1Char('"') + item.txtName + QLatin1Char('"')));
    if (item.chkFullName)
        line(assignment(ScriptKeys::FullName, QLatin1Char('"') + item.txtFullName + QLatin1Char('"')));
    if (item.chkVariety)
        line(listLine(ScriptKeys::Variety, item.cboVariety));
    if (item.chkDamage)
        line(assignment(ScriptKeys::Damage, item.txtDamage));
    if (item.chkBonus)
        line(assignment(ScriptKeys::Bonus, item.txtBonus));
    if (item.chkSkill)
        line(listLine(ScriptKeys::Skill, item.cboSkill));
    if (item.chkProtect)
        line(assignment(ScriptKeys::Protection, item.txtProtect));
    if (item.chkCharges)
        line(assignment(ScriptKeys::Charges, item.txtCharges));
    if (item.chkEncumb)
        line(assignment(ScriptKeys::Encumbrance, item.txtEncumb));

    // The sheet belongs to the item exactly when either icon is shown.
    if (item.chkFloorIcon || item.chkInvIcon)
        line(assignment(ScriptKeys::Sheet, item.updSheetNum));
    if (item.chkFloorIcon)
        line(assignment(ScriptKeys::FloorIcon, item.updFloorIcon));
    if (item.chkInvIcon)
        line(assignment(ScriptKeys::InventoryIcon, item.updInvIcon));
    if (item.chkIconAdjust)
        line(assignment(ScriptKeys::IconAdjust, item.txtIconAdjust));

    // Each slot keeps its own number in its keys.
    for (int i = 1; i <= 4; ++i) {
        const AbilitySlot& slot = item.specAbil[std::size_t(i - 1)];
        if (!slot.chkSpecAbil)
            continue;
        line(listLine(ScriptKeys::Ability(i), slot.cboSpecAbil));
        line(assignment(ScriptKeys::AbilityStrength(i), slot.txtSpecAbil));
    }

    if (item.chkSpecClass)
        line(assignment(ScriptKeys::SpecialClass, item.txtSpecClass));
    if (item.chkValue)
        line(assignment(ScriptKeys::Value, item.txtValue));
    if (item.chkWeight)
        line(assignment(ScriptKeys::Weight, item.txtWeight));
    if (item.chkIdentify)
        line(assignment(ScriptKeys::Identified, item.optIdentYes ? 1 : 0));
    if (item.chkMagic)
        line(assignment(ScriptKeys::Magic, item.optMagicYes ? 1 : 0));
    if (item.chkCursed)
        line(assignment(ScriptKeys::Cursed, item.optCurseYes ? 1 : 0));
    if (item.chkUseOnce)
        line(assignment(ScriptKeys::OncePerDay, item.optUseOnceYes ? 1 : 0));
    if (item.chkJunk)
        line(assignment(ScriptKeys::Junk, item.optJunkYes ? 1 : 0));

    // The missile line closes the block and is the one line without CR LF.
    if (item.chkMissile)
        s += assignment(ScriptKeys::Missile, item.updMissile);
    return s;
}
