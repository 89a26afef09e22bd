// Port picker model, "Find radio", the error lines that name the device,
// and the serial trace.
#include "comm/HComm.h"
#include "comm/PortList.h"
#include "comm/PortProblem.h"
#include "comm/SerialTrace.h"
#include "radio/RadioFinder.h"
#include "support/Pty.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TPortInfo Usb(const QString &path, const QString &serial)
{
    return {path, QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_") + serial + QStringLiteral("-if00-port0"),
            QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"), QStringLiteral("0403:6001"), serial};
}

} // namespace

TEST(PortListModelTest, ShowsTheInjectedPortsAndChangesOnlyWhenTheListDoes)
{
    QList<TPortInfo> present = {{QStringLiteral("/dev/ttyS0"), {}, {}, {}, {}, {}},
                                Usb(QStringLiteral("/dev/ttyUSB0"), QStringLiteral("A1")) };
    TPortListModel model([&] { return present; });
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), TPortListModel::ColCount);
    EXPECT_EQ(model.data(model.index(1, TPortListModel::ColPath)).toString(), "/dev/ttyUSB0");
    EXPECT_EQ(model.data(model.index(1, TPortListModel::ColUsbId)).toString(), "0403:6001");
    EXPECT_EQ(model.data(model.index(1, TPortListModel::ColSerial)).toString(), "A1");
    EXPECT_TRUE(model.data(model.index(0, TPortListModel::ColById)).toString().isEmpty());
    EXPECT_EQ(model.headerData(TPortListModel::ColById, Qt::Horizontal).toString(), "Stable path");
    EXPECT_EQ(model.RowOfPath("/dev/ttyUSB0"), 1);
    EXPECT_EQ(model.RowOfPath(present[1].byIdPath), 1);
    EXPECT_EQ(model.RowOfPath("/dev/ttyACM0"), -1);

    // Polling an unchanged list leaves the views (and the selection) alone.
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    EXPECT_FALSE(model.Refresh());
    EXPECT_EQ(resets.count(), 0);
    // A device plugged in shows up.
    present.append(Usb(QStringLiteral("/dev/ttyUSB1"), QStringLiteral("B2")));
    EXPECT_TRUE(model.Refresh());
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model.rowCount(), 3);

    model.SetRadioPath("/dev/ttyUSB1");
    EXPECT_EQ(model.data(model.index(2, TPortListModel::ColRadio)).toString(), "answered: QV-R381");
    EXPECT_TRUE(model.data(model.index(1, TPortListModel::ColRadio)).toString().isEmpty());
    // What the search made of the others shows in their rows.
    model.SetOutcome("/dev/ttyUSB0", "busy");
    EXPECT_EQ(model.data(model.index(1, TPortListModel::ColRadio)).toString(), "busy");
    model.ClearOutcomes();
    EXPECT_TRUE(model.data(model.index(1, TPortListModel::ColRadio)).toString().isEmpty());
}

TEST(PortListTest, LinesAndJsonCarryEveryField)
{
    TPortInfo odd = Usb(QStringLiteral("/dev/ttyUSB0"), QStringLiteral("A1"));
    odd.description = QStringLiteral("two\twords\nhere");
    EXPECT_EQ(PortLine(odd), "/dev/ttyUSB0\t" + odd.byIdPath + "\ttwo words here\tFTDI\t0403:6001\tA1");
    EXPECT_EQ(PortLine({QStringLiteral("/dev/ttyS0"), {}, {}, {}, {}, {}}), "/dev/ttyS0\t\t\t\t\t");

    const QJsonDocument json = QJsonDocument::fromJson(PortsJson({odd}));
    ASSERT_TRUE(json.isArray());
    const QJsonObject first = json.array().at(0).toObject();
    EXPECT_EQ(first.value("path").toString(), "/dev/ttyUSB0");
    EXPECT_EQ(first.value("byId").toString(), odd.byIdPath);
    EXPECT_EQ(first.value("description").toString(), odd.description);
    EXPECT_EQ(first.value("usbId").toString(), "0403:6001");
    EXPECT_EQ(first.value("serialNumber").toString(), "A1");
    EXPECT_EQ(QJsonDocument::fromJson(PortsJson({})).array().size(), 0);
}

