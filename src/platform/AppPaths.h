#pragma once

#include <QString>

// Folder and file names below the program's folder, with the one folder
// separator of this platform. Every path the editor reads is built here.
namespace AppPaths {

constexpr QChar kSeparator = QLatin1Char('/');

// The program's folder with a separator at its end: appended unless the
// folder text already ends in one (the root folder).
QString AppPath(const QString& executableFolder);
// AppPath + "ItemEdit" + separator: the folder of the reference files.
QString EditorDataPath(const QString& appPath);

QString VarietyFile(const QString& editorDataPath);
QString SkillsFile(const QString& editorDataPath);
QString AbilitiesFile(const QString& editorDataPath);

// AppPath + "Item Graphics" + separator + "G" + n + ".bmp".
QString NumberedSheetPath(const QString& appPath, int sheetNumber);
// AppPath + "Game Graphics" + separator + "G1702.bmp".
QString MissileSheetPath(const QString& appPath);

// The line a start-up failure of a reference file ends with: the folder the editor looked in, in the platform's
// separators, and that the program belongs in the game folder beside the game's own folders.
QString WhereReferenceFilesBelong(const QString& editorDataPath);

// The start folder the custom-sheet dialog gets at every reset: AppPath with
// every exact-case "Data" + separator removed.
QString DialogStartFolder(const QString& appPath);
// The folder of a chosen file, with its separator: where the dialog opens next.
QString FolderOfFile(const QString& filePath);
// The file's name without its folder.
QString FileTitle(const QString& filePath);
// The short name shown for a custom sheet: the file's name with every "G" and
// then every ".bmp" removed, exact case.
QString CustomSheetLabel(const QString& fileTitle);

}  // namespace AppPaths
