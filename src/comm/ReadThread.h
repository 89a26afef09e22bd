// The state an open port shares between the component (called from any
// thread) and its receive thread, and the receive thread itself.
#pragma once

#include "HComm.h"
#include "SerialTrace.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

// One open port. Lives as long as anybody still uses it: the component
// while open, the receive thread until its loop has ended, and a caller
// that is in the middle of an operation.
struct TCommLink {
    TCommLink(int deviceFd, int wakeReadFd, int wakeWriteFd, uint32_t capacity,
              TEventType type, uint8_t character);
    ~TCommLink();
    TCommLink(const TCommLink &) = delete;
    TCommLink &operator=(const TCommLink &) = delete;

    // Marks the link as closing, wakes every waiter (the receive thread's
    // poll through the wake pipe, readers through the condition variables).
    // The wake pipe is never drained, so it stays readable from now on.
    void RequestStop();

    // Device descriptor, -1 once closed. Callers use it under ioMutex; it
    // is closed (under ioMutex and mutex) only after the receive thread
    // has stopped touching it.
    int fd;
    const int wakeRead;
    const int wakeWrite;
    const uint32_t queueCapacity;
    const TEventType eventType; // fixed at open
    std::atomic<uint8_t> eventChar;

    // Serialises the callers' use of fd against closing it.
    std::mutex ioMutex;

    // Guards everything below.
    std::mutex mutex;
    std::condition_variable dataArrived; // bytes queued, error, closing
    std::condition_variable spaceFreed;  // the queue has room again, closing
    std::deque<uint8_t> queue;           // at most queueCapacity bytes
    bool closing = false;
    int lineError = 0; // errno of a failed device (far end hung up): no more input
    TTraceLines rxTrace; // received lines for the serial trace (under mutex)

    TTraceLines txTrace; // sent lines for the serial trace (under ioMutex)
    QString traceDevice; // the device path, fixed at open
};

// Hands the message of an exception that escaped an OnCommEvent handler to
// the report installed with SetCommErrorReport.
void ReportCommError(const QString &message);

// The receive thread: waits in poll() on the device and the wake pipe,
// drains the device into the link's queue while it has room and raises the
// owner's OnCommEvent through CreateCommEvent. Owned by the component; when
// the component is closed from inside its own OnCommEvent handler, the
// thread takes itself over and deletes itself once its loop has ended.
class TReadThread {
public:
    TReadThread(std::shared_ptr<TCommLink> link, THComm *owner);
    ~TReadThread();
    TReadThread(const TReadThread &) = delete;
    TReadThread &operator=(const TReadThread &) = delete;

    // True when called on this receive thread (from an OnCommEvent handler).
    bool IsCurrent() const;
    // Waits for the loop to end (the link must have been asked to stop).
    void Join();
    // Called on the receive thread itself: let the loop end on its own and
    // free this object then.
    void ReleaseWhenDone();

private:
    void Execute();
    bool DrainDevice(short revents); // true when an event is due

    std::shared_ptr<TCommLink> link_;
    THComm *const owner_;
    const int deviceFd_;
    bool selfOwned_ = false; // touched only on the receive thread
    std::thread worker_;
};
