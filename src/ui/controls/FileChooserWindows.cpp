// Windows' common Open dialog: built into the Windows program only, which chooses it at start (UseFileChooser).
#include "ui/controls/FileChooser.h"

#include "ui/controls/ShowMessage.h"

#include <QDir>
#include <QWidget>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <vector>

std::optional<QString> ChooseFileWithSystemDialog(const FileRequest& request, QWidget* parent)
{
    // The filter's pairs as the dialog takes them: each part ended by a NUL, the list by another.
    QString filter = request.Filter;
    filter.replace(QLatin1Char('|'), QChar(0));
    filter.append(QChar(0)).append(QChar(0));
    const QString title = request.DialogTitle, folder = QDir::toNativeSeparators(request.InitDir);
    std::vector<wchar_t> chosen(32768, L'\0');  // the longest path the system takes
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = parent ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
    dialog.lpstrFilter = reinterpret_cast<const wchar_t*>(filter.utf16());
    dialog.nFilterIndex = DWORD(std::max(request.FilterIndex, 1));
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = DWORD(chosen.size());
    dialog.lpstrInitialDir = folder.isEmpty() ? nullptr : reinterpret_cast<const wchar_t*>(folder.utf16());
    dialog.lpstrTitle = reinterpret_cast<const wchar_t*>(title.utf16());
    // OFN_NOCHANGEDIR: the working folder stays the game folder; OFN_DONTADDTORECENT: no shortcut in the
    // user's recent documents.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_DONTADDTORECENT
                   | ((request.Flags & kFileMustExist) ? OFN_FILEMUSTEXIST : 0);
    if (!GetOpenFileNameW(&dialog)) {
        // Zero when the user cancelled; else why the system could not show the dialog or take the answer.
        if (const DWORD error = CommDlgExtendedError(); error != 0)
            ShowMessage(parent, request.DialogTitle, QMessageBox::Warning,
                        QStringLiteral("The Open dialog could not be shown (error 0x%1). No file was chosen.")
                            .arg(QString::number(error, 16)));
        return std::nullopt;
    }
    return QDir::fromNativeSeparators(QString::fromWCharArray(chosen.data()));
}
