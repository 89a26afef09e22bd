// qv-r381-sim: a QV-R381 radio on a pseudo-terminal.
//
// Prints the device path of the terminal's far end as its first line on
// standard output and answers every carriage-return-terminated command line
// on it with one reply line, until SIGTERM or SIGINT. The memory starts
// empty or from a ".381" file and can be saved to one on exit. Options
// inject the faults of a real serial line and radio (see Usage()).
#include "SimMemory.h"
#include "SimRadio.h"
#include "data/ProgramVersion.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <string>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string image;
    std::string save;
    std::string log;
    std::string link;
    std::string radioType = "0,2,00,1,1,,";
    std::string bandLimits = "00118,00135,00136,00173,00410,00469";
    std::string wakeReply = "?";
    sim::EmptyReply emptyReply = sim::EmptyReply::N;
    bool crlf = false;
    long strayCrEvery = 0;
    long latencyMs = 0;
    bool throttle = false;
    bool wakeAtOnce = false;
    long silentAfter = 0;
    bool hasId = false;
    std::string id;
    bool hasAiReply = false;
    std::string aiReply;
    long garbageAfter = 0;
    long overlongAfter = 0;
    long hangupAfter = 0;
    long chatterAfterPs0Ms = 0;
    long xoffHoldMs = 0;
    long xoffReplies = 0;
    unsigned long seed = 381;
};

// 9600 bit/s with 8 data bits, no parity and one stop bit: 10 bits a byte.
constexpr double kThrottleBytesPerSecond = 960.0;
constexpr size_t kOverlongLength = 300;
// Command lines longer than this are cut; no valid command comes near it.
constexpr size_t kMaxCommandLine = 512;

void Usage(FILE *to)
{
    std::fputs(
        "usage: qv-r381-sim [OPTIONS]\n"
        "       qv-r381-sim --help | --version\n\n"
        "A simulated QV-R381 radio on a pseudo-terminal: prints the terminal's\n"
        "device name and answers the radio's commands until SIGINT or SIGTERM.\n\n"
        "Options:\n"
        "  --link PATH          place a symbolic link to the device at PATH\n"
        "  --image FILE         start from this .381 file (default: empty memory)\n"
        "  --save FILE          write the memory to this .381 file on exit\n"
        "  --log FILE           write every received command line to FILE\n"
        "  --type TEXT          radio type string (default \"0,2,00,1,1,,\")\n"
        "  --limits TEXT        band limit list (default \"00118,00135,00136,00173,00410,00469\")\n"
        "  --wake-reply TEXT    reply to the empty line (default \"?\")\n"
        "  --empty-reply FORM   answer a read of an empty item (empty slot, no split,\n"
        "                       no name, empty CALL channel or VFO band, no power\n"
        "                       code, empty DTMF memory) with FORM: N (a single \"N\",\n"
        "                       the default), cr (an empty line), ? (a single \"?\")\n"
        "                       or echo (the command's echo without any data)\n"
        "  --crlf               end every reply with CR LF instead of CR\n"
        "  --stray-cr N         send a lone CR after every N-th reply (default 0: never)\n"
        "  --latency MS         wait MS milliseconds before each reply\n"
        "  --throttle           send at 960 bytes/s (9600 bit/s, 8N1)\n"
        "  --wake-at-once       answer the empty line in one burst, ahead of any pacing\n"
        "  --silent-after N     no reply from the N-th command line on\n"
        "  --id TEXT            answer \"ID\" with TEXT\n"
        "  --ai-reply TEXT      answer the first \"AI 0\" with TEXT\n"
        "  --garbage-after N    from the N-th command line on, reply random printable text\n"
        "  --overlong-after N   from the N-th command line on, reply 300 characters\n"
        "  --hangup-after N     close the terminal on receiving the N-th command line and exit\n"
        "  --chatter-after-ps0 MS  after answering \"PS 0\", send a line \"?\" every MS\n"
        "                       milliseconds until the far end closes the port\n"
        "  --xoff-hold MS       send XOFF ahead of each reply and XON MS milliseconds\n"
        "                       later, holding the next command back\n"
        "  --xoff-replies N     hold XOFF around the first N replies only (default 0: all)\n"
        "  --seed N             seed of the garbage generator (default 381)\n"
        "  -h, --help           show this help and exit\n"
        "  -v, --version        show the version and exit\n\n"
        "Command lines and replies are counted from 1, the empty line and its\n"
        "reply included.\n\n"
        "Exit codes:\n"
        "  0                    stopped by SIGINT, SIGTERM or SIGHUP\n"
        "  1                    the terminal or the link could not be made, the line\n"
        "                       failed, or the --save file could not be written\n"
        "  2                    wrong options, or the --image file could not be read\n",
        to);
}

