// The radio simulator, driven over its pseudo-terminal with plain reads and
// writes: one scripted conversation per command family, whole-memory round
// trips through its ".381" files, its command log, and every injected fault.
#include "data/ProgramVersion.h"
#include "support/CliRun.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <QFile>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

const std::string kSilence = "<silence>";
const std::string kHangUp = "<hang-up>";

// The program's end of the line, reduced to raw reads and writes.
class Terminal {
public:
    explicit Terminal(const QString &device)
    {
        fd_ = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios settings{};
        if (fd_ >= 0 && tcgetattr(fd_, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(fd_, TCSANOW, &settings);
        }
    }
    ~Terminal() { Close(); }
    Terminal(const Terminal &) = delete;
    Terminal &operator=(const Terminal &) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    void Close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    void Send(const std::string &command)
    {
        const std::string bytes = command + '\r';
        size_t done = 0;
        while (fd_ >= 0 && done < bytes.size()) {
            ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (written > 0) {
                done += static_cast<size_t>(written);
            } else if (written < 0 && errno == EAGAIN) {
                pollfd fd{fd_, POLLOUT, 0};
                poll(&fd, 1, 1000);
            } else {
                return;
            }
        }
    }

    // The next reply line without its carriage return.
    std::string Line(int timeoutMs = 5000)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            const size_t end = buffer_.find('\r');
            if (end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            const std::string &ended = Receive(deadline);
            if (!ended.empty())
                return ended;
        }
    }

    // The next count bytes as they came, line ends included; fewer when the
    // line falls silent or hangs up first.
    std::string Bytes(size_t count, int timeoutMs = 5000)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (buffer_.size() < count && Receive(deadline).empty()) {
        }
        std::string bytes = buffer_.substr(0, count);
        buffer_.erase(0, bytes.size());
        return bytes;
    }

    std::string Ask(const std::string &command, int timeoutMs = 5000)
    {
        Send(command);
        return Line(timeoutMs);
    }

private:
    // Appends what arrives before the deadline to the buffer. Empty while
    // the line lives, else kSilence or kHangUp.
    const std::string &Receive(Clock::time_point deadline)
    {
        static const std::string kAlive;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd fd{fd_, POLLIN, 0};
        if (fd_ < 0 || left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) == 0)
            return kSilence;
        char chunk[512];
        ssize_t length = ::read(fd_, chunk, sizeof chunk);
        if (length > 0)
            buffer_.append(chunk, static_cast<size_t>(length));
        else if (length == 0 || (errno != EAGAIN && errno != EINTR))
            return kHangUp;
        return kAlive;
    }

    int fd_ = -1;
    std::string buffer_;
};

// What the program keeps of a reply: the reply less its first k characters.
std::string Cut(const std::string &reply, size_t k)
{
    return reply.size() > k ? reply.substr(k) : std::string();
}

std::vector<std::string> Fields(const std::string &record)
{
    std::vector<std::string> fields(1);
    for (char c : record) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    fields.resize(std::max<size_t>(fields.size(), 18));
    return fields;
}

std::string Label(int slot)
{
    static const char *const named[] = {"L1", "U1", "L2", "U2", "L3", "U3", "L4",
                                        "U4", "L5", "U5", "L6", "U6", "PR"};
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%03d", slot);
    return slot <= 180 ? std::string(buffer) : std::string(named[slot - 181]);
}

const char *const kBandCodes[5] = {"1", "2", "5", "6", "8"};

struct Document {
    std::string comment;
    std::string memory[194];
    std::string call[2];
    std::string vfo[5];
    std::string dtmf[10];
};

// A document with every kind of record the editor produces.
Document SampleDocument()
{
    Document doc;
    doc.comment = "Field day, 2 x 5";
    doc.memory[1] = "001,00145000000,5,0,0,0,0,,09,,09,,0,,,,,";
    doc.memory[2] = "002,00145500000,6,1,0,1,0,,12,,09,,1,,00435000000,6,,RPT.1";
    doc.memory[7] = "007,00144640000,3,0,0,1,1,,05,,05,,0,,,,,A";
    doc.memory[180] = "180,00440000000,3,2,0,0,1,,09,,20,,0,,00145000000,3,,ABCDEFG";
    doc.memory[181] = "L1,00144000000,5,0,0,0,0,,09,,09,,,,,,,";
    doc.memory[192] = "U6,00146000000,5,0,0,0,0,,09,,09,,,,,,,";
    doc.memory[193] = "PR,00145000000,5,0,0,0,0,,09,,09,,,,,,,HOME";
    doc.call[0] = "0,00145000000,5,0,0,0,0,,09,,09,,,,,,,";
    doc.call[1] = "1,00435000000,6,0,0,0,0,,09,,09,,,,00145000000,6,,";
    doc.vfo[0] = "1,00118000000,5,0,0,0,0,,09,,09,000000000,,,,,,";
    doc.vfo[1] = "2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,";
    doc.vfo[3] = "6,00435000000,6,0,0,0,0,,09,,09,005000000,,,,,2,";
    doc.dtmf[0] = "00,123";
    doc.dtmf[3] = "03,*#A0";
    doc.dtmf[9] = "09,ABCD*#0123456789";
    return doc;
}

std::string Tabs(std::string record)
{
    for (char &c : record)
        if (c == ',')
            c = '\t';
    return record;
}

