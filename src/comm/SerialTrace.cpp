#include "SerialTrace.h"

#include <QDateTime>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

Q_LOGGING_CATEGORY(lcSerial, "vxl.serial", QtWarningMsg)

namespace {

std::mutex sinkMutex;
std::FILE *sinkFile = nullptr;
QtMessageHandler previousHandler = nullptr;

void TraceHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && qstrcmp(context.category, "vxl.serial") == 0) {
        std::lock_guard<std::mutex> lock(sinkMutex);
        if (sinkFile) {
            const QByteArray line = message.toUtf8() + '\n';
            std::fwrite(line.constData(), 1, size_t(line.size()), sinkFile);
            std::fflush(sinkFile);
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

bool TSerialTraceFile::Start(const QString &path, QString *error)
{
    Stop();
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "w");
    if (!file) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(sinkMutex);
        sinkFile = file;
    }
    previousHandler = qInstallMessageHandler(TraceHandler);
    wasEnabled_ = lcSerial().isDebugEnabled();
    const_cast<QLoggingCategory &>(lcSerial()).setEnabled(QtDebugMsg, true);
    active_ = true;
    path_ = path;
    return true;
}

void TSerialTraceFile::Stop()
{
    if (!active_)
        return;
    // Enabled before (QT_LOGGING_RULES): it stays on, to standard error.
    const_cast<QLoggingCategory &>(lcSerial()).setEnabled(QtDebugMsg, wasEnabled_);
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    std::lock_guard<std::mutex> lock(sinkMutex);
    if (sinkFile)
        std::fclose(sinkFile);
    sinkFile = nullptr;
    active_ = false;
}