bool ParseCount(const char *text, long &value)
{
    char *end = nullptr;
    errno = 0;
    long parsed = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || parsed < 0)
        return false;
    value = parsed;
    return true;
}

// Returns 0 to run, or the exit code when the program should end at once.
int ParseOptions(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            Usage(stdout);
            return -1;
        }
        if (name == "--version" || name == "-v") {
            std::printf("qv-r381-sim %s\n", kProgramVersion);
            return -1;
        }
        if (name == "--throttle") {
            options.throttle = true;
            continue;
        }
        if (name == "--wake-at-once") {
            options.wakeAtOnce = true;
            continue;
        }
        if (name == "--crlf") {
            options.crlf = true;
            continue;
        }
        static const char *const kValued[] = {
            "--link", "--image", "--save", "--log", "--type", "--limits", "--wake-reply", "--empty-reply",
            "--stray-cr", "--latency", "--silent-after", "--id", "--ai-reply", "--garbage-after",
            "--overlong-after", "--hangup-after", "--chatter-after-ps0", "--xoff-hold", "--xoff-replies", "--seed"};
        if (std::find(std::begin(kValued), std::end(kValued), name) == std::end(kValued)) {
            std::fprintf(stderr, "qv-r381-sim: unknown option '%s'\nTry 'qv-r381-sim --help'.\n", name.c_str());
            return 2;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "qv-r381-sim: %s needs a value\nTry 'qv-r381-sim --help'.\n", name.c_str());
            return 2;
        }
        const char *value = argv[++i];
        if (name == "--empty-reply") {
            if (!sim::ParseEmptyReply(value, options.emptyReply)) {
                std::fprintf(stderr, "qv-r381-sim: --empty-reply needs N, cr, ? or echo, not \"%s\"\n", value);
                return 2;
            }
            continue;
        }
        long count = 0;
        bool numeric = name == "--latency" || name == "--silent-after" || name == "--garbage-after" ||
                       name == "--overlong-after" || name == "--hangup-after" || name == "--seed" ||
                       name == "--stray-cr" || name == "--chatter-after-ps0" || name == "--xoff-hold" ||
                       name == "--xoff-replies";
        if (numeric && !ParseCount(value, count)) {
            std::fprintf(stderr, "qv-r381-sim: %s needs a whole number, not \"%s\"\n", name.c_str(), value);
            return 2;
        }
        if (name == "--link") options.link = value;
        else if (name == "--image") options.image = value;
        else if (name == "--save") options.save = value;
        else if (name == "--log") options.log = value;
        else if (name == "--type") options.radioType = value;
        else if (name == "--limits") options.bandLimits = value;
        else if (name == "--wake-reply") options.wakeReply = value;
        else if (name == "--stray-cr") options.strayCrEvery = count;
        else if (name == "--latency") options.latencyMs = count;
        else if (name == "--silent-after") options.silentAfter = count;
        else if (name == "--id") { options.hasId = true; options.id = value; }
        else if (name == "--ai-reply") { options.hasAiReply = true; options.aiReply = value; }
        else if (name == "--garbage-after") options.garbageAfter = count;
        else if (name == "--overlong-after") options.overlongAfter = count;
        else if (name == "--hangup-after") options.hangupAfter = count;
        else if (name == "--chatter-after-ps0") options.chatterAfterPs0Ms = count;
        else if (name == "--xoff-hold") options.xoffHoldMs = count;
        else if (name == "--xoff-replies") options.xoffReplies = count;
        else if (name == "--seed") options.seed = static_cast<unsigned long>(count);
        else {
            std::fprintf(stderr, "qv-r381-sim: unknown option '%s'\nTry 'qv-r381-sim --help'.\n", name.c_str());
            return 2;
        }
    }
    return 0;
}

int g_signalPipe[2] = {-1, -1};

void OnStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    ssize_t ignored = write(g_signalPipe[1], &byte, 1);
    (void)ignored;
    errno = saved;
}

