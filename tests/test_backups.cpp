// Backups of radio transfers: names, writing, keeping the newest 50 (by
// sequence, whatever the clock says) and reporting a folder that cannot
// take them or that is not a real folder of the user's.
#include "data/Backups.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QDateTime kWhen(QDate(2024, 5, 1), QTime(18, 30, 5, 123));

} // namespace

TEST(Backups, NamesSortInTimeOrderAndLiveUnderTheDataDirectory)
{
    EXPECT_EQ(BackupFileName(TBackupKind::Read, kWhen, 51), "000051-20240501-183005-123-read.381");
    EXPECT_EQ(BackupFileName(TBackupKind::Write, kWhen, 1234567), "1234567-20240501-183005-123-write.381");
    // Tests point the data directory at a temporary folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ASSERT_FALSE(data.isEmpty());
    EXPECT_EQ(BackupFolder(), QDir(data).filePath("backups"));
    EXPECT_TRUE(BackupFolder().startsWith(QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"))));
}

TEST(Backups, WritesTheContentIntoANewFileAndCreatesTheFolder)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("deep/backups");
    const TBackupResult first = WriteBackup("COMMENT\r\n\r\nMEMORY\r\n", TBackupKind::Read, folder, kWhen);
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.path, QDir(folder).filePath("000001-20240501-183005-123-read.381"));
    EXPECT_EQ(ReadAll(first.path), "COMMENT\r\n\r\nMEMORY\r\n");

    // The same moment twice never replaces the earlier backup.
    const TBackupResult second = WriteBackup("second", TBackupKind::Read, folder, kWhen);
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(QFileInfo(second.path).fileName(), "000002-20240501-183005-123-read.381");
    EXPECT_EQ(ReadAll(first.path), "COMMENT\r\n\r\nMEMORY\r\n");
    const QStringList files = BackupFiles(folder);
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files.at(0), first.path);
    EXPECT_EQ(files.at(1), second.path);
}

TEST(Backups, AFolderFilledPastFiftyLosesItsOldest)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    // The user's own files in the folder are never counted or removed.
    QFile own(QDir(folder).filePath("my channels.381"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();

    QStringList written;
    for (int i = 0; i < 55; ++i) {
        const TBackupKind kind = i % 2 ? TBackupKind::Write : TBackupKind::Read;
        const TBackupResult result = WriteBackup(QByteArray::number(i), kind, folder, kWhen.addSecs(60 * i));
        ASSERT_TRUE(result.ok) << i;
        written << result.path;
        EXPECT_EQ(BackupFiles(folder).size(), qMin(i + 1, kBackupsKept));
    }
    const QStringList kept = BackupFiles(folder);
    EXPECT_EQ(kept, written.mid(5));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(QFile::exists(written.at(i))) << i;
    EXPECT_TRUE(own.exists());
    EXPECT_EQ(ReadAll(kept.last()), "54");

}

TEST(Backups, TheClockSteppingBackNeverMakesANewBackupTheOldest)
{
    // Names of earlier versions (time only) count as older than every
    // numbered backup and among themselves go by modification time, not by
    // the time in the name.
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QStringList legacy{QDir(folder).filePath("20991231-235959-999-read.381"),
                             QDir(folder).filePath("20200101-000000-000-write-2.381")};
    for (int i = 0; i < legacy.size(); ++i) {
        QFile file(legacy.at(i));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.setFileTime(kWhen.addDays(i), QFileDevice::FileModificationTime));
    }
    QStringList written;
    for (int i = 0; i < 48; ++i)
        written << WriteBackup(QByteArray::number(i), TBackupKind::Read, folder, kWhen.addSecs(60 * i)).path;
    EXPECT_EQ(BackupFiles(folder), legacy + written);

    // Local time steps back an hour (a clock correction, a time-zone change,
    // the repeated daylight-saving hour): each new backup is still the
    // newest and the oldest by sequence goes.
    for (int i = 0; i < 3; ++i) {
        const TBackupResult result = WriteBackup("late", TBackupKind::Write, folder, kWhen.addSecs(-3600 + i));
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_TRUE(QFile::exists(result.path)) << i;
        written << result.path;
        EXPECT_EQ(BackupFiles(folder).size(), kBackupsKept);
        EXPECT_EQ(BackupFiles(folder).last(), result.path);
    }
    EXPECT_FALSE(QFile::exists(legacy.at(0)));
    EXPECT_FALSE(QFile::exists(legacy.at(1)));
    EXPECT_FALSE(QFile::exists(written.at(0)));
    EXPECT_EQ(BackupFiles(folder), written.mid(1));

    // The newest is never pruned, whatever is asked.
    EXPECT_EQ(PruneBackups(folder, 0), kBackupsKept - 1);
    EXPECT_EQ(BackupFiles(folder), QStringList{written.last()});
}

