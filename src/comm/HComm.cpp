#include "HComm.h"

#include "LineSpeed.h"
#include "LineState.h"
#include "ReadThread.h"
#include "SerialTrace.h"

#include <QByteArray>
#include <QtGlobal>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

using namespace Comm;

namespace {

using Clock = std::chrono::steady_clock;

const char *const kOpenError = "CommOpen Error,invalid HANDLE:0xFFFFFFFF";
const char *const kNotStarted = "Have not started communications";
const char *const kReadError = "Communication Read Error  ErrorMask=%d";
const char *const kWriteError = "Communication Write Error  ErrorMask=%d";
const char *const kReadTimeout = "Read data Timeout";
const char *const kWriteTimeout = "Write data Timeout";
const char *const kTooMuch = "Too much write data";

// Port time-outs: a transfer of n bytes ends after 5 ms per byte + 1000 ms
// or after n x 100 ms, whichever comes first; a read also ends 1000 ms
// after the last byte it received.
constexpr int64_t kIntervalMs = 1000;

Clock::time_point TransferDeadline(Clock::time_point start, uint32_t n)
{
    const int64_t total = 5 * int64_t(n) + 1000;
    const int64_t deadline = 100 * int64_t(n);
    return start + std::chrono::milliseconds(std::min(total, deadline));
}

std::mutex reportMutex;
TCommErrorReport errorReport;

uint32_t BitRate(TBaudRate rate)
{
    static const uint32_t rates[] = {600, 1200, 2400, 4800, 9600, 14400,
                                     19200, 38400, 56000, 57600, 115200, 128000};
    return rates[rate];
}

// The termios constant for a bit rate; B0 when there is none.
speed_t StandardSpeed(uint32_t bps)
{
    switch (bps) {
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
    }
}

// DTR is held on except under DTR/DSR handshake, RTS except under RTS/CTS.
// Terminals have no DTR/DSR handshake, so DTR stays on there too; RTS is
// left to the driver while CRTSCTS runs. Pseudo-terminals have no modem
// lines: that failure (and only that one) is ignored.
bool RaiseModemLines(int fd, TFlowControl flow)
{
    int lines = TIOCM_DTR;
    if (flow != RtsCts)
        lines |= TIOCM_RTS;
    if (::ioctl(fd, TIOCMBIS, &lines) == 0)
        return true;
    return errno == ENOTTY || errno == EINVAL;
}

// Writes the line state; the bit rates without a termios constant go
// through the arbitrary-speed interface afterwards.
bool WriteLineState(int fd, termios &tio, uint32_t bps, bool setSpeed)
{
    const speed_t standard = StandardSpeed(bps);
    if (setSpeed) {
        cfsetispeed(&tio, standard != B0 ? standard : B9600);
        cfsetospeed(&tio, standard != B0 ? standard : B9600);
    }
    if (::tcsetattr(fd, TCSANOW, &tio) != 0)
        return false;
    if (setSpeed && standard == B0)
        return SetArbitraryLineSpeed(fd, bps);
    return true;
}

// Opens a device for reading and writing, without becoming its controlling
// terminal, and locks it against every other opener: flock() for everyone
// (root passes TIOCEXCL), then TIOCEXCL for programs that do not lock.
// A probe only tests the lock and leaves the exclusive flag alone, since
// it would outlive the probe on a device somebody else holds open.
// *error receives errno of a failure (EBUSY for a lock held elsewhere).
int OpenDevice(const QString &devicePath, bool probe, int *error)
{
    const QByteArray path = devicePath.toLocal8Bit();
    *error = 0;
    if (path.isEmpty()) {
        *error = ENOENT;
        return -1;
    }
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    if (!::isatty(fd)) {
        *error = ENOTTY;
        ::close(fd);
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        *error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return -1;
    }
    if (!probe && ::ioctl(fd, TIOCEXCL) != 0) {
        *error = errno;
        ::close(fd);
        return -1;
    }
    return fd;
}

// Runs action(fd) on an open port under its ioMutex; nothing when closed.
template <typename Action>
void WithDevice(const std::shared_ptr<TCommLink> &link, Action action)
{
    if (!link)
        return;
    std::lock_guard<std::mutex> io(link->ioMutex);
    if (link->fd >= 0)
        action(link->fd);
}

void CloseDevice(int fd)
{
    ::ioctl(fd, TIOCNXCL);
    ::close(fd); // releases the flock() too
}

} // namespace

ECommError::ECommError(const char *format, int value)
    : std::runtime_error(QString::asprintf(format, value).toStdString()), code_(value)
{
}

