#include "model/BuildItemScript.h"

#include <algorithm>
#include <cstring>

namespace {

// Copies the pieces of the script straight into one buffer: keys are UTF-16
// literals and numbers are formatted in place, so building a script costs one
// allocation and a copy per piece.
class ScriptWriter {
public:
    ScriptWriter() : m_out(1024, Qt::Uninitialized), m_data(m_out.data()) {}

    void text(QStringView s) { put(s.data(), s.size()); }
    void text(const QString& s) { put(s.constData(), s.size()); }
    void number(std::int32_t value)
    {
        QChar digits[12];
        int at = 12;
        const bool negative = value < 0;
        std::uint32_t magnitude = negative ? 0u - std::uint32_t(value) : std::uint32_t(value);
        do {
            digits[--at] = QChar(char16_t(u'0' + magnitude % 10));
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative)
            digits[--at] = QLatin1Char('-');
        put(digits + at, 12 - at);
    }

    // TAB, the key, " = ", the value, ";" and CR LF.
    void assignment(QStringView key, const QString& value)
    {
        start(key);
        text(value);
        text(u";\r\n");
    }
    void assignment(QStringView key, std::int32_t value)
    {
        start(key);
        number(value);
        text(u";\r\n");
    }
    void quoted(QStringView key, const QString& value)
    {
        start(key);
        text(u"\"");
        text(value);
        text(u"\";\r\n");
    }
    // The position as the value, the list's text as a comment.
    void list(QStringView key, const ListChoice& choice)
    {
        start(key);
        number(choice.position);
        text(u"; // ");
        text(choice.text);
        text(u"\r\n");
    }
    void yesNo(QStringView key, bool yes)
    {
        start(key);
        text(yes ? u"1;\r\n" : u"0;\r\n");
    }

    QString take()
    {
        m_out.resize(m_used);
        return std::move(m_out);
    }

private:
    void put(const QChar* s, qsizetype n)
    {
        if (m_used + n > m_out.size()) {
            m_out.resize(std::max(2 * m_out.size(), m_used + n));
            m_data = m_out.data();
        }
        std::memcpy(m_data + m_used, s, std::size_t(n) * sizeof(QChar));
        m_used += n;
    }

    void start(QStringView key)
    {
        text(u"\t");
        text(key);
        text(u" = ");
    }

    QString m_out;
    QChar* m_data;
    qsizetype m_used = 0;
};

}  // namespace

QString BuildItemScript(const ItemDefinition& item)
{
    ScriptWriter w;
    w.text(u"begindefineitem ");
    w.text(item.txtItemNum);
    w.text(u";\r\n");

    if (item.chkClearImport) {
        if (item.optClear)
            w.text(u"\tclear;\r\n");
        else
            w.assignment(u"import", item.txtImport);
    }
    if (item.chkName)
        w.quoted(u"it_name", item.txtName);
    if (item.chkFullName)
        w.quoted(u"it_full_name", item.txtFullName);
    if (item.chkVariety)
        w.list(u"it_variety", item.cboVariety);
    if (item.chkDamage)
        w.assignment(u"it_damage_per_level", item.txtDamage);
    if (item.chkBonus)
        w.assignment(u"it_bonus", item.txtBonus);
    if (item.chkSkill)
        w.list(u"it_weapon_skill_used", item.cboSkill);
    if (item.chkProtect)
        w.assignment(u"it_protection", item.txtProtect);
    if (item.chkCharges)
        w.assignment(u"it_charges", item.txtCharges);
    if (item.chkEncumb)
        w.assignment(u"it_encumbrance", item.txtEncumb);

    // The sheet belongs to the item exactly when either icon is shown.
    if (item.chkFloorIcon || item.chkInvIcon)
        w.assignment(u"it_floor_which_sheet", item.updSheetNum);
    if (item.chkFloorIcon)
        w.assignment(u"it_floor_which_icon", item.updFloorIcon);
    if (item.chkInvIcon)
        w.assignment(u"it_inventory_icon", item.updInvIcon);
    if (item.chkIconAdjust)
        w.assignment(u"it_icon_adjust", item.txtIconAdjust);

    // Each slot keeps its own number in its keys.
    static constexpr QStringView abilityKeys[] = {u"it_ability_1", u"it_ability_2", u"it_ability_3", u"it_ability_4"};
    static constexpr QStringView strengthKeys[] = {u"it_ability_str_1", u"it_ability_str_2", u"it_ability_str_3",
                                                   u"it_ability_str_4"};
    for (std::size_t i = 0; i < item.specAbil.size(); ++i) {
        const AbilitySlot& slot = item.specAbil[i];
        if (!slot.chkSpecAbil)
            continue;
        w.list(abilityKeys[i], slot.cboSpecAbil);
        w.assignment(strengthKeys[i], slot.txtSpecAbil);
    }

    if (item.chkSpecClass)
        w.assignment(u"it_special_class", item.txtSpecClass);
    if (item.chkValue)
        w.assignment(u"it_value", item.txtValue);
    if (item.chkWeight)
        w.assignment(u"it_weight", item.txtWeight);
    if (item.chkIdentify)
        w.yesNo(u"it_identified", item.optIdentYes);
    if (item.chkMagic)
        w.yesNo(u"it_magic", item.optMagicYes);
    if (item.chkCursed)
        w.yesNo(u"it_cursed", item.optCurseYes);
    if (item.chkUseOnce)
        w.yesNo(u"it_once_per_day", item.optUseOnceYes);
    if (item.chkJunk)
        w.yesNo(u"it_junk_item", item.optJunkYes);

    // The missile line closes the block and is the one line without CR LF.
    if (item.chkMissile) {
        w.text(u"\tit_missile_anim_type = ");
        w.number(item.updMissile);
        w.text(u";");
    }
    return w.take();
}
