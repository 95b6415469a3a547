#include "ui/editor/ItemForm.h"

#include "model/BuildItemScript.h"
#include "model/InputRules.h"
#include "model/ScriptKeys.h"
#include "model/StartingItem.h"
#include "ui/controls/EditorStyle.h"
#include "ui/controls/FieldValidator.h"
#include "ui/controls/LeaveFieldRule.h"
#include "ui/controls/OptionButtons.h"
#include "ui/controls/UpDown.h"
#include "ui/editor/FormHistory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

bool ticked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

bool isKey(const ItemProperty& property, std::initializer_list<QString> keys)
{
    return std::ranges::find(keys, property.key) != keys.end();
}

QStringList entriesOf(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

}  // namespace

ItemForm::ItemForm(const QList<QWidget*>& pages, FormHistory& history, QObject* parent)
    : QObject(parent), m_history(history)
{
    BindProperties(pages);
    connect(m_cboVariety, &QComboBox::currentIndexChanged, this, &ItemForm::cboVariety_Click);
    const ItemProperty* clearImport = PropertyOfKey(ScriptKeys::Import);
    const auto& [optClear, optImport, txtImport] =
        std::ranges::find(m_properties, clearImport, &BoundProperty::property)->controls;
    m_txtImport = static_cast<QLineEdit*>(txtImport);
    connect(static_cast<QRadioButton*>(optClear), &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optClear_Click();
    });
    connect(static_cast<QRadioButton*>(optImport), &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optImport_Click();
    });
    // Chosen by an arrow key or its access key, the option takes the focus
    // after it is selected: the box gets it back once the key is done with.
    connect(static_cast<QRadioButton*>(optImport), &QRadioButton::clicked, this, [this] {
        QTimer::singleShot(0, m_txtImport, [this] {
            if (m_txtImport->isEnabled())
                optImport_Click();
        });
    });
    AttachInputRules();
    RecordSteps();
}

void ItemForm::BindProperties(const QList<QWidget*>& pages)
{
    // Each row of the table names its controls once; they are found here, once.
    QHash<QString, QWidget*> byName;
    for (QWidget* page : pages) {
        for (QWidget* control : page->findChildren<QWidget*>())
            byName.insert(control->objectName(), control);
    }
    std::size_t slot = 0;  // the ability slots come in their order
    for (const ItemProperty& property : ItemProperties()) {
        BoundProperty bound{&property, {}, qobject_cast<QCheckBox*>(byName.value(property.flagControl)), nullptr};
        for (qsizetype i = 0; i < property.controls.size(); ++i)
            bound.controls.at(std::size_t(i)) = byName.value(property.controls[i]);
        // A property the variety may disable sits in its frame.
        if (property.frame) {
            bound.frame = qobject_cast<QGroupBox*>(bound.controls[0]->parentWidget());
            if (!property.unticks)
                MarkGreyedTick(bound);
        }
        if (property.list == &ScriptLists::varieties)
            m_cboVariety = static_cast<QComboBox*>(bound.controls[0]);
        else if (property.list == &ScriptLists::skills)
            BindSkillList(static_cast<QComboBox*>(bound.controls[0]));
        else if (property.list == &ScriptLists::abilities)
            m_cboSpecAbil.at(++slot) = static_cast<QComboBox*>(bound.controls[0]);
        m_properties.push_back(bound);
    }
}

void ItemForm::MarkGreyedTick(BoundProperty& bound) const
{
    // The mark stands on the page, left of the box, where the greyed frame
    // would grey it out too.
    QWidget* page = bound.frame->parentWidget();
    const QString tip = QStringLiteral("The script writes \"%1\" all the same: its box stays ticked though the variety "
                                       "greys it out. To leave the line out, choose a variety that applies to it, "
                                       "untick \"Display in script\" and choose this variety again.")
                            .arg(bound.property->caption);
    QLabel* mark = MakeWarningMark(QStringLiteral("!"), QStringLiteral("markGreyedTick_") + bound.flag->objectName(),
                                   QStringLiteral("Written though greyed out"), page);
    mark->setToolTip(QStringLiteral("<p>") + tip.toHtmlEscaped() + QStringLiteral("</p>"));  // wrapped
    mark->setAccessibleDescription(tip);
    const QRect box(bound.flag->mapTo(page, QPoint(0, 0)), bound.flag->size());
    const int width = mark->fontMetrics().horizontalAdvance(mark->text()) + 2;
    mark->setGeometry(box.x() - width - 1, box.y(), width, box.height());
    mark->hide();
    bound.greyedTickMark = mark;
    connect(bound.flag, &QCheckBox::toggled, this, &ItemForm::ShowGreyedTicks);
}