ECommError::ECommError(int code, const char *message) : std::runtime_error(message), code_(code) {}

void SetCommErrorReport(TCommErrorReport report)
{
    std::lock_guard<std::mutex> lock(reportMutex);
    errorReport = std::move(report);
}

void ReportCommError(const QString &message)
{
    TCommErrorReport report;
    {
        std::lock_guard<std::mutex> lock(reportMutex);
        report = errorReport;
    }
    if (report)
        report(message);
    else
        qWarning("%s", qPrintable(message));
}

QString DefaultCommDevice(const QString &name)
{
    static const QString names[] = {QStringLiteral("COM1"), QStringLiteral("COM2"),
                                    QStringLiteral("COM3"), QStringLiteral("COM4")};
    for (int i = 0; i < 4; ++i) {
        if (name != names[i])
            continue;
        const QByteArray variable = "VXL_R381_COM" + QByteArray::number(i + 1);
        const QByteArray fromEnvironment = qgetenv(variable.constData());
        if (!fromEnvironment.isEmpty())
            return QString::fromLocal8Bit(fromEnvironment);
        return QStringLiteral("/dev/ttyS%1").arg(i);
    }
    return name;
}

// Properties are atomics so that any thread may read them; the port state
// (link and receive thread) is guarded by portMutex.
struct THComm::Impl {
    std::atomic<TCommPort> commPort{Com1};
    std::atomic<TBaudRate> baudRate{___9600bps};
    std::atomic<TParity> parity{None};
    std::atomic<TByteSize> byteSize{_8bit};
    std::atomic<TStopBits> stopBits{_1bit};
    std::atomic<TFlowControl> flowControl{Disable};
    std::atomic<TEventType> eventType{RxEvent};
    std::atomic<uint32_t> inBuffSize{4096};
    std::atomic<uint32_t> outBuffSize{4096};
    std::atomic<uint32_t> rxThreshold{256};
    std::atomic<uint16_t> rxStartSize{1024};
    std::atomic<uint16_t> rxStopSize{2048};
    std::atomic<uint16_t> eventChar{65};
    std::atomic<uint32_t> flowHoldLimit{0};

    mutable std::mutex portMutex;
    QString deviceName = QStringLiteral("COM1");
    QString devicePath;  // handed in; empty: the default of deviceName
    QString openedPath;  // opened or last tried
    int lastOpenError = 0;
    std::shared_ptr<TCommLink> link;
    std::unique_ptr<TReadThread> thread;

    // The device behind name: the handed-in path for our own port name.
    // Called with portMutex held.
    QString PathOf(const QString &name) const
    {
        if (name == deviceName && !devicePath.isEmpty())
            return devicePath;
        return DefaultCommDevice(name);
    }

    std::shared_ptr<TCommLink> Link() const
    {
        std::lock_guard<std::mutex> lock(portMutex);
        return link;
    }

    // Reads the line state of an open port, lets change() alter its own
    // items and writes it back. Nothing when closed.
    template <typename Change>
    void UpdateLine(Change change, bool setSpeed = false)
    {
        const std::shared_ptr<TCommLink> open = Link();
        if (!open)
            return;
        std::lock_guard<std::mutex> io(open->ioMutex);
        if (open->fd < 0)
            return;
        termios tio;
        if (::tcgetattr(open->fd, &tio) != 0)
            return;
        change(tio);
        WriteLineState(open->fd, tio, BitRate(baudRate), setSpeed);
    }
};

THComm::THComm() : d(new Impl) {}

THComm::~THComm()
{
    CloseCommport();
    delete d;
}

TCommPort THComm::CommPort() const { return d->commPort; }
TBaudRate THComm::BaudRate() const { return d->baudRate; }
TParity THComm::Parity() const { return d->parity; }
TByteSize THComm::ByteSize() const { return d->byteSize; }
TStopBits THComm::StopBits() const { return d->stopBits; }
TFlowControl THComm::FlowControl() const { return d->flowControl; }
TEventType THComm::EventType() const { return d->eventType; }
uint32_t THComm::InBuffSize() const { return d->inBuffSize; }
uint32_t THComm::OutBuffSize() const { return d->outBuffSize; }
uint32_t THComm::RxThreshold() const { return d->rxThreshold; }
uint16_t THComm::RxStartSize() const { return d->rxStartSize; }
uint16_t THComm::RxStopSize() const { return d->rxStopSize; }
uint16_t THComm::EventChar() const { return d->eventChar; }
uint16_t THComm::XonLimit() const { return d->rxStartSize; }
uint16_t THComm::XoffLimit() const { return uint16_t(d->inBuffSize - d->rxStopSize); }
uint32_t THComm::FlowHoldLimit() const { return d->flowHoldLimit; }
void THComm::SetFlowHoldLimit(uint32_t milliseconds) { d->flowHoldLimit = milliseconds; }

