#include "SerialTrace.h"

#include "data/OutputFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <mutex>

Q_LOGGING_CATEGORY(lcSerial, "vxl.serial", QtWarningMsg)

namespace {

// The open trace file. Lines come from any thread (the receive thread
// traces what arrives), so everything here is used under sinkMutex.
std::mutex sinkMutex;
std::unique_ptr<QFileDevice> sinkFile;
bool sinkFailed = false;
QString sinkFailure; // the reason of the first line that could not be written
QtMessageHandler previousHandler = nullptr;

void TraceHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && qstrcmp(context.category, "vxl.serial") == 0) {
        std::lock_guard<std::mutex> lock(sinkMutex);
        if (sinkFile) {
            // After a failed line nothing more is written: a trace with a
            // gap in it would mislead more than one that stops.
            if (!sinkFailed) {
                const QByteArray line = message.toUtf8() + '\n';
                if (sinkFile->write(line) != line.size()) {
                    sinkFailed = true;
                    sinkFailure = sinkFile->errorString();
                }
            }
            return;
        }
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

QString PrintableBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
        case '\r': text += QLatin1String("\\r"); break;
        case '\n': text += QLatin1String("\\n"); break;
        case '\t': text += QLatin1String("\\t"); break;
        case '\\': text += QLatin1String("\\\\"); break;
        default:
            if (u < 0x20 || u > 0x7E)
                text += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
            else
                text += QLatin1Char(c);
        }
    }
    return text;
}

QString TraceLineText(const QString &device, char direction, const QByteArray &bytes)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz")), device,
             QString(QLatin1Char(direction)), PrintableBytes(bytes));
}

void TTraceLines::Feed(const QString &device, char direction, const char *data, size_t size)
{
    partial_.append(data, qsizetype(size));
    for (qsizetype cr = partial_.indexOf('\r'); cr >= 0; cr = partial_.indexOf('\r')) {
        qCDebug(lcSerial).noquote() << TraceLineText(device, direction, partial_.left(cr + 1));
        partial_.remove(0, cr + 1);
    }
    // A line that never ends is traced in pieces rather than held forever.
    if (partial_.size() >= 256)
        Flush(device, direction);
}

void TTraceLines::Flush(const QString &device, char direction)
{
    if (partial_.isEmpty())
        return;
    qCDebug(lcSerial).noquote() << TraceLineText(device, direction, partial_);
    partial_.clear();
}

void TraceNote(const QString &device, const QString &text)
{
    qCDebug(lcSerial).noquote() << QStringLiteral("%1 %2 - %3")
                                       .arg(QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz")),
                                            device, text);
}

TSerialTraceFile::~TSerialTraceFile()
{
    Stop();
}

bool TSerialTraceFile::Start(const QString &path, QString *error, TTraceWriting writing)
{
    Stop();
    const auto refuse = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    };
    const QString problem = OutputTargetProblem(path);
    if (!problem.isEmpty())
        return refuse(problem);
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return refuse(QCoreApplication::translate("Comm", "No such file or directory"));
    std::unique_ptr<QFileDevice> file;
    if (writing == TTraceWriting::Replace)
        file = std::make_unique<QSaveFile>(path);
    else
        file = std::make_unique<QFile>(path);
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered
        | (writing == TTraceWriting::Direct ? QIODevice::Truncate : QIODevice::OpenMode());
    if (!file->open(mode))
        return refuse(file->errorString());
    {
        std::lock_guard<std::mutex> lock(sinkMutex);
        sinkFile = std::move(file);
        sinkFailed = false;
        sinkFailure.clear();
    }
    previousHandler = qInstallMessageHandler(TraceHandler);
    wasEnabled_ = lcSerial().isDebugEnabled();
    const_cast<QLoggingCategory &>(lcSerial()).setEnabled(QtDebugMsg, true);
    active_ = true;
    path_ = path;
    return true;
}

bool TSerialTraceFile::Failed() const
{
    std::lock_guard<std::mutex> lock(sinkMutex);
    return active_ && sinkFailed;
}

QString TSerialTraceFile::FailureText() const
{
    std::lock_guard<std::mutex> lock(sinkMutex);
    return active_ && sinkFailed ? QStringLiteral("%1: %2").arg(path_, sinkFailure) : QString();
}

bool TSerialTraceFile::Stop(QString *error)
{
    if (!active_)
        return true;
    // Enabled before (QT_LOGGING_RULES): it stays on, to standard error.
    const_cast<QLoggingCategory &>(lcSerial()).setEnabled(QtDebugMsg, wasEnabled_);
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    std::lock_guard<std::mutex> lock(sinkMutex);
    bool ok = !sinkFailed;
    QString reason = sinkFailure;
    if (auto *replacing = qobject_cast<QSaveFile *>(sinkFile.get())) {
        if (!ok)
            replacing->cancelWriting();
        if (!replacing->commit() && ok) {
            ok = false;
            reason = replacing->errorString();
        }
    } else if (sinkFile) {
        sinkFile->close();
    }
    sinkFile.reset();
    sinkFailed = false;
    sinkFailure.clear();
    active_ = false;
    if (!ok && error)
        *error = QStringLiteral("%1: %2").arg(path_, reason);
    return ok;
}