QByteArray ImageText(const Document &doc)
{
    std::string text = "COMMENT\r\n" + doc.comment + "\r\nMEMORY\r\n";
    for (int slot = 1; slot <= 193; ++slot)
        if (doc.memory[slot].size() > 4)
            text += Tabs(doc.memory[slot]) + "\r\n";
    text += "CALL\r\n";
    for (const std::string &record : doc.call)
        if (record.size() > 4)
            text += Tabs(record) + "\r\n";
    text += "VFO\r\n";
    for (const std::string &record : doc.vfo)
        if (record.size() > 4)
            text += Tabs(record) + "\r\n";
    text += "DTMF\r\n";
    for (const std::string &record : doc.dtmf)
        if (record.size() > 1)
            text += Tabs(record) + "\r\n";
    return QByteArray::fromStdString(text);
}

bool NoName(const std::string &reply)
{
    return reply.compare(0, 7, std::string(7, ' ')) == 0;
}

// The whole read walk of the program: each reply cut by its own k and the
// parts assembled into records.
Document ReadRadio(Terminal &radio)
{
    Document doc;
    for (int slot = 1; slot <= 193; ++slot) {
        const std::string label = Label(slot);
        const std::string main = Cut(radio.Ask("MR 0,0," + label), 7);
        if (slot <= 180) {
            if (main.size() < 5)
                continue;
            const std::string split = Cut(radio.Ask("MR 0,1," + label), 11);
            const std::string name = Cut(radio.Ask("MNA 0," + label), 10);
            doc.memory[slot] = main + (split.empty() ? ",,," : ",," + split) + ",," + (NoName(name) ? "" : name);
        } else if (main.size() > 4 && slot < 193) {
            doc.memory[slot] = main + ",,,,,";
        } else if (main.size() > 4) {
            const std::string name = Cut(radio.Ask("MNA 0,PR"), 9);
            doc.memory[slot] = main + ",,,,," + (NoName(name) ? "" : name);
        }
    }
    for (int i = 0; i < 2; ++i) {
        const std::string index = std::to_string(i);
        const std::string main = Cut(radio.Ask("CR " + index + ",0"), 7);
        const std::string split = Cut(radio.Ask("CR " + index + ",1"), 7);
        doc.call[i] = index + "," + main + (split.empty() ? ",,,,,," : ",,," + split + ",,");
    }
    for (int band = 0; band < 5; ++band) {
        const std::string vfo = Cut(radio.Ask(std::string("VR ") + kBandCodes[band]), 3);
        if (band == 1 || band == 3)
            doc.vfo[band] = vfo + ",,,,," + Cut(radio.Ask(band == 1 ? "PC 0" : "PC 1"), 5) + ",";
        else if (vfo.size() > 1)
            doc.vfo[band] = vfo + ",,,,,,";
    }
    for (int n = 0; n < 10; ++n) {
        std::string dtmf = Cut(radio.Ask("DM 0" + std::to_string(n)), 3);
        for (char &c : dtmf)
            c = c == 'E' ? '*' : c == 'F' ? '#' : c;
        doc.dtmf[n] = dtmf;
    }
    return doc;
}

std::string Join(const std::vector<std::string> &fields, int first, int last)
{
    std::string text;
    for (int i = first; i <= last; ++i)
        text += "," + fields[i];
    return text;
}

// The write walk of the program: every command it would send for the
// document, in order.
std::vector<std::string> WriteCommands(const Document &doc)
{
    std::vector<std::string> commands;
    char hex[8];
    for (int slot = 1; slot <= 193; ++slot) {
        const std::vector<std::string> f = Fields(doc.memory[slot]);
        const std::string label = Label(slot);
        if (f[1].empty()) {
            std::snprintf(hex, sizeof hex, "%02x", slot - 1);
            commands.push_back(std::string("EEP 0C") + hex + ",01,00");
            continue;
        }
        commands.push_back("MW 0,0," + label + Join(f, 1, 12));
        if (slot <= 180 && !f[14].empty())
            commands.push_back("MW 0,1," + label + Join(f, 14, 15));
        if (slot <= 180 || !f[17].empty())
            commands.push_back("MNA 0," + label + "," + f[17]);
    }
    for (const std::string &record : doc.call) {
        const std::vector<std::string> f = Fields(record);
        if (!f[1].empty())
            commands.push_back("CW " + f[0] + ",0" + Join(f, 1, 11));
        if (!f[14].empty())
            commands.push_back("CW " + f[0] + ",1" + Join(f, 14, 15));
    }
    for (int band = 0; band < 5; ++band) {
        const std::vector<std::string> f = Fields(doc.vfo[band]);
        if (f[1].empty())
            continue;
        commands.push_back("VW " + f[0] + Join(f, 1, 11));
        if (band == 1 || band == 3)
            commands.push_back((band == 1 ? "PC 0," : "PC 1,") + f[16]);
    }
    for (int n = 0; n < 10; ++n) {
        std::vector<std::string> f = Fields(doc.dtmf[n]);
        if (f[1].empty()) {
            std::snprintf(hex, sizeof hex, "%x", n + 6);
            commands.push_back(std::string("EEP 0CC") + hex + ",01,FF");
            continue;
        }
        for (char &c : f[1])
            c = c == '*' ? 'E' : c == '#' ? 'F' : c;
        commands.push_back("DM " + f[0] + "," + f[1]);
    }
    commands.push_back("PS 0");
    commands.push_back("PS 1");
    return commands;
}

// User plus system CPU time of a process, in clock ticks.
long CpuTicks(pid_t pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = file.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLong() + fields[12].toLong() : -1;
}

long Milliseconds(Clock::duration duration)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(duration).count());
}

