#include "model/ScenarioScript.h"
#include "model/ItemNumberCheck.h"
#include "model/ScenarioFile.h"
#include "platform/OpenRegularFile.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

const ScriptLists kLists{{"V0", "V1"}, {"S0", "S1", "S2", "S3", "S4"}, {"A0"}};

// A script as a Windows editor saves "Unicode": a byte-order mark, then UTF-16 (or UTF-32).
QByteArray utf16(const char* utf8, QStringEncoder::Encoding encoding)
{
    return QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(QString::fromUtf8(utf8));
}

TEST(ScenarioScript, BlocksOfAFile)
{
    const struct {
        const char* name;
        QByteArray bytes;
        const char* blocks;  // UTF-8
    } rows[] = {
        {"other definitions and comments between blocks, a block at the end",
         "begindefineterrain 3;\n\tte_name = \"Grass\";\n// item\nbegindefineitem 45;\n\tit_name = \"Ember\";\n\n"
         "begindefinecreature 2;\n\tcr_name = \"Rat\";\nbegindefineitem 7;\nit_name = \"Rope\";",
         "4:45 Ember, 9:7 Rope"},
        {"duplicate numbers and refused headers",
         "begindefineitem 5;\nbegindefineitem 600;\nbegindefineitem 5;\nit_magic = 1;\nbegindefineitem x;\n"
         "  begindefineitem 6\nit_bogus = 1;",
         "1:5, 2:refused, 3:5, 5:refused, 6:refused"},
        {"CR line ends", "x;\rbegindefineitem 1;\rit_name = \"A\";\r\rbegindefineitem 2;\rit_name = \"B\";\r",
         "2:1 A, 5:2 B"},
        {"Windows-1252", "begindefineitem 1;\r\nit_name = \"Caf\xe9 \x80\";\r\n", "1:1 Caf\xc3\xa9 \xe2\x82\xac"},
        {"UTF-8 cut off by the end of the file is Windows-1252", "begindefineitem 1;\nit_name = \"\xc3\xa9\";//\xc3",
         "1:1 \xc3\x83\xc2\xa9"},
        {"UTF-16 LE, ended by Ctrl+Z",
         utf16("begindefineitem 1;\r\nit_name = \"Caf\xc3\xa9 \xe2\x82\xac\";\x1a", QStringEncoder::Utf16LE),
         "1:1 Caf\xc3\xa9 \xe2\x82\xac"},
        {"UTF-16 BE", utf16("x\nbegindefineitem 2;\nit_name = \"\xc3\xa9\";", QStringEncoder::Utf16BE), "2:2 \xc3\xa9"},
        {"UTF-32 LE", utf16("begindefineitem 3;\nit_name = \"\xe2\x82\xac\";", QStringEncoder::Utf32LE),
         "1:3 \xe2\x82\xac"},
        {"UTF-8 after a byte-order mark",
         "\xef\xbb\xbf"
         "begindefineitem 1;\nit_name = \"Caf\xc3\xa9\";\n",
         "1:1 Caf\xc3\xa9"},
        {"a last Ctrl+Z ends the file", "begindefineitem 1;\nit_name = \"A\";\x1a", "1:1 A"},
        {"only the last one", "begindefineitem 1;\nit_name = \"A\";\x1a\x1a", "1:1 !1"},
        {"lines not applied are counted", "begindefineitem 1;\nit_name = \"A\x1a\";\nit_nmae = 2;\nit_value = x;\n",
         "1:1 A\x1a !2"},
        {"no item block", "no items here\r\n", ""},
        {"the key in another letter case", "BeginDefineItem 2;\nbegindefineitem 1;\n BEGINDEFINEITEM 3 ;\n",
         "1:refused, 2:1, 3:refused"},
        {"a name the form cannot take, as written", "begindefineitem 7;\nit_name = \"Sword of the Northern Kings\";",
         "1:7 Sword of the Northern Kings !1"},
    };
    for (const auto& row : rows) {
        QStringList blocks;  // each as "line:number name !lines-not-applied"
        const ScenarioScript script(ScenarioText(row.bytes), kLists);
        for (const ScenarioBlock& b : script.Blocks()) {
            QString s = QString::number(b.line) + u':' + (b.number < 0 ? "refused" : QString::number(b.number));
            if (!b.name.isEmpty())
                s += u' ' + b.name;
            if (b.problems > 0)
                s += QStringLiteral(" !%1").arg(b.problems);
            blocks << s;
        }
        EXPECT_EQ(blocks.join(", "), QString::fromUtf8(row.blocks)) << row.name;
    }
    QStringList names;
    for (const QByteArray& bytes : {QByteArray("\xef\xbb\xbfx"), QByteArray("\xe9"),
                                    utf16("x", QStringEncoder::Utf16LE), utf16("x", QStringEncoder::Utf32BE)})
        names << ScenarioText::NameOf(ScenarioText(bytes).FileEncoding());
    EXPECT_EQ(names.join(", "), "UTF-8, Windows-1252, UTF-16 LE, UTF-32 BE");
}

