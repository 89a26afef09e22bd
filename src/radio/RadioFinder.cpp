#include "RadioFinder.h"

#include "Protocol.h"
#include "comm/HComm.h"
#include "comm/PortProblem.h"

#include <QCoreApplication>

#include <cerrno>
#include <chrono>
#include <functional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the first line that judge does not answer with Wait, taking
// every line that arrives, whatever way the bytes are split; Wait on
// time-out or Cancel. The lines are judged as the transfers judge them.
Protocol::TIdentification AwaitVerdict(THComm &comm,
                                       const std::function<Protocol::TIdentification(const QString &)> &judge,
                                       int timeoutMs, const std::atomic<bool> &cancel, QByteArray *pending)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        for (int cr = pending->indexOf('\r'); cr >= 0; cr = pending->indexOf('\r')) {
            const QString line = Protocol::CutReply(pending->left(cr), 0, Protocol::kReadReplyCapacity);
            pending->remove(0, cr + 1);
            const Protocol::TIdentification verdict = judge(line);
            if (verdict != Protocol::TIdentification::Wait)
                return verdict;
        }
        if (cancel || Clock::now() >= deadline)
            return Protocol::TIdentification::Wait;
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

QString ProbeOutcomeText(TProbeOutcome outcome)
{
    switch (outcome) {
    case TProbeOutcome::Radio: return QCoreApplication::translate("RadioFinder", "answered: QV-R381");
    case TProbeOutcome::NoReply: return QCoreApplication::translate("RadioFinder", "no reply");
    case TProbeOutcome::Stopped: return QCoreApplication::translate("RadioFinder", "search stopped");
    case TProbeOutcome::Busy: return QCoreApplication::translate("RadioFinder", "busy");
    case TProbeOutcome::PermissionDenied: return QCoreApplication::translate("RadioFinder", "permission denied");
    case TProbeOutcome::NoDevice: return QCoreApplication::translate("RadioFinder", "no such device");
    case TProbeOutcome::NotSerial: return QCoreApplication::translate("RadioFinder", "not a serial device");
    case TProbeOutcome::OpenFailed: return QCoreApplication::translate("RadioFinder", "cannot be opened");
    case TProbeOutcome::Echo: return QCoreApplication::translate("RadioFinder", "echoes what it receives");
    case TProbeOutcome::OtherRadio: return QCoreApplication::translate("RadioFinder", "answered: not a QV-R381");
    case TProbeOutcome::LineFailed: return QCoreApplication::translate("RadioFinder", "line failed");
    }
    return QString();
}

TProbeOutcome OpenFailureOutcome(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO: return TProbeOutcome::NoDevice;
    case EACCES:
    case EPERM: return TProbeOutcome::PermissionDenied;
    case EBUSY: return TProbeOutcome::Busy;
    case ENOTTY: return TProbeOutcome::NotSerial;
    default: return TProbeOutcome::OpenFailed;
    }
}

TProbeResult TRadioFinder::Probe(const QString &path)
{
    TProbeResult result;
    result.path = path;
    THComm comm;
    comm.SetFlowControl(Comm::XonXoff);
    comm.SetInBuffSize(1024);
    comm.SetOutBuffSize(1024);
    // As in the transfers: a radio may hold XOFF as long as a reply may take.
    comm.SetFlowHoldLimit(uint32_t(replyTimeoutMs_));
    comm.SetDevicePath(path);
    try {
        comm.OpenCommport();
    } catch (const ECommError &) {
        result.detail = OpenProblemText(path, QString(), comm.LastOpenError());
        result.outcome = OpenFailureOutcome(comm.LastOpenError());
        return result;
    }
    try {
        QByteArray pending;
        comm.WriteStringData("\r");
        comm.WriteStringData("AI 0\r");
        if (AwaitVerdict(comm, &Protocol::JudgeAiReply, replyTimeoutMs_, cancel_, &pending)
            == Protocol::TIdentification::Match) {
            comm.WriteStringData("ID\r");
            const Protocol::TIdentification verdict = AwaitVerdict(
                comm, [](const QString &line) { return Protocol::JudgeIdReply(line, true); }, replyTimeoutMs_,
                cancel_, &pending);
            result.radio = verdict == Protocol::TIdentification::Match;
            if (result.radio)
                result.outcome = TProbeOutcome::Radio;
            if (verdict == Protocol::TIdentification::Echo) {
                result.detail = QCoreApplication::translate("Transfer", "%1: the radio echoes what it receives.").arg(path);
                result.outcome = TProbeOutcome::Echo;
            } else if (verdict == Protocol::TIdentification::Wrong) {
                result.detail = QCoreApplication::translate("Transfer", "%1: the radio is not a QV-R381.").arg(path);
                result.outcome = TProbeOutcome::OtherRadio;
            }
        }
    } catch (const ECommError &error) {
        result.detail = LineProblemText(path, QString(), error.Code());
        result.outcome = TProbeOutcome::LineFailed;
    }
    comm.CloseCommport();
    if (!result.radio && result.detail.isEmpty()) {
        result.detail = QCoreApplication::translate("Transfer", "%1: no reply from the radio.").arg(path);
        result.outcome = cancel_ ? TProbeOutcome::Stopped : TProbeOutcome::NoReply;
    }
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
