// One line under a serial error message that names the device and the
// reason, with what the user can do about it.
#pragma once

#include <QString>
#include <QStringList>

// "/dev/ttyS0 (COM1)" for a port with a COM name, else the path alone.
QString PortLabel(const QString &path, const QString &portName = QString());

// Why a device could not be opened: error is the errno of the open (EBUSY
// for a lock held by another program, ENOTTY for something that is no
// serial device). For EBUSY the holder is named when it can be found.
QString OpenProblemText(const QString &path, const QString &portName, int error);

// The radio did not answer in time.
QString NoReplyText(const QString &path, const QString &portName);

// The line failed during a transfer (error is the errno of the failure;
// EIO is what a vanished USB adapter or a hung-up line gives; ETIMEDOUT is
// a write the far end held back with XOFF for too long).
QString LineProblemText(const QString &path, const QString &portName, int error);

// The program holding path: from a UUCP lock file /var/lock/LCK..name (or
// /run/lock) whose process still runs, else from a scan of /proc for a
// process with the device open. "minicom (pid 1234)", or empty when
// unknown. procRoot and lockDirs are there for tests.
QString DeviceHolder(const QString &path, const QString &procRoot = QStringLiteral("/proc"),
                     const QStringList &lockDirs = {QStringLiteral("/var/lock"),
                                                    QStringLiteral("/run/lock")});
