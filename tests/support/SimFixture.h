// The radio simulator (qv-r381-sim) run for one test: a QV-R381 on a
// pseudo-terminal whose device path the program under test opens.
//
//   SimFixture sim;
//   ASSERT_TRUE(sim.Start({"--latency", "20"})) << sim.ErrorString();
//   qputenv("VXL_R381_COM1", sim.DevicePath().toLocal8Bit());
//   ... run a transfer ...
//   ASSERT_EQ(sim.Stop(), 0);              // the image is saved by now
//   EXPECT_EQ(sim.CommandLog().first(), ""); // the wake-up line
//   EXPECT_TRUE(sim.SavedImage().contains("MEMORY"));
//
// The fixture always gives the simulator a command log and a save file in
// its own temporary folder; options passed to Start() come after those and
// take precedence. The destructor stops a simulator that is still running.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

class TChannelDocument;

class SimFixture {
public:
    SimFixture();
    ~SimFixture();
    SimFixture(const SimFixture &) = delete;
    SimFixture &operator=(const SimFixture &) = delete;

    // Starts the simulator with further options (see "qv-r381-sim --help")
    // and waits up to 10 s for its device path. False, with ErrorString(),
    // when it could not start; ExitStatus() then holds its exit code.
    bool Start(const QStringList &options = {});
    // The pseudo-terminal device the program under test opens.
    QString DevicePath() const { return device_; }
    pid_t Pid() const { return pid_; }
    bool IsRunning();

    // Sends SIGTERM and waits for the exit, after which the save file is
    // complete. Returns the exit code (0 on a clean stop), or -1 when the
    // simulator had to be killed or never ran. After an exit of its own it
    // returns that exit's code.
    int Stop();
    // Waits for an exit the simulator makes by itself (--hangup-after).
    // Returns its exit code, or -1 when it is still running after the wait.
    int WaitForExit(int timeoutMs = 10000);
    int ExitStatus() const { return exitStatus_; }

    // Every command line received so far, in order; the wake-up line is "".
    QStringList CommandLog() const;
    QString LogPath() const { return TempPath(QStringLiteral("commands.log")); }
    // The ".381" file written on exit.
    QString SavePath() const { return TempPath(QStringLiteral("saved.381")); }
    QByteArray SavedImage() const;

    // Options that make the simulator the radio of a document: its memory
    // (--image), radio type (--type) and band limits (--limits).
    QStringList RadioOptions(const TChannelDocument &radio) const;

    // A file in the fixture's temporary folder, e.g. an image for --image.
    QString TempPath(const QString &name) const;
    QString WriteFile(const QString &name, const QByteArray &content) const;

    QString ErrorString() const { return error_; }
    static QString ExecutablePath();

private:
    QTemporaryDir dir_;
    pid_t pid_ = -1;
    int exitStatus_ = -1;
    QString device_;
    QString error_;
};