bool SetNonBlocking(int fd)
{
    int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

// True when a process other than this one has the device open.
bool OthersHaveOpen(const std::string &device)
{
    DIR *proc = opendir("/proc");
    if (!proc)
        return false;
    const pid_t self = getpid();
    bool found = false;
    while (!found) {
        dirent *entry = readdir(proc);
        if (!entry)
            break;
        char *end = nullptr;
        long pid = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || pid <= 0 || pid == self)
            continue;
        const std::string fdDir = std::string("/proc/") + entry->d_name + "/fd";
        DIR *fds = opendir(fdDir.c_str());
        if (!fds)
            continue;
        while (dirent *fd = readdir(fds)) {
            if (fd->d_name[0] == '.')
                continue;
            char target[256];
            const std::string link = fdDir + "/" + fd->d_name;
            ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
            if (length > 0 && static_cast<size_t>(length) == device.size() &&
                device.compare(0, device.size(), target, static_cast<size_t>(length)) == 0) {
                found = true;
                break;
            }
        }
        closedir(fds);
    }
    closedir(proc);
    return found;
}

class Simulator {
public:
    Simulator(const Options &options, sim::Memory &memory)
        : options_(options), memory_(memory), radio_(memory, options.radioType, options.bandLimits),
          random_(static_cast<std::mt19937::result_type>(options.seed))
    {
        radio_.wakeReply = options.wakeReply;
        radio_.emptyReply = options.emptyReply;
    }
    ~Simulator() { CloseTerminal(); }

    bool Open(std::string &error);
    const std::string &DevicePath() const { return device_; }
    // Runs until a stop signal or the hang-up; false on a failure of the terminal.
    bool Run(std::string &error);
    void CloseTerminal();

private:
    void HandleWatchEvents();
    void DropOutput();
    void TakeInput(const char *bytes, size_t count, std::deque<std::string> &lines);
    // False when the line asks for the hang-up.
    bool HandleLine(const std::string &line);
    std::string Garble(const std::string &reply);
    std::string Lengthen(const std::string &reply) const;
    // Returns when the bytes are due to go out.
    Clock::time_point Queue(std::string bytes, bool immediate = false);
    void Chatter(Clock::time_point now);
    void ReleaseXon(Clock::time_point now);
    void ReleaseDueReplies(Clock::time_point now);
    bool Send(Clock::time_point now, std::string &error);

    const Options &options_;
    sim::Memory &memory_;
    sim::Radio radio_;
    std::mt19937 random_;

    int master_ = -1;
    int slave_ = -1;   // held open so the master never sees the far end vanish
    int watch_ = -1;   // inotify: opens and closes of the device by others
    std::string device_;
    FILE *log_ = nullptr;

    bool farEndOpen_ = false;
    std::string partial_;
    long commandCount_ = 0;
    long replyCount_ = 0;
    bool aiAnswered_ = false;
    // Next line of the chatter after "PS 0" (max: none due).
    Clock::time_point chatterDue_ = Clock::time_point::max();
    // XON that ends the current XOFF hold (max: none owed).
    Clock::time_point xonDue_ = Clock::time_point::max();

    struct Pending {
        Clock::time_point due;
        std::string bytes;
    };
    std::deque<Pending> pending_;
    std::string output_;
    std::string burst_; // sent whole at the next write, before any paced byte
    Clock::time_point nextByte_{};
};