TEST(ScenarioScript, IsTheNumberTaken)
{
    const ScenarioScript script(ScenarioText("begindefineitem 0;\n  it_name = \"Ember\" ; // red\n  it_magic = 1;\n"
                                             "begindefinecreature 3;\nbegindefineitem 1;\nbegindefineitem 1;\n"
                                             "it_name = \"50%1\";\nbegindefineitem 1;\nbegindefineitem 3;\n"
                                             "BeginDefineItem 2;\n"),
                                kLists);
    // A header in another letter case is no definition, yet its number is not offered.
    EXPECT_EQ(DescribeSummary(SummarizeScenario(script.Blocks())),
              "6 item blocks, 3 item numbers, lowest free number 4");
    const std::tuple<const char*, int, const char*> rows[] = {
        {"begindefineitem 0;\r\n\tit_magic = 1;\r\n\tit_name = \"Ember\";\r\n", 0,
         "Item 0 matches its definition at line 1 of town.txt."},
        {"begindefineitem 0;\r\n\tit_name = \"Ember\";\r\n", 0,
         "Item 0 is \"Ember\" (line 1 of town.txt) and differs in 1 property: Magic Item?."},
        {"begindefineitem 1;\r\n", 0,
         "Item 1 matches its definitions at lines 5 and 8 of town.txt; the one at line 6 differs."},
        {"begindefineitem 1;\r\n", 6,
         "Item 1 is \"50%1\" (line 6 of town.txt) and differs in 1 property: Item Name. Its definitions at lines 5 "
         "and 8 match."},
        {"begindefineitem 1;\r\n\tit_name = \"50%1\";\r\n", 0,
         "Item 1 matches its definition at line 6 of town.txt; the ones at lines 5 and 8 differ."},
        {"begindefineitem 1;\r\n\tit_magic = 1;\r\n\tit_value = 3;\r\n", 0,
         "Item 1 is an item without a name (line 8 of town.txt) and differs in 2 properties: Value, Magic Item?. It is "
         "defined at lines 5 and 6 too."},
        {"begindefineitem 3;\r\n", 0, "Item 3 matches its definition at line 9 of town.txt."},
        {"begindefineitem 2;\r\n\tit_magic = 1;\r\n", 0, ""},
    };
    for (const auto& [generated, asked, said] : rows) {
        const ItemNumberCheck check = CheckItemNumber(script, generated, asked);
        EXPECT_EQ(DescribeItemNumberCheck(check, "town.txt"), said) << generated;
        // Unless asked for another, the definition compared in detail is one the note says matches, where one does.
        EXPECT_TRUE(asked != 0 || check.matching.isEmpty() || check.matching.contains(check.comparedLine)) << generated;
    }
    EXPECT_EQ(DescribeLines({1, 2, 3, 4, 5, 6}), "lines 1, 2, 3, 4, 5 and 6");
    EXPECT_EQ(DescribeLines({1, 2, 3, 4, 5, 6, 7}), "lines 1, 2, 3, 4, 5 and 2 more");
}

