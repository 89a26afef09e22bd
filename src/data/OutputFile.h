// Checks on a file the program is about to write, made before anything is
// opened: the command-line tool refuses an output that is one of the files
// the same command reads, and every writer refuses a directory, a FIFO or a
// device in place of a regular file (a FIFO would block the writer, a
// device such as /dev/full would swallow or refuse the data).
#pragma once

#include <QString>

// Whether two paths name one file. Files that exist are compared by device
// and inode, so "./x.381", a symbolic link and a hard link to x.381 all
// count as x.381; paths of files that do not exist yet are compared by
// their canonical folder and name.
bool SameFile(const QString &a, const QString &b);

// Why path cannot take an output, or an empty text when it can (a regular
// file or nothing yet): "is a directory" or "a FIFO, not a regular file"
// and the like. Found with stat(), so a FIFO is never opened.
QString OutputTargetProblem(const QString &path);