bool Simulator::Open(std::string &error)
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    device_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = "cannot open " + device_ + ": " + std::strerror(errno);
        return false;
    }
    termios settings{};
    if (tcgetattr(slave_, &settings) == 0) {
        cfmakeraw(&settings);
        cfsetispeed(&settings, B9600);
        cfsetospeed(&settings, B9600);
        tcsetattr(slave_, TCSANOW, &settings);
    }
    if (!SetNonBlocking(master_)) {
        error = std::string("cannot configure the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ >= 0 && inotify_add_watch(watch_, name, IN_OPEN | IN_CLOSE) < 0) {
        close(watch_);
        watch_ = -1;
    }
    // Without the watch, every reply is sent whether anybody listens or not.
    farEndOpen_ = watch_ < 0;
    if (!options_.log.empty()) {
        log_ = std::fopen(options_.log.c_str(), "w");
        if (!log_) {
            error = "cannot create " + options_.log + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

void Simulator::CloseTerminal()
{
    if (watch_ >= 0)
        close(watch_);
    if (slave_ >= 0)
        close(slave_);
    if (master_ >= 0)
        close(master_);
    watch_ = slave_ = master_ = -1;
    if (log_)
        std::fclose(log_);
    log_ = nullptr;
}

// The held descriptor keeps the terminal alive between the far end's
// sessions, so what a real port does on its own is done here: bytes sent
// while nobody has the port open are lost, and the exclusive mode of an
// opener ends with its close.
void Simulator::HandleWatchEvents()
{
    if (watch_ < 0)
        return;
    bool opened = false;
    bool closed = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        ssize_t length = read(watch_, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->mask & IN_OPEN)
                opened = true;
            if (event->mask & IN_CLOSE)
                closed = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (!opened && !closed)
        return;
    // Events merge, so whether anybody still has the port is looked up.
    farEndOpen_ = (opened && !closed) || OthersHaveOpen(device_);
    if (!farEndOpen_) {
        ioctl(slave_, TIOCNXCL);
        DropOutput();
    }
}

void Simulator::DropOutput()
{
    pending_.clear();
    output_.clear();
    burst_.clear();
    chatterDue_ = Clock::time_point::max();
    tcflush(slave_, TCIFLUSH);
    // An XON still owed would leave the line stopped for the next opener:
    // send it now.
    if (xonDue_ != Clock::time_point::max()) {
        xonDue_ = Clock::time_point::max();
        const char xon = 0x11;
        ssize_t ignored = write(master_, &xon, 1);
        (void)ignored;
    }
}

void Simulator::TakeInput(const char *bytes, size_t count, std::deque<std::string> &lines)
{
    for (size_t i = 0; i < count; ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            lines.push_back(partial_);
            partial_.clear();
        } else if (c == '\n' || c == 0x11 || c == 0x13) {
            // Line feeds are not part of the protocol; XON and XOFF are flow control.
        } else if (partial_.size() < kMaxCommandLine) {
            partial_ += c;
        }
    }
}

std::string Simulator::Garble(const std::string &reply)
{
    std::uniform_int_distribution<int> printable(0x20, 0x7e);
    std::string text(reply.size(), ' ');
    for (char &c : text)
        c = static_cast<char>(printable(random_));
    return text;
}

std::string Simulator::Lengthen(const std::string &reply) const
{
    static const char kFiller[] = "0123456789,";
    std::string text = reply.substr(0, kOverlongLength);
    for (size_t i = 0; text.size() < kOverlongLength; ++i)
        text += kFiller[i % (sizeof kFiller - 1)];
    return text;
}

bool Simulator::HandleLine(const std::string &line)
{
    const long number = ++commandCount_;
    if (log_) {
        std::fputs(line.c_str(), log_);
        std::fputc('\n', log_);
        std::fflush(log_);
    }
    if (options_.hangupAfter > 0 && number >= options_.hangupAfter)
        return false;
    if (options_.silentAfter > 0 && number >= options_.silentAfter)
        return true;

    std::string reply;
    if (line == "ID" && options_.hasId) {
        reply = options_.id;
    } else if (line == "AI 0" && options_.hasAiReply && !aiAnswered_) {
        reply = options_.aiReply;
    } else {
        reply = radio_.Answer(line);
    }
    if (line == "AI 0")
        aiAnswered_ = true;
    if (options_.overlongAfter > 0 && number >= options_.overlongAfter)
        reply = Lengthen(reply);
    if (options_.garbageAfter > 0 && number >= options_.garbageAfter)
        reply = Garble(reply);
    // A stray carriage return travels in the same write as the reply it
    // follows, so that a reader meets it as an empty line of its own.
    std::string bytes = reply + (options_.crlf ? "\r\n" : "\r");
    ++replyCount_;
    if (options_.strayCrEvery > 0 && replyCount_ % options_.strayCrEvery == 0)
        bytes += '\r';
    // Flow control: XOFF goes out just ahead of the reply and XON some
    // time after it, so the program's next command has to wait for it.
    const bool hold = options_.xoffHoldMs > 0 && (options_.xoffReplies == 0 || replyCount_ <= options_.xoffReplies);
    if (hold)
        bytes.insert(bytes.begin(), '\x13');
    // A radio answers the empty wake-up line at once: it is no command to
    // work on, so no latency applies to it.
    const Clock::time_point due = Queue(std::move(bytes), line.empty());
    if (hold)
        xonDue_ = due + std::chrono::milliseconds(options_.xoffHoldMs);
    if (line == "PS 0" && options_.chatterAfterPs0Ms > 0 && chatterDue_ == Clock::time_point::max())
        chatterDue_ = due + std::chrono::milliseconds(options_.chatterAfterPs0Ms);
    return true;
}

Clock::time_point Simulator::Queue(std::string bytes, bool immediate)
{
    const Clock::time_point now = Clock::now();
    if (immediate && options_.wakeAtOnce && farEndOpen_) {
        burst_ += bytes;
        return now;
    }
    const auto latency = immediate ? Clock::duration::zero() : Clock::duration(std::chrono::milliseconds(options_.latencyMs));
    const Clock::time_point due = now + latency;
    pending_.push_back({due, std::move(bytes)});
    ReleaseDueReplies(now);
    return due;
}

// The XON that ends a hold goes out at its time, ahead of any paced reply.
void Simulator::ReleaseXon(Clock::time_point now)
{
    if (now < xonDue_)
        return;
    xonDue_ = Clock::time_point::max();
    if (farEndOpen_)
        burst_ += '\x11';
}

// A radio that keeps talking after "PS 0": one line each period.
void Simulator::Chatter(Clock::time_point now)
{
    if (now < chatterDue_)
        return;
    if (farEndOpen_)
        Queue("?\r", true);
    chatterDue_ += std::chrono::milliseconds(options_.chatterAfterPs0Ms);
}

void Simulator::ReleaseDueReplies(Clock::time_point now)
{
    if (!farEndOpen_) {
        pending_.clear();
        return;
    }
    while (!pending_.empty() && pending_.front().due <= now) {
        if (output_.empty() && nextByte_ < now)
            nextByte_ = now;
        output_ += pending_.front().bytes;
        pending_.pop_front();
    }
}

bool Simulator::Send(Clock::time_point now, std::string &error)
{
    // The burst goes out whole together with the first paced byte.
    if (!burst_.empty()) {
        std::string bytes = burst_;
        if (!output_.empty() && (!options_.throttle || nextByte_ <= now))
            bytes += output_.substr(0, options_.throttle ? 1 : output_.size());
        ssize_t written = write(master_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EAGAIN || errno == EINTR)
                return true;
            error = std::string("write to the pseudo-terminal failed: ") + std::strerror(errno);
            return false;
        }
        const size_t fromBurst = std::min(static_cast<size_t>(written), burst_.size());
        burst_.erase(0, fromBurst);
        const size_t fromOutput = static_cast<size_t>(written) - fromBurst;
        output_.erase(0, fromOutput);
        if (options_.throttle && fromOutput > 0)
            nextByte_ = now + std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(fromOutput / kThrottleBytesPerSecond));
        return true;
    }
    if (output_.empty())
        return true;
    size_t allowed = output_.size();
    if (options_.throttle) {
        if (now < nextByte_)
            return true;
        const double behind = std::chrono::duration<double>(now - nextByte_).count();
        allowed = std::min(allowed, static_cast<size_t>(1 + behind * kThrottleBytesPerSecond));
    }
    ssize_t written = write(master_, output_.data(), allowed);
    if (written < 0) {
        if (errno == EAGAIN || errno == EINTR)
            return true;
        error = std::string("write to the pseudo-terminal failed: ") + std::strerror(errno);
        return false;
    }
    output_.erase(0, static_cast<size_t>(written));
    if (options_.throttle)
        nextByte_ += std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(written / kThrottleBytesPerSecond));
    return true;
}

