// Shared machinery of the two radio transfers.
#include "TransferEngine.h"

#include "comm/PortProblem.h"
#include "data/Settings.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <utility>

namespace {

// Bytes kept while waiting for the carriage return that ends a reply; a
// line that never ends is dropped from its start rather than held forever.
constexpr int kPendingLimit = 4096;

const char *const kInvalidPortMessage = QT_TRANSLATE_NOOP("Transfer", "Invalid COM port.\nPlease check and try again.");
const char *const kTimeoutMessage = QT_TRANSLATE_NOOP("Transfer", "Communication timeout error.");
const char *const kWrongRadioMessage = QT_TRANSLATE_NOOP("Transfer", "Invalid the radio.\nPlease check and try again.");
const char *const kEchoMessage = QT_TRANSLATE_NOOP("Transfer",
    "The radio echoes what it receives.\n"
    "Every command came back unanswered: please check the cable and the radio, and try again.");

TCommPort PortOfName(const QString &name)
{
    if (name == QLatin1String("COM2"))
        return Comm::Com2;
    if (name == QLatin1String("COM3"))
        return Comm::Com3;
    if (name == QLatin1String("COM4"))
        return Comm::Com4;
    return Comm::Com1;
}

} // namespace

TTransferEngine::TTransferEngine(TTransferHost &host, QObject *parent)
    : QObject(parent), host_(host)
{
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(Protocol::kReplyTimeout);
    Timer1.setSingleShot(true);
    // Precise: a coarse timer may fire up to 5 % early, and no protocol
    // wait may be shorter than its time.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer3.setTimerType(Qt::PreciseTimer);
    Timer3.setObjectName(QStringLiteral("Timer3"));
    Timer3.setInterval(Protocol::kCancelDelay);
    Timer3.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TTransferEngine::Timer1Timer);
    connect(&Timer3, &QTimer::timeout, this, &TTransferEngine::Timer3Timer);

    // The radio's link settings.
    HComm1.SetFlowControl(Comm::XonXoff);
    HComm1.SetEventType(Comm::CharEvent);
    HComm1.SetEventChar(13);
    HComm1.SetInBuffSize(1024);
    HComm1.SetOutBuffSize(1024);
    HComm1.SetXonSendSize(256);
    HComm1.SetXoffSendSize(768);
    // The radio may hold the line with XOFF for as long as it may take to
    // reply; a command waits that long before its write fails.
    HComm1.SetFlowHoldLimit(Protocol::kReplyTimeout);

    // Runs on the receive thread: only hand the event over to this object's
    // thread. The reply is read there, so the queue is never touched here.
    HComm1.OnCommEvent = [this](THComm *, uint32_t &) {
        QMetaObject::invokeMethod(this, "HComm1CommEvent", Qt::QueuedConnection);
    };
}

TTransferEngine::~TTransferEngine()
{
    // Joins the receive thread before this object goes away, so no further
    // event can be queued onto it.
    HComm1.CloseCommport();
}

QString TTransferEngine::NormalizedPortName(const QString &portName)
{
    const QString name = portName.trimmed().toUpper();
    if (name == QLatin1String("COM2") || name == QLatin1String("COM3")
        || name == QLatin1String("COM4"))
        return name;
    return QStringLiteral("COM1");
}

QString TTransferEngine::WithFailureNote(const QString &message) const
{
    const QString note = FailureNote();
    return note.isEmpty() ? message : message + QLatin1Char('\n') + note;
}

QString TTransferEngine::WithDetail(const QString &message, const QString &detail) const
{
    if (detail.isEmpty())
        return message;
    return message + QLatin1Char('\n') + detail;
}

bool TTransferEngine::Start(const QString &portName, const QString &devicePath)
{
    StopAll();
    failed_ = false;
    doc_ = &host_.TransferDocument();
    progress_ = 0;
    host_.TransferProgress(0);

    const QString name = NormalizedPortName(portName);
    HComm1.SetCommPort(PortOfName(name));
    devicePath_ = devicePath.isEmpty() ? CommDevicePath(name) : devicePath;
    portLabel_ = devicePath.isEmpty() ? name : QString();
    HComm1.SetDevicePath(devicePath_);
    if (!HComm1.CheckCommportValid(name)) {
        state_ = State::Waiting;
        failed_ = true;
        host_.TransferMessage(WithFailureNote(WithDetail(
            QCoreApplication::translate("Transfer", kInvalidPortMessage),
            OpenProblemText(devicePath_, portLabel_, HComm1.LastOpenError()))));
        return false;
    }

    step_ = tsWake;
    try {
        HComm1.OpenCommport();
    } catch (const ECommError &error) {
        state_ = State::Waiting;
        failed_ = true;
        host_.TransferCommError(WithFailureNote(WithDetail(
            error.Message(), OpenProblemText(devicePath_, portLabel_, HComm1.LastOpenError()))));
        return false;
    }
    state_ = State::Running;
    try {
        Begin();
    } catch (const ECommError &error) {
        CommFailure(error);
        return false;
    }
    cancel_ = false;
    return true;
}

void TTransferEngine::Cancel()
{
    if (state_ == State::Idle)
        return;
    Timer1.stop();
    cancel_ = true;
    Timer3.start();
}

