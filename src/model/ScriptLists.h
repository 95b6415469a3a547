#pragma once

#include <QStringList>

// The entries of the editor's three lookup lists, as the window holds them.
struct ScriptLists {
    QStringList varieties;
    QStringList skills;
    QStringList abilities;
};
