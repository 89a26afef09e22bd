// The serial component against pseudo-terminal pairs: the test plays the
// far end on the master side.
#include "data/Settings.h"
#include "comm/HComm.h"
#include "comm/LineSpeed.h"
#include "comm/LineState.h"
#include "support/Pty.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

using namespace Comm;

namespace {

// Raises the text of the ECommError that action throws ("" when none).
template <typename Action>
std::string ErrorOf(Action action)
{
    try {
        action();
    } catch (const ECommError &e) {
        return e.what();
    }
    return {};
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

termios FarEndState(const TestPty &pty)
{
    // On the master side the driver reports the slave's line state.
    termios tio{};
    EXPECT_EQ(tcgetattr(pty.Master(), &tio), 0);
    return tio;
}

// Records every OnCommEvent: size, calling thread, sender.
struct EventLog {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<uint32_t> sizes;
    std::vector<std::thread::id> threads;
    std::vector<THComm *> senders;

    TCommEvent Handler()
    {
        return [this](THComm *sender, uint32_t &size) { Add(sender, size); };
    }
    void Add(THComm *sender, uint32_t size)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            sizes.push_back(size);
            threads.push_back(std::this_thread::get_id());
            senders.push_back(sender);
        }
        changed.notify_all();
    }
    bool WaitForCount(size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(5), [&] { return sizes.size() >= count; });
    }
    std::vector<uint32_t> Sizes()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return sizes;
    }
    std::pair<std::thread::id, THComm *> Origin(size_t index)
    {
        std::lock_guard<std::mutex> lock(mutex);
        return {threads.at(index), senders.at(index)};
    }
};

class CommTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.IsValid());
        ClearStoredSettings();
    }
    bool WaitForInput(int count)
    {
        return WaitUntil([&] { return comm.CountInBuff() == count; });
    }

    TestPty pty;
    ScopedCommDevice com1{1, pty.SlavePath()};
    EventLog log; // outlives the component and its receive thread
    THComm comm;
};

} // namespace

