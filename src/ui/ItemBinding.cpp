// The item and the controls that hold it, in both directions: CurrentItem
// reads the item off the form, ApplyItem puts an item onto it. The tables
// below pair each member with its control, so the two stay each other's
// inverse.
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "ui/UpDown.h"

#include <QSignalBlocker>

#include <utility>
#include <vector>

namespace {

template <class Member, class Control>
using Pairs = std::vector<std::pair<Member ItemDefinition::*, Control*>>;

struct YesNo {
    bool ItemDefinition::*yes;
    QRadioButton* optYes;
    QRadioButton* optNo;
};

bool ticked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

}  // namespace

struct ItemEdit::Bindings {
    Pairs<QString, QLineEdit> texts;
    Pairs<bool, QCheckBox> flags;
    Pairs<std::int32_t, UpDown> spinners;
    std::vector<YesNo> yesNo;
};

ItemEdit::Bindings ItemEdit::bindings() const
{
    using I = ItemDefinition;
    return {
        {{&I::txtItemNum, ui->txtItemNum},
         {&I::txtImport, ui->txtImport},
         {&I::txtName, ui->txtName},
         {&I::txtFullName, ui->txtFullName},
         {&I::txtDamage, ui->txtDamage},
         {&I::txtBonus, ui->txtBonus},
         {&I::txtProtect, ui->txtProtect},
         {&I::txtCharges, ui->txtCharges},
         {&I::txtEncumb, ui->txtEncumb},
         {&I::txtIconAdjust, ui->txtIconAdjust},
         {&I::txtSpecClass, ui->txtSpecClass},
         {&I::txtValue, ui->txtValue},
         {&I::txtWeight, ui->txtWeight}},
        {{&I::chkClearImport, ui->chkClearImport},
         {&I::chkName, ui->chkName},
         {&I::chkFullName, ui->chkFullName},
         {&I::chkVariety, ui->chkVariety},
         {&I::chkDamage, ui->chkDamage},
         {&I::chkBonus, ui->chkBonus},
         {&I::chkSkill, ui->chkSkill},
         {&I::chkProtect, ui->chkProtect},
         {&I::chkCharges, ui->chkCharges},
         {&I::chkEncumb, ui->chkEncumb},
         {&I::chkFloorIcon, ui->chkFloorIcon},
         {&I::chkInvIcon, ui->chkInvIcon},
         {&I::chkIconAdjust, ui->chkIconAdjust},
         {&I::chkSpecClass, ui->chkSpecClass},
         {&I::chkValue, ui->chkValue},
         {&I::chkWeight, ui->chkWeight},
         {&I::chkIdentify, ui->chkIdentify},
         {&I::chkMagic, ui->chkMagic},
         {&I::chkCursed, ui->chkCursed},
         {&I::chkUseOnce, ui->chkUseOnce},
         {&I::chkJunk, ui->chkJunk},
         {&I::chkMissile, ui->chkMissile}},
        {{&I::updSheetNum, ui->updSheetNum},
         {&I::updFloorIcon, ui->updFloorIcon},
         {&I::updInvIcon, ui->updInvIcon},
         {&I::updMissile, ui->updMissile}},
        {{&I::optIdentYes, ui->optIdentYes, ui->optIdentNo},
         {&I::optMagicYes, ui->optMagicYes, ui->optMagicNo},
         {&I::optCurseYes, ui->optCurseYes, ui->optCurseNo},
         {&I::optUseOnceYes, ui->optUseOnceYes, ui->optUseOnceNo},
         {&I::optJunkYes, ui->optJunkYes, ui->optJunkNo}},
    };
}

ItemDefinition ItemEdit::CurrentItem() const
{
    const Bindings b = bindings();
    ItemDefinition item;
    for (const auto& [member, box] : b.texts)
        item.*member = box->text();
    for (const auto& [member, box] : b.flags)
        item.*member = ticked(box);
    for (const auto& [member, spinner] : b.spinners)
        item.*member = spinner->value();
    for (const YesNo& pair : b.yesNo)
        item.*pair.yes = pair.optYes->isChecked();
    item.optClear = ui->optClear->isChecked();
    // A list's position and text are read apart: a typed skill sits beside
    // whatever position the list has chosen.
    const auto choiceOf = [](const QComboBox* list) {
        return ListChoice{std::int16_t(list->currentIndex()), list->currentText()};
    };
    item.cboVariety = choiceOf(ui->cboVariety);
    item.cboSkill = choiceOf(ui->cboSkill);
    for (int i = 1; i <= 4; ++i) {
        AbilitySlot& slot = item.specAbil[std::size_t(i - 1)];
        slot.cboSpecAbil = choiceOf(m_cboSpecAbil[std::size_t(i)]);
        slot.txtSpecAbil = m_txtSpecAbil[std::size_t(i)]->text();
        slot.chkSpecAbil = ticked(m_chkSpecAbil[std::size_t(i)]);
    }
    return item;
}

void ItemEdit::ApplyItem(const ItemDefinition& item)
{
    // The variety first: its rule enables and disables the frames, and
    // unticks boxes that the ticks below then set as the item has them.
    SelectListEntry(ui->cboVariety, item.cboVariety.position);
    const Bindings b = bindings();
    for (const auto& [member, box] : b.texts)
        box->setText(item.*member);
    for (const auto& [member, spinner] : b.spinners)
        spinner->setValue(item.*member);
    for (const YesNo& pair : b.yesNo)
        (item.*pair.yes ? pair.optYes : pair.optNo)->setChecked(true);
    {
        // Unlike a click on "Import", applying an item leaves the focus where
        // it is: the box that has it gets its leave-field rule when the user
        // leaves it.
        const QSignalBlocker quiet(ui->optImport);
        (item.optClear ? ui->optClear : ui->optImport)->setChecked(true);
        ui->txtImport->setEnabled(!item.optClear);
    }
    ui->cboSkill->setCurrentIndex(item.cboSkill.position);
    if (ui->cboSkill->currentText() != item.cboSkill.text)
        ui->cboSkill->setEditText(item.cboSkill.text);
    for (int i = 1; i <= 4; ++i) {
        const AbilitySlot& slot = item.specAbil[std::size_t(i - 1)];
        m_cboSpecAbil[std::size_t(i)]->setCurrentIndex(slot.cboSpecAbil.position);
        m_txtSpecAbil[std::size_t(i)]->setText(slot.txtSpecAbil);
        m_chkSpecAbil[std::size_t(i)]->setChecked(slot.chkSpecAbil);
    }
    for (const auto& [member, box] : b.flags)
        box->setChecked(item.*member);
}
