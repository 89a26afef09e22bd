// Runs vxl-r381-cli (or another program) with arguments and optional
// standard input, and collects the exit code and both outputs; or runs it
// on a terminal and collects what the terminal shows.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <vector>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

struct CliRunResult {
    int exitCode = -1; // -1: crashed or hung
    QByteArray out;
    QByteArray err;
};

#ifdef VXL_CLI_PATH
inline QString CliPath()
{
    return QStringLiteral(VXL_CLI_PATH);
}
#else
inline QString CliPath()
{
    return QString();
}
#endif

inline CliRunResult RunProgram(const QString &program, const QStringList &args, const QByteArray &input = {})
{
    QProcess process;
    process.start(program, args);
    CliRunResult result;
    if (!process.waitForStarted(30000))
        return result;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

inline CliRunResult RunCliTool(const QStringList &args, const QByteArray &input = {})
{
    return RunProgram(CliPath(), args, input);
}

struct CliTerminalResult {
    int exitCode = -1; // -1: crashed, hung or not started
    QByteArray shown;  // what the tool wrote on the terminal, both outputs
};

// Runs vxl-r381-cli with standard input, output and error on one
// pseudo-terminal, as in an interactive shell. The terminal's output
// processing is off, so "shown" holds exactly the bytes the tool wrote
// (a line feed is not turned into CR LF).
inline CliTerminalResult RunCliOnTerminal(const QStringList &args)
{
    CliTerminalResult result;
    // Everything the child needs is made before the fork: it only execs.
    QList<QByteArray> words{QFile::encodeName(CliPath())};
    for (const QString &arg : args)
        words.append(arg.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return result;
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    termios mode{};
    if (::tcgetattr(slave, &mode) == 0) {
        mode.c_oflag &= ~tcflag_t(OPOST);
        ::tcsetattr(slave, TCSANOW, &mode);
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setsid();
        ::dup2(slave, STDIN_FILENO);
        ::dup2(slave, STDOUT_FILENO);
        ::dup2(slave, STDERR_FILENO);
        if (slave > STDERR_FILENO)
            ::close(slave);
        ::execv(argv.front(), argv.data());
        ::_exit(127);
    }
    ::close(slave);
    if (pid < 0) {
        ::close(master);
        return result;
    }

    // Reads until the tool has closed the terminal (read fails with EIO
    // once every byte written before is taken), or gives up after a minute.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool hung = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            hung = true;
            break;
        }
        pollfd fd = {master, POLLIN, 0};
        const int ready = ::poll(&fd, 1, int(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            hung = true;
            break;
        }
        char chunk[4096];
        const ssize_t n = ::read(master, chunk, sizeof chunk);
        if (n > 0)
            result.shown.append(chunk, qsizetype(n));
        else if (!(n < 0 && errno == EINTR))
            break;
    }
    if (hung)
        ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ::close(master);
    if (!hung && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    return result;
}