bool Simulator::Run(std::string &error)
{
    for (;;) {
        Clock::time_point now = Clock::now();
        Chatter(now);
        ReleaseXon(now);
        ReleaseDueReplies(now);

        // Sleep until input, a stop signal, the next due reply or chatter
        // line or, when throttled, the moment the next byte may go out;
        // never spin.
        Clock::time_point wake = std::min(chatterDue_, xonDue_);
        if (!pending_.empty())
            wake = std::min(wake, pending_.front().due);
        bool wantWrite = !output_.empty() || !burst_.empty();
        if (wantWrite && burst_.empty() && options_.throttle && nextByte_ > now) {
            wantWrite = false;
            wake = std::min(wake, nextByte_);
        }
        pollfd fds[3] = {{g_signalPipe[0], POLLIN, 0},
                         {master_, static_cast<short>(POLLIN | (wantWrite ? POLLOUT : 0)), 0},
                         {watch_, POLLIN, 0}};
        timespec timeout{};
        timespec *timeoutPointer = nullptr;
        if (wake != Clock::time_point::max()) {
            auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(wake - now);
            if (wait.count() < 0)
                wait = std::chrono::nanoseconds(0);
            timeout.tv_sec = static_cast<time_t>(wait.count() / 1000000000);
            timeout.tv_nsec = static_cast<long>(wait.count() % 1000000000);
            timeoutPointer = &timeout;
        }
        if (ppoll(fds, watch_ >= 0 ? 3 : 2, timeoutPointer, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            error = std::string("poll failed: ") + std::strerror(errno);
            return false;
        }
        if (fds[0].revents & POLLIN)
            return true;

        // Input first, then the far end's opens and closes: an opener's
        // event is queued before anything it writes, so the session reset
        // of a new opener always comes before the answers to its commands.
        std::deque<std::string> lines;
        if (fds[1].revents & (POLLIN | POLLHUP | POLLERR)) {
            char buffer[1024];
            for (;;) {
                ssize_t length = read(master_, buffer, sizeof buffer);
                if (length > 0) {
                    TakeInput(buffer, static_cast<size_t>(length), lines);
                    continue;
                }
                if (length < 0 && errno == EINTR)
                    continue;
                if (length < 0 && errno != EAGAIN) {
                    error = std::string("read from the pseudo-terminal failed: ") + std::strerror(errno);
                    return false;
                }
                break;
            }
        }
        HandleWatchEvents();
        // A command from a far end the watch has not reported: look it up
        // rather than lose the reply.
        if (!lines.empty() && !farEndOpen_)
            farEndOpen_ = OthersHaveOpen(device_);
        for (const std::string &line : lines) {
            if (!HandleLine(line)) {
                CloseTerminal();
                return true;
            }
        }
        if (!Send(Clock::now(), error))
            return false;
    }
}

// The link is removed only while it still names this simulator's device.
void RemoveLink(const std::string &link, const std::string &device)
{
    if (link.empty())
        return;
    char target[256];
    ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    if (length >= 0 && device.compare(0, std::string::npos, target, static_cast<size_t>(length)) == 0)
        unlink(link.c_str());
}

bool PlaceLink(const std::string &link, const std::string &device, std::string &error)
{
    struct stat info{};
    if (lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            error = link + " exists and is not a symbolic link";
            return false;
        }
        unlink(link.c_str());
    }
    if (symlink(device.c_str(), link.c_str()) != 0) {
        error = "cannot create the link " + link + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Descriptors inherited from the starting process (another test's serial
    // port, say) would make that port look open to its own simulator.
    closefrom(STDERR_FILENO + 1);

    Options options;
    const int parsed = ParseOptions(argc, argv, options);
    if (parsed != 0)
        return parsed < 0 ? 0 : parsed;

    sim::Memory memory;
    std::string error;
    if (!options.image.empty() && !sim::ReadImage(options.image, memory, error)) {
        std::fprintf(stderr, "qv-r381-sim: %s\n", error.c_str());
        return 2;
    }

    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("qv-r381-sim: pipe");
        return 1;
    }
    struct sigaction stop{};
    stop.sa_handler = OnStopSignal;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGTERM, &stop, nullptr);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGHUP, &stop, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    Simulator simulator(options, memory);
    if (!simulator.Open(error)) {
        std::fprintf(stderr, "qv-r381-sim: %s\n", error.c_str());
        return 1;
    }
    if (!options.link.empty() && !PlaceLink(options.link, simulator.DevicePath(), error)) {
        std::fprintf(stderr, "qv-r381-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", simulator.DevicePath().c_str());
    std::fflush(stdout);

    const bool ran = simulator.Run(error);
    simulator.CloseTerminal();
    RemoveLink(options.link, simulator.DevicePath());
    if (!ran)
        std::fprintf(stderr, "qv-r381-sim: %s\n", error.c_str());
    if (!options.save.empty() && !sim::WriteImage(options.save, memory, error)) {
        std::fprintf(stderr, "qv-r381-sim: %s\n", error.c_str());
        return 1;
    }
    return ran ? 0 : 1;
}