TEST(CommDevicePathTest, EnvironmentThenSettingsThenDefaultDevice)
{
    ClearStoredSettings();
    EXPECT_EQ(CommDevicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(CommDevicePath("COM4"), "/dev/ttyS3");
    {
        // Reading the mapping never creates the stored value.
        QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
        EXPECT_FALSE(settings.contains("Com1Device"));
        EXPECT_FALSE(settings.contains("Com4Device"));
        settings.setValue("Com2Device", "/dev/ttyUSB1");
    }
    EXPECT_EQ(CommDevicePath("COM2"), "/dev/ttyUSB1");
    {
        ScopedCommDevice env(2, "/tmp/radio-link");
        EXPECT_EQ(CommDevicePath("COM2"), "/tmp/radio-link");
        EXPECT_EQ(CommDevicePath("COM3"), "/dev/ttyS2");
    }
    EXPECT_EQ(CommDevicePath("COM2"), "/dev/ttyUSB1");
    // Every other name is a device path as it stands.
    EXPECT_EQ(CommDevicePath("/dev/ttyACM0"), "/dev/ttyACM0");
    EXPECT_EQ(CommDevicePath("COM5"), "COM5");
    EXPECT_EQ(CommDevicePath("com1"), "com1");

    // The component's own default knows nothing of the stored devices.
    EXPECT_EQ(DefaultCommDevice("COM2"), "/dev/ttyS1");
    {
        ScopedCommDevice env(2, "/tmp/radio-link");
        EXPECT_EQ(DefaultCommDevice("COM2"), "/tmp/radio-link");
    }
    EXPECT_EQ(DefaultCommDevice("/dev/ttyACM0"), "/dev/ttyACM0");
    SaveCommDevice(2, QString());
    EXPECT_EQ(CommDevicePath("COM2"), "/dev/ttyS1");
    ClearStoredSettings();
}

TEST_F(CommTest, HandedDeviceOpensInsteadOfTheDefaultAndEndsWithTheNextPort)
{
    TestPty other;
    ASSERT_TRUE(other.IsValid());
    comm.SetDevicePath(other.SlavePath());
    EXPECT_EQ(comm.DevicePath(), other.SlavePath());
    EXPECT_EQ(comm.DeviceName(), "COM1");
    comm.OpenCommport();
    EXPECT_EQ(comm.OpenedPath(), other.SlavePath());
    EXPECT_EQ(comm.LastOpenError(), 0);
    comm.WriteStringData("x");
    EXPECT_EQ(other.Read(1), QByteArray("x"));
    // Asked by its name, the open port is valid; its path is probed (and
    // found taken).
    EXPECT_TRUE(comm.CheckCommportValid("COM1"));
    EXPECT_FALSE(comm.CheckCommportValid(other.SlavePath()));
    comm.CloseCommport();

    comm.SetCommPort(Com2);
    EXPECT_TRUE(comm.DevicePath().isEmpty());
}

TEST_F(CommTest, FailedOpenKeepsTheDeviceAndTheReason)
{
    comm.SetDevicePath("/nonexistent/ttyUSB9");
    EXPECT_EQ(ErrorOf([&] { comm.OpenCommport(); }), "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    EXPECT_EQ(comm.OpenedPath(), "/nonexistent/ttyUSB9");
    EXPECT_EQ(comm.LastOpenError(), ENOENT);

    EXPECT_FALSE(comm.CheckCommportValid("/dev/null"));
    EXPECT_EQ(comm.LastOpenError(), ENOTTY);

    comm.SetDevicePath(QString());
    THComm holder;
    holder.OpenCommport();
    EXPECT_FALSE(comm.CheckCommportValid(pty.SlavePath()));
    EXPECT_EQ(comm.LastOpenError(), EBUSY);
    EXPECT_EQ(ErrorOf([&] { comm.OpenCommport(); }), "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    EXPECT_EQ(comm.LastOpenError(), EBUSY);
}

TEST_F(CommTest, ClosedComponentHasDefaultsAndRefusesTransfers)
{
    EXPECT_EQ(comm.CommPort(), Com1);
    EXPECT_EQ(comm.DeviceName(), "COM1");
    EXPECT_EQ(comm.BaudRate(), ___9600bps);
    EXPECT_EQ(comm.Parity(), None);
    EXPECT_EQ(comm.ByteSize(), _8bit);
    EXPECT_EQ(comm.StopBits(), _1bit);
    EXPECT_EQ(comm.FlowControl(), Disable);
    EXPECT_EQ(comm.EventType(), RxEvent);
    EXPECT_EQ(comm.InBuffSize(), 4096u);
    EXPECT_EQ(comm.OutBuffSize(), 4096u);
    EXPECT_EQ(comm.RxThreshold(), 256u);
    EXPECT_EQ(comm.RxStartSize(), 1024);
    EXPECT_EQ(comm.RxStopSize(), 2048);
    EXPECT_EQ(comm.EventChar(), 65);
    EXPECT_FALSE(comm.GetPortStatus());

    EXPECT_EQ(comm.CountInBuff(), -1);
    EXPECT_EQ(comm.CountOutBuff(), -1);
    char buffer[4];
    EXPECT_EQ(ErrorOf([&] { comm.ReadData(buffer, 1); }), "Have not started communications");
    EXPECT_EQ(ErrorOf([&] { comm.ReadStringData(2); }), "Have not started communications");
    EXPECT_EQ(ErrorOf([&] { comm.WriteData("x", 1); }), "Have not started communications");
    EXPECT_EQ(ErrorOf([&] { comm.WriteStringData("AI 0"); }), "Have not started communications");
    comm.ClearInBuff();
    comm.ClearOutBuff();
    comm.WriteStop();
    comm.WriteRestart();
    comm.CloseCommport();
    EXPECT_FALSE(comm.GetPortStatus());

    // The transfer windows' limits: XON at 256 waiting, XOFF with 256 free.
    comm.SetInBuffSize(1024);
    comm.SetXonSendSize(256);
    comm.SetXoffSendSize(768);
    EXPECT_EQ(comm.XonLimit(), 256);
    EXPECT_EQ(comm.XoffLimit(), 256);
    comm.SetCommPort(Com3);
    EXPECT_EQ(comm.DeviceName(), "COM3");
}

TEST_F(CommTest, OpenAndCloseAreIdempotent)
{
    comm.OpenCommport();
    ASSERT_TRUE(comm.GetPortStatus());
    EXPECT_EQ(comm.CountInBuff(), 0);
    EXPECT_GE(comm.CountOutBuff(), 0);

    // A second open changes nothing: the waiting input is not purged.
    ASSERT_TRUE(pty.Write("abc"));
    ASSERT_TRUE(WaitForInput(3));
    comm.OpenCommport();
    EXPECT_TRUE(comm.GetPortStatus());
    EXPECT_EQ(comm.CountInBuff(), 3);

    comm.CloseCommport();
    EXPECT_FALSE(comm.GetPortStatus());
    EXPECT_EQ(comm.CountInBuff(), -1);
    comm.CloseCommport();
    EXPECT_FALSE(comm.GetPortStatus());

    // Closing released the device: it opens again, here and elsewhere,
    // and the old input is gone.
    comm.OpenCommport();
    EXPECT_EQ(comm.CountInBuff(), 0);
    comm.CloseCommport();
    {
        THComm other;
        other.OpenCommport();
        EXPECT_TRUE(other.GetPortStatus());
    } // the destructor closes
    comm.OpenCommport();
    EXPECT_TRUE(comm.GetPortStatus());
}

TEST_F(CommTest, OpenFailuresLeaveTheComponentClosed)
{
    QTemporaryDir dir;
    const QString plainFile = dir.filePath("not-a-tty");
    {
        QFile file(plainFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ScopedCommDevice absent(3, dir.filePath("no-such-device"));
    ScopedCommDevice notTty(4, plainFile);
    for (TCommPort port : {Com3, Com4}) {
        comm.SetCommPort(port);
        EXPECT_EQ(ErrorOf([&] { comm.OpenCommport(); }), "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
        EXPECT_FALSE(comm.GetPortStatus());
        EXPECT_EQ(comm.CountInBuff(), -1);
        EXPECT_FALSE(comm.CheckCommportValid(comm.DeviceName()));
    }
}

TEST_F(CommTest, SecondComponentCannotOpenOrProbeATakenPort)
{
    THComm other;
    comm.OpenCommport();
    EXPECT_EQ(ErrorOf([&] { other.OpenCommport(); }), "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    EXPECT_FALSE(other.GetPortStatus());
    EXPECT_FALSE(other.CheckCommportValid("COM1"));
    EXPECT_FALSE(other.CheckCommportValid(pty.SlavePath()));
    // The owner's own port counts as valid without being touched.
    EXPECT_TRUE(comm.CheckCommportValid("COM1"));
    // The name is compared exactly; another name is probed.
    EXPECT_FALSE(comm.CheckCommportValid(pty.SlavePath()));

    comm.CloseCommport();
    EXPECT_TRUE(other.CheckCommportValid("COM1"));
    // The probe let go of the device again.
    other.OpenCommport();
    EXPECT_TRUE(other.GetPortStatus());
    EXPECT_FALSE(comm.CheckCommportValid("COM1"));
}

TEST_F(CommTest, ProbeOfAnotherNameOpensThatDevice)
{
    TestPty second;
    ASSERT_TRUE(second.IsValid());
    ScopedCommDevice com2(2, second.SlavePath());
    comm.SetCommPort(Com2);
    comm.OpenCommport();
    EXPECT_TRUE(comm.CheckCommportValid("COM2"));
    EXPECT_TRUE(comm.CheckCommportValid("COM1"));

    THComm holder; // takes COM1
    holder.OpenCommport();
    EXPECT_FALSE(comm.CheckCommportValid("COM1"));
    EXPECT_TRUE(comm.CheckCommportValid("COM2"));
}

TEST_F(CommTest, AnotherProcessCannotTakeAnOpenPort)
{
    const QByteArray path = pty.SlavePath().toLocal8Bit();
    // In the child: 0 when the probe finds the port free, 1 when taken.
    auto probeInChild = [&] {
        const pid_t child = fork();
        if (child == 0) {
            THComm prober;
            _exit(prober.CheckCommportValid(pty.SlavePath()) ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    // A plain open() by a program that takes no lock, as an ordinary user:
    // the terminal's exclusive mode refuses it (root would pass it).
    auto plainOpenInChild = [&] {
        const pid_t child = fork();
        if (child == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(3);
            const int fd = open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            _exit(fd >= 0 ? 0 : errno == EBUSY ? 1 : 2);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    if (geteuid() == 0) {
        ASSERT_EQ(chmod(path.constData(), 0666), 0);
    }

    EXPECT_EQ(probeInChild(), 0);
    EXPECT_EQ(plainOpenInChild(), 0);
    comm.OpenCommport();
    EXPECT_EQ(probeInChild(), 1);
    EXPECT_EQ(plainOpenInChild(), 1);
    comm.CloseCommport();
    EXPECT_EQ(probeInChild(), 0);
    EXPECT_EQ(plainOpenInChild(), 0);
}

// Parity enable and data bits: a pseudo-terminal forces 8 bits without
// parity, so these two are checked on the line state itself.
TEST(CommLineStateTest, ParityAndByteSizeChangeOnlyTheirOwnBits)
{
    termios tio{};
    tio.c_cflag = CS8 | CREAD | CLOCAL | CSTOPB;
    tio.c_iflag = IXON | IXOFF;
    PutParity(tio, Even);
    EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t(PARENB));
    EXPECT_TRUE(tio.c_iflag & INPCK);
    PutParity(tio, Space);
    EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t(PARENB | CMSPAR));
    PutParity(tio, None);
    EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR), 0u);
    EXPECT_FALSE(tio.c_iflag & INPCK);
    const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    for (TByteSize size : {_5bit, _6bit, _7bit, _8bit}) {
        PutByteSize(tio, size);
        EXPECT_EQ(tio.c_cflag & CSIZE, sizes[size]);
    }
    EXPECT_EQ(tio.c_cflag & (CREAD | CLOCAL | CSTOPB), tcflag_t(CREAD | CLOCAL | CSTOPB));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), tcflag_t(IXON | IXOFF));
}

// On the master side of a pseudo-terminal the driver reports the slave's
// line state.
TEST_F(CommTest, LineSettingsReachTheDriverAtOnce)
{
    comm.SetParity(Odd); // stored while closed, applied at open
    comm.SetStopBits(_2bit);
    comm.OpenCommport();
    termios tio = FarEndState(pty);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(tio.c_iflag & (ICRNL | INLCR | IGNCR | IXON | IXOFF | ISTRIP), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_cflag & (PARODD | CMSPAR), tcflag_t(PARODD));
    EXPECT_EQ(tio.c_cflag & CSTOPB, tcflag_t(CSTOPB));
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));

    comm.SetBaudRate(__19200bps);
    EXPECT_EQ(LineSpeedOf(pty.Master()), 19200u);
    comm.SetBaudRate(__14400bps);
    EXPECT_EQ(LineSpeedOf(pty.Master()), 14400u);
    comm.SetParity(Even);
    EXPECT_EQ(FarEndState(pty).c_cflag & (PARODD | CMSPAR), 0u);
    EXPECT_EQ(LineSpeedOf(pty.Master()), 14400u); // other setters keep the rate
    comm.SetParity(Mark);
    EXPECT_EQ(FarEndState(pty).c_cflag & (PARODD | CMSPAR), tcflag_t(PARODD | CMSPAR));
    comm.SetStopBits(_1bit);
    EXPECT_EQ(FarEndState(pty).c_cflag & CSTOPB, 0u);

    comm.SetFlowControl(XonXoff);
    tio = FarEndState(pty);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), tcflag_t(IXON | IXOFF));
    EXPECT_EQ(tio.c_cc[VSTART], 0x11);
    EXPECT_EQ(tio.c_cc[VSTOP], 0x13);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
    comm.SetFlowControl(RtsCts);
    tio = FarEndState(pty);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, tcflag_t(CRTSCTS));
    comm.SetFlowControl(Disable);
    EXPECT_EQ(FarEndState(pty).c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(LineSpeedOf(pty.Master()), 14400u);

    comm.SetBaudRate(_115200bps);
    tio = FarEndState(pty);
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B115200));
    EXPECT_EQ(tio.c_cflag & (PARODD | CMSPAR), tcflag_t(PARODD | CMSPAR));
}

