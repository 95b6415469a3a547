#pragma once

#include <QString>

// Checks start-up makes on a filled list before it selects an entry: the
// variety and ability lists need one entry (entry 0 is selected), the skill
// list five (the fifth is selected). Throw ReferenceFileError naming the file.
void RequireAtLeastOneRecord(const QString& path, int records);
void RequireAtLeastFiveRecords(const QString& path, int records);

// The entries start-up selects.
constexpr int kFirstEntry = 0;
constexpr int kDefaultSkillEntry = 4;