class SimTest : public ::testing::Test {
protected:
    void StartSim(const QStringList &options = {})
    {
        ASSERT_TRUE(sim.Start(options)) << sim.ErrorString().toStdString();
    }
    SimFixture sim;
};

const std::string kMain7 = "MW 0,0,007,00433000000,6,2,1,0,1,,09,,20,,0";

// ---------------------------------------------------------------------------

TEST_F(SimTest, IdentifiesItselfAndRefusesWhatItDoesNotKnow)
{
    StartSim();
    Terminal radio(sim.DevicePath());
    ASSERT_TRUE(radio.IsOpen());
    EXPECT_EQ(radio.Ask(""), "?");
    EXPECT_EQ(radio.Ask("AI 0"), "AI 0");
    EXPECT_EQ(Cut(radio.Ask("ID"), 3), "QV-R381");
    EXPECT_EQ(Cut(radio.Ask("TYD"), 4), "0,2,00,1,1,,");
    EXPECT_EQ(Cut(radio.Ask("FL"), 3), "00118,00135,00136,00173,00410,00469");
    for (const char *unknown : {"id", "ID 1", "XYZ", "AI", "MR 0,0,7", "MR 0,0,181", "MR 0,2,001", "VR 3",
                                "CR 2,0", "DM 10", "DM 3", "PC 2", "MNA 0,L1", "MR 0,1,PR"})
        EXPECT_EQ(radio.Ask(unknown), "?") << unknown;
    // Line feeds are ignored; carriage returns alone end lines.
    radio.Send("\nID\n");
    EXPECT_EQ(radio.Line(), "ID QV-R381");
}

TEST_F(SimTest, RadioTypeLimitsAndWakeReplyAreSettable)
{
    StartSim({"--type", "0,3,05,1,1,1,2", "--limits", "00136,00173", "--wake-reply", ""});
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask(""), "");
    EXPECT_EQ(radio.Ask("TYD"), "TYD 0,3,05,1,1,1,2");
    EXPECT_EQ(radio.Ask("FL"), "FL 00136,00173");
}

TEST_F(SimTest, MemoryChannelsAreWrittenReadAndCleared)
{
    StartSim();
    Terminal radio(sim.DevicePath());
    // An empty slot answers a text too short to be data.
    EXPECT_LT(Cut(radio.Ask("MR 0,0,007"), 7).size(), 5u);

    EXPECT_EQ(radio.Ask(kMain7), kMain7);
    EXPECT_EQ(Cut(radio.Ask("MR 0,0,007"), 7), "007,00433000000,6,2,1,0,1,,09,,20,,0");
    EXPECT_EQ(Cut(radio.Ask("MR 0,1,007"), 11), "");
    EXPECT_EQ(radio.Ask("MNA 0,007"), "N");

    EXPECT_EQ(radio.Ask("MW 0,1,007,00438000000,6"), "MW 0,1,007,00438000000,6");
    EXPECT_EQ(Cut(radio.Ask("MR 0,1,007"), 11), "00438000000,6");
    EXPECT_EQ(radio.Ask("MNA 0,007,RPT.2"), "MNA 0,007,RPT.2");
    EXPECT_EQ(Cut(radio.Ask("MNA 0,007"), 10), "RPT.2");

    // A new main part drops the split but keeps the name, which the
    // following name command sets anyway.
    EXPECT_EQ(radio.Ask(kMain7), kMain7);
    EXPECT_EQ(Cut(radio.Ask("MR 0,1,007"), 11), "");
    EXPECT_EQ(Cut(radio.Ask("MNA 0,007"), 10), "RPT.2");
    EXPECT_EQ(radio.Ask("MNA 0,007,"), "MNA 0,007,");
    EXPECT_EQ(radio.Ask("MNA 0,007"), "N");

    // Malformed writes are refused and change nothing.
    EXPECT_EQ(radio.Ask("MW 0,0,007,00433000000,6,2,1,0,1,,09,,20,"), "?"); // 11 fields
    EXPECT_EQ(radio.Ask("MW 0,0,007,,6,2,1,0,1,,09,,20,,0"), "?");          // no frequency
    EXPECT_EQ(radio.Ask("MW 0,0,7,00433000000,6,2,1,0,1,,09,,20,,0"), "?"); // bad slot
    EXPECT_EQ(radio.Ask("MW 0,1,008,00438000000,6"), "?");                  // empty slot
    EXPECT_EQ(radio.Ask("MNA 0,008,X"), "?");
    EXPECT_EQ(radio.Ask("MNA 0,007,A,B"), "?");
    EXPECT_EQ(Cut(radio.Ask("MR 0,0,007"), 7), "007,00433000000,6,2,1,0,1,,09,,20,,0");

    // Slot 7 is cleared at address 0C06; upper-case digits are not the radio's.
    EXPECT_EQ(radio.Ask("MW 0,0,016,00145000000,5,0,0,0,0,,09,,09,,0"), "MW 0,0,016,00145000000,5,0,0,0,0,,09,,09,,0");
    EXPECT_EQ(radio.Ask("EEP 0C0F,01,00"), "?");
    EXPECT_GE(Cut(radio.Ask("MR 0,0,016"), 7).size(), 5u);
    EXPECT_EQ(radio.Ask("EEP 0C0f,01,00"), "EEP 0C0f,01,00");
    EXPECT_LT(Cut(radio.Ask("MR 0,0,016"), 7).size(), 5u);
    EXPECT_EQ(radio.Ask("EEP 0C06,01,00"), "EEP 0C06,01,00");
    EXPECT_LT(Cut(radio.Ask("MR 0,0,007"), 7).size(), 5u);
    EXPECT_EQ(radio.Ask("EEP 0Cc1,01,00"), "?");
    EXPECT_EQ(radio.Ask("EEP 0C06,01,FF"), "?");
}