QString THComm::DeviceName() const
{
    std::lock_guard<std::mutex> lock(d->portMutex);
    return d->deviceName;
}

void THComm::SetCommPort(TCommPort value)
{
    if (d->commPort == value)
        return;
    d->commPort = value;
    std::lock_guard<std::mutex> lock(d->portMutex);
    d->deviceName = QStringLiteral("COM%1").arg(int(value) + 1);
    d->devicePath.clear();
}

QString THComm::DevicePath() const
{
    std::lock_guard<std::mutex> lock(d->portMutex);
    return d->devicePath;
}

void THComm::SetDevicePath(const QString &path)
{
    std::lock_guard<std::mutex> lock(d->portMutex);
    d->devicePath = path;
}

int THComm::LineError() const
{
    const std::shared_ptr<TCommLink> link = d->Link();
    if (!link)
        return 0;
    std::lock_guard<std::mutex> lock(link->mutex);
    return link->lineError;
}

QString THComm::OpenedPath() const
{
    std::lock_guard<std::mutex> lock(d->portMutex);
    return d->openedPath;
}

int THComm::LastOpenError() const
{
    std::lock_guard<std::mutex> lock(d->portMutex);
    return d->lastOpenError;
}

void THComm::SetBaudRate(TBaudRate value)
{
    if (d->baudRate == value)
        return;
    d->baudRate = value;
    d->UpdateLine([](termios &) {}, true);
}

void THComm::SetParity(TParity value)
{
    if (d->parity == value)
        return;
    d->parity = value;
    d->UpdateLine([value](termios &tio) { PutParity(tio, value); });
}

void THComm::SetByteSize(TByteSize value)
{
    if (d->byteSize == value)
        return;
    d->byteSize = value;
    d->UpdateLine([value](termios &tio) { PutByteSize(tio, value); });
}

void THComm::SetStopBits(TStopBits value)
{
    if (d->stopBits == value)
        return;
    d->stopBits = value;
    d->UpdateLine([value](termios &tio) { PutStopBits(tio, value); });
}

void THComm::SetFlowControl(TFlowControl value)
{
    if (d->flowControl == value)
        return;
    d->flowControl = value;
    d->UpdateLine([value](termios &tio) { PutFlowControl(tio, value); });
    WithDevice(d->Link(), [value](int fd) { RaiseModemLines(fd, value); });
}

void THComm::SetEventType(TEventType value) { d->eventType = value; }
void THComm::SetInBuffSize(uint32_t value) { d->inBuffSize = value; }
void THComm::SetOutBuffSize(uint32_t value) { d->outBuffSize = value; }
void THComm::SetRxThreshold(uint32_t value) { d->rxThreshold = value; }
void THComm::SetXonSendSize(uint16_t value) { d->rxStartSize = value; }
void THComm::SetXoffSendSize(uint16_t value) { d->rxStopSize = value; }

void THComm::SetEventChar(uint16_t value)
{
    if (d->eventChar == value)
        return;
    d->eventChar = value;
    if (const std::shared_ptr<TCommLink> open = d->Link())
        open->eventChar = uint8_t(value & 0xFF);
}

void THComm::OpenCommport()
{
    std::lock_guard<std::mutex> lock(d->portMutex);
    if (d->link)
        return;

    d->openedPath = d->PathOf(d->deviceName);
    const int fd = OpenDevice(d->openedPath, false, &d->lastOpenError);
    if (fd < 0)
        throw ECommError(kOpenError);

    // Raw bytes both ways: no line editing, echo, signals or translation.
    termios tio;
    bool ok = ::tcgetattr(fd, &tio) == 0;
    if (ok) {
        cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        tio.c_cc[VMIN] = 1;
        tio.c_cc[VTIME] = 0;
        PutParity(tio, d->parity);
        PutByteSize(tio, d->byteSize);
        PutStopBits(tio, d->stopBits);
        PutFlowControl(tio, d->flowControl);
        ok = WriteLineState(fd, tio, BitRate(d->baudRate), true)
            && RaiseModemLines(fd, d->flowControl);
    }
    int wake[2] = {-1, -1};
    if (ok)
        ok = ::pipe2(wake, O_CLOEXEC | O_NONBLOCK) == 0;
    if (!ok) {
        d->lastOpenError = errno;
        CloseDevice(fd);
        throw ECommError(kOpenError);
    }
    ::tcflush(fd, TCIOFLUSH);

    // A queue of no bytes could never be read from.
    const uint32_t capacity = std::max<uint32_t>(1, d->inBuffSize);
    auto link = std::make_shared<TCommLink>(fd, wake[0], wake[1], capacity, d->eventType,
                                            uint8_t(d->eventChar & 0xFF));
    link->traceDevice = d->openedPath; // before the receive thread reads it
    try {
        d->thread = std::make_unique<TReadThread>(link, this);
    } catch (const std::exception &) {
        link->fd = -1;
        CloseDevice(fd);
        throw ECommError(kOpenError);
    }
    if (lcSerial().isDebugEnabled())
        TraceNote(d->openedPath, QStringLiteral("open %1 bit/s").arg(BitRate(d->baudRate)));
    d->link = std::move(link);
}

