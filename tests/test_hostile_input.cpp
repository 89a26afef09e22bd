// Hostile input outside the radio link: special files given as data files,
// CSV files with fields too long for any channel,
// a settings file that is a link, a FIFO or a device, atomic saves over
// files with their own permissions, and file text that would drive a
// terminal.
#include "data/ChannelDocument.h"
#include "data/CsvImport.h"
#include "data/DataFile.h"
#include "data/InputFile.h"
#include "data/Settings.h"
#include "data/TerminalText.h"
#include "support/Pty.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

#ifdef VXL_CLI_PATH
const QString kCli = QStringLiteral(VXL_CLI_PATH);
#else
const QString kCli;
#endif

const QByteArray kSmallFile = "COMMENT\r\nnotes\r\nMEMORY\r\n"
                              "002\t00145500000\t0\t2\t0\t1\t0\t\t13\t\t09\t\t1\t\t\t\t\tRPT.1\r\n"
                              "CALL\r\nVFO\r\nDTMF\r\n";

bool MakeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool MakeLink(const QString &target, const QString &link)
{
    return QFile::link(target, link);
}

bool WriteBytes(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct FileId {
    dev_t dev = 0;
    ino_t ino = 0;
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
    bool operator==(const FileId &o) const { return dev == o.dev && ino == o.ino; }
};

FileId IdOf(const QString &path, bool followLinks = true)
{
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    if ((followLinks ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return FileId();
    return FileId{info.st_dev, info.st_ino, info.st_mode, info.st_uid, info.st_gid};
}

// Runs fn; if it has not returned after timeoutMs, opens the FIFO at
// fifoPath for writing once (which releases a reader blocked in open) and
// reports that it had to. Keeps a test of a blocking read from hanging.
bool ReturnedWithoutHelp(const QString &fifoPath, const std::function<void()> &fn, int timeoutMs = 5000)
{
    std::atomic<bool> done{false};
    std::atomic<bool> helped{false};
    std::thread watchdog([&] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        while (!done) {
            helped = true;
            const int fd = ::open(QFile::encodeName(fifoPath).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    fn();
    done = true;
    watchdog.join();
    return !helped;
}

struct CliResult {
    int exitCode = -1; // -1: crashed, or killed after the time limit
    QByteArray out;
    QString err;
    qint64 elapsedMs = 0;
};

// Runs the command-line tool with its settings under configHome (empty:
// the test's own settings folder).
CliResult RunCli(const QStringList &args, const QString &configHome = QString(), int timeoutMs = 20000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!configHome.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(kCli, args);
    process.closeWriteChannel();
    CliResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    result.elapsedMs = clock.elapsed();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

class HostileInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ClearStoredSettings();
    }
    void TearDown() override
    {
        // Whatever a test put in place of the settings file goes.
        QFile::remove(settingsFile);
        ClearStoredSettings();
    }

    QString Path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    const QString settingsFile = StoredSettingsFile();
};

} // namespace

// ------------------------------------------------------------ input gate

TEST_F(HostileInputTest, RegularFilesAndLinksToThemAreRead)
{
    const QString file = Path(QStringLiteral("net.381"));
    ASSERT_TRUE(WriteBytes(file, kSmallFile));
    TInputFile input = ReadInputFile(file);
    EXPECT_TRUE(input.ok) << input.reason.toStdString();
    EXPECT_EQ(input.content, kSmallFile);

    const QString link = Path(QStringLiteral("link.381"));
    ASSERT_TRUE(MakeLink(file, link));
    input = ReadInputFile(link);
    EXPECT_TRUE(input.ok);
    EXPECT_EQ(input.content, kSmallFile);

    // An empty file is a file.
    const QString empty = Path(QStringLiteral("empty.381"));
    ASSERT_TRUE(WriteBytes(empty, QByteArray()));
    EXPECT_TRUE(ReadInputFile(empty).ok);
}

TEST_F(HostileInputTest, SpecialFilesAreRefusedWithoutBlockingOrReading)
{
    const QString fifo = Path(QStringLiteral("f.381"));
    ASSERT_TRUE(MakeFifo(fifo));
    TInputFile input;
    EXPECT_TRUE(ReturnedWithoutHelp(fifo, [&] { input = ReadInputFile(fifo); }));
    EXPECT_FALSE(input.ok);
    EXPECT_EQ(input.reason, QStringLiteral("a FIFO, not a regular file"));

    struct Case {
        const char *target;
        const char *reason;
    };
    for (const Case &c : {Case{"/dev/zero", "a character device, not a regular file"},
                          Case{"/dev/urandom", "a character device, not a regular file"},
                          Case{"/dev/null", "a character device, not a regular file"}}) {
        const QString link = Path(QStringLiteral("z.381"));
        QFile::remove(link);
        ASSERT_TRUE(MakeLink(QLatin1String(c.target), link));
        input = ReadInputFile(link);
        EXPECT_FALSE(input.ok) << c.target;
        EXPECT_EQ(input.reason, QLatin1String(c.reason)) << c.target;
        EXPECT_TRUE(input.content.isEmpty());
    }

    const QString folder = Path(QStringLiteral("d.381"));
    ASSERT_TRUE(QDir().mkdir(folder));
    input = ReadInputFile(folder);
    EXPECT_FALSE(input.ok);
    EXPECT_EQ(input.reason, QStringLiteral("a directory, not a regular file"));

    input = ReadInputFile(Path(QStringLiteral("missing.381")));
    EXPECT_FALSE(input.ok);
    EXPECT_FALSE(input.reason.isEmpty());

    const QString dangling = Path(QStringLiteral("dangling.381"));
    ASSERT_TRUE(MakeLink(Path(QStringLiteral("nowhere")), dangling));
    EXPECT_FALSE(ReadInputFile(dangling).ok);
}

TEST_F(HostileInputTest, FilesAboveTheSizeCapAreRefused)
{
    EXPECT_EQ(kMaxInputFileSize, 16 * 1024 * 1024);
    const QString big = Path(QStringLiteral("big.381"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxInputFileSize + 1)); // sparse: costs no disk
    file.close();
    TInputFile input = ReadInputFile(big);
    EXPECT_FALSE(input.ok);
    EXPECT_EQ(input.reason, QStringLiteral("larger than 16 MiB"));
    EXPECT_TRUE(input.content.isEmpty());

    ASSERT_TRUE(QFile(big).resize(kMaxInputFileSize));
    input = ReadInputFile(big);
    EXPECT_TRUE(input.ok);
    EXPECT_EQ(input.content.size(), kMaxInputFileSize);

    // The cap is a parameter; the message names it.
    ASSERT_TRUE(WriteBytes(big, QByteArray(101, 'x')));
    EXPECT_FALSE(ReadInputFile(big, 100).ok);
    EXPECT_EQ(ReadInputFile(big, 100).reason, QStringLiteral("larger than 100 bytes"));
    EXPECT_TRUE(ReadInputFile(big, 101).ok);
}

TEST_F(HostileInputTest, ACsvFieldOfMegabytesIsRefusedNamingTheFileLineAndColumn)
{
    // One quoted 15 MiB field: refused at its first KiB, so no report ever
    // shows it.
    ASSERT_FALSE(kCli.isEmpty());
    const QString csv = Path(QStringLiteral("huge.csv"));
    const QByteArray content = "Location,Frequency,Name\n1,145.5,\"" + QByteArray(15 * 1024 * 1024, 'A') + "\"\n";
    ASSERT_TRUE(WriteBytes(csv, content));
    const QString reason = QStringLiteral("line 2, column 3 (Name): a field longer than 1024 characters");
    const TCsvImportPlan plan = PlanCsvImport(ReadInputFile(csv).content, TChannelDocument());
    EXPECT_FALSE(plan.ok);
    EXPECT_EQ(plan.error, reason);
    EXPECT_TRUE(plan.rows.isEmpty());

    const CliResult result = RunCli({QStringLiteral("import"), csv, Path(QStringLiteral("out.381"))});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, QStringLiteral("vxl-r381-cli: ") + FileOpenErrorText(csv, reason) + QLatin1Char('\n'));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("out.381"))));
}