TEST_F(SimTest, LowerUpperPairsAndPriorityChannel)
{
    StartSim();
    Terminal radio(sim.DevicePath());
    const std::string l1 = "MW 0,0,L1,00144000000,5,0,0,0,0,,09,,09,,";
    const std::string pr = "MW 0,0,PR,00145000000,5,0,0,0,0,,09,,09,,";
    EXPECT_EQ(Cut(radio.Ask("MR 0,0,L1"), 7).size() <= 4, true);
    EXPECT_EQ(radio.Ask(l1), l1);
    EXPECT_EQ(Cut(radio.Ask("MR 0,0,L1"), 7), "L1,00144000000,5,0,0,0,0,,09,,09,,");
    EXPECT_EQ(radio.Ask("MW 0,0,U6,00146000000,5,0,0,0,0,,09,,09,,").substr(0, 9), "MW 0,0,U6");
    EXPECT_EQ(radio.Ask("MW 0,1,L1,00144000000,5"), "?");

    EXPECT_LE(Cut(radio.Ask("MR 0,0,PR"), 7).size(), 4u);
    EXPECT_EQ(radio.Ask(pr), pr);
    EXPECT_EQ(radio.Ask("MNA 0,PR"), "N");
    EXPECT_EQ(radio.Ask("MNA 0,PR,HOME"), "MNA 0,PR,HOME");
    EXPECT_EQ(Cut(radio.Ask("MNA 0,PR"), 9), "HOME");
    // The priority channel's name only follows a write when it has one, so
    // a new main part removes the old name.
    EXPECT_EQ(radio.Ask(pr), pr);
    EXPECT_EQ(radio.Ask("MNA 0,PR"), "N");

    EXPECT_EQ(radio.Ask("EEP 0Cb4,01,00"), "EEP 0Cb4,01,00"); // slot 181, L1
    EXPECT_LE(Cut(radio.Ask("MR 0,0,L1"), 7).size(), 4u);
    EXPECT_GT(Cut(radio.Ask("MR 0,0,U6"), 7).size(), 4u);
    EXPECT_EQ(radio.Ask("EEP 0Cbf,01,00"), "EEP 0Cbf,01,00"); // slot 192, U6
    EXPECT_LE(Cut(radio.Ask("MR 0,0,U6"), 7).size(), 4u);
    EXPECT_EQ(radio.Ask("EEP 0Cc0,01,00"), "EEP 0Cc0,01,00"); // slot 193, PR
    EXPECT_LE(Cut(radio.Ask("MR 0,0,PR"), 7).size(), 4u);
}

TEST_F(SimTest, CallChannels)
{
    StartSim();
    Terminal radio(sim.DevicePath());
    const std::string main = "CW 1,0,00435000000,6,0,0,0,0,,09,,09,";
    EXPECT_EQ(Cut(radio.Ask("CR 1,0"), 7), "");
    EXPECT_EQ(radio.Ask("CW 1,1,00145000000,6"), "?"); // no channel to split yet
    EXPECT_EQ(radio.Ask(main), main);
    EXPECT_EQ(Cut(radio.Ask("CR 1,0"), 7), "00435000000,6,0,0,0,0,,09,,09,");
    EXPECT_EQ(Cut(radio.Ask("CR 1,1"), 7), "");
    EXPECT_EQ(radio.Ask("CW 1,1,00145000000,6"), "CW 1,1,00145000000,6");
    EXPECT_EQ(Cut(radio.Ask("CR 1,1"), 7), "00145000000,6");
    EXPECT_EQ(Cut(radio.Ask("CR 0,0"), 7), "");
    EXPECT_EQ(radio.Ask(main), main);
    EXPECT_EQ(Cut(radio.Ask("CR 1,1"), 7), "");
    EXPECT_EQ(radio.Ask("CW 1,0,00435000000,6,0,0,0,0,,09,,09"), "?");
    EXPECT_EQ(radio.Ask("CW 2,0,00435000000,6,0,0,0,0,,09,,09,"), "?");
}

TEST_F(SimTest, VfosAndOutputPower)
{
    StartSim();
    Terminal radio(sim.DevicePath());
    const std::string vfo = "VW 2,00145000000,5,0,0,0,0,,09,,09,000600000";
    EXPECT_LE(Cut(radio.Ask("VR 2"), 3).size(), 1u);
    EXPECT_EQ(radio.Ask("PC 0,1"), "?"); // no VFO to set the power of
    EXPECT_EQ(radio.Ask(vfo), vfo);
    EXPECT_EQ(Cut(radio.Ask("VR 2"), 3), "2,00145000000,5,0,0,0,0,,09,,09,000600000");
    EXPECT_EQ(Cut(radio.Ask("PC 0"), 5), "");
    EXPECT_EQ(radio.Ask("PC 0,2"), "PC 0,2");
    EXPECT_EQ(Cut(radio.Ask("PC 0"), 5), "2");
    EXPECT_EQ(radio.Ask(vfo), vfo); // a new VFO keeps its power
    EXPECT_EQ(Cut(radio.Ask("PC 0"), 5), "2");
    EXPECT_EQ(Cut(radio.Ask("PC 1"), 5), ""); // PC 1 is band index 3
    EXPECT_EQ(radio.Ask("PC 0,4"), "?");
    EXPECT_EQ(radio.Ask("PC 0,"), "?");
    EXPECT_EQ(radio.Ask("VW 3,00145000000,5,0,0,0,0,,09,,09,000600000"), "?");
    EXPECT_EQ(radio.Ask("VW 8,,5,0,0,0,0,,09,,09,000600000"), "?");
    EXPECT_LE(Cut(radio.Ask("VR 8"), 3).size(), 1u);
}