void THComm::CloseCommport()
{
    std::shared_ptr<TCommLink> link;
    std::unique_ptr<TReadThread> thread;
    {
        std::lock_guard<std::mutex> lock(d->portMutex);
        if (!d->link)
            return;
        link = std::move(d->link);
        thread = std::move(d->thread);
    }
    link->RequestStop();
    if (thread->IsCurrent()) {
        // Called from our own OnCommEvent handler: the thread cannot wait
        // for itself. It ends its loop once the handler returns, touching
        // only the link, and frees itself then.
        thread.release()->ReleaseWhenDone();
    } else {
        thread->Join();
        thread.reset();
    }
    // The receive thread no longer touches the device; callers on other
    // threads have been woken and give it up under ioMutex.
    std::lock_guard<std::mutex> io(link->ioMutex);
    std::lock_guard<std::mutex> lock(link->mutex);
    if (lcSerial().isDebugEnabled()) {
        link->txTrace.Flush(link->traceDevice, '>');
        link->rxTrace.Flush(link->traceDevice, '<');
        TraceNote(link->traceDevice, QStringLiteral("close"));
    }
    link->queue.clear();
    if (link->fd >= 0) {
        ::tcflush(link->fd, TCIOFLUSH);
        CloseDevice(link->fd);
        link->fd = -1;
    }
}

