#include "platform/AppPaths.h"

#include <QDir>

namespace AppPaths {

QString AppPath(const QString& executableFolder)
{
    if (executableFolder.endsWith(kSeparator))
        return executableFolder;
    return executableFolder + kSeparator;
}

QString EditorDataPath(const QString& appPath) { return appPath + QStringLiteral("ItemEdit") + kSeparator; }

QString VarietyFile(const QString& editorDataPath) { return editorDataPath + QStringLiteral("Variety.dat"); }
QString SkillsFile(const QString& editorDataPath) { return editorDataPath + QStringLiteral("Skills.dat"); }
QString AbilitiesFile(const QString& editorDataPath) { return editorDataPath + QStringLiteral("Abilities.dat"); }

QString NumberedSheetPath(const QString& appPath, int sheetNumber)
{
    return appPath + QStringLiteral("Item Graphics") + kSeparator + QLatin1Char('G') + QString::number(sheetNumber)
           + QStringLiteral(".bmp");
}

QString MissileSheetPath(const QString& appPath)
{
    return appPath + QStringLiteral("Game Graphics") + kSeparator + QStringLiteral("G1702.bmp");
}

QString WhereReferenceFilesBelong(const QString& editorDataPath)
{
    const QChar separator = QDir::separator();
    return QStringLiteral("Looked in \"%1\". The editor belongs in the game folder, beside ItemEdit%2, "
                          "Item Graphics%2 and Game Graphics%2.")
        .arg(QDir::toNativeSeparators(editorDataPath), separator);
}

QString DialogStartFolder(const QString& appPath)
{
    QString folder = appPath;
    folder.remove(QStringLiteral("Data") + kSeparator, Qt::CaseSensitive);
    return folder;
}

QString FolderOfFile(const QString& filePath)
{
    const qsizetype cut = filePath.lastIndexOf(kSeparator);
    return cut < 0 ? QString() : filePath.left(cut + 1);
}

QString FileTitle(const QString& filePath)
{
    const qsizetype cut = filePath.lastIndexOf(kSeparator);
    return cut < 0 ? filePath : filePath.mid(cut + 1);
}

QString CustomSheetLabel(const QString& fileTitle)
{
    QString label = fileTitle;
    label.remove(QLatin1Char('G'), Qt::CaseSensitive);
    label.remove(QStringLiteral(".bmp"), Qt::CaseSensitive);
    return label;
}

}  // namespace AppPaths
