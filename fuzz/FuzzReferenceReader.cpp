// Feeds arbitrary bytes to the reference file reader, filling two lists as the ability files do. It may fail only with
// its own report, and both lists must come out the same.
#include "refdata/LoadReferenceFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StringReferenceList first, second;
    try {
        LoadReferenceBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), "fuzz.dat",
                           {&first, &second});
    } catch (const ReferenceFileError& error) {
        if (error.message().isEmpty())
            __builtin_trap();
    }
    if (first.entries != second.entries)
        __builtin_trap();
    return 0;
}
