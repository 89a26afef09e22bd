// Serial component figures on a pseudo-terminal:
// - latency from a carriage return written on the far end to OnCommEvent
//   running (median and worst of 1000);
// - CPU time used by an open, idle port over a few seconds.
#include "comm/HComm.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

using namespace Comm;

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main()
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char slave[128];
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0
        || ptsname_r(master, slave, sizeof slave) != 0) {
        std::perror("pseudo-terminal");
        return 1;
    }
    setenv("VXL_R381_COM1", slave, 1);

    std::mutex mutex;
    std::condition_variable arrived;
    bool seen = false;
    Clock::time_point seenAt;

    THComm comm;
    comm.SetFlowControl(XonXoff);
    comm.SetEventType(CharEvent);
    comm.SetEventChar(13);
    comm.SetInBuffSize(1024);
    comm.OnCommEvent = [&](THComm *, uint32_t &) {
        const Clock::time_point now = Clock::now();
        {
            std::lock_guard<std::mutex> lock(mutex);
            seen = true;
            seenAt = now;
        }
        arrived.notify_one();
    };
    try {
        comm.OpenCommport();
    } catch (const ECommError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }

    constexpr int kRounds = 1000;
    std::vector<double> micros;
    micros.reserve(kRounds);
    for (int i = 0; i < kRounds; ++i) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            seen = false;
        }
        const Clock::time_point sent = Clock::now();
        if (write(master, "\r", 1) != 1) {
            std::perror("write");
            return 1;
        }
        std::unique_lock<std::mutex> lock(mutex);
        if (!arrived.wait_for(lock, std::chrono::seconds(5), [&] { return seen; })) {
            std::fprintf(stderr, "no event after 5 s in round %d\n", i);
            return 1;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(seenAt - sent).count());
        lock.unlock();
        comm.ClearInBuff();
    }
    std::sort(micros.begin(), micros.end());
    std::printf("carriage return to OnCommEvent over %d rounds: median %.1f us, worst %.1f us\n",
                kRounds, micros[micros.size() / 2], micros.back());

    constexpr int kIdleSeconds = 3;
    const double before = CpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(kIdleSeconds));
    std::printf("CPU time of an open idle port over %d s: %.3f ms\n", kIdleSeconds,
                (CpuSeconds() - before) * 1000.0);

    comm.CloseCommport();
    close(master);
    return 0;
}
