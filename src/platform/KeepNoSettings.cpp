#include "platform/KeepNoSettings.h"

#include <QCoreApplication>
#include <QSettings>

void KeepNoSettings()
{
    // Settings files rather than the registry or the preferences store, for
    // whatever asks for the default store.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    // Below the program's own file: a file is no folder on any platform, so a
    // settings file below it cannot exist, and an attempt to make one fails at
    // once, before any lock or temporary file.
    const QString nowhere = QCoreApplication::applicationFilePath() + QStringLiteral("/settings");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
    }
}
