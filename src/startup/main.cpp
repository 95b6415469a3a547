#include "platform/KeepNoSettings.h"
#include "startup/ItemGlobal.h"
#include "ui/controls/EditorIcon.h"
#include "ui/controls/EditorStyle.h"
#include "ui/controls/FileChooser.h"
#include "ui/editor/ItemEdit.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick Item Editor"));
    QApplication::setApplicationVersion(QStringLiteral(ITEMEDIT_VERSION));
    QApplication::setWindowIcon(EditorIcon());
    ApplyEditorStyle(app);
    KeepNoSettings();
#ifdef Q_OS_WIN
    UseFileChooser(ChooseFileWithSystemDialog);  // the toolkit's dialog would keep its history in the registry
#endif

    const std::unique_ptr<ItemEdit> window = ItemGlobal::Main();
    if (!window)
        return 1;
    return QApplication::exec();
}
