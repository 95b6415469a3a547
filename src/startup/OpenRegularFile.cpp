#include "startup/OpenRegularFile.h"

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
