#include "refdata/LoadReferenceFile.h"
#include "refdata/ReferenceChecks.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The file format, one rule a row: the bytes of a file and the list they give.
TEST(LoadReferenceFile, FieldRules)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList entries;
    } rows[] = {
        {"records in file order",
         "0,\"First\"\r\n1,\"Second, with a comma\"\r\n2,Third\r\n",
         {"First", "Second, with a comma", "Third"}},
        {"a later record at the same position goes in front", "0,\"Second\"\r\n0,\"First\"\r\n", {"First", "Second"}},
        {"no final line end", "0,\"A\"\r\n1,\"B\"", {"A", "B"}},
        {"LF and CR line ends", "0,A\n1,B\r2,C\r\n", {"A", "B", "C"}},
        {"fields may span lines, or share one", "0\r\n\"A\"\r\n1,B,2,C", {"A", "B", "C"}},
        {"blanks around unquoted fields dropped, inside quotes kept",
         "  0 ,\t Plain \t\r\n0,\"  padded \"",
         {"  padded ", "Plain"}},
        {"text after a closing quote dropped; an open quote ends with its line",
         "0,\"Quoted\" tail\r\n1,\"Open\r\n",
         {"Quoted", "Open"}},
        {"empty or non-numeric position reads as 0", "0,A\r\n,B\r\nabc,C\r\n", {"C", "B", "A"}},
        {"fractional position rounds half to even", "0,A\r\n1,B\r\n2.5,C\r\n1.5,D\r\n", {"A", "B", "D", "C"}},
        {"a final Ctrl+Z ends the file", "0,A\r\n1,B\r\n\x1a", {"A", "B"}},
        {"blank lines after the last record, an empty last Text", "0,A\r\n1,\r\n \t\r\n\n\r\x1a", {"A", ""}},
        {"a final Ctrl+Z right after the text", "0,A\x1a", {"A"}},
        {"a Ctrl+Z elsewhere is text",
         "0,A\x1a"
         "B\r\n",
         {"A\x1a"
          "B"}},
        {"Windows-1252 text", "0,\"Caf\xe9 \x80 \x92\"", {QString::fromUtf8("Café € ’")}},
        {"UTF-8 text", "0,\"Rogue\xe2\x80\x99s Luck\"", {QString::fromUtf8("Rogue’s Luck")}},
        {"UTF-8 after a byte-order mark", "\357\273\2770,Caf\303\251\r\n\x1a", {QString::fromUtf8("Café")}},
    };
    for (const auto& row : rows) {
        StringReferenceList list;
        LoadReferenceBytes(row.bytes, "Test.dat", {&list});
        EXPECT_EQ(list.entries, row.entries) << row.name;
    }
}

// The report of a failure, or an empty text.
template <class Load>
QString reportOf(Load load)
{
    try {
        load();
    } catch (const ReferenceFileError& e) {
        return e.message();
    }
    return QString();
}

TEST(LoadReferenceFile, FailuresNameTheFileRecordLineAndKind)
{
    const std::pair<QByteArray, const char*> rows[] = {
        {"0,A\r\n1,B\r\n \r\n2,C\r\n", "\"Test.dat\", record 3 (line 3): blank line"},
        {"0,A\r\n1", "\"Test.dat\", record 2 (line 2): input past the end of the file"},
        {"0,A\r\n\x1a\x1a", "record 2 (line 2): input past the end of the file"},
        {"0,A\r\n2,B\r\n", "record 2 (line 2): invalid argument"},
        {"-1,A\r\n", "record 1 (line 1): invalid argument"},
    };
    for (const auto& [bytes, report] : rows) {
        StringReferenceList list;
        EXPECT_TRUE(reportOf([&] { LoadReferenceBytes(bytes, "Test.dat", {&list}); }).contains(report)) << report;
    }
    EXPECT_TRUE(reportOf([] { RequireAtLeastFiveRecords("Skills.dat", 4); }).contains("\"Skills.dat\": invalid value"));
    EXPECT_TRUE(reportOf([] { RequireAtLeastOneRecord("Variety.dat", 0); }).contains("invalid value"));
    EXPECT_TRUE(reportOf([] { RequireAtLeastFiveRecords("Skills.dat", 5); }).isEmpty());
    QTemporaryDir dir;
    StringReferenceList list;
    EXPECT_TRUE(reportOf([&] {
                    LoadReferenceFile(dir.filePath("Skills.dat"), {&list});
                }).contains("Skills.dat\": path or file not found"));
    EXPECT_TRUE(reportOf([&] { LoadReferenceFile(dir.path(), {&list}); }).contains("\": the file cannot be read"));
}

}  // namespace
