#include "ui/controls/FileChooser.h"

#include "platform/AppPaths.h"

#include <QFileDialog>

namespace {

FileChooser& ChooserInUse()
{
    static FileChooser chooser = ChooseFileWithToolkitDialog;
    return chooser;
}

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

std::optional<QString> ChooseFile(const FileRequest& request, QWidget* parent)
{
    return ChooserInUse()(request, parent);
}

void UseFileChooser(FileChooser chooser) { ChooserInUse() = std::move(chooser); }

std::optional<QString> ChooseFileWithToolkitDialog(const FileRequest& request, QWidget* parent)
{
    // "Bitmaps (*.bmp)|*.bmp|All Files(*.*)|*.*": pairs of caption and
    // patterns. The dialog shows the captions only and filters by the patterns.
    const QStringList parts = request.Filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        nameFilters << nameFilter(parts[i], parts[i + 1]);

    QFileDialog dialog(parent, request.DialogTitle, request.InitDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.resize(760, 480);  // wide enough for the name, size, type and date columns
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((request.Flags & kFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters);
    if (request.FilterIndex >= 1 && request.FilterIndex <= nameFilters.size())
        dialog.selectNameFilter(nameFilters[request.FilterIndex - 1]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool OpenFileDialog::ShowOpen(QWidget* parent)
{
    const std::optional<QString> chosen = ChooseFile(*this, parent);
    if (!chosen)
        return false;
    FileName = *chosen;
    FileTitle = AppPaths::FileTitle(FileName);
    return true;
}
