// Opening a file for reading only if it is a regular file: the one place where the editor opens a file itself, on
// POSIX systems and on Windows.
#include "platform/OpenRegularFile.h"

#ifdef Q_OS_WIN

#include <QDir>

#include <cerrno>

#include <fcntl.h>
#include <io.h>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

RegularFileOpen OpenRegularFile(const QString& path, QFile& file)
{
    using R = RegularFileOpen::Result;
    const QString native = QDir::toNativeSeparators(path);
    // The device namespace (\\.\COM1, \\.\pipe\...) holds no regular file.
    if (native.startsWith(QLatin1String("\\\\.\\")))
        return {R::NotRegular, native.startsWith(QLatin1String("\\\\.\\pipe\\"), Qt::CaseInsensitive)
                                   ? QStringLiteral("a named pipe")
                                   : QStringLiteral("a device")};
    // Shared for reading, writing and deleting, so that the designer's text
    // editor can still save or replace the file; a folder opens too, to be
    // told apart. Opening a pipe, console or device does not wait.
    HANDLE handle = path.isEmpty() ? INVALID_HANDLE_VALUE
                                   : CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = path.isEmpty() ? ERROR_FILE_NOT_FOUND : GetLastError();
        if (error == ERROR_PIPE_BUSY)
            return {R::NotRegular, QStringLiteral("a named pipe")};
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? R::NotFound : R::Failed, qt_error_string(int(error))};
    }
    const DWORD type = GetFileType(handle);
    BY_HANDLE_FILE_INFORMATION info{};
    const bool folder = type == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info)
                        && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (type != FILE_TYPE_DISK || folder) {
        CloseHandle(handle);
        return {R::NotRegular, folder                   ? QStringLiteral("a folder")
                               : type == FILE_TYPE_PIPE ? QStringLiteral("a named pipe")
                               : type == FILE_TYPE_CHAR ? QStringLiteral("a device")
                                                        : QStringLiteral("not a file")};
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY);
    if (fd < 0) {
        CloseHandle(handle);
        return {R::Failed, qt_error_string(errno)};
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        return {R::Failed, file.errorString()};
    }
    return {R::Opened, {}};
}

#else

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a file that is not a regular file is, in words.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    return QStringLiteral("not a file");
}

}  // namespace

RegularFileOpen OpenRegularFile(const QString& path, QFile& file)
{
    using R = RegularFileOpen::Result;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // O_NONBLOCK: opening a pipe that no one writes to returns at once.
    // O_NOCTTY: a terminal named by mistake does not become this program's.
    const int fd = path.isEmpty() ? -1 : ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = path.isEmpty() ? ENOENT : errno;
        // A socket cannot be opened at all: a look at the path tells why.
        if (error != ENOENT && ::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
            return {R::NotRegular, kindOf(info.st_mode)};
        return {error == ENOENT ? R::NotFound : R::Failed, qt_error_string(error)};
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {R::NotRegular, kindOf(info.st_mode)};
    }
    // A regular file is read as any other: waiting on it is no risk.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {R::Failed, file.errorString()};
    }
    return {R::Opened, {}};
}

#endif
