#include "RadioFinder.h"

#include "Protocol.h"
#include "comm/HComm.h"
#include "comm/PortProblem.h"

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for a whole line equal to wanted, taking every line that arrives;
// false on time-out or Cancel. Lines that are not wanted (the answer to
// the empty line) are skipped, whatever way the bytes are split.
bool AwaitLine(THComm &comm, const QByteArray &wanted, int timeoutMs, const std::atomic<bool> &cancel,
               QByteArray *pending)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        for (int cr = pending->indexOf('\r'); cr >= 0; cr = pending->indexOf('\r')) {
            const QByteArray line = pending->left(cr).trimmed();
            pending->remove(0, cr + 1);
            if (line == wanted)
                return true;
        }
        if (cancel || Clock::now() >= deadline)
            return false;
        const int32_t waiting = comm.CountInBuff();
        if (waiting > 0) {
            pending->append(QByteArray::fromStdString(comm.ReadStringData(uint32_t(waiting))));
            continue;
        }
        // Short sleeps keep Cancel quick without spinning.
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

TProbeResult TRadioFinder::Probe(const QString &path)
{
    TProbeResult result;
    result.path = path;
    THComm comm;
    comm.SetFlowControl(Comm::XonXoff);
    comm.SetInBuffSize(1024);
    comm.SetOutBuffSize(1024);
    comm.SetDevicePath(path);
    try {
        comm.OpenCommport();
    } catch (const ECommError &) {
        result.detail = OpenProblemText(path, QString(), comm.LastOpenError());
        return result;
    }
    try {
        QByteArray pending;
        comm.WriteStringData("\r");
        comm.WriteStringData("AI 0\r");
        if (AwaitLine(comm, "AI 0", replyTimeoutMs_, cancel_, &pending)) {
            comm.WriteStringData("ID\r");
            result.radio = AwaitLine(comm, Protocol::kWriteIdReply, replyTimeoutMs_, cancel_, &pending);
        }
    } catch (const ECommError &error) {
        result.detail = LineProblemText(path, QString(), error.Code());
    }
    comm.CloseCommport();
    if (!result.radio && result.detail.isEmpty())
        result.detail = QStringLiteral("%1: no reply from the radio.").arg(path);
    return result;
}

QString TRadioFinder::Find(const QStringList &paths, const TProgress &progress,
                           QList<TProbeResult> *results)
{
    QString found;
    int index = 0;
    for (; index < paths.size() && !cancel_; ++index) {
        if (progress)
            progress(index, int(paths.size()), paths[index]);
        const TProbeResult result = Probe(paths[index]);
        if (results)
            results->append(result);
        if (result.radio && !cancel_) {
            found = result.path;
            break;
        }
    }
    if (progress)
        progress(int(paths.size()), int(paths.size()), QString());
    return cancel_ ? QString() : found;
}
