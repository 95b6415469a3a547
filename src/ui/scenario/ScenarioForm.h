#pragma once

#include "model/ItemDefinition.h"
#include "model/ScriptLists.h"

#include <QList>

#include <vector>

struct ItemProperty;

class QWidget;

// What the scenario link asks of the editor's form, and all it sees of it: the item the form holds, its lookup
// lists, where it marks properties that differ from the script, and a value taken onto it from the script.
class ScenarioForm {
public:
    virtual ItemDefinition CurrentItem() const = 0;
    // The three lookup lists, as a script reader takes them.
    virtual ScriptLists Lists() const = 0;
    // The value and box of one property as `from` has them, one step of the
    // history named after the property.
    virtual void ApplyValue(const ItemProperty& property, const ItemDefinition& from) = 0;

    // Where the form shows that properties differ from a script: beside
    // `anchor`, a "Display in script" box (for the sheet number, its spinner),
    // for `properties`; `described` are the controls a screen reader describes.
    struct MarkPlace {
        QWidget* anchor;
        QList<const ItemProperty*> properties;
        QList<QWidget*> described;
    };
    virtual std::vector<MarkPlace> MarkPlaces() const = 0;

protected:
    ~ScenarioForm() = default;
};
