#pragma once

#include "model/ItemProperties.h"
#include "model/ReadItemScript.h"

#include <QString>

#include <vector>

// One property of the item on the form beside the same property of a block
// of the scenario script.
struct PropertyComparison {
    const ItemProperty* property = nullptr;
    bool formShown = false;    // the form's script writes its line
    bool scriptShown = false;  // the block has it
    bool differs = false;
    // Where the block's line has a value the form cannot take: the value as
    // written and why; such a property always differs.
    QString written;
    QString refusal;
};

// Compares the item on the form with a block's item, property by property in
// the order of the properties, both as the block reader reads them (the
// form's item generated and read back: see AsTheScriptReadsIt). A property
// differs when one of them shows it and the other does not, or when both show
// it with other values, or when the block gives it a value the form cannot
// take (`refused`, from the block's reading). The item number is what the
// block was found by and is not among them.
std::vector<PropertyComparison> CompareItems(const ItemDefinition& form, const ItemDefinition& script,
                                             const std::vector<RefusedValue>& refused = {});

// The item as Generate would write it and the block reader would read it back.
ItemDefinition AsTheScriptReadsIt(const ItemDefinition& item, const ScriptLists& lists);

// Whether the item's script shows the property: its box is ticked; the sheet
// goes with either icon.
bool IsShown(const ItemProperty& property, const ItemDefinition& item);

// A property's value as a comparison shows it: a text as the script writes
// it ("Torch" in quotes), a list's entry and its position ("Edged Weapons
// (2)"), Yes or No, "Clear" or "Import 12", a number.
QString DescribeValue(const ItemProperty& property, const ItemDefinition& item);

// Each side of a comparison as the Compare window and the marks show it:
// "not shown" where the side leaves the property out; the script's value the
// form cannot take as written, with the reason.
QString DescribeScriptSide(const PropertyComparison& c, const ItemDefinition& script);
QString DescribeFormSide(const PropertyComparison& c, const ItemDefinition& form);

// The captions of the properties that differ, "Item Name, Value"; beyond
// five, the first five and how many more.
QString DescribeDifferences(const std::vector<PropertyComparison>& comparison);
int CountDifferences(const std::vector<PropertyComparison>& comparison);

// The report of a paste or a load, under its command's title: the lines of the
// block not applied; each property the form, having taken the block, now
// writes otherwise than the block gives it (`written` is the form's item as
// the script reads it), a line the block lacks among them; and the item
// blocks the text held after the block, which were not taken. `block` names
// the block read. Empty where the form writes the block as it stands.
QString DescribeLoad(const ItemScriptReading& reading, const ItemDefinition& written, const QString& block);
