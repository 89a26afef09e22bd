#include "support/SimFixture.h"

#include "data/ChannelDocument.h"
#include "data/DataFile.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kStopTimeoutMs = 10000;

int StatusCode(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

SimFixture::SimFixture() = default;

SimFixture::~SimFixture()
{
    if (pid_ > 0)
        Stop();
}

QString SimFixture::ExecutablePath()
{
#ifdef VXL_SIM_PATH
    return QStringLiteral(VXL_SIM_PATH);
#else
    return QString();
#endif
}

QString SimFixture::TempPath(const QString &name) const
{
    return dir_.filePath(name);
}

QString SimFixture::WriteFile(const QString &name, const QByteArray &content) const
{
    const QString path = TempPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return QString();
    return path;
}

QStringList SimFixture::RadioOptions(const TChannelDocument &radio) const
{
    QStringList limits;
    for (int band = 0; band < kBandLimitSlots; ++band)
        if (!radio.Record(rkBandLimit, band).isEmpty())
            limits << radio.Record(rkBandLimit, band);
    return {QStringLiteral("--image"), WriteFile(QStringLiteral("image.381"), WriteDataFile(radio, QString())),
            QStringLiteral("--type"), radio.RadioType(), QStringLiteral("--limits"), limits.join(QLatin1Char(','))};
}

bool SimFixture::Start(const QStringList &options)
{
    if (pid_ > 0) {
        error_ = QStringLiteral("the simulator is already running");
        return false;
    }
    error_.clear();
    device_.clear();
    exitStatus_ = -1;
    const QString program = ExecutablePath();
    if (program.isEmpty() || !dir_.isValid()) {
        error_ = QStringLiteral("no simulator executable or no temporary folder");
        return false;
    }

    QStringList arguments{program, QStringLiteral("--log"), LogPath(), QStringLiteral("--save"), SavePath()};
    arguments += options;
    std::vector<std::string> storage;
    for (const QString &argument : arguments)
        storage.push_back(argument.toStdString());
    std::vector<char *> argv;
    for (std::string &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        error_ = QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        error_ = QStringLiteral("cannot start %1: %2").arg(program, QString::fromLocal8Bit(std::strerror(spawned)));
        return false;
    }
    pid_ = pid;

    // The first line on standard output is the device path.
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    bool complete = false;
    while (!complete) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd fd{out[0], POLLIN, 0};
        int ready = poll(&fd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[256];
        ssize_t length = read(out[0], buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length <= 0)
            break;
        line.append(buffer, static_cast<size_t>(length));
        complete = line.find('\n') != std::string::npos;
    }
    close(out[0]);
    if (!complete) {
        // Give an exiting simulator a moment, end one that hangs.
        if (WaitForExit(1000) < 0)
            Stop();
        error_ = QStringLiteral("the simulator gave no device path (exit status %1)").arg(exitStatus_);
        return false;
    }
    device_ = QString::fromLocal8Bit(line.substr(0, line.find('\n')).c_str());
    return true;
}

bool SimFixture::IsRunning()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_ || (done < 0 && errno == ECHILD)) {
        exitStatus_ = done == pid_ ? StatusCode(status) : -1;
        pid_ = -1;
        return false;
    }
    return true;
}

int SimFixture::WaitForExit(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!IsRunning())
            return exitStatus_;
        if (std::chrono::steady_clock::now() >= deadline)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

int SimFixture::Stop()
{
    if (!IsRunning())
        return exitStatus_;
    kill(pid_, SIGTERM);
    if (WaitForExit(kStopTimeoutMs) >= 0 || pid_ <= 0)
        return exitStatus_;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    exitStatus_ = -1;
    return -1;
}

QStringList SimFixture::CommandLog() const
{
    QFile file(LogPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray SimFixture::SavedImage() const
{
    QFile file(SavePath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
