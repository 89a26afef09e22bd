#include "PortProblem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

const char *const kPickerHint = QT_TRANSLATE_NOOP("Comm", "Choose the port under Radio > Serial Port.");

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The command name of a running process, or empty.
QString ProcessName(const QString &procRoot, qint64 pid)
{
    QFile comm(QStringLiteral("%1/%2/comm").arg(procRoot).arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

QString Holder(const QString &procRoot, qint64 pid)
{
    const QString name = ProcessName(procRoot, pid);
    if (name.isEmpty())
        return QString();
    return QStringLiteral("%1 (pid %2)").arg(name).arg(pid);
}

} // namespace

QString PortLabel(const QString &path, const QString &portName)
{
    if (portName.isEmpty() || portName == path)
        return path;
    return QStringLiteral("%1 (%2)").arg(path, portName);
}

QString DeviceHolder(const QString &path, const QString &procRoot, const QStringList &lockDirs)
{
    const QString base = QFileInfo(path).fileName();
    if (base.isEmpty())
        return QString();
    // UUCP lock: the pid as text (ASCII, possibly padded) or as a binary int.
    for (const QString &dir : lockDirs) {
        QFile lock(dir + QStringLiteral("/LCK..") + base);
        if (!lock.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = lock.read(64);
        bool ok = false;
        qint64 pid = bytes.trimmed().toLongLong(&ok);
        if (!ok && bytes.size() == 4) {
            int binary = 0;
            std::memcpy(&binary, bytes.constData(), 4);
            pid = binary;
            ok = true;
        }
        if (ok && pid > 0) {
            const QString holder = Holder(procRoot, pid);
            if (!holder.isEmpty())
                return holder;
        }
    }
    // Every process's open files: only those we may look at (our own, or
    // all of them as root).
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return QString();
    const QStringList pids = QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : pids) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == ::getpid())
            continue;
        const QDir fds(QStringLiteral("%1/%2/fd").arg(procRoot, entry));
        const QStringList links = fds.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &fd : links) {
            if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target)
                return Holder(procRoot, pid);
        }
    }
    return QString();
}

QString OpenProblemText(const QString &path, const QString &portName, int error)
{
    const QString label = PortLabel(path, portName);
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return QCoreApplication::translate("Comm", "%1: no such device. Plug the cable in, or choose the port under "
                              "Radio > Serial Port.")
            .arg(label);
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Comm", "%1: Permission denied. Add your user to the dialout group and log in again.")
            .arg(label);
    case EBUSY: {
        const QString holder = DeviceHolder(path);
        if (holder.isEmpty())
            return QCoreApplication::translate("Comm", "%1: busy, another program is using it. Close that program and try again.")
                .arg(label);
        return QCoreApplication::translate("Comm", "%1: busy, in use by %2. Close that program and try again.")
            .arg(label, holder);
    }
    case ENOTTY:
        return QStringLiteral("%1: not a serial device. %2").arg(label, QCoreApplication::translate("Comm", kPickerHint));
    case 0:
        return QStringLiteral("%1: cannot be opened. %2").arg(label, QCoreApplication::translate("Comm", kPickerHint));
    default:
        return QStringLiteral("%1: %2. %3").arg(label, ErrnoText(error), QCoreApplication::translate("Comm", kPickerHint));
    }
}

QString NoReplyText(const QString &path, const QString &portName)
{
    return QCoreApplication::translate("Comm", "%1: no reply from the radio. Check the cable and the port under Radio > Serial Port.")
        .arg(PortLabel(path, portName));
}

QString LineProblemText(const QString &path, const QString &portName, int error)
{
    const QString label = PortLabel(path, portName);
    // A write time-out: the far end stopped the line with XOFF and did not
    // let it go again.
    if (error == ETIMEDOUT)
        return QCoreApplication::translate("Comm", "%1: the radio held the line with flow control (XOFF) and did not release it "
                              "in time, so the command could not be sent.")
            .arg(label);
    if (error == EIO || error == ENXIO || error == ENODEV)
        return QCoreApplication::translate("Comm", "%1: the line hung up (%2). Check that the cable is still plugged in.")
            .arg(label, ErrnoText(error));
    return QStringLiteral("%1: %2.").arg(label, ErrnoText(error));
}
