#include "RecentFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The file an entry names: its target when it exists (links resolved),
// else its cleaned absolute path.
QString Identity(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

QString RecentFileEntry(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

bool SameRecentFile(const QString &a, const QString &b)
{
    return Identity(a) == Identity(b);
}

QStringList RemoveRecentFile(const QStringList &list, const QString &path)
{
    QStringList kept;
    for (const QString &entry : list)
        if (!SameRecentFile(entry, path))
            kept.append(entry);
    return kept;
}

QStringList AddRecentFile(const QStringList &list, const QString &path, int capacity)
{
    const QString entry = RecentFileEntry(path);
    if (entry.isEmpty())
        return list;
    QStringList result = RemoveRecentFile(list, entry);
    result.prepend(entry);
    while (result.size() > capacity)
        result.removeLast();
    return result;
}

QStringList CleanRecentFiles(const QStringList &list, int capacity)
{
    QStringList result;
    for (const QString &entry : list) {
        if (entry.trimmed().isEmpty())
            continue;
        bool repeated = false;
        for (const QString &kept : result)
            repeated = repeated || SameRecentFile(kept, entry);
        if (!repeated)
            result.append(entry);
        if (result.size() >= capacity)
            break;
    }
    return result;
}
