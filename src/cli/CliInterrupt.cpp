#include "CliInterrupt.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t caught = 0;
int wakePipe[2] = {-1, -1};
struct sigaction previous[3];

// Async-signal-safe: a store and a write.
void OnSignal(int signal)
{
    const int savedErrno = errno;
    if (caught == 0)
        caught = signal;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakePipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TCliInterrupts::TCliInterrupts(std::function<void(int signal)> onSignal) : onSignal_(std::move(onSignal))
{
    caught = 0;
    if (::pipe(wakePipe) != 0) {
        // Without the pipe the signals keep their default action.
        wakePipe[0] = wakePipe[1] = -1;
        return;
    }
    for (const int fd : wakePipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    notifier_ = std::make_unique<QSocketNotifier>(wakePipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
        }
        if (caught != 0 && onSignal_)
            onSignal_(int(caught));
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls resume; the event loop learns of the signal
    // through the pipe.
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

TCliInterrupts::~TCliInterrupts()
{
    if (wakePipe[0] < 0)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    notifier_.reset();
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

int TCliInterrupts::Signal() const
{
    return int(caught);
}

QString TCliInterrupts::Name(int signal)
{
    switch (signal) {
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("signal %1").arg(signal);
    }
}