TEST(Backups, AFolderThatIsALinkOrNotTheUsersIsRefusedAndNeverFollowed)
{
    QTemporaryDir dir;
    // Another folder with backup-named files, and a backups folder that is
    // a link to it.
    const QString elsewhere = dir.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    QStringList theirs;
    for (int i = 0; i < 3; ++i) {
        theirs << QDir(elsewhere).filePath(BackupFileName(TBackupKind::Read, kWhen.addSecs(i), i + 1));
        QFile file(theirs.last());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("theirs");
    }
    const QString link = dir.filePath("backups");
    ASSERT_TRUE(QFile::link(elsewhere, link));
    const TBackupResult result = WriteBackup("x", TBackupKind::Read, link, kWhen, 1);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(BackupFailureText(result),
              "The backup could not be written.\n" + link + ": is a symbolic link; backups are not written through one");
    EXPECT_EQ(PruneBackups(link, 1), 0);
    // A link to nothing is not followed to create its target either.
    const QString dangling = dir.filePath("dangling");
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dangling));
    EXPECT_FALSE(WriteBackup("x", TBackupKind::Read, dangling, kWhen).ok);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("nowhere")));

    // In a real folder, a backup-named link is neither counted nor removed,
    // and what it points to stays.
    const QString real = dir.filePath("real");
    ASSERT_TRUE(QDir().mkpath(real));
    ASSERT_TRUE(QFile::link(theirs.at(0), QDir(real).filePath(BackupFileName(TBackupKind::Read, kWhen, 1))));
    ASSERT_TRUE(WriteBackup("a", TBackupKind::Read, real, kWhen, 1).ok);
    ASSERT_TRUE(WriteBackup("b", TBackupKind::Read, real, kWhen, 1).ok);
    EXPECT_EQ(BackupFiles(real).size(), 1);
    EXPECT_TRUE(QFileInfo(QDir(real).filePath(BackupFileName(TBackupKind::Read, kWhen, 1))).isSymLink());
    for (const QString &path : theirs)
        EXPECT_EQ(ReadAll(path), "theirs") << path.toStdString();

    // A folder of another user (the shared temporary folder, unless the
    // test runs as its owner).
    const QString shared = QDir::tempPath();
    if (QFileInfo(shared).ownerId() != ::geteuid()) {
        const TBackupResult other = WriteBackup("x", TBackupKind::Read, shared, kWhen);
        EXPECT_FALSE(other.ok);
        EXPECT_EQ(other.error, "belongs to another user");
    }
}

TEST(Backups, AFolderThatCannotTakeThemIsReported)
{
    QTemporaryDir dir;
    // A file where the folder should be.
    const QString blocked = dir.filePath("backups");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const TBackupResult result = WriteBackup("x", TBackupKind::Write, blocked, kWhen);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    const QString text = BackupFailureText(result);
    EXPECT_TRUE(text.startsWith("The backup could not be written.\n" + blocked)) << text.toStdString();

    // A read-only folder (permissions do not bind the superuser).
    if (::geteuid() != 0) {
        const QString readOnly = dir.filePath("ro");
        ASSERT_TRUE(QDir().mkpath(readOnly));
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
        const TBackupResult refused = WriteBackup("x", TBackupKind::Read, readOnly, kWhen);
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.error, "Permission denied");
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}