TEST(FileOpenErrorText, KeepsTheMessageFirstAndPutsTheDetailBelow)
{
    EXPECT_EQ(FileOpenErrorText(QStringLiteral("/tmp/f.381"), QStringLiteral("a FIFO, not a regular file")),
              QStringLiteral("File Open error.\n/tmp/f.381: a FIFO, not a regular file"));
}

// ------------------------------------------------------------ settings file

TEST_F(HostileInputTest, SettingsAreWrittenOnlyWhenAValueChanges)
{
    TChannelDocument doc;
    LoadSettings(doc); // first start: every value is created
    ASSERT_TRUE(QFileInfo::exists(settingsFile));
    const FileId before = IdOf(settingsFile);
    const QByteArray content = ReadBytes(settingsFile);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));

    // Later starts and unchanged values leave the file alone (same inode).
    TChannelDocument again;
    LoadSettings(again);
    SaveRadioSettings(again);
    SaveCommPort(QStringLiteral("COM1"));
    EXPECT_EQ(IdOf(settingsFile), before);
    EXPECT_EQ(ReadBytes(settingsFile), content);

    // A changed value is stored.
    SaveCommPort(QStringLiteral("COM2"));
    EXPECT_EQ(StoredValue(QStringLiteral("CommPort")), QStringLiteral("COM2"));
}

