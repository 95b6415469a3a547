#pragma once

#include "model/ItemDefinition.h"
#include "model/ItemProperties.h"
#include "ui/scenario/ScenarioForm.h"

#include <QList>
#include <QObject>

#include <array>
#include <vector>

class FormHistory;
class UpDown;

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

// The item on the editor's form: every property bound once to its controls
// through the table of properties, the item read off them and put onto them,
// the input and leave-field rules of the text boxes, the variety rule's
// frames, and the reset to the starting item. Every change the user makes is
// told to the form's history.
class ItemForm : public QObject, public ScenarioForm {
    Q_OBJECT
public:
    // Binds the properties to the controls on `pages` that the table names;
    // `history` hears of each change the user makes.
    ItemForm(const QList<QWidget*>& pages, FormHistory& history, QObject* parent);

    // The item as the controls hold it at this moment, and the reverse: every
    // control set to hold `item`, the variety first.
    ItemDefinition CurrentItem() const override;
    void ApplyItem(const ItemDefinition& item);
    void ApplyValue(const ItemProperty& property, const ItemDefinition& from) override;
    // Every property back to its starting value, in the order of the
    // properties, each through its controls so that its reaction runs there.
    // The floor icon, inventory icon and missile boxes keep their ticks.
    void SetDefaults();
    // What Generate does first: "0" into every empty number box whose line
    // the script writes, each a correction like a leave-field rule's.
    void FillEmptyNumbers();

    // The lookup lists start-up fills, and the selections it makes.
    QComboBox* cboVariety() const { return m_cboVariety; }
    QComboBox* cboSkill() const { return m_cboSkill; }
    QComboBox* cboSpecAbil(int slot) const { return m_cboSpecAbil.at(std::size_t(slot)); }  // slot 1 to 4
    void SelectListEntry(QComboBox* list, int position);
    ScriptLists Lists() const override;

    std::vector<MarkPlace> MarkPlaces() const override;

    // A click on an icon cell of a sheet: `spinner` takes the icon number, a step of its own.
    void IconClicked(const UpDown* spinner, int index);

signals:
    // The reset has set the sheet number; the sheet shown is reset here.
    void ResettingSheet();

private:
    // A property and its controls: the value's, as the table names them; its
    // "Display in script" box; and the variety frame around it, if any.
    struct BoundProperty {
        const ItemProperty* property;
        std::array<QWidget*, 3> controls;
        QCheckBox* flag;
        QGroupBox* frame;
        QLabel* greyedTickMark = nullptr;  // for a frame that greys out without unticking
    };
    void BindProperties(const QList<QWidget*>& pages);
    void BindSkillList(QComboBox* list);
    // A skill typed into the list that is no entry of it is marked beside the
    // list: the script writes it as the comment of the position the list has
    // chosen, and the mark's tooltip says which.
    void ShowTypedSkillMark();
    // A box that stays ticked in a frame the variety greys out still writes
    // its line: a mark beside it says so, and how to untick it.
    void MarkGreyedTick(BoundProperty& bound) const;
    void ShowGreyedTicks();
    void AttachInputRules();
    // Tells the history of every change the user makes to the form.
    void RecordSteps();
    // A leave-field rule corrected the box: part of the step of its typing.
    void Corrected(QLineEdit* box);

    void cboVariety_Click();
    void optClear_Click();
    void optImport_Click();

    FormHistory& m_history;
    std::vector<BoundProperty> m_properties;
    QLineEdit* m_txtImport = nullptr;
    QComboBox* m_cboVariety = nullptr;
    QComboBox* m_cboSkill = nullptr;
    QLabel* m_typedSkillMark = nullptr;
    std::array<QComboBox*, 5> m_cboSpecAbil{};  // slots 1 to 4
};
