#include "platform/FindIgnoringCase.h"

#include "platform/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QChar asciiLower(QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c; }

bool sameIgnoringAsciiCase(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

// The entry of `folder` named `name` in another letter case; empty when none.
QString entryIgnoringCase(const QString& folder, const QString& name)
{
    const QStringList entries =
        QDir(folder.isEmpty() ? QString(AppPaths::kSeparator) : folder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QString best;
    for (const QString& entry : entries) {
        if (sameIgnoringAsciiCase(entry, name)
            && (best.isEmpty() || QFile::encodeName(entry) < QFile::encodeName(best)))
            best = entry;
    }
    return best;
}

}  // namespace

QString FindIgnoringCase(const QString& path)
{
    if (QFileInfo::exists(path))
        return path;
    const QStringList parts = path.split(AppPaths::kSeparator);
    QString found = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString next = found + AppPaths::kSeparator + parts[i];
        if (!parts[i].isEmpty() && !QFileInfo::exists(next)) {
            const QString entry = entryIgnoringCase(found, parts[i]);
            if (entry.isEmpty())
                return path;
            next = found + AppPaths::kSeparator + entry;
        }
        found = next;
    }
    return found;
}
