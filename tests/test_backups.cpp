// Backups of radio transfers: names, writing, keeping the newest 50 and
// reporting a folder that cannot take them.
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
    EXPECT_EQ(BackupFileName(TBackupKind::Read, kWhen), "20240501-183005-123-read.381");
    EXPECT_EQ(BackupFileName(TBackupKind::Write, kWhen), "20240501-183005-123-write.381");
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
    EXPECT_EQ(first.path, QDir(folder).filePath("20240501-183005-123-read.381"));
    EXPECT_EQ(ReadAll(first.path), "COMMENT\r\n\r\nMEMORY\r\n");

    // The same moment twice never replaces the earlier backup.
    const TBackupResult second = WriteBackup("second", TBackupKind::Read, folder, kWhen);
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(QFileInfo(second.path).fileName(), "20240501-183005-123-read-2.381");
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

    // Across a day and a year boundary the order still holds.
    QTemporaryDir other;
    WriteBackup("late", TBackupKind::Read, other.path(), QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59, 999)));
    WriteBackup("early", TBackupKind::Read, other.path(), QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0, 0)));
    EXPECT_EQ(PruneBackups(other.path(), 1), 1);
    ASSERT_EQ(BackupFiles(other.path()).size(), 1);
    EXPECT_EQ(ReadAll(BackupFiles(other.path()).first()), "early");
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
