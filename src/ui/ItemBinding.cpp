// The item and the controls that hold it, in both directions: CurrentItem
// reads the item off the form, ApplyItem puts an item onto it. Both walk the
// item's properties, each bound once to its controls by their names, so the
// two stay each other's inverse.
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "ui/UpDown.h"

#include <QSignalBlocker>

namespace {

bool ticked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

}  // namespace

void ItemEdit::BindProperties()
{
    for (const ItemProperty& property : ItemProperties()) {
        BoundProperty bound{&property, {}, nullptr};
        for (qsizetype i = 0; i < property.controls.size(); ++i)
            bound.controls.at(std::size_t(i)) = findChild<QWidget*>(property.controls[i]);
        if (!property.flagControl.isEmpty())
            bound.flag = findChild<QCheckBox*>(property.flagControl);
        m_properties.push_back(bound);
    }
}

ItemDefinition ItemEdit::CurrentItem() const
{
    ItemDefinition item;
    for (const BoundProperty& bound : m_properties) {
        const PropertyValue value = bound.property->value(item);
        if (bound.flag)
            *value.flag = ticked(bound.flag);
        const auto [first, second, third] = bound.controls;
        switch (bound.property->kind) {
        case PropertyKind::ItemNumber:
        case PropertyKind::Digits:
        case PropertyKind::Strength:
        case PropertyKind::Quoted:
        case PropertyKind::FreeText: *value.text = static_cast<QLineEdit*>(first)->text(); break;
        case PropertyKind::ClearImport:
            *value.yes = static_cast<QRadioButton*>(first)->isChecked();
            *value.text = static_cast<QLineEdit*>(third)->text();
            break;
        case PropertyKind::List: {
            // A list's position and text are read apart: a typed skill sits
            // beside whatever position the list has chosen.
            const auto* list = static_cast<QComboBox*>(first);
            *value.choice = {std::int16_t(list->currentIndex()), list->currentText()};
            break;
        }
        case PropertyKind::Sheet:
        case PropertyKind::Spinner: *value.number = static_cast<UpDown*>(first)->value(); break;
        case PropertyKind::YesNo: *value.yes = static_cast<QRadioButton*>(first)->isChecked(); break;
        }
    }
    return item;
}

void ItemEdit::ApplyItem(const ItemDefinition& item)
{
    // The variety first: its rule enables and disables the frames, and
    // unticks boxes that the ticks below then set as the item has them.
    SelectListEntry(ui->cboVariety, item.cboVariety.position);
    for (const BoundProperty& bound : m_properties) {
        const PropertyValue value = ValueOf(*bound.property, item);
        const auto [first, second, third] = bound.controls;
        switch (bound.property->kind) {
        case PropertyKind::ItemNumber:
        case PropertyKind::Digits:
        case PropertyKind::Strength:
        case PropertyKind::Quoted:
        case PropertyKind::FreeText: static_cast<QLineEdit*>(first)->setText(*value.text); break;
        case PropertyKind::ClearImport: {
            // Unlike a click on "Import", applying an item leaves the focus
            // where it is: the box that has it gets its leave-field rule when
            // the user leaves it.
            const QSignalBlocker quiet(second);
            static_cast<QRadioButton*>(*value.yes ? first : second)->setChecked(true);
            third->setEnabled(!*value.yes);
            static_cast<QLineEdit*>(third)->setText(*value.text);
            break;
        }
        case PropertyKind::List: {
            auto* list = static_cast<QComboBox*>(first);
            if (list == ui->cboVariety)
                break;
            list->setCurrentIndex(value.choice->position);
            if (list->isEditable() && list->currentText() != value.choice->text)
                list->setEditText(value.choice->text);
            break;
        }
        case PropertyKind::Sheet:
        case PropertyKind::Spinner: static_cast<UpDown*>(first)->setValue(*value.number); break;
        case PropertyKind::YesNo: static_cast<QRadioButton*>(*value.yes ? first : second)->setChecked(true); break;
        }
    }
    for (const BoundProperty& bound : m_properties) {
        if (bound.flag)
            bound.flag->setChecked(*ValueOf(*bound.property, item).flag);
    }
}
