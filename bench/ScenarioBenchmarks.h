#pragma once

#include <QString>

class QTemporaryDir;

// Writes a scenario script of 10 MB with 3,000 item blocks among 30,000 lines
// of other definitions into `dir`; returns its path.
QString WriteLargeScenarioScript(const QTemporaryDir& dir);

// A child process of the benchmarks: opens the script at `path` in the
// Scenario Items window of a started editor and prints the memory it took.
int ScenarioMemoryChild(const QString& path);

// A memory figure of this process from /proc/self/status, in KiB: "VmHWM:"
// its high-water mark, "VmRSS:" what it holds now.
long ResidentKb(const char* field);