void ItemForm::ShowGreyedTicks()
{
    for (const BoundProperty& bound : m_properties) {
        if (bound.greyedTickMark)
            bound.greyedTickMark->setVisible(!bound.frame->isEnabled() && ticked(bound.flag));
    }
}

void ItemForm::BindSkillList(QComboBox* list)
{
    // A typed skill stays as typed: no completion from the list. Its text sits
    // as far in as the other lists' text; its typing box bears the list's name.
    m_cboSkill = list;
    list->setCompleter(nullptr);
    list->lineEdit()->setTextMargins(2, 0, 0, 0);
    list->lineEdit()->setAccessibleName(list->accessibleName());
    // The mark stands in the margin left of the list, in the warning colour of the comparison's marks.
    m_typedSkillMark = MakeWarningMark(QStringLiteral("!"), QStringLiteral("markTypedSkill"),
                                       QStringLiteral("Typed skill is no entry of the list"), list->parentWidget());
    const int width = m_typedSkillMark->fontMetrics().horizontalAdvance(m_typedSkillMark->text()) + 2;
    m_typedSkillMark->setGeometry(list->x() - width - 2, list->y(), width, list->height());
    m_typedSkillMark->hide();
    connect(list, &QComboBox::editTextChanged, this, &ItemForm::ShowTypedSkillMark);
    connect(list, &QComboBox::currentIndexChanged, this, &ItemForm::ShowTypedSkillMark);
}

void ItemForm::ShowTypedSkillMark()
{
    const QString typed = m_cboSkill->currentText();
    const int position = m_cboSkill->currentIndex();
    const bool entry = m_cboSkill->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    const QString tip =
        entry ? QString()
              : QStringLiteral("\"%1\" is no entry of the list: the script writes position %2 (%3) "
                               "with the typed skill as its comment.")
                    .arg(typed, QString::number(position),
                         position < 0 ? QStringLiteral("no entry") : u'"' + m_cboSkill->itemText(position) + u'"');
    m_typedSkillMark->setToolTip(tip);
    m_typedSkillMark->setAccessibleDescription(tip);
    m_cboSkill->lineEdit()->setAccessibleDescription(tip);
    m_typedSkillMark->setVisible(!entry);
}

ItemDefinition ItemForm::CurrentItem() const
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