TEST_F(SimTest, DtmfMemoriesTravelWithEAndF)
{
    StartSim();
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask("DM 03"), "N");
    EXPECT_EQ(radio.Ask("DM 03,12EF"), "DM 03,12EF");
    EXPECT_EQ(Cut(radio.Ask("DM 03"), 3), "03,12EF");
    EXPECT_EQ(radio.Ask("DM 04,0123456789ABCDEF"), "DM 04,0123456789ABCDEF");
    EXPECT_EQ(radio.Ask("DM 05,1*2"), "?"); // '*' travels as 'E'
    EXPECT_EQ(radio.Ask("DM 05,0123456789ABCDEF0"), "?");
    EXPECT_EQ(radio.Ask("DM 06,7"), "DM 06,7");
    EXPECT_EQ(radio.Ask("EEP 0CCc,01,FF"), "EEP 0CCc,01,FF"); // memory 6
    EXPECT_EQ(radio.Ask("DM 06"), "N");
    EXPECT_EQ(radio.Ask("EEP 0CC5,01,FF"), "?");
    EXPECT_EQ(radio.Ask("EEP 0CCA,01,FF"), "?");
    EXPECT_EQ(radio.Ask("PS 0"), "PS 0");
    EXPECT_EQ(radio.Ask("PS 1"), "PS 1");
    ASSERT_EQ(sim.Stop(), 0);
    const QByteArray saved = sim.SavedImage();
    EXPECT_TRUE(saved.endsWith("DTMF\r\n03\t12*#\r\n04\t0123456789ABCD*#\r\n")) << saved.toStdString();
}

// Reads of items the radio does not hold, each with its reply in the echo
// form: the command's echo without data (seven blanks for a name).
struct EmptyRead {
    const char *command;
    const char *echo;
};
const EmptyRead kEmptyReads[] = {
    {"MR 0,0,008", "MR 0,0,008"},       // slot without a record
    {"MR 0,0,PR", "MR 0,0,PR"},
    {"MR 0,1,007", "MR 0,1,007"},       // stored slot without a split
    {"MR 0,1,008", "MR 0,1,008"},       // slot without a record
    {"MNA 0,007", "MNA 0,007,       "}, // stored slot without a name
    {"MNA 0,008", "MNA 0,008,       "}, // slot without a record
    {"CR 0,0", "CR 0,0"},               // CALL channel without a record
    {"CR 0,1", "CR 0,1"},
    {"CR 1,1", "CR 1,1"},               // stored CALL channel without a split
    {"VR 5", "VR 5"},                   // VFO band without a record
    {"PC 0", "PC 0,"},                  // its VFO (band code 2) without a record
    {"PC 1", "PC 1,"},                  // its VFO (band code 6) without a power code
    {"DM 03", "DM 03"},                 // DTMF memory never written
    {"DM 05", "DM 05"},                 // DTMF memory written without a code
};

TEST_F(SimTest, EmptyItemsAnswerTheChosenForm)
{
    Document doc;
    doc.memory[7] = "007,00145000000,5,0,0,0,0,,09,,09,,0,,,,,";
    doc.call[1] = "1,00435000000,6,0,0,0,0,,09,,09,,,,,,,";
    doc.vfo[3] = "6,00435000000,6,0,0,0,0,,09,,09,005000000,,,,,,";
    const QString image = sim.WriteFile(QStringLiteral("in.381"), ImageText(doc));
    const struct {
        QStringList options;
        const char *reply; // nullptr: the echo
    } forms[] = {
        {{}, "N"},
        {{"--empty-reply", "N"}, "N"},
        {{"--empty-reply", "cr"}, ""},
        {{"--empty-reply", "?"}, "?"},
        {{"--empty-reply", "echo"}, nullptr},
    };
    for (const auto &form : forms) {
        const std::string name = form.options.join(' ').toStdString();
        SimFixture radioSim;
        ASSERT_TRUE(radioSim.Start(QStringList{"--image", image} + form.options)) << name;
        Terminal radio(radioSim.DevicePath());
        EXPECT_EQ(radio.Ask("DM 05,"), "DM 05,") << name;
        for (const EmptyRead &read : kEmptyReads) {
            const std::string expected = std::string(form.reply ? form.reply : read.echo) + '\r';
            radio.Send(read.command);
            EXPECT_EQ(radio.Bytes(expected.size()), expected) << name << ": " << read.command;
        }
        // Items the radio holds answer their data in every form.
        EXPECT_EQ(radio.Ask("MR 0,0,007"), "MR 0,0,007,00145000000,5,0,0,0,0,,09,,09,,0") << name;
        EXPECT_EQ(radio.Ask("CR 1,0"), "CR 1,0,00435000000,6,0,0,0,0,,09,,09,") << name;
    }
}

// ---------------------------------------------------------------------------

