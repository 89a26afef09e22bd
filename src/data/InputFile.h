// The one gate every file the program reads passes: the editor's Open and
// command-line open, and the command-line tool's "list" and "write". Only a
// regular file (after following links) of a bounded size is read, so a
// FIFO, a device or a directory given a ".381" name can neither block the
// program nor feed it without end.
#pragma once

#include <QByteArray>
#include <QString>

// Largest data file read: far above any file the program writes (a full
// document is about 10 KiB), small enough to hold in memory at once.
constexpr qint64 kMaxInputFileSize = 16 * 1024 * 1024;

struct TInputFile {
    bool ok = false;
    QByteArray content; // the whole file when ok
    QString reason;     // why the file was refused, when not ok
};

// Reads the whole file at path. Refuses a missing or unreadable file, one
// that is not a regular file once links are followed (FIFO, device, socket,
// directory) and one larger than maxSize bytes. A FIFO is never opened in a
// way that could wait for a writer.
TInputFile ReadInputFile(const QString &path, qint64 maxSize = kMaxInputFileSize);

// What the file system object at path is, for messages: "a FIFO",
// "a character device", "a block device", "a socket", "a directory",
// "a regular file", "missing" (links are followed).
QString FileKindText(const QString &path);

// "File Open error." and, on the line below, the path and the reason.
QString FileOpenErrorText(const QString &path, const QString &reason);
