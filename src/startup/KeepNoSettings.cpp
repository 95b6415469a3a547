#include "startup/KeepNoSettings.h"

#include <QSettings>

void KeepNoSettings()
{
    // A device is no folder: a settings file below it cannot exist, and an
    // attempt to make one fails at once, before any lock or temporary file.
    const QString nowhere = QStringLiteral("/dev/null");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
    }
}