TEST_F(SimTest, ImageIsReadBackAsTheDocumentAndSavedUnchanged)
{
    const Document doc = SampleDocument();
    for (const std::string &record : doc.memory)
        if (!record.empty()) {
            ASSERT_EQ(Fields(record).size(), 18u) << record;
        }
    const QByteArray image = ImageText(doc);
    StartSim({"--image", sim.WriteFile(QStringLiteral("in.381"), image)});
    Terminal radio(sim.DevicePath());
    const Document read = ReadRadio(radio);
    for (int slot = 1; slot <= 193; ++slot)
        EXPECT_EQ(read.memory[slot], doc.memory[slot]) << "slot " << slot;
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(read.call[i], doc.call[i]);
    for (int band = 0; band < 5; ++band) {
        if (band == 0 || band == 1 || band == 3)
            EXPECT_EQ(read.vfo[band], doc.vfo[band]) << "band " << band;
        else
            EXPECT_EQ(read.vfo[band], "");
    }
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(read.dtmf[n], doc.dtmf[n]);
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.SavedImage(), image);
}

TEST_F(SimTest, WrittenDocumentIsSavedAsItsImage)
{
    Document doc = SampleDocument();
    StartSim();
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask("AI 0"), "AI 0");
    // Leftovers a write must clear: a slot, a DTMF memory.
    EXPECT_EQ(radio.Ask(kMain7.substr(0, 7) + "003" + kMain7.substr(10)).size(), kMain7.size());
    EXPECT_EQ(radio.Ask("DM 05,1"), "DM 05,1");
    for (const std::string &command : WriteCommands(doc))
        ASSERT_EQ(radio.Ask(command), command);
    ASSERT_EQ(sim.Stop(), 0);
    doc.comment.clear();
    EXPECT_EQ(sim.SavedImage(), ImageText(doc));
}

TEST_F(SimTest, ImageReaderPlacesLinesAsTheDataFileDoes)
{
    const QByteArray image = "anything\n"
                             "tab\tcomment\n"
                             "ignored before any section\n"
                             "MEMORY\n"
                             "5\t00145000000\t5\t0\t0\t0\t0\t\t09\t\t09\t\t0\t\t\t\t\tFIVE\r\n"
                             "194\t00145000000\t5\t0\t0\t0\t0\t\t09\t\t09\t\t0\t\t\t\t\t\n"
                             "memory\n"
                             "U1\t00146000000\t5\t0\t0\t0\t0\t\t09\t\t09\t\t\t\t\t\t\t\n"
                             "XX\t00144000000\t5\t0\t0\t0\t0\t\t09\t\t09\t\t\t\t\t\t\t\n"
                             "DTMF\n"
                             "12\t999\n"
                             "02\t1*";
    StartSim({"--image", sim.WriteFile(QStringLiteral("odd.381"), image)});
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(Cut(radio.Ask("MR 0,0,005"), 7), "005,00145000000,5,0,0,0,0,,09,,09,,0");
    EXPECT_EQ(Cut(radio.Ask("MNA 0,005"), 10), "FIVE");
    EXPECT_EQ(Cut(radio.Ask("MR 0,0,L1"), 7), "L1,00144000000,5,0,0,0,0,,09,,09,,"); // unknown labels
    EXPECT_EQ(Cut(radio.Ask("MR 0,0,U1"), 7), "U1,00146000000,5,0,0,0,0,,09,,09,,"); // after "memory"
    EXPECT_EQ(Cut(radio.Ask("DM 02"), 3), "02,1E");                                // no line end
    ASSERT_EQ(sim.Stop(), 0);
    const QByteArray saved = sim.SavedImage();
    EXPECT_TRUE(saved.startsWith("COMMENT\r\ntab\tcomment\r\nMEMORY\r\n5\t00145000000\t")) << saved.toStdString();
    EXPECT_FALSE(saved.contains("999"));
}

TEST_F(SimTest, CommandLogKeepsEveryLineInOrder)
{
    StartSim();
    Terminal radio(sim.DevicePath());
    const std::vector<std::string> script = {"", "AI 0", "ID", "bogus", "MR 0,0,001", "DM 01,5", "", "PS 0"};
    QStringList expected;
    for (const std::string &command : script) {
        radio.Ask(command);
        expected << QString::fromStdString(command);
        // Written as received, before the reply.
        EXPECT_EQ(sim.CommandLog(), expected);
    }
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), expected);
}

// ---------------------------------------------------------------------------

TEST_F(SimTest, LatencyDelaysEveryReplyAndKeepsTheirOrder)
{
    StartSim({"--latency", "150"});
    Terminal radio(sim.DevicePath());
    const auto start = Clock::now();
    EXPECT_EQ(radio.Ask("ID"), "ID QV-R381");
    EXPECT_GE(Milliseconds(Clock::now() - start), 150);
    radio.Send("TYD");
    radio.Send("FL");
    EXPECT_EQ(radio.Line(), "TYD 0,2,00,1,1,,");
    EXPECT_EQ(radio.Line(), "FL 00118,00135,00136,00173,00410,00469");
}

