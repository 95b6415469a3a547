#pragma once

#include "model/ItemDefinition.h"
#include "model/ScriptLists.h"
#include "refdata/VarietyRule.h"

#include <QString>
#include <QStringList>

#include <vector>

// What a property's value is, and how the script writes it.
enum class PropertyKind {
    ItemNumber,   // the number of the begindefineitem line: digits, always written
    ClearImport,  // "clear;" or "import = <number>;", under one box
    Digits,       // a number box: digits only
    Strength,     // an ability's strength: digits and "-"
    Quoted,       // text written between double quotes
    FreeText,     // text written as it is, every character
    List,         // a list's position, with its text as a comment
    Sheet,        // the sheet spinner, written with either icon and no box of its own
    Spinner,      // a spinner's number
    YesNo,        // 1 for Yes, 0 for No
};

// The most characters a box of the form takes where it sets no limit of its
// own (Icon Adjust, a typed skill): as many as any line edit does.
inline constexpr int kLongestText = 32767;

// Where a property lives in one item. Which pointers are set depends on the
// kind: `text` for the text kinds and the import number, `choice` for a list,
// `number` for a spinner, `yes` for the Yes of a pair and for "Clear".
struct PropertyValue {
    bool* flag = nullptr;  // its "Display in script" box; null for the item and sheet numbers
    QString* text = nullptr;
    ListChoice* choice = nullptr;
    std::int32_t* number = nullptr;
    bool* yes = nullptr;
};

// One property of the item, described once for the generator, the reader of
// pasted blocks, the window's binding of controls and the comparison with a
// script: its script key, its caption as the form shows it, its kind and
// limits, where it lives in ItemDefinition, the variety frame that may
// disable it and its controls on the form.
struct ItemProperty {
    QString key;      // the script key; for clear or import, "import"
    QString caption;  // the form's name for it: "Item Name", "Strength 2"
    PropertyKind kind;
    int low = 0;
    int high = 0;                                    // the highest spinner value; the most characters its box takes
    const QStringList ScriptLists::*list = nullptr;  // the entries of a list
    // The variety frame that may disable it; `unticks` when the frame's box
    // is then unticked, so that the variety's block leaves the line out.
    bool VarietyOutcome::*frame = nullptr;
    bool unticks = false;
    // Object names of its controls on the form: the value's (for a Yes/No
    // pair the Yes button, then the No; for clear or import "Clear", "Import"
    // and the import number) and its "Display in script" box (empty for none).
    QStringList controls;
    QString flagControl;
    PropertyValue (*value)(ItemDefinition&) = nullptr;
};

// Every property, in the order the script writes them.
const std::vector<ItemProperty>& ItemProperties();

// The property a script key sets ("clear" and "import" both the clear or
// import property); null for a key the form does not know.
const ItemProperty* PropertyOfKey(QStringView key);

// The property whose value or "Display in script" box is the control named
// `objectName`; null for another control.
const ItemProperty* PropertyOfControl(QStringView objectName);

// A property's value in an item that is only read.
inline PropertyValue ValueOf(const ItemProperty& property, const ItemDefinition& item)
{
    // The pointers are only read through.
    return property.value(const_cast<ItemDefinition&>(item));
}