TEST_F(CommTest, EventCharacterRaisesOneEventCountingAllWaitingBytes)
{
    comm.OnCommEvent = log.Handler();
    comm.SetEventType(CharEvent);
    comm.SetEventChar(13);
    comm.OpenCommport();

    ASSERT_TRUE(pty.Write("AI 0"));
    ASSERT_TRUE(WaitForInput(4));
    ASSERT_TRUE(pty.Write("\r"));
    ASSERT_TRUE(log.WaitForCount(1));
    EXPECT_EQ(log.Sizes(), std::vector<uint32_t>{5});
    EXPECT_NE(log.Origin(0).first, std::this_thread::get_id());
    EXPECT_EQ(log.Origin(0).second, &comm);
    EXPECT_EQ(comm.ReadStringData(5), "AI 0\r");

    // A new event character counts at once on the open port.
    comm.SetEventChar(0x100 + '#'); // only the low byte matters
    ASSERT_TRUE(pty.Write("x\r"));
    ASSERT_TRUE(WaitForInput(2));
    ASSERT_TRUE(pty.Write("#"));
    ASSERT_TRUE(log.WaitForCount(2));
    EXPECT_EQ(log.Sizes(), (std::vector<uint32_t>{5, 3}));
}

TEST_F(CommTest, ThresholdEventAndEventTypeTakingEffectAtNextOpen)
{
    comm.OnCommEvent = log.Handler();
    comm.SetEventChar(13);
    comm.OpenCommport(); // RxEvent, threshold 256

    ASSERT_TRUE(pty.Write(QByteArray(200, 'x')));
    ASSERT_TRUE(WaitForInput(200));
    comm.SetEventType(CharEvent); // not before the next open
    ASSERT_TRUE(pty.Write("\r"));
    ASSERT_TRUE(WaitForInput(201));
    ASSERT_TRUE(pty.Write(QByteArray(55, 'x')));
    ASSERT_TRUE(log.WaitForCount(1));
    EXPECT_EQ(log.Sizes(), std::vector<uint32_t>{256});

    // The threshold counts at the next event.
    comm.SetRxThreshold(260);
    ASSERT_TRUE(pty.Write("\r\r\r"));
    ASSERT_TRUE(WaitForInput(259));
    ASSERT_TRUE(pty.Write("y"));
    ASSERT_TRUE(log.WaitForCount(2));
    EXPECT_EQ(log.Sizes(), (std::vector<uint32_t>{256, 260}));

    comm.CloseCommport();
    comm.OpenCommport(); // now CharEvent
    ASSERT_TRUE(pty.Write(QByteArray(300, 'z')));
    ASSERT_TRUE(WaitForInput(300));
    ASSERT_TRUE(pty.Write("\r"));
    ASSERT_TRUE(log.WaitForCount(3));
    EXPECT_EQ(log.Sizes(), (std::vector<uint32_t>{256, 260, 301}));
}