TEST_F(HostileInputTest, SettingsLinkToARegularFileIsFollowedAndUpdatedInPlace)
{
    // A dotfile manager keeps the real file elsewhere and links to it.
    const QString real = Path(QStringLiteral("dotfiles/VXL-R381.conf"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(real).absolutePath()));
    ASSERT_TRUE(WriteBytes(real, "[General]\nCommPort=COM2\nType=\"0,1,00,1,0,0,0\"\n"));
    QFile::remove(settingsFile);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settingsFile).absolutePath()));
    ASSERT_TRUE(MakeLink(real, settingsFile));

    TChannelDocument doc;
    const TLoadedSettings loaded = LoadSettings(doc);
    EXPECT_EQ(loaded.commPort, QStringLiteral("COM2"));
    EXPECT_EQ(doc.RadioType(), QStringLiteral("0,1,00,1,0,0,0"));
    // The missing values were stored into the link's target; the link stays.
    EXPECT_TRUE(QFileInfo(settingsFile).isSymLink());
    EXPECT_TRUE(ReadBytes(real).contains("Limit1"));

    SaveCommPort(QStringLiteral("COM1"));
    EXPECT_TRUE(QFileInfo(settingsFile).isSymLink());
    EXPECT_TRUE(ReadBytes(real).contains("CommPort=COM1"));
    // Nothing is left beside the link but the link itself.
    EXPECT_FALSE(QFileInfo::exists(settingsFile + QStringLiteral(".lock")));
}

TEST_F(HostileInputTest, SettingsFileThatIsNoRegularFileIsNeverOpened)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settingsFile).absolutePath()));
    const QString fifo = Path(QStringLiteral("device-stand-in"));
    ASSERT_TRUE(MakeFifo(fifo));

    // The settings file a FIFO, and a link to one (a stand-in for a link to
    // a device such as /dev/zero): start-up does not block, the defaults
    // hold, nothing is written and the FIFO is still a FIFO.
    for (bool viaLink : {false, true}) {
        SCOPED_TRACE(viaLink ? "link to a FIFO" : "FIFO");
        QFile::remove(settingsFile);
        if (viaLink)
            ASSERT_TRUE(MakeLink(fifo, settingsFile));
        else
            ASSERT_TRUE(MakeFifo(settingsFile));
        const QString blocked = viaLink ? fifo : settingsFile;

        TChannelDocument doc;
        TLoadedSettings loaded;
        EXPECT_TRUE(ReturnedWithoutHelp(blocked, [&] {
            loaded = LoadSettings(doc);
            SaveCommPort(QStringLiteral("COM2"));
            SaveRadioSettings(doc);
            RememberFolder(Path(QStringLiteral("x.381")));
        }));
        EXPECT_EQ(loaded.commPort, QStringLiteral("COM1"));
        EXPECT_EQ(doc.RadioType(), QLatin1String(kDefaultRadioType));
        EXPECT_EQ(doc.Record(rkBandLimit, 1), QStringLiteral("00136,00173"));
        EXPECT_TRUE(ReturnedWithoutHelp(blocked, [&] { EXPECT_TRUE(StoredCommPort().isEmpty()); }));
        EXPECT_TRUE(S_ISFIFO(IdOf(fifo).mode));
        EXPECT_EQ(QFileInfo(settingsFile).isSymLink(), viaLink);
        EXPECT_TRUE(S_ISFIFO(IdOf(settingsFile).mode));
    }
    QFile::remove(settingsFile);

    // A link to nothing is not followed into a new file either.
    ASSERT_TRUE(MakeLink(Path(QStringLiteral("nowhere.conf")), settingsFile));
    TChannelDocument doc;
    LoadSettings(doc);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("nowhere.conf"))));
    // A folder in its place is refused as well.
    QFile::remove(settingsFile);
    ASSERT_TRUE(QDir().mkdir(settingsFile));
    LoadSettings(doc);
    EXPECT_EQ(doc.RadioType(), QLatin1String(kDefaultRadioType));
    QDir(settingsFile).removeRecursively();
}