// Each case: options, then commands with the exact bytes that answer them.
TEST_F(SimTest, LineEndsAndStrayCarriageReturns)
{
    const std::string limits = "FL 00118,00135,00136,00173,00410,00469";
    const struct {
        QStringList options;
        std::vector<std::pair<std::string, std::string>> exchange;
    } cases[] = {
        {{}, {{"", "?\r"}, {"ID", "ID QV-R381\r"}, {"MR 0,0,001", "N\r"}}},
        {{"--crlf"}, {{"", "?\r\n"}, {"ID", "ID QV-R381\r\n"}, {"MR 0,0,001", "N\r\n"}}},
        {{"--crlf", "--empty-reply", "cr"}, {{"MR 0,0,001", "\r\n"}, {"DM 00", "\r\n"}}},
        {{"--stray-cr", "0"}, {{"", "?\r"}, {"ID", "ID QV-R381\r"}}},
        // Counted from the wake-up reply on; the stray comes with the reply,
        // also when that goes out in one burst.
        {{"--stray-cr", "1", "--wake-at-once"}, {{"", "?\r\r"}, {"ID", "ID QV-R381\r\r"}}},
        {{"--stray-cr", "3"},
         {{"", "?\r"},
          {"AI 0", "AI 0\r"},
          {"ID", "ID QV-R381\r\r"},
          {"TYD", "TYD 0,2,00,1,1,,\r"},
          {"FL", limits + "\r"},
          {"MR 0,0,001", "N\r\r"},
          {"ID", "ID QV-R381\r"}}},
        // A stray is a lone CR, with or without line feeds.
        {{"--stray-cr", "2", "--crlf"}, {{"", "?\r\n"}, {"ID", "ID QV-R381\r\n\r"}, {"FL", limits + "\r\n"}}},
    };
    for (const auto &test : cases) {
        const std::string name = test.options.join(' ').toStdString();
        SimFixture radioSim;
        ASSERT_TRUE(radioSim.Start(test.options)) << name;
        Terminal radio(radioSim.DevicePath());
        for (const auto &[command, bytes] : test.exchange) {
            radio.Send(command);
            EXPECT_EQ(radio.Bytes(bytes.size()), bytes) << name << ": \"" << command << '"';
        }
    }
}

TEST_F(SimTest, ThrottleSendsAtTheLineRate)
{
    StartSim({"--throttle", "--overlong-after", "2"});
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask("ID"), "ID QV-R381");
    const auto start = Clock::now();
    const std::string reply = radio.Ask("ID");
    // 301 bytes at 960 bytes per second take 313 ms.
    EXPECT_GE(Milliseconds(Clock::now() - start), 280);
    EXPECT_EQ(reply.size(), 300u);
}

TEST_F(SimTest, SilentAfterAnswersNothingMoreAndChangesNothing)
{
    StartSim({"--silent-after", "3"});
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask("AI 0"), "AI 0");
    EXPECT_EQ(radio.Ask("DM 01,1"), "DM 01,1");
    EXPECT_EQ(radio.Ask("DM 02,2", 300), kSilence);
    EXPECT_EQ(radio.Ask("ID", 300), kSilence);
    EXPECT_EQ(sim.CommandLog().size(), 4);
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_TRUE(sim.SavedImage().endsWith("DTMF\r\n01\t1\r\n"));
}

TEST_F(SimTest, ChatterAfterPs0GoesOnUnasked)
{
    StartSim({"--chatter-after-ps0", "50"});
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask("PS 1"), "PS 1");
    EXPECT_EQ(radio.Line(300), kSilence) << "chatter before PS 0";
    EXPECT_EQ(radio.Ask("PS 0"), "PS 0");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(radio.Line(), "?");
    // Commands are still answered in between.
    radio.Send("PS 1");
    std::string line = radio.Line();
    while (line == "?")
        line = radio.Line();
    EXPECT_EQ(line, "PS 1");
}

TEST_F(SimTest, XoffHoldSurroundsTheChosenReplies)
{
    StartSim({"--xoff-hold", "200", "--xoff-replies", "2"});
    Terminal radio(sim.DevicePath());
    // XOFF right before each of the first two replies, XON after the hold.
    for (const std::string command : {"AI 0", "ID"}) {
        const auto start = Clock::now();
        radio.Send(command);
        const std::string reply = command == "ID" ? "ID QV-R381" : command;
        EXPECT_EQ(radio.Bytes(reply.size() + 3), "\x13" + reply + "\r\x11");
        EXPECT_GE(Milliseconds(Clock::now() - start), 200);
    }
    EXPECT_EQ(radio.Ask("TYD"), "TYD 0,2,00,1,1,,");
}

TEST_F(SimTest, WrongIdentificationAndFirstAiReply)
{
    StartSim({"--id", "ID QV-R380", "--ai-reply", "AI 1"});
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask("AI 0"), "AI 1");
    EXPECT_EQ(radio.Ask("AI 0"), "AI 0");
    EXPECT_EQ(radio.Ask("ID"), "ID QV-R380");
    EXPECT_EQ(radio.Ask("TYD"), "TYD 0,2,00,1,1,,");
}

TEST_F(SimTest, GarbageRepliesArePrintableOfTheNormalLength)
{
    StartSim({"--garbage-after", "3"});
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask("AI 0"), "AI 0");
    EXPECT_EQ(radio.Ask("ID"), "ID QV-R381");
    const std::string id = radio.Ask("ID");
    const std::string limits = radio.Ask("FL");
    const std::string written = radio.Ask("DM 02,7");
    EXPECT_NE(id, "ID QV-R381");
    EXPECT_EQ(id.size(), 10u);
    EXPECT_EQ(limits.size(), 38u);
    EXPECT_EQ(written.size(), 7u);
    for (char c : id + limits + written)
        EXPECT_TRUE(c >= 0x20 && c <= 0x7e) << int(c);
    ASSERT_EQ(sim.Stop(), 0);
    // The command itself arrived intact and was carried out.
    EXPECT_TRUE(sim.SavedImage().endsWith("DTMF\r\n02\t7\r\n"));
}

