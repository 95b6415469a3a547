#include "model/BuildItemScript.h"

#include "model/ScriptKeys.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// TAB, the key, " = ", the value and ";", appended to the script.
void addAssignment(QString& s, const QString& key, QStringView value)
{
    s += QLatin1Char('\t');
    s += key;
    s += QLatin1String(" = ");
    s += value;
    s += QLatin1Char(';');
}

void addLine(QString& s, const QString& key, QStringView value)
{
    addAssignment(s, key, value);
    s += kLineEnd;
}

void addLine(QString& s, const QString& key, std::int32_t value) { addLine(s, key, QString::number(value)); }

void addQuotedLine(QString& s, const QString& key, const QString& text)
{
    addLine(s, key, QLatin1Char('"') + text + QLatin1Char('"'));
}

// The position as the value, the list's text as a comment.
void addListLine(QString& s, const QString& key, const ListChoice& choice)
{
    addAssignment(s, key, QString::number(choice.position));
    s += QLatin1String(" // ");
    s += choice.text;
    s += kLineEnd;
}

}  // namespace

QString BuildItemScript(const ItemDefinition& item)
{
    QString s;
    s.reserve(1024);
    s += ScriptKeys::Begin + QLatin1Char(' ') + item.txtItemNum + QLatin1Char(';') + kLineEnd;
    if (item.chkClearImport) {
        if (item.optClear)
            s += QLatin1Char('\t') + ScriptKeys::Clear + QLatin1Char(';') + kLineEnd;
        else
            addLine(s, ScriptKeys::Import, item.txtImport);
    }
    if (item.chkName)
        addQuotedLine(s, ScriptKeys::Name, item.txtName);
    if (item.chkFullName)
        addQuotedLine(s, ScriptKeys::FullName, item.txtFullName);
    if (item.chkVariety)
        addListLine(s, ScriptKeys::Variety, item.cboVariety);
    if (item.chkDamage)
        addLine(s, ScriptKeys::Damage, item.txtDamage);
    if (item.chkBonus)
        addLine(s, ScriptKeys::Bonus, item.txtBonus);
    if (item.chkSkill)
        addListLine(s, ScriptKeys::Skill, item.cboSkill);
    if (item.chkProtect)
        addLine(s, ScriptKeys::Protection, item.txtProtect);
    if (item.chkCharges)
        addLine(s, ScriptKeys::Charges, item.txtCharges);
    if (item.chkEncumb)
        addLine(s, ScriptKeys::Encumbrance, item.txtEncumb);

    // The sheet belongs to the item exactly when either icon is shown.
    if (item.chkFloorIcon || item.chkInvIcon)
        addLine(s, ScriptKeys::Sheet, item.updSheetNum);
    if (item.chkFloorIcon)
        addLine(s, ScriptKeys::FloorIcon, item.updFloorIcon);
    if (item.chkInvIcon)
        addLine(s, ScriptKeys::InventoryIcon, item.updInvIcon);
    if (item.chkIconAdjust)
        addLine(s, ScriptKeys::IconAdjust, item.txtIconAdjust);

    // Each slot keeps its own number in its keys.
    for (int i = 1; i <= 4; ++i) {
        const AbilitySlot& slot = item.specAbil[std::size_t(i - 1)];
        if (!slot.chkSpecAbil)
            continue;
        addListLine(s, ScriptKeys::Ability(i), slot.cboSpecAbil);
        addLine(s, ScriptKeys::AbilityStrength(i), slot.txtSpecAbil);
    }

    if (item.chkSpecClass)
        addLine(s, ScriptKeys::SpecialClass, item.txtSpecClass);
    if (item.chkValue)
        addLine(s, ScriptKeys::Value, item.txtValue);
    if (item.chkWeight)
        addLine(s, ScriptKeys::Weight, item.txtWeight);
    if (item.chkIdentify)
        addLine(s, ScriptKeys::Identified, item.optIdentYes ? 1 : 0);
    if (item.chkMagic)
        addLine(s, ScriptKeys::Magic, item.optMagicYes ? 1 : 0);
    if (item.chkCursed)
        addLine(s, ScriptKeys::Cursed, item.optCurseYes ? 1 : 0);
    if (item.chkUseOnce)
        addLine(s, ScriptKeys::OncePerDay, item.optUseOnceYes ? 1 : 0);
    if (item.chkJunk)
        addLine(s, ScriptKeys::Junk, item.optJunkYes ? 1 : 0);

    // The missile line closes the block and is the one line without CR LF.
    if (item.chkMissile)
        addAssignment(s, ScriptKeys::Missile, QString::number(item.updMissile));
    return s;
}
