#include "ReadThread.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>

TCommLink::TCommLink(int deviceFd, int wakeReadFd, int wakeWriteFd, uint32_t capacity,
                     TEventType type, uint8_t character)
    : fd(deviceFd), wakeRead(wakeReadFd), wakeWrite(wakeWriteFd),
      queueCapacity(capacity), eventType(type), eventChar(character)
{
}

TCommLink::~TCommLink()
{
    // The device itself is closed by CloseCommport; only the pipe is left.
    if (fd >= 0)
        ::close(fd);
    ::close(wakeRead);
    ::close(wakeWrite);
}

void TCommLink::RequestStop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (closing)
            return;
        closing = true;
    }
    dataArrived.notify_all();
    spaceFreed.notify_all();
    const char byte = 1;
    while (::write(wakeWrite, &byte, 1) < 0 && errno == EINTR) {
    }
}

TReadThread::TReadThread(std::shared_ptr<TCommLink> link, THComm *owner)
    : link_(std::move(link)), owner_(owner), deviceFd_(link_->fd)
{
    worker_ = std::thread([this] { Execute(); });
}

TReadThread::~TReadThread()
{
    if (worker_.joinable()) {
        // Never reached through the component, which joins or hands over.
        link_->RequestStop();
        if (IsCurrent())
            worker_.detach();
        else
            worker_.join();
    }
}

namespace {
// The receive thread running on this thread, if any.
thread_local const TReadThread *currentReadThread = nullptr;
}

bool TReadThread::IsCurrent() const
{
    return currentReadThread == this;
}

void TReadThread::Join()
{
    if (worker_.joinable())
        worker_.join();
}

void TReadThread::ReleaseWhenDone()
{
    selfOwned_ = true;
    worker_.detach();
}

// Reads what the device has, as far as the queue has room. Runs under the
// link's mutex, so a purge (ClearInBuff) never races with bytes in flight.
bool TReadThread::DrainDevice(short revents)
{
    TCommLink &link = *link_;
    std::unique_lock<std::mutex> lock(link.mutex);
    if (link.closing || link.lineError)
        return false;
    unsigned char chunk[4096];
    const size_t room = link.queueCapacity - link.queue.size();
    if (room == 0)
        return false;
    const ssize_t got = ::read(deviceFd_, chunk, room < sizeof chunk ? room : sizeof chunk);
    if (got > 0) {
        link.queue.insert(link.queue.end(), chunk, chunk + got);
        if (lcSerial().isDebugEnabled())
            link.rxTrace.Feed(link.traceDevice, '<', reinterpret_cast<const char *>(chunk), size_t(got));
        const bool due = link.eventType == Comm::RxEvent
            || std::memchr(chunk, link.eventChar.load(), size_t(got)) != nullptr;
        lock.unlock();
        link.dataArrived.notify_all();
        return due;
    }
    if (got == 0) {
        link.lineError = EIO; // end of file: the line was hung up
    } else if (errno == EAGAIN || errno == EINTR) {
        // Nothing to read after all. A hang-up without data would make
        // poll() report it again at once: remember it instead of spinning.
        if (!(revents & (POLLHUP | POLLERR | POLLNVAL)))
            return false;
        link.lineError = (revents & POLLNVAL) ? EBADF : EIO;
    } else {
        link.lineError = errno;
    }
    lock.unlock();
    link.dataArrived.notify_all();
    return false;
}

void TReadThread::Execute()
{
    currentReadThread = this;
    TCommLink &link = *link_;
    for (;;) {
        bool watchDevice;
        {
            // While the queue is full the device is not read at all, so the
            // driver's flow control holds the sender back.
            std::unique_lock<std::mutex> lock(link.mutex);
            link.spaceFreed.wait(lock, [&] {
                return link.closing || link.lineError != 0 || link.queue.size() < link.queueCapacity;
            });
            if (link.closing)
                break;
            // After a failure of the device only the wake pipe is watched.
            watchDevice = link.lineError == 0;
        }
        pollfd fds[2] = {{link.wakeRead, POLLIN, 0}, {deviceFd_, POLLIN, 0}};
        const int ready = ::poll(fds, watchDevice ? 2 : 1, -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            {
                std::lock_guard<std::mutex> lock(link.mutex);
                if (!link.lineError)
                    link.lineError = error;
            }
            link.dataArrived.notify_all();
            break; // poll() itself failing would otherwise spin
        }
        if (fds[0].revents)
            continue; // closing: the next check ends the loop
        if (!watchDevice || fds[1].revents == 0)
            continue;
        if (!DrainDevice(fds[1].revents))
            continue;
        try {
            owner_->CreateCommEvent();
        } catch (const std::exception &e) {
            ReportCommError(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            ReportCommError(QStringLiteral("Unknown exception in the serial event handler"));
        }
        // The handler may have closed the port (and even destroyed the
        // component): from here on only the link is touched.
    }
    currentReadThread = nullptr;
    if (selfOwned_)
        delete this;
}