TEST_F(CommTest, HandlerExceptionIsReportedAndEventsGoOn)
{
    std::mutex mutex;
    QStringList reports;
    SetCommErrorReport([&](const QString &message) {
        std::lock_guard<std::mutex> lock(mutex);
        reports << message;
    });
    std::atomic<int> calls{0};
    comm.OnCommEvent = [&](THComm *sender, uint32_t &size) {
        if (calls++ == 0) {
            sender->ClearInBuff();
            throw ECommError("Communication Read Error  ErrorMask=5");
        }
        log.Add(sender, size);
    };
    comm.SetEventType(CharEvent);
    comm.SetEventChar(13);
    comm.OpenCommport();
    ASSERT_TRUE(pty.Write("1\r"));
    ASSERT_TRUE(WaitUntil([&] { return calls == 1 && comm.CountInBuff() == 0; }));
    ASSERT_TRUE(pty.Write("2\r"));
    ASSERT_TRUE(log.WaitForCount(1));
    comm.CloseCommport();
    SetCommErrorReport(nullptr);
    EXPECT_EQ(reports, QStringList{"Communication Read Error  ErrorMask=5"});
}

TEST_F(CommTest, EveryByteValuePassesUnchangedBothWays)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    comm.OpenCommport();
    ASSERT_TRUE(pty.Write(all));
    QByteArray got(256, '\0');
    EXPECT_EQ(comm.ReadData(got.data(), 256), 256u);
    EXPECT_EQ(got, all);

    comm.WriteData(all.constData(), 256);
    EXPECT_EQ(pty.Read(256), all);
    comm.WriteStringData("ID");
    comm.WriteData("\r", 1);
    EXPECT_EQ(pty.Read(3), "ID\r");
}