// A line the form cannot take is a property that differs, shown as written; a line of no property is beside "matches".
TEST(ScenarioScript, WhatTheFormCannotTake)
{
    const struct {
        const char* name;
        QByteArray script;  // lines after the block's header and its full name
        const char* form;   // lines of the generated script after its full name
        const char* note;
        const char* scriptSide;  // the first differing property's script value
    } rows[] = {
        {"a text too long for its box", "it_name = \"Sword of the Northern Kings\";\n", "",
         "is \"Sword of the Northern Kings\" (line 1 of long.txt) and differs in 1 property: Item Name.",
         "\"Sword of the Northern Kings\" (longer than the 19 characters \"Item Name\" takes)"},
        {"too many digits, whatever the form holds", "it_value = 99999999;\n", "\tit_value = 99999;\r\n",
         "is \"Sword\" (line 1 of long.txt) and differs in 1 property: Value.",
         "99999999 (longer than the 5 characters \"Value\" takes)"},
        {"not a number, cut short",
         "it_weight = heavy;\nit_charges = 9x9999999999999999999999999999999999999999999999999999999"
         "999999999999999;\n",
         "", "is \"Sword\" (line 1 of long.txt) and differs in 2 properties: Charges/Amount, Weight (tenths).",
         "9x9999999999999999999999999999999999999999999999999999999999... (\"Charges/Amount\" takes digits only)"},
        {"its reason even past the hundredth line not applied",
         QByteArray("it_nmae = 1;\n").repeated(100) + "it_weight = heavy;\n", "",
         "is \"Sword\" (line 1 of long.txt) and differs in 1 property: Weight (tenths).",
         "heavy (\"Weight (tenths)\" takes digits only)"},
        {"a line its variety disables", "it_variety = 0;\nit_damage_per_level = 4;\n", "\tit_variety = 0; // V0\r\n",
         "is \"Sword\" (line 1 of long.txt) and differs in 1 property: Damage Per Level.",
         "4 (the variety at position 0 disables \"Damage Per Level\")"},
        {"a number line without a number", "it_value = ;\n", "\tit_value = 0;\r\n",
         "is \"Sword\" (line 1 of long.txt) and differs in 1 property: Value.",
         "(empty) (\"Value\" takes a number, and the line gives none)"},
        {"a strength of \"-\" alone", "it_ability_1 = 0; // A0\nit_ability_str_1 = -;\n",
         "\tit_ability_1 = 0; // A0\r\n\tit_ability_str_1 = 0;\r\n",
         "is \"Sword\" (line 1 of long.txt) and differs in 1 property: Strength 1.",
         "- (\"Strength 1\" takes a number, and the line gives none)"},
        {"a key given twice, a malformed line", "it_full_name = \"Sword\";\nit_magic 1;\n", "",
         "matches its definition at line 1 of long.txt, except for 2 lines the form leaves out (lines 3 and 4).", ""},
    };
    for (const auto& row : rows) {
        const ScenarioScript script(
            ScenarioText(QByteArray("begindefineitem 7;\nit_full_name = \"Sword\";\n") + row.script), kLists);
        const ItemNumberCheck check =
            CheckItemNumber(script, QStringLiteral("begindefineitem 7;\r\n\tit_full_name = \"Sword\";\r\n") + row.form);
        EXPECT_EQ(DescribeItemNumberCheck(check, "long.txt"), QStringLiteral("Item 7 ") + row.note) << row.name;
        const auto differs = std::ranges::find_if(check.comparison, &PropertyComparison::differs);
        EXPECT_EQ(differs == check.comparison.end() ? QString() : DescribeScriptSide(*differs, check.compared),
                  QString::fromUtf8(row.scriptSide))
            << row.name;
    }
}