TEST(PortListTest, ByIdPathFindsTheLinkToTheDevice)
{
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyUSB7");
    QFile(device).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("by-id");
    ASSERT_TRUE(QFile::link(device, dir.filePath("by-id/usb-Maker_Cable_123-if00")));
    EXPECT_EQ(ByIdPath(device, dir.filePath("by-id")), dir.filePath("by-id/usb-Maker_Cable_123-if00"));
    EXPECT_TRUE(ByIdPath(dir.filePath("ttyUSB8"), dir.filePath("by-id")).isEmpty());
}

TEST(PortProblemTest, EachReasonGetsItsLine)
{
    EXPECT_EQ(OpenProblemText("/dev/ttyUSB0", "COM1", ENOENT),
              "/dev/ttyUSB0 (COM1): no such device. Plug the cable in, or choose the port under Radio > Serial Port.");
    EXPECT_EQ(OpenProblemText("/dev/ttyUSB0", QString(), EACCES),
              "/dev/ttyUSB0: Permission denied. Add your user to the dialout group and log in again.");
    EXPECT_EQ(OpenProblemText("/tmp/x", QString(), ENOTTY),
              "/tmp/x: not a serial device. Choose the port under Radio > Serial Port.");
    EXPECT_TRUE(OpenProblemText("/nonexistent/ttyQ", QString(), EBUSY)
                    .startsWith("/nonexistent/ttyQ: busy, another program is using it."));
    EXPECT_EQ(NoReplyText("/dev/ttyS0", "COM1"),
              "/dev/ttyS0 (COM1): no reply from the radio. Check the cable and the port under Radio > Serial Port.");
    EXPECT_TRUE(LineProblemText("/dev/ttyUSB0", QString(), EIO).startsWith("/dev/ttyUSB0: the line hung up ("));
    EXPECT_EQ(PortLabel("/dev/ttyS1", "COM2"), "/dev/ttyS1 (COM2)");
    EXPECT_EQ(PortLabel("/dev/ttyS1", "/dev/ttyS1"), "/dev/ttyS1");
}

TEST(PortProblemTest, BusyDeviceNamesItsHolder)
{
    // A UUCP lock file naming a running process (this test, as text and
    // as the binary form), and a /proc scan for an open descriptor.
    QTemporaryDir locks;
    QFile lock(locks.filePath("LCK..ttyUSB3"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(qint64(getpid())).rightJustified(10, ' ') + "\n");
    lock.close();
    const QString self = DeviceHolder("/dev/ttyUSB3", "/proc", {locks.path()});
    EXPECT_TRUE(self.endsWith(QStringLiteral("(pid %1)").arg(getpid()))) << self.toStdString();

    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const int pid = int(getpid());
    lock.write(reinterpret_cast<const char *>(&pid), 4);
    lock.close();
    EXPECT_EQ(DeviceHolder("/dev/ttyUSB3", "/proc", {locks.path()}), self);

    // A stale lock (no such process) and no open descriptor: unknown.
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write("999999999\n");
    lock.close();
    EXPECT_TRUE(DeviceHolder("/dev/ttyUSB3", "/proc", {locks.path()}).isEmpty());

    // Another process holding a pty open is found through /proc.
    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        const int fd = ::open(pty.SlavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        char c = fd >= 0 ? 'y' : 'n';
        (void)!write(ready[1], &c, 1);
        pause();
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    const QString holder = DeviceHolder(pty.SlavePath(), "/proc", {locks.path()});
    EXPECT_TRUE(holder.endsWith(QStringLiteral("(pid %1)").arg(child))) << holder.toStdString();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
}

TEST(PortProblemTest, PermissionDeniedForAnOrdinaryUser)
{
    // A device only root may open, tried by a child that has given up root.
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand a device to another user";
    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    const QByteArray path = pty.SlavePath().toLocal8Bit();
    ASSERT_EQ(chown(path.constData(), 0, 0), 0);
    ASSERT_EQ(chmod(path.constData(), 0600), 0);
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        THComm comm;
        const bool valid = comm.CheckCommportValid(pty.SlavePath());
        const QByteArray text =
            OpenProblemText(pty.SlavePath(), QString(), comm.LastOpenError()).toUtf8();
        (void)!write(out[1], text.constData(), size_t(text.size()));
        _exit(valid ? 1 : 0);
    }
    close(out[1]);
    QByteArray text;
    char buffer[512];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, got);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(QString::fromUtf8(text),
              pty.SlavePath() + ": Permission denied. Add your user to the dialout group and log in again.");
}