TEST_F(CommTest, FullInputQueueHoldsTheRestInTheDriver)
{
    comm.SetInBuffSize(16);
    comm.OpenCommport();
    QByteArray sent;
    for (int i = 0; i < 3000; ++i)
        sent.append(char('a' + i % 26));
    ASSERT_TRUE(pty.Write(sent));
    ASSERT_TRUE(WaitForInput(16));
    EXPECT_EQ(comm.CountInBuff(), 16);
    // Reading makes room; nothing is lost or reordered on the way.
    QByteArray got(3000, '\0');
    EXPECT_EQ(comm.ReadData(got.data(), 3000), 3000u);
    EXPECT_EQ(got, sent);
}

TEST_F(CommTest, WriteLimitAndTimeOuts)
{
    comm.SetOutBuffSize(1024);
    comm.SetFlowControl(XonXoff);
    comm.OpenCommport();
    const QByteArray block(1024, 'w');
    comm.WriteData(block.constData(), 1023);
    EXPECT_EQ(pty.Read(1023).size(), 1023);
    EXPECT_EQ(ErrorOf([&] { comm.WriteData(block.constData(), 1024); }), "Too much write data");
    EXPECT_EQ(pty.Read(1, 50), QByteArray());

    // Nothing arrives: the read fails rather than returning nothing.
    char buffer[8];
    EXPECT_EQ(ErrorOf([&] { comm.ReadData(buffer, 1); }), "Read data Timeout");
    // Part arrives: the read returns what came.
    ASSERT_TRUE(pty.Write("xy"));
    EXPECT_EQ(comm.ReadData(buffer, 3), 2u);
    EXPECT_EQ(QByteArray(buffer, 2), "xy");

    // The far end holds the line with XOFF: the write times out, and the
    // error says it was held (ETIMEDOUT) for callers to explain.
    ASSERT_TRUE(pty.Write("\x13z"));
    ASSERT_TRUE(WaitForInput(1)); // the XOFF before it has been seen
    int code = 0;
    EXPECT_EQ(ErrorOf([&] {
                  try {
                      comm.WriteData("q", 1);
                  } catch (const ECommError &e) {
                      code = e.Code();
                      throw;
                  }
              }),
              "Write data Timeout");
    EXPECT_EQ(code, ETIMEDOUT);
    // With a flow hold limit the write waits that long for XON, not
    // 100 ms per byte.
    comm.SetFlowHoldLimit(600);
    QElapsedTimer held;
    held.start();
    EXPECT_EQ(ErrorOf([&] { comm.WriteData("AI 0", 4); }), "Write data Timeout");
    EXPECT_GE(held.elapsed(), 600);
    comm.SetFlowHoldLimit(0);
    ASSERT_TRUE(pty.Write("\x11k"));
    ASSERT_TRUE(WaitForInput(2)); // the XON has been seen too
    comm.WriteStringData("ok");
    EXPECT_EQ(pty.Read(2), "ok");
}

