// SIGINT, SIGTERM and SIGHUP during a radio transfer of the command-line
// tool. Dying on the signal would leave the port's exclusive flag set (on a
// pseudo-terminal the next run then finds the port "busy") and could leave
// a half-written file; instead the transfer is stopped between commands,
// the port closed, and the command ends with 128 + the signal number.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;

// While it lives, the three signals are caught. The handler only records
// the signal and writes a byte into a pipe; the event loop reads the pipe
// and calls onSignal on the main thread, where the transfer can be
// cancelled safely. The previous actions come back on destruction.
class TCliInterrupts {
public:
    explicit TCliInterrupts(std::function<void(int signal)> onSignal = {});
    ~TCliInterrupts();
    TCliInterrupts(const TCliInterrupts &) = delete;
    TCliInterrupts &operator=(const TCliInterrupts &) = delete;

    void SetHandler(std::function<void(int signal)> onSignal) { onSignal_ = std::move(onSignal); }
    // The first signal caught, 0 when none.
    int Signal() const;

    // 128 + signal: 130 for SIGINT, 143 for SIGTERM, 129 for SIGHUP.
    static int ExitCode(int signal) { return 128 + signal; }
    // "SIGINT", "SIGTERM", "SIGHUP".
    static QString Name(int signal);

private:
    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
