// Full read and full write of a fully populated radio against the radio
// simulator, with the real serial component and transfer engines.
//
//   (a) unthrottled: time per command/reply exchange;
//   (b) throttled to 9600 bit/s: total time against the wire time of the
//       bytes exchanged, and the CPU time this program used.
//
// Prints figures; judges nothing. Settings go to a temporary folder.
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"

#include "../tests/support/RadioImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr double kWireBytesPerSecond = 960.0; // 9600 bit/s, 8N1

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class BenchHost : public TTransferHost {
public:
    TChannelDocument doc;
    QEventLoop loop;
    bool completed = false;
    QString failure;

    TChannelDocument &TransferDocument() override { return doc; }
    void TransferProgress(int) override {}
    void TransferMessage(const QString &text) override { failure = text; }
    void TransferCommError(const QString &text) override
    {
        failure = text;
        loop.quit();
    }
    void TransferFinished(TTransferOutcome outcome) override
    {
        completed = outcome == TTransferOutcome::Completed;
        loop.quit();
    }
};

// Engines that also count the reply bytes they act on.
class CountingRead : public TReadTransfer {
public:
    using TReadTransfer::TReadTransfer;
    qint64 received = 0;

protected:
    void HandleReply(const QByteArray &line) override
    {
        received += line.size();
        TReadTransfer::HandleReply(line);
    }
};

class CountingWrite : public TWriteTransfer {
public:
    using TWriteTransfer::TWriteTransfer;
    qint64 received = 0;

protected:
    void HandleReply(const QByteArray &line) override
    {
        received += line.size();
        TWriteTransfer::HandleReply(line);
    }
};

struct Figures {
    bool ok = false;
    int exchanges = 0;
    qint64 sent = 0;
    qint64 received = 0;
    double wall = 0;
    double cpu = 0;
};

Figures Run(bool reading, bool throttle, const QTemporaryDir &dir)
{
    Figures figures;
    const TChannelDocument radio = PopulatedDocument();
    const QString image = dir.filePath(QStringLiteral("image.381"));
    const QString log = dir.filePath(QStringLiteral("commands.log"));
    {
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly))
            return figures;
        file.write(WriteDataFile(radio, QString()));
    }
    QStringList args{QStringLiteral("--log"), log, QStringLiteral("--type"), QLatin1String(kAllBandsType),
                     QStringLiteral("--limits"), QLatin1String(kAllBandsLimits)};
    if (reading)
        args << QStringLiteral("--image") << image;
    if (throttle)
        args << QStringLiteral("--throttle");

    QProcess sim;
    sim.start(QStringLiteral(VXL_SIM_PATH), args);
    if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "the simulator did not start\n");
        return figures;
    }
    const QByteArray device = sim.readLine().trimmed();
    qputenv("VXL_R381_COM1", device);

    BenchHost host;
    if (!reading)
        host.doc = radio;
    CountingRead read(host);
    CountingWrite write(host);
    TTransferEngine &engine = reading ? static_cast<TTransferEngine &>(read) : write;

    const double cpuBefore = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    if (engine.Start(QStringLiteral("COM1")))
        host.loop.exec();
    figures.wall = double(clock.nsecsElapsed()) / 1e9;
    figures.cpu = CpuSeconds() - cpuBefore;
    figures.ok = host.completed;
    figures.received = reading ? read.received : write.received;
    if (!host.failure.isEmpty())
        std::fprintf(stderr, "transfer failed: %s\n", host.failure.toLocal8Bit().constData());

    sim.terminate();
    sim.waitForFinished(10000);
    QFile commands(log);
    if (commands.open(QIODevice::ReadOnly)) {
        QList<QByteArray> lines = commands.readAll().split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        figures.exchanges = int(lines.size());
        for (const QByteArray &line : lines)
            figures.sent += line.size() + 1; // with its carriage return
    }
    return figures;
}

// pause: time the transfer waits on purpose (the write's pause before "PS 1").
void PrintUnthrottled(const char *name, const Figures &f, double pause)
{
    const double busy = f.wall - pause;
    std::printf("%-6s unthrottled: %s, %d exchanges in %.3f s", name, f.ok ? "complete" : "FAILED", f.exchanges,
                f.wall);
    if (pause > 0)
        std::printf(" (%.3f s without the %.1f s pause)", busy, pause);
    std::printf(" = %.3f ms per exchange, CPU %.3f s\n", f.exchanges ? busy * 1000 / f.exchanges : 0.0, f.cpu);
}

void PrintThrottled(const char *name, const Figures &f, double pause)
{
    // The simulator throttles what it sends (the replies); the commands
    // reach it at once. Both bounds are printed.
    const double replyBound = double(f.received) / kWireBytesPerSecond;
    const double lineBound = double(f.sent + f.received) / kWireBytesPerSecond;
    std::printf("%-6s 9600 bit/s: %s, %d exchanges, %lld bytes sent, %lld bytes received\n", name,
                f.ok ? "complete" : "FAILED", f.exchanges, static_cast<long long>(f.sent),
                static_cast<long long>(f.received));
    const double busy = f.wall - pause;
    std::printf("       total %.2f s", f.wall);
    if (pause > 0)
        std::printf(" (%.2f s without the %.1f s pause)", busy, pause);
    std::printf("; wire time of the replies %.2f s (%+.1f %%); of all bytes both ways %.2f s\n", replyBound,
                replyBound > 0 ? (busy / replyBound - 1) * 100 : 0.0, lineBound);
    std::printf("       CPU %.3f s = %.2f %% of the wall time\n", f.cpu, f.wall > 0 ? f.cpu / f.wall * 100 : 0.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir settingsDir;
    if (!settingsDir.isValid())
        return 2;
    setenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit().constData(), 1);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("HALVORD"));
    QCoreApplication::setApplicationName(QStringLiteral("VXL-R381"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());

    const bool quick = app.arguments().contains(QStringLiteral("--unthrottled-only"));
    QTemporaryDir dir;
    if (!dir.isValid())
        return 2;

    std::printf("Full transfers of a fully populated radio (simulator on a pseudo-terminal)\n");
    const Figures read = Run(true, false, dir);
    PrintUnthrottled("read", read, 0);
    const Figures write = Run(false, false, dir);
    PrintUnthrottled("write", write, Protocol::kPowerPause / 1000.0);
    if (quick)
        return read.ok && write.ok ? 0 : 1;

    const Figures slowRead = Run(true, true, dir);
    PrintThrottled("read", slowRead, 0);
    const Figures slowWrite = Run(false, true, dir);
    PrintThrottled("write", slowWrite, Protocol::kPowerPause / 1000.0);
    return read.ok && write.ok && slowRead.ok && slowWrite.ok ? 0 : 1;
}
