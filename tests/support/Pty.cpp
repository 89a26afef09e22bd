#include "support/Pty.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

TestPty::TestPty()
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        return;
    char name[128];
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0
        || ::ptsname_r(master_, name, sizeof name) != 0) {
        ::close(master_);
        master_ = -1;
        return;
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);
}

TestPty::~TestPty()
{
    CloseMaster();
}

bool TestPty::Write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (written > 0) {
            done += written;
        } else if (written < 0 && errno == EAGAIN) {
            pollfd fd = {master_, POLLOUT, 0};
            if (::poll(&fd, 1, 5000) <= 0)
                return false;
        } else if (!(written < 0 && errno == EINTR)) {
            return false;
        }
    }
    return true;
}

QByteArray TestPty::Read(int count, int timeoutMs)
{
    QByteArray got;
    char chunk[4096];
    while (got.size() < count) {
        pollfd fd = {master_, POLLIN, 0};
        if (::poll(&fd, 1, timeoutMs) <= 0)
            break;
        const ssize_t n = ::read(master_, chunk, std::min<size_t>(sizeof chunk, size_t(count - got.size())));
        if (n > 0)
            got.append(chunk, n);
        else if (!(n < 0 && (errno == EAGAIN || errno == EINTR)))
            break;
    }
    return got;
}

void TestPty::CloseMaster()
{
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

ScopedCommDevice::ScopedCommDevice(int portNumber, const QString &path)
    : variable_("VXL_R381_COM" + QByteArray::number(portNumber))
{
    const char *old = ::getenv(variable_.constData());
    hadPrevious_ = old != nullptr;
    if (old)
        previous_ = old;
    ::setenv(variable_.constData(), path.toLocal8Bit().constData(), 1);
}

ScopedCommDevice::~ScopedCommDevice()
{
    if (hadPrevious_)
        ::setenv(variable_.constData(), previous_.constData(), 1);
    else
        ::unsetenv(variable_.constData());
}

bool WaitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