// ------------------------------------------------------------ atomic saves

TEST_F(HostileInputTest, AtomicSaveKeepsTheReplacedFilesPermissions)
{
    const QString path = Path(QStringLiteral("keep.381"));
    for (mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0664), mode_t(0604)}) {
        ASSERT_TRUE(WriteBytes(path, "old"));
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        ASSERT_TRUE(SaveFileAtomically(path, kSmallFile));
        EXPECT_EQ(ReadBytes(path), kSmallFile);
        EXPECT_EQ(IdOf(path).mode & 07777, mode) << std::oct << mode;
    }
}

TEST_F(HostileInputTest, AtomicSaveAsRootKeepsReadOnlyModeAndOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs the superuser: only it may replace a read-only file or keep another owner";
    const QString path = Path(QStringLiteral("readonly.381"));
    ASSERT_TRUE(WriteBytes(path, "old"));
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chmod(name.constData(), 0444), 0);
    ASSERT_EQ(::chown(name.constData(), 4321, 4322), 0);
    ASSERT_TRUE(SaveFileAtomically(path, kSmallFile));
    EXPECT_EQ(ReadBytes(path), kSmallFile);
    const FileId id = IdOf(path);
    EXPECT_EQ(id.mode & 07777, mode_t(0444));
    EXPECT_EQ(id.uid, uid_t(4321));
    EXPECT_EQ(id.gid, gid_t(4322));
}

// ------------------------------------------------------------ terminal text

TEST(TerminalText, ControlCharactersBecomeVisibleEscapes)
{
    EXPECT_EQ(EscapeControlCharacters(QStringLiteral("Repeaters 1.2 *#")), QStringLiteral("Repeaters 1.2 *#"));
    EXPECT_EQ(EscapeControlCharacters(QStringLiteral("\x1b]0;owned\x07title")),
              QStringLiteral("\\x1b]0;owned\\x07title"));
    EXPECT_EQ(EscapeControlCharacters(QString(QChar(0x9b)) + QStringLiteral("2J\x7f\t\r")),
              QStringLiteral("\\x9b2J\\x7f\\x09\\x0d"));
    // Letters beyond ASCII stay.
    EXPECT_EQ(EscapeControlCharacters(QString(QChar(0xe9))), QString(QChar(0xe9)));
}

// ------------------------------------------------------------ command-line tool

TEST_F(HostileInputTest, CliListAndWriteRefuseSpecialFilesAtOnce)
{
    ASSERT_FALSE(kCli.isEmpty());
    const QString fifo = Path(QStringLiteral("f.381"));
    ASSERT_TRUE(MakeFifo(fifo));
    struct Case {
        QString path;
        QString reason;
    };
    QList<Case> cases{{fifo, QStringLiteral("a FIFO, not a regular file")}};
    for (const char *device : {"/dev/zero", "/dev/urandom", "/dev/null"}) {
        const QString link = Path(QStringLiteral("%1.381").arg(QFileInfo(QLatin1String(device)).fileName()));
        ASSERT_TRUE(MakeLink(QLatin1String(device), link));
        cases.append({link, QStringLiteral("a character device, not a regular file")});
    }
    const QString folder = Path(QStringLiteral("d.381"));
    ASSERT_TRUE(QDir().mkdir(folder));
    cases.append({folder, QStringLiteral("is a directory")});

    for (const Case &c : cases) {
        for (const QStringList &args : {QStringList{QStringLiteral("list"), c.path},
                                        QStringList{QStringLiteral("write"), QStringLiteral("--port"),
                                                    Path(QStringLiteral("no-port")), QStringLiteral("--yes"), c.path}}) {
            SCOPED_TRACE((args.first() + QLatin1Char(' ') + c.path).toStdString());
            const CliResult result = RunCli(args);
            EXPECT_EQ(result.exitCode, 2);
            EXPECT_LT(result.elapsedMs, 10000);
            EXPECT_TRUE(result.out.isEmpty());
            EXPECT_EQ(result.err, QStringLiteral("vxl-r381-cli: File Open error.\n%1: %2\n").arg(c.path, c.reason));
        }
    }
}

