#pragma once

#include "model/ScriptLists.h"

// Lists as large as the game's (25 varieties, 8 skills, 36 abilities) whose entries say their position: "V0", "V1"...
inline QStringList Numbered(const char* prefix, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << prefix + QString::number(i);
    return entries;
}

inline const ScriptLists kNumberedLists{Numbered("V", 25), Numbered("S", 8), Numbered("A", 36)};