TEST_F(CommTest, ClearInBuffDiscardsWaitingInput)
{
    comm.OpenCommport();
    ASSERT_TRUE(pty.Write("junk"));
    ASSERT_TRUE(WaitForInput(4));
    comm.ClearInBuff();
    EXPECT_EQ(comm.CountInBuff(), 0);
    ASSERT_TRUE(pty.Write("AI 0\r"));
    EXPECT_EQ(comm.ReadStringData(5), "AI 0\r");
    comm.ClearOutBuff();
}

TEST_F(CommTest, HandlerMayCloseOrDestroyItsComponent)
{
    std::atomic<int> closed{0};
    comm.SetEventType(CharEvent);
    comm.SetEventChar(13);
    comm.OnCommEvent = [&](THComm *sender, uint32_t &) {
        sender->CloseCommport();
        sender->CloseCommport();
        closed = sender->GetPortStatus() ? -1 : 1;
    };
    comm.OpenCommport();
    ASSERT_TRUE(pty.Write("\r"));
    ASSERT_TRUE(WaitUntil([&] { return closed != 0; }));
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(comm.GetPortStatus());
    {
        // The device was let go at once, on the receive thread.
        THComm other;
        EXPECT_TRUE(other.CheckCommportValid("COM1"));
    }
    comm.OpenCommport();
    EXPECT_TRUE(comm.GetPortStatus());
    comm.CloseCommport();

    auto *doomed = new THComm;
    std::atomic<bool> destroyed{false};
    doomed->SetEventType(CharEvent);
    doomed->SetEventChar(13);
    doomed->OnCommEvent = [&](THComm *sender, uint32_t &) {
        delete sender;
        destroyed = true;
    };
    doomed->OpenCommport();
    ASSERT_TRUE(pty.Write("\r"));
    ASSERT_TRUE(WaitUntil([&] { return destroyed.load(); }));
    THComm after;
    after.OpenCommport();
    EXPECT_TRUE(after.GetPortStatus());
}

