#pragma once

#include <QString>

// Game folders copied from the game's platform, whose file names ignore case,
// keep whatever case their files had: "itemedit/SKILLS.DAT" for
// "ItemEdit/Skills.dat". Returns `path` when it exists. Otherwise each
// missing folder or file along the absolute `path` is looked up in its parent
// folder ignoring ASCII case, the first match in byte order winning; returns
// the path found, or `path` unchanged when some part has no match.
QString FindIgnoringCase(const QString& path);
