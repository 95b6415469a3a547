#pragma once

#include "model/ItemProperties.h"

#include <QString>

#include <vector>

// One property of the item on the form beside the same property of a block
// of the scenario script.
struct PropertyComparison {
    const ItemProperty* property = nullptr;
    bool formShown = false;    // the form's script writes its line
    bool scriptShown = false;  // the block has it
    bool differs = false;
};

// Compares the item on the form with a block's item, property by property in
// the order of the properties, both as the block reader reads them (the
// form's item generated and read back: see AsTheScriptReadsIt). A property
// differs when one of them shows it and the other does not, or when both show
// it with other values. The item number is what the block was found by and is
// not among them.
std::vector<PropertyComparison> CompareItems(const ItemDefinition& form, const ItemDefinition& script);

// The item as Generate would write it and the block reader would read it back.
ItemDefinition AsTheScriptReadsIt(const ItemDefinition& item, const ScriptLists& lists);

// Whether the item's script shows the property: its box is ticked; the sheet
// goes with either icon.
bool IsShown(const ItemProperty& property, const ItemDefinition& item);

// A property's value as a comparison shows it: a text as the script writes
// it ("Torch" in quotes), a list's entry and its position ("Edged Weapons
// (2)"), Yes or No, "Clear" or "Import 12", a number.
QString DescribeValue(const ItemProperty& property, const ItemDefinition& item);

// The captions of the properties that differ, "Item Name, Value"; beyond
// five, the first five and how many more.
QString DescribeDifferences(const std::vector<PropertyComparison>& comparison);
int CountDifferences(const std::vector<PropertyComparison>& comparison);
