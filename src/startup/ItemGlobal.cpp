#include "startup/ItemGlobal.h"

#include "platform/AppPaths.h"
#include "platform/FindIgnoringCase.h"
#include "refdata/LoadReferenceFile.h"
#include "refdata/ReferenceChecks.h"
#include "ui/controls/ComboReferenceList.h"
#include "ui/editor/ItemEdit.h"
#include "ui/editor/ItemForm.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace ItemGlobal {

QString AppPath;
QString EditorDataPath;

void ReportStartupFailure(const QString& message)
{
    const QString text = QStringLiteral("Tarnwick Item Editor cannot start.\n") + message;
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    // Without a screen nobody could answer a message box.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, QStringLiteral("Tarnwick Item Editor"), text);
}

std::unique_ptr<ItemEdit> Main() { return StartEditor(QCoreApplication::applicationDirPath()); }

std::unique_ptr<ItemEdit> StartEditor(const QString& executableFolder)
{
    AppPath = AppPaths::AppPath(executableFolder);
    EditorDataPath = AppPaths::EditorDataPath(AppPath);
    try {
        auto window = std::make_unique<ItemEdit>(AppPath);
        ItemForm& form = window->form();

        const QString varietyFile = AppPaths::VarietyFile(EditorDataPath);
        ComboReferenceList varieties(form.cboVariety());
        RequireAtLeastOneRecord(varietyFile, LoadReferenceFile(FindIgnoringCase(varietyFile), {&varieties}));
        form.SelectListEntry(form.cboVariety(), kFirstEntry);

        const QString skillsFile = AppPaths::SkillsFile(EditorDataPath);
        ComboReferenceList skills(form.cboSkill());
        const int skillRecords = LoadReferenceFile(FindIgnoringCase(skillsFile), {&skills});

        const QString abilitiesFile = AppPaths::AbilitiesFile(EditorDataPath);
        ComboReferenceList a1(form.cboSpecAbil(1));
        ComboReferenceList a2(form.cboSpecAbil(2));
        ComboReferenceList a3(form.cboSpecAbil(3));
        ComboReferenceList a4(form.cboSpecAbil(4));
        RequireAtLeastOneRecord(abilitiesFile,
                                LoadReferenceFile(FindIgnoringCase(abilitiesFile), {&a1, &a2, &a3, &a4}));
        for (int slot = 1; slot <= 4; ++slot)
            form.SelectListEntry(form.cboSpecAbil(slot), kFirstEntry);

        RequireAtLeastFiveRecords(skillsFile, skillRecords);
        form.SelectListEntry(form.cboSkill(), kDefaultSkillEntry);

        window->show();
        return window;
    } catch (const ReferenceFileError& e) {
        ReportStartupFailure(e.message() + QLatin1Char('\n') + AppPaths::WhereReferenceFilesBelong(EditorDataPath));
    } catch (const std::exception& e) {
        ReportStartupFailure(QString::fromLocal8Bit(e.what()));
    }
    return nullptr;
}

}  // namespace ItemGlobal
