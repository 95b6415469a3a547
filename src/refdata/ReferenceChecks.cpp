#include "refdata/ReferenceChecks.h"

#include "refdata/ReferenceFileError.h"

void RequireAtLeastOneRecord(const QString& path, int records)
{
    if (records < 1)
        throw ReferenceFileError(ReferenceFailure::NoRecords, path, 0, 0,
                                 QStringLiteral("it holds no record, and its first entry is needed"));
}

void RequireAtLeastFiveRecords(const QString& path, int records)
{
    if (records < kDefaultSkillEntry + 1)
        throw ReferenceFileError(ReferenceFailure::TooFewRecords, path, 0, 0,
                                 QStringLiteral("it holds %1 record(s), and its fifth entry is needed").arg(records));
}