// Plays a transfer window: the serial handler only posts a queued call of
// ReplyArrived to this object on the GUI thread, which reads the reply byte
// by byte, sends the next command and at the end closes the port there.
class CommReplyReader : public QObject {
    Q_OBJECT
public:
    CommReplyReader(THComm &comm, int exchanges) : comm_(comm), exchanges_(exchanges)
    {
        comm_.OnCommEvent = [this](THComm *, uint32_t &) {
            QMetaObject::invokeMethod(this, "ReplyArrived", Qt::QueuedConnection);
        };
    }
    static QString Command(int number)
    {
        return QStringLiteral("MR 0,0,%1").arg(number, 3, 10, QLatin1Char('0'));
    }
    void Send(int number)
    {
        comm_.WriteStringData(Command(number).toStdString());
        comm_.WriteData("\r", 1);
    }

    QStringList replies;
    QEventLoop loop;

public slots:
    void ReplyArrived()
    {
        QByteArray reply;
        while (comm_.GetPortStatus() && comm_.CountInBuff() > 0) {
            char c;
            comm_.ReadData(&c, 1);
            if (c == '\r') {
                replies << QString::fromLatin1(reply);
                reply.clear();
            } else {
                reply += c;
            }
        }
        if (replies.size() >= exchanges_) {
            comm_.CloseCommport();
            loop.quit();
        } else if (!reply.isEmpty()) {
            // The event came before its carriage return had been queued.
            replies << QStringLiteral("partial:") + QString::fromLatin1(reply);
            loop.quit();
        } else {
            Send(int(replies.size()) + 1);
        }
    }

private:
    THComm &comm_;
    const int exchanges_;
};

TEST_F(CommTest, RepliesHandledOnTheGuiThread)
{
    constexpr int kExchanges = 200;
    std::atomic<bool> farEndDone{false};
    std::thread farEnd([&] {
        // Answers each command line with "<command> OK\r".
        QByteArray line;
        while (!farEndDone) {
            const QByteArray got = pty.Read(1, 50);
            if (got.isEmpty())
                continue;
            if (got != "\r") {
                line += got;
                continue;
            }
            pty.Write(line + " OK\r");
            line.clear();
        }
    });

    comm.SetFlowControl(XonXoff);
    comm.SetEventType(CharEvent);
    comm.SetEventChar(13);
    comm.SetInBuffSize(1024);
    CommReplyReader reader(comm, kExchanges);
    comm.OpenCommport();
    reader.Send(1);
    QTimer::singleShot(20000, &reader.loop, &QEventLoop::quit);
    reader.loop.exec();
    farEndDone = true;
    farEnd.join();

    EXPECT_FALSE(comm.GetPortStatus());
    ASSERT_EQ(reader.replies.size(), kExchanges);
    for (int i = 0; i < kExchanges; ++i)
        EXPECT_EQ(reader.replies[i], CommReplyReader::Command(i + 1) + " OK");
}

TEST_F(CommTest, IdleOpenPortUsesNoCpu)
{
    comm.SetEventType(CharEvent);
    comm.OpenCommport();
    const double before = CpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    // A receive thread that polled would use most of the second.
    EXPECT_LT(CpuSeconds() - before, 0.2);
}

TEST_F(CommTest, FarEndHangUpGivesErrorsWithoutHangOrSpin)
{
    comm.OnCommEvent = log.Handler();
    comm.SetEventType(CharEvent);
    comm.SetEventChar(13);
    comm.OpenCommport();
    ASSERT_TRUE(pty.Write("bye"));
    ASSERT_TRUE(WaitForInput(3));
    pty.CloseMaster();

    // What had come before is still read; then the failure is reported
    // with the platform's error number (EIO).
    EXPECT_EQ(comm.ReadStringData(3), "bye");
    char buffer[20];
    EXPECT_EQ(ErrorOf([&] { comm.ReadData(buffer, 20); }), "Communication Read Error  ErrorMask=5");
    EXPECT_EQ(ErrorOf([&] { comm.WriteData("x", 1); }), "Communication Write Error  ErrorMask=5");
    EXPECT_TRUE(comm.GetPortStatus());

    const double before = CpuSeconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_LT(CpuSeconds() - before, 0.25);
    EXPECT_TRUE(log.Sizes().empty());

    comm.CloseCommport();
    EXPECT_FALSE(comm.GetPortStatus());
}

#include "test_comm.moc"
