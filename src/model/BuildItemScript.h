#pragma once

#include "model/ItemDefinition.h"

#include <QList>
#include <QString>

// Turns the item into its begindefineitem block: the item number line, then
// one TAB-indented line per flagged property in the game's fixed order, each
// followed by CR LF except a final missile line. Values are written exactly as
// held; nothing is checked, trimmed or escaped.
QString BuildItemScript(const ItemDefinition& item);

struct ItemProperty;

// What Generate does before it writes: every empty number box whose line the
// script writes takes "0", as Value's leave-field rule makes it, so that no
// number line goes out without a number (a strength of "-" alone counts as
// empty). The item number takes "0" when empty. Returns the properties whose
// box changed, in the order of the properties.
QList<const ItemProperty*> FillEmptyNumbers(ItemDefinition& item);

// The script Generate writes from the item now: its empty numbers filled, then built.
QString GenerateScript(ItemDefinition item);