TEST_F(SimTest, OverlongRepliesHave300Characters)
{
    StartSim({"--overlong-after", "2"});
    Terminal radio(sim.DevicePath());
    EXPECT_EQ(radio.Ask("ID"), "ID QV-R381");
    const std::string id = radio.Ask("ID");
    EXPECT_EQ(id.size(), 300u);
    EXPECT_EQ(id.substr(0, 10), "ID QV-R381");
    EXPECT_EQ(radio.Ask("MR 0,0,001").size(), 300u);
}

TEST_F(SimTest, HangUpClosesTheLineSavesAndExits)
{
    const QString link = sim.TempPath(QStringLiteral("radio"));
    StartSim({"--hangup-after", "3", "--link", link});
    EXPECT_EQ(QFile::symLinkTarget(link), sim.DevicePath());
    Terminal radio(link);
    EXPECT_EQ(radio.Ask("AI 0"), "AI 0");
    EXPECT_EQ(radio.Ask("DM 01,1"), "DM 01,1");
    EXPECT_EQ(radio.Ask("DM 02,2"), kHangUp);
    EXPECT_EQ(sim.WaitForExit(), 0);
    EXPECT_FALSE(QFile::exists(link));
    EXPECT_TRUE(sim.SavedImage().endsWith("DTMF\r\n01\t1\r\n"));
    EXPECT_EQ(sim.CommandLog(), QStringList({"AI 0", "DM 01,1", "DM 02,2"}));
}

// ---------------------------------------------------------------------------

TEST_F(SimTest, FarEndMayCloseAndReopenAndFindsAFreshLine)
{
    StartSim({"--latency", "100"});
    {
        Terminal first(sim.DevicePath());
        EXPECT_EQ(first.Ask("ID"), "ID QV-R381");
        // Left unanswered when the line closes: not for the next opener.
        first.Send("TYD");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    Terminal second(sim.DevicePath());
    ASSERT_TRUE(second.IsOpen());
    EXPECT_EQ(second.Ask("FL"), "FL 00118,00135,00136,00173,00410,00469");

    // An opener's exclusive mode ends with its close.
    ASSERT_EQ(ioctl(second.Fd(), TIOCEXCL), 0);
    second.Close();
    int exclusive = 1;
    for (int attempt = 0; attempt < 250 && exclusive; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        Terminal probe(sim.DevicePath());
        if (probe.IsOpen())
            ioctl(probe.Fd(), TIOCGEXCL, &exclusive);
    }
    EXPECT_EQ(exclusive, 0);
}

TEST_F(SimTest, IdleSimulatorUsesNoProcessorTime)
{
    StartSim();
    { Terminal radio(sim.DevicePath()); EXPECT_EQ(radio.Ask("ID"), "ID QV-R381"); }
    Terminal radio(sim.DevicePath());
    const long before = CpuTicks(sim.Pid());
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    radio.Close();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long after = CpuTicks(sim.Pid());
    ASSERT_GE(before, 0);
    // A spinning loop would take about 100 ticks in this second.
    EXPECT_LE(after - before, 10);
}

TEST(SimOptions, BadOptionsAndMissingImageEndWithStatus2)
{
    SimFixture sim;
    EXPECT_FALSE(sim.Start({"--latency", "soon"}));
    EXPECT_EQ(sim.ExitStatus(), 2);
    EXPECT_FALSE(sim.Start({"--image", sim.TempPath(QStringLiteral("missing.381"))}));
    EXPECT_EQ(sim.ExitStatus(), 2);
    EXPECT_FALSE(sim.Start({"--frobnicate"}));
    EXPECT_EQ(sim.ExitStatus(), 2);
    for (const QStringList &options : {QStringList{"--empty-reply", "n"}, QStringList{"--empty-reply", ""},
                                       QStringList{"--stray-cr", "-1"}, QStringList{"--stray-cr"},
                                       QStringList{"--xoff-hold", "long"}, QStringList{"--chatter-after-ps0", "-5"},
                                       QStringList{"--xoff-replies"}}) {
        EXPECT_FALSE(sim.Start(options)) << options.join(' ').toStdString();
        EXPECT_EQ(sim.ExitStatus(), 2) << options.join(' ').toStdString();
    }
}

TEST(SimOptions, HelpAndVersionAnswerOnStandardOutput)
{
    const QByteArray version = QByteArray("qv-r381-sim ") + kProgramVersion + "\n";
    for (const QStringList &arguments :
         {QStringList{"--version"}, QStringList{"-v"}, QStringList{"--crlf", "--version"}}) {
        const CliRunResult result = RunProgram(SimFixture::ExecutablePath(), arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, version);
        EXPECT_EQ(result.err, QByteArray());
    }
    for (const QStringList &arguments : {QStringList{"--help"}, QStringList{"-h"}}) {
        const CliRunResult result = RunProgram(SimFixture::ExecutablePath(), arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.out.startsWith("usage: qv-r381-sim")) << result.out.toStdString();
        for (const char *option : {"--empty-reply FORM", "--crlf", "--stray-cr N", "\n  -v, --version", "Exit codes:"})
            EXPECT_TRUE(result.out.contains(option)) << option;
        EXPECT_EQ(result.err, QByteArray());
    }
    // A wrong option is named as such, whether or not a word follows it.
    for (const QStringList &arguments : {QStringList{"--bogus"}, QStringList{"--bogus", "1"}}) {
        const CliRunResult result = RunProgram(SimFixture::ExecutablePath(), arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_EQ(result.err, QByteArray("qv-r381-sim: unknown option '--bogus'\nTry 'qv-r381-sim --help'.\n"));
    }
}

} // namespace
