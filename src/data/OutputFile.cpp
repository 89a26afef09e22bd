// Output targets: same-file and file-kind checks.
#include "OutputFile.h"

#include "InputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The path of a file that does not exist yet, with its folder resolved
// (links, "..", "./") as far as the folder exists.
QString CanonicalNewPath(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName());
}

} // namespace

bool SameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat first;
    struct stat second;
    const bool firstExists = ::stat(QFile::encodeName(a).constData(), &first) == 0;
    const bool secondExists = ::stat(QFile::encodeName(b).constData(), &second) == 0;
    if (firstExists && secondExists)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    if (firstExists != secondExists)
        return false;
#else
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    if (first.exists() != second.exists())
        return false;
#endif
    return CanonicalNewPath(a) == CanonicalNewPath(b);
}

QString OutputTargetProblem(const QString &path)
{
    if (path.isEmpty())
        return QCoreApplication::translate("InputFile", "no file name");
    // FileKindText speaks the user's language: compare with its own texts.
    const QString kind = FileKindText(path);
    if (kind == QCoreApplication::translate("InputFile", "missing")
        || kind == QCoreApplication::translate("InputFile", "a regular file"))
        return QString();
    if (kind == QCoreApplication::translate("InputFile", "a directory"))
        return QCoreApplication::translate("InputFile", "is a directory");
    return QCoreApplication::translate("InputFile", "%1, not a regular file").arg(kind);
}
