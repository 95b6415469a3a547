#pragma once

#include "model/ItemDefinition.h"

// The item the editor starts with and returns to at every reset: item number
// 440, "Clear", empty names, "0" in every number box, the first variety and
// ability, the fifth skill, sheet 1000, icons and missile 0, "No" on every
// Yes/No pair. Every "Display in script" box is unticked. The list texts are
// left empty: they come from the lists.
ItemDefinition StartingItem();