void TTransferEngine::HComm1CommEvent()
{
    // Late events (after the end, after Cancel closed the port, or a second
    // event for bytes an earlier one already took) find nothing to do.
    if (state_ != State::Running || !HComm1.GetPortStatus())
        return;
    try {
        QByteArray line;
        if (!TakeLine(&line))
            return;
        remainingMs_ = Timer1.isActive() ? Timer1.remainingTime() : 0;
        Timer1.stop();
        if (cancel_)
            step_ = tsCancelled;
        HandleReply(line);
    } catch (const ECommError &error) {
        CommFailure(error);
    }
}

bool TTransferEngine::TakeLine(QByteArray *line)
{
    for (;;) {
        const int32_t waiting = HComm1.CountInBuff();
        if (waiting <= 0)
            break;
        const int start = pending_.size();
        pending_.resize(start + waiting);
        const uint32_t got = HComm1.ReadData(pending_.data() + start, uint32_t(waiting));
        pending_.resize(start + int(got));
        if (got == 0)
            break;
    }
    const int last = pending_.lastIndexOf('\r');
    if (last < 0) {
        if (pending_.size() > kPendingLimit)
            pending_.remove(0, pending_.size() - kPendingLimit);
        return false;
    }
    // One command is outstanding, so the last whole line is its reply.
    // Lines before it are stale (typically the radio's answer to the empty
    // wake-up line arriving together with the echo of "AI 0"); glued to the
    // reply they would spoil it. An empty line that follows the reply in the
    // same batch (a stray carriage return) is no reply of its own.
    const auto lineBefore = [this](int end) {
        const int previous = end > 0 ? pending_.lastIndexOf('\r', end - 1) : -1;
        return std::make_pair(previous, pending_.mid(previous + 1, end - previous));
    };
    const auto isEmpty = [](const QByteArray &bytes) {
        return bytes.count('\r') + bytes.count('\n') == bytes.size();
    };
    auto [previous, chosen] = lineBefore(last);
    while (isEmpty(chosen) && previous >= 0) {
        const auto [before, candidate] = lineBefore(previous);
        if (!isEmpty(candidate)) {
            chosen = candidate;
            break;
        }
        previous = before;
    }
    *line = chosen;
    pending_.remove(0, last + 1);
    return true;
}

void TTransferEngine::PurgeInput()
{
    HComm1.ClearInBuff();
    pending_.clear();
}

void TTransferEngine::ResumeReplyTimer()
{
    Timer1.start(qMax(1, remainingMs_));
}

void TTransferEngine::Timer1Timer()
{
    Timer1.stop();
    if (state_ != State::Running)
        return;
    // A line that hung up says so rather than blaming the radio.
    const int lineError = HComm1.LineError();
    StopAll();
    failed_ = true;
    host_.TransferMessage(WithFailureNote(WithDetail(
        QCoreApplication::translate("Transfer", kTimeoutMessage), lineError != 0 ? LineProblemText(devicePath_, portLabel_, lineError)
                                                       : NoReplyText(devicePath_, portLabel_))));
    AfterTimeout();
    host_.TransferFinished(TTransferOutcome::TimedOut);
}

void TTransferEngine::Timer3Timer()
{
    Timer3.stop();
    Timer1.stop();
    if (state_ == State::Idle)
        return;
    FinishCancelled();
}

void TTransferEngine::SendLine(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    if (!bytes.isEmpty())
        HComm1.WriteData(bytes.constData(), uint32_t(bytes.size()));
    const char cr = '\r';
    HComm1.WriteData(&cr, 1);
    Timer1.start(Protocol::kReplyTimeout);
}

void TTransferEngine::SetProgress(int position)
{
    if (position == progress_)
        return;
    progress_ = position;
    host_.TransferProgress(position);
}

void TTransferEngine::StopAll()
{
    Timer1.stop();
    Timer3.stop();
    HComm1.CloseCommport();
    pending_.clear();
    state_ = State::Idle;
}

void TTransferEngine::WrongRadio()
{
    // The port is closed before the message so that nothing arrives while
    // the message box runs its own event loop.
    StopAll();
    failed_ = true;
    host_.TransferEnable(false);
    host_.TransferMessage(WithFailureNote(QCoreApplication::translate("Transfer", kWrongRadioMessage)));
    host_.TransferEnable(true);
    AfterWrongRadio();
    host_.TransferFinished(TTransferOutcome::WrongRadio);
}

void TTransferEngine::EchoingLine()
{
    StopAll();
    failed_ = true;
    host_.TransferEnable(false);
    host_.TransferMessage(WithFailureNote(WithDetail(
        QCoreApplication::translate("Transfer", kEchoMessage),
        QCoreApplication::translate("Transfer", "%1: \"ID\" came back as it was sent.").arg(devicePath_))));
    host_.TransferEnable(true);
    AfterWrongRadio();
    host_.TransferFinished(TTransferOutcome::WrongRadio);
}

void TTransferEngine::IdentificationFailed(Protocol::TIdentification verdict)
{
    switch (verdict) {
    case Protocol::TIdentification::Wait:
        ResumeReplyTimer();
        break;
    case Protocol::TIdentification::Echo:
        EchoingLine();
        break;
    default:
        WrongRadio();
        break;
    }
}

void TTransferEngine::CommFailure(const ECommError &error)
{
    CommFailure(WithDetail(error.Message(), error.Code() != 0
                                                ? LineProblemText(devicePath_, portLabel_, error.Code())
                                                : QString()));
}

void TTransferEngine::CommFailure(const QString &message)
{
    // A line that failed (a pulled cable, a vanished device) cannot carry
    // the transfer on: close it, say why, and leave the end to Cancel.
    StopAll();
    state_ = State::Waiting;
    failed_ = true;
    host_.TransferCommError(WithFailureNote(message));
}