void ItemForm::ApplyItem(const ItemDefinition& item)
{
    // The variety first: its rule enables and disables the frames, and
    // unticks boxes that the ticks below then set as the item has them.
    SelectListEntry(m_cboVariety, item.cboVariety.position);
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
            if (list == m_cboVariety)
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

void ItemForm::ApplyValue(const ItemProperty& property, const ItemDefinition& from)
{
    // The item as the form holds it, with the property's value and its box as
    // `from` has them.
    ItemDefinition item = CurrentItem();
    const PropertyValue source = ValueOf(property, from);
    const PropertyValue target = property.value(item);
    if (source.flag)
        *target.flag = *source.flag;
    if (source.text)
        *target.text = *source.text;
    if (source.choice)
        *target.choice = *source.choice;
    if (source.number)
        *target.number = *source.number;
    if (source.yes)
        *target.yes = *source.yes;
    ApplyItem(item);
    // A variety taken unticks what it disables, as a choice in its list does.
    if (property.list == &ScriptLists::varieties)
        cboVariety_Click();
    // A step of the property's control, as the user's own change of it: Undo and Redo bring its page to the front
    // with the focus there. Of a pair of options, the one the value chose.
    const auto& controls = std::ranges::find(m_properties, &property, &BoundProperty::property)->controls;
    const bool pair = property.kind == PropertyKind::YesNo || property.kind == PropertyKind::ClearImport;
    m_history.Changed(controls[pair && !*target.yes ? 1 : 0], property.caption, FormHistory::Scope::Item, false);
}

void ItemForm::SetDefaults()
{
    const ItemDefinition start = StartingItem();
    for (const BoundProperty& bound : m_properties) {
        const ItemProperty& property = *bound.property;
        const PropertyValue value = ValueOf(property, start);
        const auto [first, second, third] = bound.controls;
        switch (property.kind) {
        case PropertyKind::ItemNumber:
        case PropertyKind::Digits:
        case PropertyKind::Strength:
        case PropertyKind::Quoted:
        case PropertyKind::FreeText: static_cast<QLineEdit*>(first)->setText(*value.text); break;
        case PropertyKind::ClearImport:
            third->setEnabled(false);
            static_cast<QLineEdit*>(third)->setText(*value.text);
            SelectOption(static_cast<QRadioButton*>(first));
            break;
        case PropertyKind::List:
            // The lists are empty while the window loads: start-up selects them once filled.
            if (auto* list = static_cast<QComboBox*>(first); list->count() > 0)
                SelectListEntry(list, value.choice->position);
            break;
        case PropertyKind::Sheet:
            static_cast<UpDown*>(first)->setValue(*value.number);
            emit ResettingSheet();
            break;
        case PropertyKind::Spinner: static_cast<UpDown*>(first)->setValue(*value.number); break;
        case PropertyKind::YesNo: static_cast<QRadioButton*>(second)->setChecked(true); break;
        }
        // The reset leaves the icon and missile boxes as they are.
        if (bound.flag && !isKey(property, {ScriptKeys::FloorIcon, ScriptKeys::InventoryIcon, ScriptKeys::Missile}))
            bound.flag->setChecked(false);
        // The frames of the starting variety, also while its list is empty.
        if (bound.frame)
            bound.frame->setEnabled(false);
    }
    ShowGreyedTicks();
}

void ItemForm::SelectListEntry(QComboBox* list, int position)
{
    if (list->currentIndex() == position && list == m_cboVariety)
        cboVariety_Click();  // selecting the same variety again still applies its rule
    list->setCurrentIndex(position);
}

ScriptLists ItemForm::Lists() const
{
    return {entriesOf(m_cboVariety), entriesOf(m_cboSkill), entriesOf(m_cboSpecAbil[1])};
}

std::vector<ItemForm::MarkPlace> ItemForm::MarkPlaces() const
{
    // One mark a box: a slot's ability and strength share theirs. The sheet
    // number has no box: its mark stands beside its spinner.
    std::vector<MarkPlace> places;
    for (const BoundProperty& bound : m_properties) {
        QWidget* anchor = bound.flag ? static_cast<QWidget*>(bound.flag) : bound.controls[0];
        if (bound.property->kind == PropertyKind::ItemNumber
            || PropertyOfControl(anchor->objectName()) != bound.property)
            continue;
        MarkPlace place{anchor, {}, {anchor}};
        for (const BoundProperty& other : m_properties) {
            if ((bound.flag && other.flag == bound.flag) || other.property == bound.property) {
                place.properties << other.property;
                for (QWidget* control : other.controls) {
                    if (control && !place.described.contains(control))
                        place.described << control;
                }
            }
        }
        places.push_back(place);
    }
    return places;
}

void ItemForm::IconClicked(const UpDown* spinner, int index)
{
    const auto bound = std::ranges::find(m_properties, spinner, [](const BoundProperty& b) { return b.controls[0]; });
    auto* own = static_cast<UpDown*>(bound->controls[0]);
    own->setValue(index);
    // A click on an icon chooses it as its spinner does, in a step of its own.
    m_history.Changed(own, bound->property->caption, FormHistory::Scope::Item, false);
}

// ---- Rules ----------------------------------------------------------------

void ItemForm::FillEmptyNumbers()
{
    ItemDefinition item = CurrentItem();
    for (const ItemProperty* property : ::FillEmptyNumbers(item)) {
        const auto bound = std::ranges::find(m_properties, property, &BoundProperty::property);
        auto* box =
            property->kind == PropertyKind::ClearImport ? m_txtImport : static_cast<QLineEdit*>(bound->controls[0]);
        box->setText(*ValueOf(*property, item).text);
        Corrected(box);
    }
}

void ItemForm::AttachInputRules()
{
    const auto leave = [this](QLineEdit* box, const std::function<QString()>& rule) {
        return [this, box, rule] {
            const QString corrected = rule();
            if (corrected != box->text()) {
                box->setText(corrected);
                Corrected(box);
            }
        };
    };
    for (const BoundProperty& bound : m_properties) {
        auto* box = qobject_cast<QLineEdit*>(bound.controls[0]);
        switch (bound.property->kind) {
        case PropertyKind::ItemNumber:
            LeaveFieldRule::Attach(box, leave(box, [box] { return ItemNumberRule(box->text()); }));
            break;
        case PropertyKind::ClearImport:
            box = m_txtImport;
            LeaveFieldRule::Attach(box, leave(box, [box] { return ImportNumberRule(box->text()); }));
            break;
        case PropertyKind::Digits:
            // An empty Special Class, Value or Weight whose box is ticked becomes 0.
            if (isKey(*bound.property, {ScriptKeys::SpecialClass, ScriptKeys::Value, ScriptKeys::Weight}))
                LeaveFieldRule::Attach(
                    box, leave(box, [box, flag = bound.flag] { return ZeroWhenFlagged(box->text(), ticked(flag)); }));
            break;
        case PropertyKind::List:
            if (bound.controls[0] == m_cboSkill)
                box = m_cboSkill->lineEdit();
            break;
        default: break;
        }
        if (box)
            FieldValidator::Attach(box, BoxRuleOf(*bound.property));
    }
}

void ItemForm::cboVariety_Click()
{
    // Each frame the variety disables is greyed out; where it unticks, its box first.
    const VarietyOutcome rule = VarietyRule(m_cboVariety->currentIndex());
    for (const BoundProperty& bound : m_properties) {
        if (!bound.frame)
            continue;
        const bool applies = rule.*(bound.property->frame);
        if (!applies && bound.property->unticks)
            bound.flag->setChecked(false);
        bound.frame->setEnabled(applies);
    }
    ShowGreyedTicks();
}

void ItemForm::optClear_Click() { m_txtImport->setEnabled(false); }

void ItemForm::optImport_Click()
{
    m_txtImport->setEnabled(true);
    m_txtImport->setFocus(Qt::OtherFocusReason);
    // Selected, so that what is typed replaces the starting 0.
    m_txtImport->selectAll();
}

// ---- The history ------------------------------------------------------------

void ItemForm::RecordSteps()
{
    // Only what the user does: the signals of clicks, typing and choices, not
    // those of values the program sets.
    const auto record = [this](QWidget* control, const QString& name, bool run) {
        return [this, control, name, run] { m_history.Changed(control, name, FormHistory::Scope::Item, run); };
    };
    for (const BoundProperty& bound : m_properties) {
        const QString& name = bound.property->caption;
        if (bound.flag)
            connect(bound.flag, &QCheckBox::clicked, this, record(bound.flag, name, false));
        for (QWidget* control : bound.controls) {
            if (auto* box = qobject_cast<QLineEdit*>(control)) {
                connect(box, &QLineEdit::textEdited, this, record(box, name, true));
            } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
                connect(option, &QRadioButton::clicked, this, record(option, name, false));
            } else if (auto* list = qobject_cast<QComboBox*>(control)) {
                connect(list, &QComboBox::activated, this, record(list, name, false));
                if (list->isEditable())  // the typed skill
                    connect(list->lineEdit(), &QLineEdit::textEdited, this, record(list, name, true));
            } else if (auto* spinner = qobject_cast<UpDown*>(control)) {
                connect(spinner, &UpDown::Stepped, this, record(spinner, name, true));
            }
        }
    }
}

void ItemForm::Corrected(QLineEdit* box)
{
    if (const ItemProperty* property = PropertyOfControl(box->objectName()))
        m_history.Changed(box, property->caption, FormHistory::Scope::Item, true);
}
