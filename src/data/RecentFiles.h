// The list of recently used data files behind File > Recent Files: newest
// first, each file once, at most kRecentFilesCapacity entries. Plain list
// operations here; the settings store keeps the list between runs.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr int kRecentFilesCapacity = 8;

// The path as the list keeps it: absolute and cleaned, with the native
// separators of the system.
QString RecentFileEntry(const QString &path);

// Whether two entries name the same file: the same file reached through a
// link or a different spelling of its folder counts once.
bool SameRecentFile(const QString &a, const QString &b);

// path moved (or added) to the front; another entry naming the same file
// is dropped, and the list is cut to capacity entries. An empty path
// leaves the list as it is.
QStringList AddRecentFile(const QStringList &list, const QString &path,
                          int capacity = kRecentFilesCapacity);

// The list without the entries that name the same file as path.
QStringList RemoveRecentFile(const QStringList &list, const QString &path);

// A stored list made fit for the menu: empty entries and repeats dropped,
// cut to capacity entries (a hand-edited settings file may hold anything).
QStringList CleanRecentFiles(const QStringList &list, int capacity = kRecentFilesCapacity);
