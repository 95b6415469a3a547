// The item and the controls that hold it, in both directions: CurrentItem
// reads the item off the form, ApplyItem puts an item onto it. Both walk the
// item's properties, each bound once to its controls by their names, so the
// two stay each other's inverse. And every change the user makes to them,
// told to the form's history as one step.
#include "ui/ItemEdit.h"

#include "ui_ItemEdit.h"

#include "graphics/ClickCell.h"
#include "ui/UpDown.h"

#include <QMenu>
#include <QSignalBlocker>

namespace {

bool ticked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

}  // namespace

void ItemEdit::BindProperties()
{
    QHash<QString, QWidget*> byName;
    for (QWidget* control : findChildren<QWidget*>())
        byName.insert(control->objectName(), control);
    for (const ItemProperty& property : ItemProperties()) {
        QCheckBox* flag =
            property.flagControl.isEmpty() ? nullptr : qobject_cast<QCheckBox*>(byName.value(property.flagControl));
        BoundProperty bound{&property, {}, flag};
        for (qsizetype i = 0; i < property.controls.size(); ++i)
            bound.controls.at(std::size_t(i)) = byName.value(property.controls[i]);
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

void ItemEdit::RecordSteps()
{
    // Only what the user does: the signals of clicks, typing and choices, not
    // those of values the program sets.
    const auto record = [this](QWidget* control, const QString& name, bool run) {
        return [this, control, name, run] { m_history->Changed(control, name, FormHistory::Scope::Item, run); };
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
    // A click on an icon chooses it as its spinner does, in a step of its own.
    for (ClickCell* cell : imgFloorIcon)
        connect(cell, &ClickCell::clicked, this, record(ui->updFloorIcon, QStringLiteral("Floor Icon"), false));
    for (ClickCell* cell : imgInvIcon)
        connect(cell, &ClickCell::clicked, this, record(ui->updInvIcon, QStringLiteral("Inventory Icon"), false));
    // The sheet shown, numbered or custom, once its file is chosen and read.
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(ui->optSheetNum), static_cast<QAbstractButton*>(ui->optCustomSheet),
          static_cast<QAbstractButton*>(ui->cmdFindCustom)}) {
        const QString name =
            button == ui->optSheetNum ? QStringLiteral("Sheet Number") : QStringLiteral("Custom Sheet");
        connect(button, &QAbstractButton::clicked, this,
                [this, button, name] { m_history->Changed(button, name, FormHistory::Scope::Sheet, false); });
    }
}

void ItemEdit::Corrected(QLineEdit* box)
{
    if (const ItemProperty* property = PropertyOfControl(box->objectName()))
        m_history->Changed(box, property->caption, FormHistory::Scope::Item, true);
}

void ItemEdit::UseFormHistoryInTextMenus()
{
    // The menu a text box offers, its Undo and Redo replaced by the form's.
    // The script pane's entries are named; a line edit's are known by their
    // words, those the line edit itself gives them.
    const auto is = [](const QAction* action, const char* name, const char* words) {
        return action->objectName() == QLatin1String(name)
               || action->text().section(u'\t', 0, 0) == QCoreApplication::translate("QLineEdit", words);
    };
    const auto popUp = [this, is](QMenu* menu, const QPoint& where) {
        for (QAction* own : menu->actions()) {
            QAction* form = is(own, "edit-undo", "&Undo")   ? ui->mnuUndo
                            : is(own, "edit-redo", "&Redo") ? ui->mnuRedo
                                                            : nullptr;
            if (form) {
                menu->insertAction(own, form);
                menu->removeAction(own);
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(where);
    };
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
                [box, popUp](const QPoint& at) { popUp(box->createStandardContextMenu(), box->mapToGlobal(at)); });
    }
    QPlainTextEdit* pane = ui->txtScript;
    pane->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane, &QWidget::customContextMenuRequested, this, [pane, popUp](const QPoint& at) {
        popUp(pane->createStandardContextMenu(at), pane->viewport()->mapToGlobal(at));
    });
}
