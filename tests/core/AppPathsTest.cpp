#include "model/ScriptPaneText.h"
#include "startup/AppPaths.h"

#include <gtest/gtest.h>

namespace {

using namespace AppPaths;

TEST(AppPaths, FoldersFromTheExecutableFolder)
{
    EXPECT_EQ(AppPath("/opt/tools/editor"), "/opt/tools/editor/");
    EXPECT_EQ(AppPath("/"), "/");
    EXPECT_EQ(EditorDataPath(AppPath("/opt/game")), "/opt/game/ItemEdit/");
    EXPECT_EQ(EditorDataPath(AppPath("/")), "/ItemEdit/");
    EXPECT_EQ(VarietyFile("/g/ItemEdit/"), "/g/ItemEdit/Variety.dat");
    EXPECT_EQ(SkillsFile("/g/ItemEdit/"), "/g/ItemEdit/Skills.dat");
    EXPECT_EQ(AbilitiesFile("/g/ItemEdit/"), "/g/ItemEdit/Abilities.dat");
    EXPECT_EQ(NumberedSheetPath("/editor/", 1000), "/editor/Item Graphics/G1000.bmp");
    EXPECT_EQ(MissileSheetPath("/editor/"), "/editor/Game Graphics/G1702.bmp");
}

TEST(AppPaths, DialogStartFolderDropsEveryExactDataFolderMark)
{
    EXPECT_EQ(DialogStartFolder("/Game/Data/"), "/Game/");
    EXPECT_EQ(DialogStartFolder("/MyData/Editor/"), "/MyEditor/");
    EXPECT_EQ(DialogStartFolder("/Game/data/"), "/Game/data/");
    EXPECT_EQ(DialogStartFolder("/Data/Data/x/"), "/x/");
}

TEST(AppPaths, ChosenFileNames)
{
    EXPECT_EQ(FolderOfFile("/Sheets/G1203.bmp"), "/Sheets/");
    // The folder of the file, even where a folder's own name contains the file's name.
    EXPECT_EQ(FolderOfFile("/G1203.bmp.d/G1203.bmp"), "/G1203.bmp.d/");
    EXPECT_EQ(FileTitle("/Sheets/G1203.bmp"), "G1203.bmp");
    EXPECT_EQ(CustomSheetLabel("G1203.bmp"), "1203");
    EXPECT_EQ(CustomSheetLabel("MyGraphics.bmp"), "Myraphics");
    EXPECT_EQ(CustomSheetLabel("g1203.BMP"), "g1203.BMP");
    EXPECT_EQ(CustomSheetLabel("sheet.png"), "sheet.png");
    EXPECT_EQ(CustomSheetLabel("G.bmpG.bmp"), "");
}

TEST(ScriptPaneText, ParagraphsBecomeCrLf)
{
    EXPECT_EQ(ScriptFromPaneText(QString::fromUtf16(u"a\u2029\tb\u2029")), "a\r\n\tb\r\n");
    EXPECT_EQ(ScriptFromPaneText("a\nb"), "a\r\nb");
    EXPECT_EQ(ScriptFromPaneText("x;"), "x;");
}

}  // namespace