// Only a regular file is read, and opening one that is not never waits: a hang here is a pipe with no writer.
TEST(ScenarioScript, FilesThatAreRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.txt"));
    const auto file = [&](const char* name, const QByteArray& bytes, qint64 size) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.resize(size));
        return f.fileName();
    };
    using R = ScenarioFileRead::Result;
    std::vector<std::tuple<QString, R, const char*>> rows = {
        {file("town.txt", "begindefineitem 1;", 18), R::Read, ""},
        {file("zero.txt", "begindefineitem 1;", 19), R::Binary, ""},
        {file("utf16.txt", utf16("begindefineitem 1;", QStringEncoder::Utf16LE), 38), R::Read, ""},
        {file("utf16nul.txt", utf16("begindefineitem 1;", QStringEncoder::Utf16BE), 40), R::Binary, ""},
        {file("utf16odd.txt", utf16("begindefineitem 1;", QStringEncoder::Utf16BE), 39), R::Undecodable, "UTF-16 BE"},
        {file("full.txt", "", kLargestScenarioScript), R::Binary, ""},
        {file("big.txt", "", kLargestScenarioScript + 1), R::TooLarge, ""},
        {dir.filePath("folder.txt"), R::NotRegular, "a folder"},
    };
#ifdef Q_OS_WIN
    // A pipe lives in the system's pipe namespace, a device under a reserved name in any folder.
    const HANDLE pipe = CreateNamedPipeW(L"\\\\.\\pipe\\itemedit-test", PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT,
                                         1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    rows.insert(rows.end(), {{dir.filePath("gone.txt"), R::Unreadable, ""},
                             {"//./pipe/itemedit-test", R::NotRegular, "a named pipe"},
                             {"NUL", R::NotRegular, "a device"},
                             {"//./COM1", R::NotRegular, "a device"}});
#else
    const QString pipe = dir.filePath("pipe.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    sockaddr_un address{AF_UNIX, {}};
    const QByteArray socketPath = QFile::encodeName(dir.filePath("socket.txt"));
    std::copy_n(socketPath.constData(), socketPath.size(), address.sun_path);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    rows.insert(rows.end(), {{dir.filePath("gone.txt"), R::Unreadable, "No such file"},
                             {pipe, R::NotRegular, "a named pipe"},
                             {dir.filePath("socket.txt"), R::NotRegular, "a socket"},
                             {"/dev/zero", R::NotRegular, "a device"}});
#endif
    for (const auto& [path, result, reason] : rows) {
        const ScenarioFileRead read = ReadScenarioFile(path);
        EXPECT_EQ(read.result, result) << path.toStdString();
        EXPECT_EQ(read.reason.left(qstrlen(reason)), reason);
    }
#ifdef Q_OS_WIN
    CloseHandle(pipe);
#else
    ::close(listening);
#endif
}

// Read while a text editor holds it open for writing; while open here, it can still be moved aside, replaced, deleted.
TEST(ScenarioScript, ReadWhileHeldMovedOrDeleted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("town.txt"), aside = dir.filePath("town.bak");
    QFile held(path), reading;
    ASSERT_TRUE(held.open(QIODevice::ReadWrite) && held.write("begindefineitem 1;\n") == 19 && held.flush());
    ASSERT_EQ(OpenRegularFile(path, reading).result, RegularFileOpen::Result::Opened);
    held.close();
    EXPECT_TRUE(QFile::rename(path, aside));
    QFile saved(path);
    EXPECT_TRUE(saved.open(QIODevice::WriteOnly) && saved.write("begindefineitem 2;\n") == 19);
    EXPECT_EQ(reading.readAll(), "begindefineitem 1;\n");  // what was opened, whole
    EXPECT_TRUE(QFile::remove(aside));
}

// No scenario defines each of the 500 item numbers ten times over: a script of more blocks is not listed.
TEST(ScenarioScript, AtMostFiveThousandItemBlocks)
{
    for (const int count : {5000, 5001}) {
        const ScenarioScript script(ScenarioText(QByteArray("begindefineitem 1;\n").repeated(count)), kLists);
        EXPECT_EQ(script.TooManyBlocks(), count > 5000);
        EXPECT_EQ(script.Blocks().size(), count > 5000 ? 0U : 5000U);
    }
}

}  // namespace
