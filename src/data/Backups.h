// Automatic backups of the radio's memory: every completed read keeps the
// image read, every write first keeps the document it sends, each as a
// data file with a time stamp in its name in one folder under the user's
// data directory. The newest ones are kept, the older ones removed, so the
// folder cannot grow without end. A backup that fails is reported by the
// caller and never stops a transfer.
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

// File name of a backup: "20240501-183005-123-read.381" (local time with
// milliseconds), so names sort in time order.
QString BackupFileName(TBackupKind kind, const QDateTime &when);

// Backup files in the folder, oldest first. Only names of the form that
// BackupFileName gives count; any other file there is the user's own.
QStringList BackupFiles(const QString &folder);

// Writes content (a data file) as a new backup into folder (created when
// missing; BackupFolder() when empty) through an atomic write, then removes
// the oldest backups beyond keep. A name already taken gets "-2", "-3"...
TBackupResult WriteBackup(const QByteArray &content, TBackupKind kind, const QString &folder = QString(),
                          const QDateTime &when = QDateTime::currentDateTime(), int keep = kBackupsKept);

// Removes the oldest backups so that at most keep remain; returns how many
// were removed.
int PruneBackups(const QString &folder, int keep = kBackupsKept);

// The line a window or the command-line tool shows when a backup failed:
// "The backup could not be written." and, below it, the folder or file
// and the reason.
QString BackupFailureText(const TBackupResult &result);
