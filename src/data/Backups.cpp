#include "Backups.h"

#include "DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kBackupSuffix = QStringLiteral(".381");

// Sequence numbers are kept to 18 digits so that they fit a qint64.
constexpr qint64 kLastSequence = 999999999999999999LL;

QString KindText(TBackupKind kind)
{
    return kind == TBackupKind::Read ? QStringLiteral("read") : QStringLiteral("write");
}

// "000051-yyyyMMdd-HHmmss-zzz-read.381".
const QRegularExpression &NumberedNamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{6,18})-\\d{8}-\\d{6}-\\d{3}-(read|write)\\.381$"));
    return pattern;
}

// "yyyyMMdd-HHmmss-zzz-read.381", with "-2", "-3"... before the extension
// for a repeated millisecond: the names of earlier versions.
const QRegularExpression &UnnumberedNamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\d{8}-\\d{6}-\\d{3}-(read|write)(-\\d+)?\\.381$"));
    return pattern;
}

struct TBackupEntry {
    QString name;
    qint64 sequence = -1; // -1: a name without a number
    QDateTime modified;
};

bool Older(const TBackupEntry &a, const TBackupEntry &b)
{
    if (a.sequence != b.sequence)
        return a.sequence < b.sequence;
    if (a.modified != b.modified)
        return a.modified < b.modified;
    return a.name < b.name;
}

// The backups in the folder, oldest first; links are left out.
QList<TBackupEntry> BackupEntries(const QString &folder)
{
    QList<TBackupEntry> entries;
    const QDir dir(folder);
    const QFileInfoList infos =
        dir.entryInfoList({QStringLiteral("*") + kBackupSuffix}, QDir::Files | QDir::NoSymLinks);
    for (const QFileInfo &info : infos) {
        TBackupEntry entry;
        entry.name = info.fileName();
        const QRegularExpressionMatch numbered = NumberedNamePattern().match(entry.name);
        if (numbered.hasMatch())
            entry.sequence = numbered.captured(1).toLongLong();
        else if (!UnnumberedNamePattern().match(entry.name).hasMatch())
            continue;
        entry.modified = info.lastModified();
        entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), Older);
    return entries;
}

} // namespace

QString BackupFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("backups"));
}

QString BackupFileName(TBackupKind kind, const QDateTime &when, qint64 sequence)
{
    return QStringLiteral("%1-").arg(sequence, 6, 10, QLatin1Char('0'))
        + when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-")) + KindText(kind) + kBackupSuffix;
}

QStringList BackupFiles(const QString &folder)
{
    const QDir dir(folder);
    QStringList paths;
    for (const TBackupEntry &entry : BackupEntries(folder))
        paths.append(dir.filePath(entry.name));
    return paths;
}

QString BackupFolderProblem(const QString &folder)
{
    const QString symlink = QCoreApplication::translate("Backups", "is a symbolic link; backups are not written through one");
#ifdef Q_OS_UNIX
    struct stat info;
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return QString();
    if (S_ISLNK(info.st_mode))
        return symlink;
    if (!S_ISDIR(info.st_mode))
        return QCoreApplication::translate("Backups", "is not a directory");
    if (info.st_uid != ::geteuid())
        return QCoreApplication::translate("Backups", "belongs to another user");
    return QString();
#else
    const QFileInfo info(folder);
    if (info.isSymLink() || info.isJunction())
        return symlink;
    if (!info.exists())
        return QString();
    if (!info.isDir())
        return QCoreApplication::translate("Backups", "is not a directory");
    return QString();
#endif
}

namespace {

// PruneBackups, sparing the backup named spare (the one just written).
int Prune(const QString &folder, int keep, const QString &spare)
{
    if (!BackupFolderProblem(folder).isEmpty())
        return 0;
    QList<TBackupEntry> entries = BackupEntries(folder);
    const qsizetype excess = entries.size() - qMax(1, keep);
    entries.removeIf([&](const TBackupEntry &entry) { return entry.name == spare; });
    if (excess <= 0)
        return 0;
    int removed = 0;
#ifdef Q_OS_UNIX
    // Removed relative to the folder opened without following a link, and
    // only while each name is still a regular file: nothing that replaces
    // the folder or a backup with a link in the meantime is followed.
    const int dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    struct stat info;
    if (::fstat(dirFd, &info) != 0 || info.st_uid != ::geteuid()) {
        ::close(dirFd);
        return 0;
    }
    for (qsizetype i = 0; i < excess; ++i) {
        const QByteArray name = QFile::encodeName(entries.at(i).name);
        if (::fstatat(dirFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && ::unlinkat(dirFd, name.constData(), 0) == 0)
            ++removed;
    }
    ::close(dirFd);
#else
    const QDir dir(folder);
    for (qsizetype i = 0; i < excess; ++i) {
        const QFileInfo info(dir.filePath(entries.at(i).name));
        if (!info.isSymLink() && info.isFile() && QFile::remove(info.filePath()))
            ++removed;
    }
#endif
    return removed;
}

} // namespace

int PruneBackups(const QString &folder, int keep)
{
    return Prune(folder, keep, QString());
}

TBackupResult WriteBackup(const QByteArray &content, TBackupKind kind, const QString &folder,
                          const QDateTime &when, int keep)
{
    TBackupResult result;
    const QString target = folder.isEmpty() ? BackupFolder() : folder;
    if (target.isEmpty()) {
        result.error = QCoreApplication::translate("Backups", "the system names no data directory");
        return result;
    }
    result.path = target;
    // Judged before anything is created: a link is never followed, not even
    // to create the folder it points to.
    QString problem = BackupFolderProblem(target);
    if (problem.isEmpty() && !QDir().mkpath(target))
        problem = QCoreApplication::translate("Backups", "the folder cannot be created");
    if (problem.isEmpty())
        problem = BackupFolderProblem(target);
    if (!problem.isEmpty()) {
        result.error = problem;
        return result;
    }
    const QFileInfo info(target);
    if (!info.isDir()) {
        result.error = QCoreApplication::translate("Backups", "is not a directory");
        return result;
    }
    if (!info.isWritable()) {
        result.error = QCoreApplication::translate("Backups", "Permission denied");
        return result;
    }

    // One above the highest number in the folder; a number another program
    // took in the meantime is passed over.
    const QList<TBackupEntry> entries = BackupEntries(target);
    qint64 sequence = 1;
    for (const TBackupEntry &entry : entries)
        sequence = qMax(sequence, entry.sequence + 1);
    const QDir dir(target);
    QString name = BackupFileName(kind, when, sequence);
    // A link, even one to nothing, takes its name: the write would follow it.
    auto taken = [&](const QString &candidate) {
        const QFileInfo info(dir.filePath(candidate));
        return info.exists() || info.isSymLink();
    };
    while (sequence <= kLastSequence && taken(name))
        name = BackupFileName(kind, when, ++sequence);
    if (sequence > kLastSequence) {
        result.error = QCoreApplication::translate("Backups", "no backup number is left; remove the backups with the highest numbers");
        return result;
    }
    result.path = dir.filePath(name);
    if (!SaveFileAtomically(result.path, content)) {
        result.error = QCoreApplication::translate("Backups", "the file could not be written");
        return result;
    }
    result.ok = true;
    Prune(target, keep, name);
    return result;
}

QString BackupFailureText(const TBackupResult &result)
{
    return QCoreApplication::translate("Backups", "The backup could not be written.\n%1: %2")
        .arg(QDir::toNativeSeparators(result.path), result.error);
}
