// Automatic backups of the radio's memory: every completed read keeps the
// image read, every write first keeps the document it sends, each as a
// data file in one folder under the user's data directory. Each name starts
// with a sequence number one above the highest in the folder; that number,
// not the clock, decides which backups are the newest, so a clock that
// steps back (a correction, a time-zone change, the repeated hour at the end
// of daylight saving time) never makes a new backup look old. The newest
// ones are kept, the older ones removed, so the folder cannot grow without
// end. A backup that fails is reported by the caller and never stops a
// transfer.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// How many backups the folder keeps.
constexpr int kBackupsKept = 50;

// What a backup holds: the image read from the radio, or the document
// about to be written into it. It is part of the file name.
enum class TBackupKind { Read, Write };

struct TBackupResult {
    bool ok = false;
    QString path;  // the file written (when ok)
    QString error; // why no backup was written (when !ok)
};

// The backups folder: "backups" under the program's data directory
// (QStandardPaths::AppDataLocation).
QString BackupFolder();

// File name of a backup: "000051-20240501-183005-123-read.381", the
// sequence number (at least six digits) and the local time with
// milliseconds for the reader; the time plays no part in the order.
QString BackupFileName(TBackupKind kind, const QDateTime &when, qint64 sequence);

// Backup files in the folder, oldest first: by sequence number, and where
// two share one (two programs writing at once), by modification time.
// Names without a number, "20240501-183005-123-read.381" (with "-2"... for
// a repeated millisecond), as earlier versions wrote them, count as older
// than every numbered one and among themselves go by modification time.
// Any other file there, and any symbolic link, is the user's own.
QStringList BackupFiles(const QString &folder);

// Why folder cannot hold backups: empty when it is a real directory (not a
// symbolic link) owned by the user; else "is a symbolic link...", "is not a
// directory", "belongs to another user". A missing folder is no reason.
QString BackupFolderProblem(const QString &folder);

// Writes content (a data file) as a new backup into folder (created when
// missing; BackupFolder() when empty) through an atomic write, then removes
// the oldest backups beyond keep, never the one just written. A folder
// BackupFolderProblem refuses is never written to or followed.
TBackupResult WriteBackup(const QByteArray &content, TBackupKind kind, const QString &folder = QString(),
                          const QDateTime &when = QDateTime::currentDateTime(), int keep = kBackupsKept);

// Removes the oldest backups so that at most keep (at least one: the newest
// always stays) remain; returns how many were removed. Nothing is removed
// in a folder BackupFolderProblem refuses, and only regular files are
// removed, never a link or what it points to.
int PruneBackups(const QString &folder, int keep = kBackupsKept);

// The line a window or the command-line tool shows when a backup failed:
// "The backup could not be written." and, below it, the folder or file
// and the reason.
QString BackupFailureText(const TBackupResult &result);
