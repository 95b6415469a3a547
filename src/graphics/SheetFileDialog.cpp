#include "graphics/SheetFileDialog.h"

#include "startup/AppPaths.h"

#include <QFileDialog>

bool QtSheetFileDialog::ShowOpen()
{
    // "Bitmaps (*.bmp)|*.bmp|All Files(*.*)|*.*": the descriptions already
    // carry their patterns, which is the form the toolkit's dialog reads.
    const QStringList parts = Filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        nameFilters << parts[i];

    QFileDialog dialog(m_parent, DialogTitle, InitDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
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
