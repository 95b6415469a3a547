#include "model/BuildItemScript.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QChar kTab = QLatin1Char('\t');

void assignment(QString& out, QLatin1StringView key, const QString& value)
{
    out += kTab;
    out += key;
    out += QLatin1String(" = ");
    out += value;
    out += QLatin1Char(';');
    out += kLineEnd;
}

void quotedAssignment(QString& out, QLatin1StringView key, const QString& value)
{
    assignment(out, key, QLatin1Char('"') + value + QLatin1Char('"'));
}

// A list line: the position as the value, the list's text as a comment.
void listAssignment(QString& out, QLatin1StringView key, const ListChoice& choice)
{
    out += kTab;
    out += key;
    out += QLatin1String(" = ");
    out += QString::number(choice.position);
    out += QLatin1String("; // ");
    out += choice.text;
    out += kLineEnd;
}

void yesNo(QString& out, QLatin1StringView key, bool yes)
{
    assignment(out, key, yes ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace

QString BuildItemScript(const ItemDefinition& item)
{
    QString out;
    out.reserve(512);

    out += QLatin1String("begindefineitem ");
    out += item.txtItemNum;
    out += QLatin1Char(';');
    out += kLineEnd;

    if (item.chkClearImport) {
        if (item.optClear) {
            out += kTab;
            out += QLatin1String("clear;");
            out += kLineEnd;
        } else {
            assignment(out, QLatin1String("import"), item.txtImport);
        }
    }
    if (item.chkName)
        quotedAssignment(out, QLatin1String("it_name"), item.txtName);
    if (item.chkFullName)
        quotedAssignment(out, QLatin1String("it_full_name"), item.txtFullName);
    if (item.chkVariety)
        listAssignment(out, QLatin1String("it_variety"), item.cboVariety);
    if (item.chkDamage)
        assignment(out, QLatin1String("it_damage_per_level"), item.txtDamage);
    if (item.chkBonus)
        assignment(out, QLatin1String("it_bonus"), item.txtBonus);
    if (item.chkSkill)
        listAssignment(out, QLatin1String("it_weapon_skill_used"), item.cboSkill);
    if (item.chkProtect)
        assignment(out, QLatin1String("it_protection"), item.txtProtect);
    if (item.chkCharges)
        assignment(out, QLatin1String("it_charges"), item.txtCharges);
    if (item.chkEncumb)
        assignment(out, QLatin1String("it_encumbrance"), item.txtEncumb);

    // The sheet belongs to the item exactly when either icon is shown.
    if (item.chkFloorIcon || item.chkInvIcon)
        assignment(out, QLatin1String("it_floor_which_sheet"), QString::number(item.updSheetNum));
    if (item.chkFloorIcon)
        assignment(out, QLatin1String("it_floor_which_icon"), QString::number(item.updFloorIcon));
    if (item.chkInvIcon)
        assignment(out, QLatin1String("it_inventory_icon"), QString::number(item.updInvIcon));
    if (item.chkIconAdjust)
        assignment(out, QLatin1String("it_icon_adjust"), item.txtIconAdjust);

    for (int i = 0; i < int(item.specAbil.size()); ++i) {
        const AbilitySlot& slot = item.specAbil[std::size_t(i)];
        if (!slot.chkSpecAbil)
            continue;
        const QByteArray number = QByteArray::number(i + 1);
        const QByteArray abilityKey = "it_ability_" + number;
        const QByteArray strengthKey = "it_ability_str_" + number;
        listAssignment(out, QLatin1StringView(abilityKey), slot.cboSpecAbil);
        assignment(out, QLatin1StringView(strengthKey), slot.txtSpecAbil);
    }

    if (item.chkSpecClass)
        assignment(out, QLatin1String("it_special_class"), item.txtSpecClass);
    if (item.chkValue)
        assignment(out, QLatin1String("it_value"), item.txtValue);
    if (item.chkWeight)
        assignment(out, QLatin1String("it_weight"), item.txtWeight);
    if (item.chkIdentify)
        yesNo(out, QLatin1String("it_identified"), item.optIdentYes);
    if (item.chkMagic)
        yesNo(out, QLatin1String("it_magic"), item.optMagicYes);
    if (item.chkCursed)
        yesNo(out, QLatin1String("it_cursed"), item.optCurseYes);
    if (item.chkUseOnce)
        yesNo(out, QLatin1String("it_once_per_day"), item.optUseOnceYes);
    if (item.chkJunk)
        yesNo(out, QLatin1String("it_junk_item"), item.optJunkYes);

    // The missile line closes the block and is the one line without CR LF.
    if (item.chkMissile) {
        out += kTab;
        out += QLatin1String("it_missile_anim_type = ");
        out += QString::number(item.updMissile);
        out += QLatin1Char(';');
    }
    return out;
}
