#include "graphics/SheetFileDialog.h"

#include "startup/AppPaths.h"
#include "startup/OpenRegularFile.h"

#include <QFileDialog>

namespace {

// One filter entry in the toolkit's form: the caption, then its patterns
// (separated by ";") in parentheses.
QString nameFilter(const QString& caption, const QString& patterns)
{
    QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : list) {
        // On the game's platform "*.*" matches every file, with a dot or not.
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    }
    return caption + QStringLiteral(" (") + list.join(QLatin1Char(' ')) + QLatin1Char(')');
}

}  // namespace

bool QtSheetFileDialog::ShowOpen()
{
    // Where the platform's own dialog is the editor's (Windows), it takes the filter as it is written.
    const std::optional<QString> chosen =
        ChooseFileToOpen({DialogTitle, Filter, FilterIndex, InitDir, (Flags & kFileMustExist) != 0,
                          m_parent ? quintptr(m_parent->window()->winId()) : 0});
    if (chosen) {
        if (chosen->isEmpty())
            return false;
        FileName = *chosen;
        FileTitle = AppPaths::FileTitle(FileName);
        return true;
    }
    // "Bitmaps (*.bmp)|*.bmp|All Files(*.*)|*.*": pairs of caption and
    // patterns. The dialog shows the captions only and filters by the patterns.
    const QStringList parts = Filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        nameFilters << nameFilter(parts[i], parts[i + 1]);

    QFileDialog dialog(m_parent, DialogTitle, InitDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.resize(760, 480);  // wide enough for the name, size, type and date columns
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((Flags & kFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters);
    if (FilterIndex >= 1 && FilterIndex <= nameFilters.size())
        dialog.selectNameFilter(nameFilters[FilterIndex - 1]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    FileTitle = AppPaths::FileTitle(FileName);
    return true;
}