TEST(RadioFinderTest, MarksTheSimulatorThatAnswersAndSkipsTheSilentOne)
{
    SimFixture silent;
    ASSERT_TRUE(silent.Start({QStringLiteral("--silent-after"), QStringLiteral("1")}));
    // The radio answers the wake-up line at once and the rest byte by byte.
    SimFixture radio;
    ASSERT_TRUE(radio.Start({QStringLiteral("--throttle"), QStringLiteral("--wake-at-once")}));

    TRadioFinder finder(600);
    QList<int> steps;
    QList<TProbeResult> results;
    const QString found = finder.Find(
        {QStringLiteral("/nonexistent/ttyUSB9"), silent.DevicePath(), radio.DevicePath()},
        [&](int index, int count, const QString &) {
            EXPECT_EQ(count, 3);
            steps.append(index);
        },
        &results);
    EXPECT_EQ(found, radio.DevicePath());
    EXPECT_EQ(steps, (QList<int>{0, 1, 2, 3}));
    ASSERT_EQ(results.size(), 3);
    EXPECT_TRUE(results[0].detail.contains("no such device"));
    EXPECT_EQ(results[1].detail, silent.DevicePath() + ": no reply from the radio.");
    EXPECT_TRUE(results[2].radio);
    // The few words the port list shows for each.
    EXPECT_EQ(ProbeOutcomeText(results[0].outcome), "no such device");
    EXPECT_EQ(ProbeOutcomeText(results[1].outcome), "no reply");
    EXPECT_EQ(ProbeOutcomeText(results[2].outcome), "answered: QV-R381");

    // Each port was let go: both open again at once.
    THComm again;
    EXPECT_TRUE(again.CheckCommportValid(silent.DevicePath()));
    EXPECT_TRUE(again.CheckCommportValid(radio.DevicePath()));

    // A radio of another kind is not taken.
    SimFixture other;
    ASSERT_TRUE(other.Start({QStringLiteral("--id"), QStringLiteral("ID XX-R999")}));
    EXPECT_TRUE(TRadioFinder(600).Find({other.DevicePath()}).isEmpty());
}

TEST(RadioFinderTest, JudgesTheAnswerAsTheTransfersDo)
{
    // Line ends and stray empty lines do not hide a radio; a line that
    // sends "ID" back is named as an echo, another model as such.
    struct Case {
        QStringList options;
        bool radio;
        const char *detail;
        const char *outcome; // as the port list shows it
    };
    const Case cases[] = {
        {{QStringLiteral("--crlf")}, true, "", "answered: QV-R381"},
        {{QStringLiteral("--stray-cr"), QStringLiteral("1")}, true, "", "answered: QV-R381"},
        {{QStringLiteral("--empty-reply"), QStringLiteral("cr"), QStringLiteral("--crlf"), QStringLiteral("--stray-cr"),
          QStringLiteral("2"), QStringLiteral("--throttle")},
         true, "", "answered: QV-R381"},
        {{QStringLiteral("--id"), QStringLiteral("ID")}, false, ": the radio echoes what it receives.",
         "echoes what it receives"},
        {{QStringLiteral("--id"), QStringLiteral("ID QV-R3810")}, false, ": the radio is not a QV-R381.",
         "answered: not a QV-R381"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        SimFixture sim;
        ASSERT_TRUE(sim.Start(c.options)) << sim.ErrorString().toStdString();
        const TProbeResult result = TRadioFinder(5000).Probe(sim.DevicePath());
        EXPECT_EQ(result.radio, c.radio) << result.detail.toStdString();
        EXPECT_EQ(ProbeOutcomeText(result.outcome), QLatin1String(c.outcome));
        if (!c.radio) {
            EXPECT_EQ(result.detail, sim.DevicePath() + QLatin1String(c.detail));
        }
    }
}

TEST(RadioFinderTest, CancelStopsBeforeTheNextPort)
{
    SimFixture silent;
    ASSERT_TRUE(silent.Start({QStringLiteral("--silent-after"), QStringLiteral("1")}));
    TRadioFinder finder(5000);
    QList<int> steps;
    const QString found = finder.Find({silent.DevicePath(), silent.DevicePath()},
                                      [&](int index, int, const QString &) {
                                          steps.append(index);
                                          finder.Cancel();
                                      });
    EXPECT_TRUE(found.isEmpty());
    EXPECT_TRUE(finder.Cancelled());
    // Cancelled during the first port: the second is never opened.
    EXPECT_EQ(steps, (QList<int>{0, 2}));
}

TEST(SerialTraceTest, ControlBytesArePrintable)
{
    EXPECT_EQ(PrintableBytes("AI 0\r"), "AI 0\\r");
    EXPECT_EQ(PrintableBytes(QByteArray("\x11\n\t\\\xff", 5)), "\\x11\\n\\t\\\\\\xff");
    const QString line = TraceLineText("/dev/ttyUSB0", '>', "ID\r");
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} /dev/ttyUSB0 > ID\\\\r$").match(line).hasMatch())
        << line.toStdString();
}

