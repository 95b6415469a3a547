#include "refdata/LoadReferenceFile.h"
#include "refdata/ReferenceChecks.h"
#include "refdata/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

QStringList load(const QByteArray& bytes)
{
    StringReferenceList list;
    LoadReferenceBytes(bytes, QStringLiteral("Test.dat"), {&list});
    return list.entries;
}

ReferenceFileError failureOf(const QByteArray& bytes)
{
    StringReferenceList list;
    try {
        LoadReferenceBytes(bytes, QStringLiteral("Test.dat"), {&list});
    } catch (const ReferenceFileError& e) {
        return e;
    }
    ADD_FAILURE() << "no failure for: " << bytes.toStdString();
    return ReferenceFileError(ReferenceFailure::Unreadable, {}, 0, 0, {});
}

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QStringList expected;
};

TEST(LoadReferenceFile, FieldRules)
{
    const std::vector<ReadCase> cases = {
        {"three records in file order",
         "0,\"First entry\"\r\n1,\"Second entry, with a comma\"\r\n2,Third entry\r\n",
         {"First entry", "Second entry, with a comma", "Third entry"}},
        {"same position twice puts the later one first", "0,\"Second\"\r\n0,\"First\"\r\n",
         {"First", "Second"}},
        {"missing final line end", "0,\"A\"\r\n1,\"B\"", {"A", "B"}},
        {"empty file", "", {}},
        {"LF-only lines", "0,A\n1,B\n", {"A", "B"}},
        {"CR-only lines", "0,A\r1,B\r", {"A", "B"}},
        {"fields may span lines", "0\r\n\"A\"\r\n1,B\r\n", {"A", "B"}},
        {"record on one line with comma separators", "0,A,1,B", {"A", "B"}},
        {"blanks around unquoted fields are dropped", "  0 ,\t Plain text \t\r\n", {"Plain text"}},
        {"blanks inside quotes are kept", "0,\"  padded  \"\r\n", {"  padded  "}},
        {"text after a closing quote is dropped", "0,\"Quoted\" tail\r\n", {"Quoted"}},
        {"unterminated quote ends at the line end", "0,\"Open\r\n1,B\r\n", {"Open", "B"}},
        {"empty text", "0,\r\n1,\"\"\r\n", {"", ""}},
        {"non-numeric position reads as 0", "0,A\r\nabc,B\r\n", {"B", "A"}},
        {"empty position reads as 0", "0,A\r\n,B\r\n", {"B", "A"}},
        {"fractional position rounds half to even", "0,A\r\n1,B\r\n2.5,C\r\n1.5,D\r\n",
         {"A", "B", "D", "C"}},
        {"minus zero is zero", "-0,A\r\n", {"A"}},
        {"exponent form", "0,A\r\n1e0,B\r\n", {"A", "B"}},
        {"quoted position", "\"0\",A\r\n", {"A"}},
        {"NUL bytes stay in the text", QByteArray("0,A\0B\r\n", 7), {QString::fromUtf16(u"A\u0000B", 3)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(load(c.bytes), c.expected) << c.name;
}

TEST(LoadReferenceFile, DecodesWindows1252)
{
    const QStringList entries = load("0,\"Caf\xe9\"\r\n1,\"Rogue\x92s \x80 \x85\"\r\n");
    EXPECT_EQ(entries, (QStringList{QString::fromUtf16(u"Caf\u00e9"), QString::fromUtf16(u"Rogue\u2019s \u20ac \u2026")}));
}

TEST(Windows1252, TableAgreesWithTheToolkitCodecOnEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString byTable = DecodeWindows1252ByTable(all);
    ASSERT_EQ(byTable.size(), 256);
    EXPECT_EQ(byTable[0x80], QChar(0x20AC));
    EXPECT_EQ(byTable[0x92], QChar(0x2019));
    EXPECT_EQ(byTable[0x9F], QChar(0x0178));
    EXPECT_EQ(byTable[0xE9], QChar(0x00E9));
    const QString byCodec = DecodeWindows1252(all);
    for (int b = 0; b < 256; ++b) {
        // The code page leaves five bytes undefined; codecs differ on those only.
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;
        EXPECT_EQ(byCodec[b], byTable[b]) << "byte " << b;
    }
}

struct FailCase {
    const char* name;
    QByteArray bytes;
    ReferenceFailure kind;
    int record;
    int line;
};

TEST(LoadReferenceFile, FailuresNameTheRecordAndKind)
{
    const std::vector<FailCase> cases = {
        {"one empty line after the last record", "0,A\r\n1,B\r\n\r\n", ReferenceFailure::PastEndOfFile, 3, 3},
        {"position without text", "0,A\r\n1", ReferenceFailure::PastEndOfFile, 2, 2},
        {"position above the count", "0,A\r\n2,B\r\n", ReferenceFailure::PositionOutOfRange, 2, 2},
        {"negative position", "-1,A\r\n", ReferenceFailure::PositionOutOfRange, 1, 1},
        {"huge position", "1e9,A\r\n", ReferenceFailure::PositionOutOfRange, 1, 1},
        {"position rounding above the count", "0.5,A\r\n0,B\r\n2.5,C\r\n3.5,D\r\n", ReferenceFailure::PositionOutOfRange, 4, 4},
    };
    for (const auto& c : cases) {
        const ReferenceFileError e = failureOf(c.bytes);
        EXPECT_EQ(e.kind(), c.kind) << c.name;
        EXPECT_EQ(e.record(), c.record) << c.name;
        EXPECT_EQ(e.line(), c.line) << c.name;
        EXPECT_TRUE(e.message().contains(QStringLiteral("Test.dat"))) << c.name;
        EXPECT_TRUE(e.message().contains(QStringLiteral("record %1 (line %2)").arg(c.record).arg(c.line)))
            << c.name << ": " << e.message().toStdString();
    }
    EXPECT_TRUE(failureOf("0,A\r\n\r\n").message().contains("input past the end of the file"));
    EXPECT_TRUE(failureOf("3,A\r\n").message().contains("invalid argument"));
}

TEST(LoadReferenceFile, HugeInputsLoad)
{
    QByteArray many;
    for (int i = 0; i < 100000; ++i)
        many += QByteArray::number(i) + ",\"Entry " + QByteArray::number(i) + "\"\r\n";
    const QStringList entries = load(many);
    ASSERT_EQ(entries.size(), 100000);
    EXPECT_EQ(entries.last(), "Entry 99999");

    const QByteArray longText(10 * 1024 * 1024, 'x');
    const QStringList oneLong = load("0,\"" + longText + "\"\r\n");
    ASSERT_EQ(oneLong.size(), 1);
    EXPECT_EQ(oneLong[0].size(), longText.size());
}

TEST(LoadReferenceFile, GarbageLoadsOrFailsWithItsOwnReport)
{
    std::uint32_t state = 12345;
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        const int size = int(state % 400);
        for (int i = 0; i < size; ++i) {
            state = state * 1664525u + 1013904223u;
            bytes.append(char(state >> 24));
        }
        StringReferenceList list;
        try {
            LoadReferenceBytes(bytes, "garbage.dat", {&list});
        } catch (const ReferenceFileError& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
}

TEST(LoadReferenceFile, FillsEveryListInTurn)
{
    StringReferenceList lists[4];
    const int records = LoadReferenceBytes("0,A\r\n0,B\r\n2,C\r\n", "Abilities.dat",
                                           {&lists[0], &lists[1], &lists[2], &lists[3]});
    EXPECT_EQ(records, 3);
    for (const auto& list : lists)
        EXPECT_EQ(list.entries, (QStringList{"B", "A", "C"}));
}

TEST(LoadReferenceFile, FilesOnDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString present = dir.filePath("Skills.dat");
    {
        QFile f(present);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0,\"Axe\"\r\n1,\"Bow\"\r\n");
    }
    StringReferenceList list;
    EXPECT_EQ(LoadReferenceFile(present, {&list}), 2);
    EXPECT_EQ(list.entries, (QStringList{"Axe", "Bow"}));

    const auto kindOf = [](const QString& path) {
        StringReferenceList l;
        try {
            LoadReferenceFile(path, {&l});
        } catch (const ReferenceFileError& e) {
            EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
            return e.kind();
        }
        ADD_FAILURE() << "loaded " << path.toStdString();
        return ReferenceFailure::NoRecords;
    };
    EXPECT_EQ(kindOf(dir.filePath("Missing.dat")), ReferenceFailure::FileNotFound);
    EXPECT_EQ(kindOf(dir.filePath("NoFolder/Variety.dat")), ReferenceFailure::FileNotFound);
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.dat"));
    EXPECT_EQ(kindOf(dir.filePath("Folder.dat")), ReferenceFailure::Unreadable);
}

TEST(ReferenceChecks, RecordCountsStartUpNeeds)
{
    EXPECT_NO_THROW(RequireAtLeastOneRecord("Variety.dat", 1));
    EXPECT_NO_THROW(RequireAtLeastFiveRecords("Skills.dat", 5));
    try {
        RequireAtLeastOneRecord("Abilities.dat", 0);
        FAIL();
    } catch (const ReferenceFileError& e) {
        EXPECT_EQ(e.kind(), ReferenceFailure::NoRecords);
        EXPECT_TRUE(e.message().contains("Abilities.dat"));
        EXPECT_TRUE(e.message().contains("invalid value"));
    }
    try {
        RequireAtLeastFiveRecords("Skills.dat", 4);
        FAIL();
    } catch (const ReferenceFileError& e) {
        EXPECT_EQ(e.kind(), ReferenceFailure::TooFewRecords);
        EXPECT_TRUE(e.message().contains("4 record(s)"));
    }
}

}  // namespace
