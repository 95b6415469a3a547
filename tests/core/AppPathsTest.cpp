#include "platform/AppPaths.h"
#include "model/ScriptPaneText.h"
#include "platform/FindIgnoringCase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QOperatingSystemVersion>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(AppPaths, FoldersAndTheDialogsStartFolder)
{
    EXPECT_EQ(AppPaths::EditorDataPath(AppPaths::AppPath("/opt/game")), "/opt/game/ItemEdit/");
    EXPECT_EQ(AppPaths::EditorDataPath(AppPaths::AppPath("/")), "/ItemEdit/");
    // Every "Data/" goes, in exact case only.
    EXPECT_EQ(AppPaths::DialogStartFolder("/Data/MyData/x/"), "/Myx/");
    EXPECT_EQ(AppPaths::DialogStartFolder("/Game/data/"), "/Game/data/");
    // The chosen file's own folder, even where a folder's name holds the file's name.
    EXPECT_EQ(AppPaths::FolderOfFile("/G1203.bmp.d/G1203.bmp"), "/G1203.bmp.d/");
    EXPECT_EQ(ScriptFromPaneText(QString::fromUtf16(u"a\u2029\tb\u2029c;")), "a\r\n\tb\r\nc;");
}

// What Copy's note says a selection of a three-line script holds (the last line ended by its line break).
TEST(ScriptPaneText, SelectedLines)
{
    const QString pane = "ab\ncd\nef\n";
    const auto said = [&](qsizetype start, qsizetype end) { return DescribeSelectedLines(pane, start, end); };
    EXPECT_EQ(QStringList({said(0, 3), said(3, 9), said(0, 8), said(1, 3), said(1, 4)}).join('|'),
              "1 of 3 lines|2 of 3 lines||part of line 1 of 3|parts of lines 1 to 2 of 3");
}

TEST(FindIgnoringCase, GameFilesInAnyLetterCase)
{
    QTemporaryDir dir;
    for (const char* path : {"itemedit/SKILLS.DAT", "itemedit/skills.dat", "ITEM GRAPHICS/g1000.BMP",
                             "Game Graphics/G1702.bmp", "Game Graphics/g1702.bmp"}) {
        QDir(dir.path()).mkpath(QFileInfo(path).path());
        ASSERT_TRUE(QFile(dir.filePath(path)).open(QIODevice::WriteOnly));
    }
    // Wanted, and found: the first in byte order of two candidates, the exact name if there, else the path wanted.
    const char* rows[][2] = {{"ItemEdit/Skills.dat", "itemedit/SKILLS.DAT"},
                             {"Item Graphics/G1000.bmp", "ITEM GRAPHICS/g1000.BMP"},
                             {"Game Graphics/g1702.bmp", "Game Graphics/g1702.bmp"},
                             {"Item Graphics/G1001.bmp", "Item Graphics/G1001.bmp"},
                             {"No Folder/G1702.bmp", "No Folder/G1702.bmp"}};
    // Windows' file systems ignore letter case: there the path wanted names the file as it is.
    const bool ignoresCase = QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows;
    for (const auto& [wanted, found] : rows)
        EXPECT_EQ(FindIgnoringCase(dir.filePath(wanted)), dir.filePath(ignoresCase ? wanted : found)) << wanted;
}

}  // namespace
