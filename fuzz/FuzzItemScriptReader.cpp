// Feeds arbitrary bytes, as a scenario script file, to the item block reader, with lists of sizes taken from the first
// byte. It never crashes or hangs; the first block of the file, found in its bytes, reads as a paste of the whole
// decoded text reads, but for the lines after it the paste reports; and every block it read, generated and read again,
// generates the same text.
#include "model/BuildItemScript.h"
#include "model/ReadItemScript.h"
#include "model/ScenarioFile.h"
#include "model/ScenarioScript.h"

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
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const ScenarioScript scenario(ScenarioText(bytes), lists);
    // A header in another letter case is listed, but a paste begins at the first true one.
    std::vector<ScenarioBlock> blocks = scenario.Blocks();
    std::erase_if(blocks, [](const ScenarioBlock& block) { return block.otherCase; });
    const ItemScriptReading pasted = ReadItemScript(DecodeScenarioText(bytes), lists);
    if (blocks.empty() ? pasted.result == ItemScriptReading::Result::Read : blocks.front().line != pasted.line)
        __builtin_trap();
    for (const ScenarioBlock& block : blocks) {
        const ItemScriptReading reading = scenario.Read(block);
        if (&block == &blocks.front()
            && (!(reading.item == pasted.item)
                || reading.ProblemCount() != pasted.ProblemCount() - pasted.linesOutsideBlock))
            __builtin_trap();
        if (reading.result != ItemScriptReading::Result::Read)
            continue;
        const QString script = BuildItemScript(reading.item);
        if (BuildItemScript(ReadItemScript(script, lists).item) != script)
            __builtin_trap();
    }
    return 0;
}
