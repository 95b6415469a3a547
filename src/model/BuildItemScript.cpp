#include "model/BuildItemScript.h"

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

    line(QStringLiteral("begindefineitem ") + item.txtItemNum + QLatin1Char(';'));
    if (item.chkClearImport)
        line(item.optClear ? QStringLiteral("\tclear;") : assignment(QStringLiteral("import"), item.txtImport));
    if (item.chkName)
        line(assignment(QStringLiteral("it_name"), QLatin1Char('"') + item.txtName + QLatin1Char('"')));
    if (item.chkFullName)
        line(assignment(QStringLiteral("it_full_name"), QLatin1Char('"') + item.txtFullName + QLatin1Char('"')));
    if (item.chkVariety)
        line(listLine(QStringLiteral("it_variety"), item.cboVariety));
    if (item.chkDamage)
        line(assignment(QStringLiteral("it_damage_per_level"), item.txtDamage));
    if (item.chkBonus)
        line(assignment(QStringLiteral("it_bonus"), item.txtBonus));
    if (item.chkSkill)
        line(listLine(QStringLiteral("it_weapon_skill_used"), item.cboSkill));
    if (item.chkProtect)
        line(assignment(QStringLiteral("it_protection"), item.txtProtect));
    if (item.chkCharges)
        line(assignment(QStringLiteral("it_charges"), item.txtCharges));
    if (item.chkEncumb)
        line(assignment(QStringLiteral("it_encumbrance"), item.txtEncumb));

    // The sheet belongs to the item exactly when either icon is shown.
    if (item.chkFloorIcon || item.chkInvIcon)
        line(assignment(QStringLiteral("it_floor_which_sheet"), item.updSheetNum));
    if (item.chkFloorIcon)
        line(assignment(QStringLiteral("it_floor_which_icon"), item.updFloorIcon));
    if (item.chkInvIcon)
        line(assignment(QStringLiteral("it_inventory_icon"), item.updInvIcon));
    if (item.chkIconAdjust)
        line(assignment(QStringLiteral("it_icon_adjust"), item.txtIconAdjust));

    // Each slot keeps its own number in its keys.
    for (int i = 1; i <= 4; ++i) {
        const AbilitySlot& slot = item.specAbil[std::size_t(i - 1)];
        if (!slot.chkSpecAbil)
            continue;
        line(listLine(QStringLiteral("it_ability_%1").arg(i), slot.cboSpecAbil));
        line(assignment(QStringLiteral("it_ability_str_%1").arg(i), slot.txtSpecAbil));
    }

    if (item.chkSpecClass)
        line(assignment(QStringLiteral("it_special_class"), item.txtSpecClass));
    if (item.chkValue)
        line(assignment(QStringLiteral("it_value"), item.txtValue));
    if (item.chkWeight)
        line(assignment(QStringLiteral("it_weight"), item.txtWeight));
    if (item.chkIdentify)
        line(assignment(QStringLiteral("it_identified"), item.optIdentYes ? 1 : 0));
    if (item.chkMagic)
        line(assignment(QStringLiteral("it_magic"), item.optMagicYes ? 1 : 0));
    if (item.chkCursed)
        line(assignment(QStringLiteral("it_cursed"), item.optCurseYes ? 1 : 0));
    if (item.chkUseOnce)
        line(assignment(QStringLiteral("it_once_per_day"), item.optUseOnceYes ? 1 : 0));
    if (item.chkJunk)
        line(assignment(QStringLiteral("it_junk_item"), item.optJunkYes ? 1 : 0));

    // The missile line closes the block and is the one line without CR LF.
    if (item.chkMissile)
        s += assignment(QStringLiteral("it_missile_anim_type"), item.updMissile);
    return s;
}
