// Bounded reading of regular files only.
#include "InputFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString SizeLimitText(qint64 maxSize)
{
    if (maxSize >= 1024 * 1024 && maxSize % (1024 * 1024) == 0)
        return QCoreApplication::translate("InputFile", "%1 MiB").arg(maxSize / (1024 * 1024));
    return QCoreApplication::translate("InputFile", "%1 bytes").arg(maxSize);
}

#ifdef Q_OS_UNIX
QString KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return QCoreApplication::translate("InputFile", "a regular file");
    if (S_ISDIR(mode))
        return QCoreApplication::translate("InputFile", "a directory");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("InputFile", "a FIFO");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("InputFile", "a character device");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("InputFile", "a block device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("InputFile", "a socket");
    return QCoreApplication::translate("InputFile", "not a regular file");
}

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
#endif

} // namespace

QString FileKindText(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QCoreApplication::translate("InputFile", "missing");
    return KindOfMode(info.st_mode);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("InputFile", "missing");
    if (info.isDir())
        return QCoreApplication::translate("InputFile", "a directory");
    return info.isFile() ? QCoreApplication::translate("InputFile", "a regular file") : QCoreApplication::translate("InputFile", "not a regular file");
#endif
}

QString FileOpenErrorText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("InputFile", "File Open error.\n%1: %2").arg(path, reason);
}

TInputFile ReadInputFile(const QString &path, qint64 maxSize)
{
    TInputFile result;
    if (path.isEmpty()) {
        result.reason = QCoreApplication::translate("InputFile", "no file name");
        return result;
    }
#ifdef Q_OS_UNIX
    // Opened without waiting (a FIFO would otherwise block in open until a
    // writer appears) and judged by the opened object itself, so nothing can
    // be swapped in between the check and the read.
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    // A device is not even opened: opening some has effects of its own.
    if (::stat(name.constData(), &info) != 0) {
        result.reason = ErrnoText(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.reason = QCoreApplication::translate("InputFile", "%1, not a regular file").arg(KindOfMode(info.st_mode));
        return result;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.reason = ErrnoText(errno);
        return result;
    }
    if (::fstat(fd, &info) != 0) {
        result.reason = ErrnoText(errno);
        ::close(fd);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.reason = QCoreApplication::translate("InputFile", "%1, not a regular file").arg(KindOfMode(info.st_mode));
        ::close(fd);
        return result;
    }
    if (info.st_size > maxSize) {
        result.reason = QCoreApplication::translate("InputFile", "larger than %1").arg(SizeLimitText(maxSize));
        ::close(fd);
        return result;
    }
    // Read at most one byte past the limit: a file that grows while it is
    // read is refused as well.
    QByteArray content;
    content.resize(qsizetype(info.st_size));
    qint64 done = 0;
    for (;;) {
        if (done == content.size()) {
            if (content.size() > maxSize)
                break;
            content.resize(qsizetype(qMin<qint64>(maxSize + 1, content.size() + 4096)));
        }
        const ssize_t got = ::read(fd, content.data() + done, size_t(content.size() - done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.reason = ErrnoText(errno);
            ::close(fd);
            return result;
        }
        if (got == 0)
            break;
        done += got;
    }
    ::close(fd);
    if (done > maxSize) {
        result.reason = QCoreApplication::translate("InputFile", "larger than %1").arg(SizeLimitText(maxSize));
        return result;
    }
    content.resize(qsizetype(done));
    result.content = content;
    result.ok = true;
    return result;
#else
    const QFileInfo info(path);
    if (!info.exists()) {
        result.reason = QCoreApplication::translate("InputFile", "no such file");
        return result;
    }
    if (!info.isFile()) {
        result.reason = QCoreApplication::translate("InputFile", "%1, not a regular file").arg(FileKindText(path));
        return result;
    }
    if (info.size() > maxSize) {
        result.reason = QCoreApplication::translate("InputFile", "larger than %1").arg(SizeLimitText(maxSize));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.reason = file.errorString();
        return result;
    }
    result.content = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        result.reason = file.errorString();
        return result;
    }
    if (result.content.size() > maxSize) {
        result.content.clear();
        result.reason = QCoreApplication::translate("InputFile", "larger than %1").arg(SizeLimitText(maxSize));
        return result;
    }
    result.ok = true;
    return result;
#endif
}
