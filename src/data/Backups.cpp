#include "Backups.h"

#include "DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString kBackupSuffix = QStringLiteral(".381");

QString KindText(TBackupKind kind)
{
    return kind == TBackupKind::Read ? QStringLiteral("read") : QStringLiteral("write");
}

// "yyyyMMdd-HHmmss-zzz-read.381", with "-2", "-3"... before the extension
// when two backups fall in the same millisecond.
const QRegularExpression &BackupNamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\d{8}-\\d{6}-\\d{3}-(read|write)(-\\d+)?\\.381$"));
    return pattern;
}

// Names sort in time order; the same millisecond sorts by its counter.
bool OlderName(const QString &a, const QString &b)
{
    const QString stampA = a.left(19);
    const QString stampB = b.left(19);
    if (stampA != stampB)
        return stampA < stampB;
    auto counter = [](const QString &name) {
        const QString stem = name.chopped(kBackupSuffix.size());
        const int dash = stem.lastIndexOf(QLatin1Char('-'));
        bool numeric = false;
        const int value = stem.mid(dash + 1).toInt(&numeric);
        return numeric ? value : 1;
    };
    if (counter(a) != counter(b))
        return counter(a) < counter(b);
    return a < b;
}

} // namespace

QString BackupFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("backups"));
}

QString BackupFileName(TBackupKind kind, const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-")) + KindText(kind) + kBackupSuffix;
}

QStringList BackupFiles(const QString &folder)
{
    QStringList names;
    const QDir dir(folder);
    const QStringList entries = dir.entryList({QStringLiteral("*") + kBackupSuffix}, QDir::Files);
    for (const QString &name : entries)
        if (BackupNamePattern().match(name).hasMatch())
            names.append(name);
    std::sort(names.begin(), names.end(), OlderName);
    QStringList paths;
    for (const QString &name : std::as_const(names))
        paths.append(dir.filePath(name));
    return paths;
}

int PruneBackups(const QString &folder, int keep)
{
    const QStringList files = BackupFiles(folder);
    int removed = 0;
    for (int i = 0; i < files.size() - qMax(0, keep); ++i)
        if (QFile::remove(files.at(i)))
            ++removed;
    return removed;
}

TBackupResult WriteBackup(const QByteArray &content, TBackupKind kind, const QString &folder,
                          const QDateTime &when, int keep)
{
    TBackupResult result;
    const QString target = folder.isEmpty() ? BackupFolder() : folder;
    if (target.isEmpty()) {
        result.error = QStringLiteral("the system names no data directory");
        return result;
    }
    result.path = target;
    if (!QDir().mkpath(target)) {
        result.error = QStringLiteral("the folder cannot be created");
        return result;
    }
    const QFileInfo info(target);
    if (!info.isDir()) {
        result.error = QStringLiteral("is not a directory");
        return result;
    }
    if (!info.isWritable()) {
        result.error = QStringLiteral("Permission denied");
        return result;
    }

    const QDir dir(target);
    QString name = BackupFileName(kind, when);
    for (int n = 2; QFileInfo::exists(dir.filePath(name)) && n < 1000; ++n)
        name = BackupFileName(kind, when).chopped(kBackupSuffix.size()) + QStringLiteral("-%1").arg(n)
               + kBackupSuffix;
    result.path = dir.filePath(name);
    if (QFileInfo::exists(result.path) || !SaveFileAtomically(result.path, content)) {
        result.error = QStringLiteral("the file could not be written");
        return result;
    }
    result.ok = true;
    PruneBackups(target, keep);
    return result;
}

QString BackupFailureText(const TBackupResult &result)
{
    return QStringLiteral("The backup could not be written.\n%1: %2")
        .arg(QDir::toNativeSeparators(result.path), result.error);
}