TEST(SerialTraceTest, FileHoldsEveryLineBothWaysWhileItRuns)
{
    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    QTemporaryDir dir;
    const QString path = dir.filePath("trace.txt");
    EXPECT_FALSE(lcSerial().isDebugEnabled());
    {
        TSerialTraceFile trace;
        ASSERT_TRUE(trace.Start(path));
        EXPECT_TRUE(lcSerial().isDebugEnabled());
        THComm comm;
        comm.SetDevicePath(pty.SlavePath());
        comm.OpenCommport();
        comm.WriteStringData("AI 0");
        comm.WriteStringData("\r");
        EXPECT_EQ(pty.Read(5), QByteArray("AI 0\r"));
        // The reply arrives byte by byte, then two lines glued together.
        for (char c : QByteArray("AI 0\r"))
            pty.Write(QByteArray(1, c));
        pty.Write("ID QV-R381\r?\r");
        ASSERT_TRUE(WaitUntil([&] { return comm.CountInBuff() == 18; }));
        comm.CloseCommport();
        trace.Stop();
        EXPECT_FALSE(lcSerial().isDebugEnabled());
        comm.SetDevicePath(pty.SlavePath());
        comm.OpenCommport();
        comm.WriteStringData("not traced\r");
        comm.CloseCommport();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QStringList tails;
    for (const QString &line : lines)
        tails.append(line.section(' ', 1));
    EXPECT_EQ(tails, (QStringList{pty.SlavePath() + " - open 9600 bit/s", pty.SlavePath() + " > AI 0\\r",
                                  pty.SlavePath() + " < AI 0\\r", pty.SlavePath() + " < ID QV-R381\\r",
                                  pty.SlavePath() + " < ?\\r", pty.SlavePath() + " - close"}));

    QString error;
    TSerialTraceFile bad;
    EXPECT_FALSE(bad.Start("/nonexistent/dir/trace.txt", &error));
    EXPECT_TRUE(error.startsWith("/nonexistent/dir/trace.txt: No such file")) << error.toStdString();
}

TEST(SerialTraceTest, ReplacingTraceLandsWhenItEndsAndRefusesWhatIsNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("trace.txt");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old\n");
    }
    TSerialTraceFile trace;
    ASSERT_TRUE(trace.Start(path, nullptr, TTraceWriting::Replace));
    TraceNote("/dev/ttyUSB0", "open");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old\n"));
    file.close();
    EXPECT_TRUE(trace.Stop());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith(" /dev/ttyUSB0 - open\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"trace.txt"});

    // Refused at once, never opened: a FIFO would wait for a reader.
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const TTraceWriting writing : {TTraceWriting::Direct, TTraceWriting::Replace}) {
        for (const QString &target : {fifo, QStringLiteral("/dev/full"), dir.path()}) {
            QString error;
            EXPECT_FALSE(trace.Start(target, &error, writing));
            EXPECT_TRUE(error.startsWith(target + ": ")) << error.toStdString();
            EXPECT_FALSE(trace.Active());
        }
    }
}

TEST(RadioFinderTest, OpenFailuresAreNamedInAFewWords)
{
    const struct {
        int error;
        const char *text;
    } cases[] = {{ENOENT, "no such device"}, {EACCES, "permission denied"}, {EBUSY, "busy"},
                 {ENOTTY, "not a serial device"}, {EIO, "cannot be opened"}};
    for (const auto &c : cases)
        EXPECT_EQ(ProbeOutcomeText(OpenFailureOutcome(c.error)), QLatin1String(c.text)) << c.error;
}
