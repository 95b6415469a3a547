#pragma once

#include <QList>
#include <QString>

#include <utility>

class QTemporaryDir;

// Writes a scenario script of 10 MB with 3,000 item blocks among 30,000 lines
// of other definitions into `dir`; returns its path.
QString WriteLargeScenarioScript(const QTemporaryDir& dir);

// The worst scripts for the list's memory and time, each of 31 MiB, as pairs
// of what it is and its path in `dir`: nothing but minimal item blocks; item
// blocks with every property; the most item blocks the list takes, with every
// property, among other definitions; one item block of a million lines it does
// not take.
QList<std::pair<QString, QString>> WriteWorstScenarioScripts(const QTemporaryDir& dir);

// A child process of the benchmarks: opens the script at `path` in the
// Scenario Items window of a started editor and prints the script's size, the
// editor's peak memory before, the peak after and the memory held then (KiB),
// the milliseconds from the command to the painted list, and the rows listed.
int ScenarioMemoryChild(const QString& path);

// A memory figure of this process from /proc/self/status, in KiB: "VmHWM:"
// its high-water mark, "VmRSS:" what it holds now.
long ResidentKb(const char* field);