bool THComm::CheckCommportValid(const QString &name) const
{
    std::lock_guard<std::mutex> lock(d->portMutex);
    const QString path = d->PathOf(name);
    if (d->link && name == d->deviceName)
        return true;
    // The probe holds portMutex only for an open and a close: neither can
    // block on a device opened non-blocking.
    int error = 0;
    const int fd = OpenDevice(path, true, &error);
    d->lastOpenError = error;
    if (!d->link)
        d->openedPath = path;
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool THComm::GetPortStatus() const
{
    std::lock_guard<std::mutex> lock(d->portMutex);
    return d->link != nullptr;
}

uint32_t THComm::ReadData(void *buffer, uint32_t n)
{
    const std::shared_ptr<TCommLink> link = d->Link();
    if (!link)
        throw ECommError(kNotStarted);
    if (n == 0)
        return 0;

    auto *out = static_cast<unsigned char *>(buffer);
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = TransferDeadline(start, n);
    Clock::time_point lastByte = start;
    uint32_t got = 0;

    std::unique_lock<std::mutex> lock(link->mutex);
    for (;;) {
        const size_t take = std::min<size_t>(link->queue.size(), n - got);
        if (take > 0) {
            std::copy_n(link->queue.begin(), take, out + got);
            link->queue.erase(link->queue.begin(), link->queue.begin() + take);
            got += uint32_t(take);
            lastByte = Clock::now();
            link->spaceFreed.notify_all();
        }
        if (got == n)
            return n;
        if (link->closing)
            throw ECommError(kNotStarted);
        if (link->lineError) {
            if (got > 0)
                return got;
            throw ECommError(kReadError, link->lineError);
        }
        Clock::time_point until = deadline;
        if (got > 0)
            until = std::min(until, lastByte + std::chrono::milliseconds(kIntervalMs));
        if (Clock::now() >= until)
            break;
        link->dataArrived.wait_until(lock, until);
    }
    // A read that got nothing at all is a failure, not an empty success.
    if (got == 0)
        throw ECommError(kReadTimeout);
    return got;
}

std::string THComm::ReadStringData(uint32_t n)
{
    std::string text(n, '\0');
    text.resize(ReadData(text.data(), n));
    return text;
}

void THComm::WriteData(const void *buffer, uint32_t n)
{
    const std::shared_ptr<TCommLink> link = d->Link();
    if (!link)
        throw ECommError(kNotStarted);
    std::lock_guard<std::mutex> io(link->ioMutex);
    if (link->fd < 0)
        throw ECommError(kNotStarted);
    {
        std::lock_guard<std::mutex> lock(link->mutex);
        if (link->closing)
            throw ECommError(kNotStarted);
        if (link->lineError)
            throw ECommError(kWriteError, link->lineError);
    }
    // A driver that cannot count its output queue is taken as empty; a
    // failing line shows in the write itself.
    int queued = 0;
    if (::ioctl(link->fd, TIOCOUTQ, &queued) != 0)
        queued = 0;
    // A write must leave at least one byte of the output queue free.
    if (int64_t(d->outBuffSize) - queued <= int64_t(n))
        throw ECommError(kTooMuch);

    const auto *data = static_cast<const unsigned char *>(buffer);
    // A line held by flow control may be waited for as long as the owner
    // allows (a radio may hold XOFF for as long as it may take to reply).
    const Clock::time_point now = Clock::now();
    const Clock::time_point deadline =
        std::max(TransferDeadline(now, n), now + std::chrono::milliseconds(d->flowHoldLimit.load()));
    uint32_t done = 0;
    while (done < n) {
        const ssize_t written = ::write(link->fd, data + done, n - done);
        if (written > 0) {
            done += uint32_t(written);
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno != EAGAIN)
            throw ECommError(kWriteError, errno);
        // The driver takes no more for now (flow control holds the line):
        // wait for room, for the port to be closed, or for the deadline.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            throw ECommError(ETIMEDOUT, kWriteTimeout);
        pollfd fds[2] = {{link->fd, POLLOUT, 0}, {link->wakeRead, POLLIN, 0}};
        const int ready = ::poll(fds, 2, int(std::min<int64_t>(left, 60000)));
        if (ready < 0 && errno != EINTR)
            throw ECommError(kWriteError, errno);
        if (fds[1].revents)
            throw ECommError(kNotStarted);
        if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) && !(fds[0].revents & POLLOUT))
            throw ECommError(kWriteError, (fds[0].revents & POLLNVAL) ? EBADF : EIO);
    }
    if (lcSerial().isDebugEnabled())
        link->txTrace.Feed(link->traceDevice, '>', static_cast<const char *>(buffer), n);
}

void THComm::WriteStringData(const std::string &text)
{
    WriteData(text.data(), uint32_t(text.size()));
}

void THComm::WriteStop()
{
    WithDevice(d->Link(), [](int fd) { ::ioctl(fd, TIOCSBRK); });
}

void THComm::WriteRestart()
{
    WithDevice(d->Link(), [](int fd) { ::ioctl(fd, TIOCCBRK); });
}

void THComm::ClearInBuff()
{
    const std::shared_ptr<TCommLink> link = d->Link();
    WithDevice(link, [&](int fd) {
        {
            // Under the queue lock, so that no byte the receive thread has
            // just read from the driver survives the purge.
            std::lock_guard<std::mutex> lock(link->mutex);
            link->queue.clear();
            ::tcflush(fd, TCIFLUSH);
        }
        link->spaceFreed.notify_all();
    });
}

void THComm::ClearOutBuff()
{
    WithDevice(d->Link(), [](int fd) { ::tcflush(fd, TCOFLUSH); });
}

int32_t THComm::CountInBuff() const
{
    const std::shared_ptr<TCommLink> link = d->Link();
    if (!link)
        return -1;
    std::lock_guard<std::mutex> lock(link->mutex);
    return int32_t(link->queue.size());
}

int32_t THComm::CountOutBuff() const
{
    const std::shared_ptr<TCommLink> link = d->Link();
    if (!link)
        return -1;
    int queued = 0;
    WithDevice(link, [&](int fd) {
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0)
            queued = 0;
    });
    return queued;
}

void THComm::CreateCommEvent()
{
    const std::shared_ptr<TCommLink> link = d->Link();
    if (!link)
        return;
    uint32_t size;
    {
        std::lock_guard<std::mutex> lock(link->mutex);
        size = uint32_t(link->queue.size());
    }
    if (link->eventType == RxEvent && size < d->rxThreshold)
        return;
    // A copy: the handler may close the port or even destroy this component.
    const TCommEvent handler = OnCommEvent;
    if (handler)
        handler(this, size);
}