TEST_F(HostileInputTest, CliRunsOnWhenTheSettingsFileIsUnusable)
{
    ASSERT_FALSE(kCli.isEmpty());
    const QString data = Path(QStringLiteral("net.381"));
    ASSERT_TRUE(WriteBytes(data, kSmallFile));
    const QString configHome = Path(QStringLiteral("config"));
    const QString conf = configHome + QStringLiteral("/HALVORD/VXL-R381.conf");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(conf).absolutePath()));

    // A FIFO as the settings file, and a link to one.
    const QString fifo = Path(QStringLiteral("stand-in"));
    ASSERT_TRUE(MakeFifo(fifo));
    for (bool viaLink : {false, true}) {
        SCOPED_TRACE(viaLink ? "link to a FIFO" : "FIFO");
        QFile::remove(conf);
        ASSERT_TRUE(viaLink ? MakeLink(fifo, conf) : MakeFifo(conf));
        const CliResult result = RunCli({QStringLiteral("list"), data}, configHome);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.contains("002 145.500MHz")) << result.out.constData();
        EXPECT_TRUE(result.err.contains(conf)) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("a FIFO, not a regular file")));
        EXPECT_TRUE(S_ISFIFO(IdOf(conf).mode));
        EXPECT_EQ(QDir(QFileInfo(conf).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                  QStringList{QStringLiteral("VXL-R381.conf")});
    }

    // A link to a complete settings file: read through the link, and
    // neither the link nor the file it points to is rewritten.
    QFile::remove(conf);
    const QString notes = Path(QStringLiteral("notes.conf"));
    const QByteArray complete = "[General]\nCommPort=COM1\nLimit0=\nLimit1=\"00136,00173\"\n"
                                "Limit2=\nLimit3=\"00410,00469\"\nLimit4=\nPath=/tmp/\nType=\"0,1,00,1,0,0,0\"\n";
    ASSERT_TRUE(WriteBytes(notes, complete));
    ASSERT_TRUE(MakeLink(notes, conf));
    const FileId before = IdOf(notes);
    const CliResult result = RunCli({QStringLiteral("list"), data}, configHome);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    // Market code 1 from the linked file labels the UHF band "430MHz".
    EXPECT_TRUE(result.out.contains("430MHz")) << result.out.constData();
    EXPECT_TRUE(QFileInfo(conf).isSymLink());
    EXPECT_EQ(IdOf(notes), before);
    EXPECT_EQ(ReadBytes(notes), complete);
}

TEST_F(HostileInputTest, CliListShowsControlCharactersOnATerminalOnly)
{
    ASSERT_FALSE(kCli.isEmpty());
    const QString data = Path(QStringLiteral("title.381"));
    ASSERT_TRUE(WriteBytes(data, "COMMENT\r\n\x1b]0;owned\x07 net\r\nMEMORY\r\n"
                                 "002\t00145500000\t0\t2\t0\t1\t0\t\t13\t\t09\t\t1\t\t\t\t\tRPT.1\r\n"));

    // Into a pipe the text goes unchanged, for scripts.
    const CliResult piped = RunCli({QStringLiteral("list"), data});
    ASSERT_EQ(piped.exitCode, 0);
    EXPECT_TRUE(piped.out.contains("\x1b]0;owned\x07 net\n"));

    // On a terminal the escape sequence is shown, not obeyed.
    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    QProcess process;
    process.setStandardOutputFile(pty.SlavePath());
    process.start(kCli, {QStringLiteral("list"), data});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray shown = pty.Read(4096, 1000);
    EXPECT_TRUE(shown.contains("\\x1b]0;owned\\x07 net")) << shown.constData();
    EXPECT_FALSE(shown.contains('\x1b'));
    EXPECT_FALSE(shown.contains('\x07'));
    EXPECT_TRUE(shown.contains("002 145.500MHz"));
}
