// Feeds arbitrary text to the item block reader, with lists of sizes taken
// from the first byte. It gives a result or "no block", never a crash or a
// hang; and what it read, generated and read again, generates the same text.
#include "model/BuildItemScript.h"
#include "model/ReadItemScript.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    ScriptLists lists;
    for (int i = 0; i < 1 + data[0] % 40; ++i)
        lists.varieties << QString::number(i), lists.skills << QString::number(i),
            lists.abilities << QString::number(i);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const ItemScriptReading reading = ReadItemScript(text, lists);
    if (reading.result != ItemScriptReading::Result::Read)
        return 0;
    const QString script = BuildItemScript(reading.item);
    if (BuildItemScript(ReadItemScript(script, lists).item) != script)
        __builtin_trap();
    return 0;
}
