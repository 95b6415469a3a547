#pragma once

#include "model/ItemDefinition.h"

#include <QString>

// Turns the item into its begindefineitem block: the item number line, then
// one TAB-indented line per flagged property in the game's fixed order, each
// followed by CR LF except a final missile line. Values are written exactly as
// held; nothing is checked, trimmed or escaped.
QString BuildItemScript(const ItemDefinition& item);
