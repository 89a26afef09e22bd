// The command-line tool's read and write: exit codes, messages, settings
// and the rule that a failed read leaves no file behind.
#include "data/Backups.h"
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "support/Pty.h"
#include "support/RadioImage.h"
#include "support/SimFixture.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <ostream>
#include <sys/resource.h>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

struct CliResult {
    int exitCode = -1;
    QString err;
    QString out;
};

#ifdef VXL_CLI_PATH
const QString kCli = QStringLiteral(VXL_CLI_PATH);
#else
const QString kCli;
#endif

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(kCli.isEmpty());
        ASSERT_TRUE(dir.isValid());
        ClearStoredSettings();
    }

    CliResult Run(const QStringList &args, const QMap<QString, QString> &env = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (auto it = env.begin(); it != env.end(); ++it)
            environment.insert(it.key(), it.value());
        process.setProcessEnvironment(environment);
        process.start(kCli, args);
        process.closeWriteChannel(); // no terminal on standard input
        CliResult result;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.err = QString::fromLocal8Bit(process.readAllStandardError());
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        return result;
    }

    void StartSim(const TChannelDocument *image, QStringList options = {})
    {
        if (image)
            options << QStringLiteral("--image")
                    << sim.WriteFile(QStringLiteral("image.381"), WriteDataFile(*image, QString()));
        options << QStringLiteral("--type") << QLatin1String(kAllBandsType) << QStringLiteral("--limits")
                << QLatin1String(kAllBandsLimits);
        ASSERT_TRUE(sim.Start(options)) << sim.ErrorString().toStdString();
    }

    QString Path(const QString &name) const { return dir.filePath(name); }

    static TChannelDocument Load(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        TChannelDocument doc;
        QString comment;
        ReadDataFile(file.readAll(), doc, &comment);
        return doc;
    }

    static QString Stored(const char *key)
    {
        QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
        settings.sync();
        return settings.value(QLatin1String(key)).toString();
    }

    QTemporaryDir dir;
    SimFixture sim;
};

} // namespace

TEST_F(CliTest, ReadWritesTheWholeRadioAndStoresItsDescription)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    const QString out = Path(QStringLiteral("backup.381"));
    const CliResult result = Run({"read", "--port", sim.DevicePath(), out});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("Reading data from the Radio."));
    QString difference;
    EXPECT_TRUE(SameChannels(Load(out), radio, &difference)) << difference.toStdString();
    EXPECT_EQ(Stored("Type"), kAllBandsType);
    EXPECT_EQ(Stored("Limit2"), "00300,00399");
    EXPECT_EQ(Stored("Limit4"), "00800,00999");
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"backup.381"});
}

TEST_F(CliTest, ReadGivesTheSameFileWhateverFormTheEmptyItemsCameIn)
{
    // However the radio says "empty" (a single N, an empty line, "?", a cut
    // echo) and however it ends its lines, the same file results; one read
    // at line speed, byte by byte.
    const TChannelDocument radio = SparseRadioDocument();
    QList<QStringList> forms = EmptyItemReplyForms();
    forms << QStringList{QStringLiteral("--empty-reply"), QStringLiteral("N"), QStringLiteral("--throttle")};
    QByteArray first;
    for (const QStringList &form : forms) {
        SCOPED_TRACE(form.join(' ').toStdString());
        SimFixture radioSim;
        ASSERT_TRUE(radioSim.Start(form + radioSim.RadioOptions(radio))) << radioSim.ErrorString().toStdString();
        const QString out = Path(QStringLiteral("read.381"));
        const CliResult result = Run({"read", "--no-backup", "--port", radioSim.DevicePath(), out});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        QString difference;
        EXPECT_TRUE(SameChannels(Load(out), SparseRadioAfterRead(), &difference)) << difference.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (first.isEmpty())
            first = bytes;
        EXPECT_EQ(bytes, first);
    }
}

TEST_F(CliTest, PortNamesAndTheStoredPortReachTheirDevices)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    const CliResult named = Run({"read", "--port", "com3", Path("a.381")}, {{"VXL_R381_COM3", sim.DevicePath()}});
    EXPECT_EQ(named.exitCode, 0) << named.err.toStdString();

    SaveCommPort(QStringLiteral("COM2"));
    const CliResult stored = Run({"read", Path("b.381")}, {{"VXL_R381_COM2", sim.DevicePath()}});
    EXPECT_EQ(stored.exitCode, 0) << stored.err.toStdString();
    EXPECT_TRUE(QFile::exists(Path("b.381")));
}

TEST_F(CliTest, FailedReadLeavesNoFileAndKeepsAnOldOne)
{
    const TChannelDocument radio = PopulatedDocument();
    struct Case {
        QStringList options;
        QString message;
    } cases[] = {
        {{"--silent-after", "60"}, "Communication timeout error."},
        {{"--id", "ID QV-R999"}, "Invalid the radio.\nPlease check and try again."},
        {{"--hangup-after", "60"}, QString()},
    };
    QFile old(Path("old.381"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("precious\r\n");
    old.close();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        SimFixture failing;
        QStringList options = c.options;
        options << "--image" << failing.WriteFile("image.381", WriteDataFile(radio, QString()));
        ASSERT_TRUE(failing.Start(options));
        const CliResult fresh = Run({"read", "--port", failing.DevicePath(), Path("new.381")});
        EXPECT_EQ(fresh.exitCode, 1);
        if (!c.message.isEmpty()) {
            EXPECT_TRUE(fresh.err.contains(c.message)) << fresh.err.toStdString();
        }
        EXPECT_FALSE(QFile::exists(Path("new.381")));
        failing.Stop();

        SimFixture again;
        ASSERT_TRUE(again.Start(options));
        const CliResult overwrite = Run({"read", "--port", again.DevicePath(), Path("old.381")});
        EXPECT_EQ(overwrite.exitCode, 1);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("precious\r\n"));
        old.close();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.381"});
    }
    // A failed read stores nothing in the settings.
    EXPECT_NE(Stored("Type"), kAllBandsType);
}

TEST_F(CliTest, WriteSendsTheFileAfterYesOnly)
{
    StartSim(nullptr);
    const TChannelDocument doc = PopulatedDocument();
    const QString in = Path("in.381");
    {
        QFile file(in);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteDataFile(doc, QStringLiteral("comment")));
    }

    // No terminal to ask on: refused, nothing sent.
    const CliResult refused = Run({"write", "--port", sim.DevicePath(), in});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("Do you want to write the data to the radio?"));
    EXPECT_TRUE(sim.CommandLog().isEmpty());

    const CliResult written = Run({"write", "--yes", "--port", sim.DevicePath(), in});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_TRUE(written.err.contains("Writing data to the Radio."));
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), ExpectedWriteCommands(Load(in)));
}

TEST_F(CliTest, WriteFailuresExitWithTheirMessage)
{
    const QString in = Path("in.381");
    {
        QFile file(in);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteDataFile(PopulatedDocument(), QString()));
    }
    ASSERT_TRUE(sim.Start({"--hangup-after", "40"}));
    const CliResult hangup = Run({"write", "--yes", "--port", sim.DevicePath(), in});
    EXPECT_EQ(hangup.exitCode, 1);
    EXPECT_FALSE(hangup.err.trimmed().isEmpty());
    // The hang-up names the device and the cause under the message, then
    // how far the radio took the memory, and the backup to write again.
    EXPECT_TRUE(hangup.err.contains(sim.DevicePath() + ": the line hung up (")) << hangup.err.toStdString();
    EXPECT_TRUE(QRegularExpression("\nThe radio took the memory up to channel \\d{3}; it now holds old and new "
                                   "memory mixed.\nvxl-r381-cli: The backup taken before the write holds the whole memory "
                                   "meant for the radio: .*-write\\.381\n")
                    .match(hangup.err)
                    .hasMatch())
        << hangup.err.toStdString();

    const CliResult invalid = Run({"write", "--yes", "--port", "/nonexistent/vxl-r381", in});
    EXPECT_EQ(invalid.exitCode, 1);
    // A typed device path is named as it stands, without a COM name.
    EXPECT_TRUE(invalid.err.contains("Invalid COM port.\nPlease check and try again.\n"
                                     "/nonexistent/vxl-r381: no such device."))
        << invalid.err.toStdString();
}

TEST_F(CliTest, BadArgumentsAndFilesAreRefusedBeforeTheRadio)
{
    struct Case {
        QStringList args;
        int exitCode;
        QString message;
    } cases[] = {
        {{}, 2, "usage"},
        {{"read"}, 2, "usage"},
        {{"read", "--port"}, 2, "usage"},
        {{"read", "--bogus", "x.381"}, 2, "usage"},
        {{"read", "a.381", "b.381"}, 2, "usage"},
        {{"write", "--port", "COM1"}, 2, "usage"},
        {{"read", "--yes", "x.381"}, 2, "usage"},
        {{"read", "--port", "/nonexistent/vxl-r381", "backup.txt"}, 2, "File Open error."},
        {{"read", "--port", "/nonexistent/vxl-r381", "/nonexistent/dir/x.381"}, 2, "File Open error."},
        {{"write", "--yes", "--port", "/nonexistent/vxl-r381", "/nonexistent/in.381"}, 2, "File Open error."},
        {{"read", "--port", "/nonexistent/vxl-r381", "x.381"}, 1, "Invalid COM port."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QStringList args = c.args;
        for (QString &arg : args)
            if (arg == "x.381")
                arg = Path(arg);
        const CliResult result = Run(args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("x.381")));
}

TEST_F(CliTest, WriteGetsPastTheWakeUpAnswerAtLineSpeed)
{
    StartSim(nullptr, {QStringLiteral("--throttle"), QStringLiteral("--wake-at-once")});
    const QString in = Path("in.381");
    {
        QFile file(in);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteDataFile(PopulatedDocument(), QString()));
    }
    const CliResult written = Run({"write", "--yes", "--port", sim.DevicePath(), in});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_EQ(sim.CommandLog(), ExpectedWriteCommands(Load(in)));
}

TEST_F(CliTest, WriteRefusesContentThatIsNoDataFile)
{
    StartSim(nullptr);
    QByteArray noise;
    for (int i = 0; i < 300; ++i)
        noise += char((i * 73 + 11) % 256);
    for (const QByteArray &content : {QByteArray(), noise, QByteArray("COMMENT\r\n\r\nmemory\r\n")}) {
        const QString in = Path("bad.381");
        QFile file(in);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        const CliResult refused = Run({"write", "--yes", "--port", sim.DevicePath(), in});
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_TRUE(refused.err.startsWith("vxl-r381-cli: File Open error.\n" + in + ": not a .381 file"))
            << refused.err.toStdString();
    }
    EXPECT_TRUE(sim.CommandLog().isEmpty()) << "nothing may reach the radio";
}

TEST_F(CliTest, ReadAndWriteKeepBackupsUnlessTurnedOff)
{
    QDir(BackupFolder()).removeRecursively();
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    const CliResult read = Run({"read", "--port", sim.DevicePath(), Path("r.381")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    QStringList backups = BackupFiles(BackupFolder());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(backups[0].endsWith("-read.381"));
    QFile readBackup(backups[0]);
    ASSERT_TRUE(readBackup.open(QIODevice::ReadOnly));
    QFile readFile(Path("r.381"));
    ASSERT_TRUE(readFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(readBackup.readAll(), readFile.readAll());

    const CliResult quiet = Run({"read", "--no-backup", "--port", sim.DevicePath(), Path("q.381")});
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
    EXPECT_EQ(BackupFiles(BackupFolder()).size(), 1);

    const CliResult written = Run({"write", "--yes", "--port", sim.DevicePath(), Path("r.381")});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    backups = BackupFiles(BackupFolder());
    ASSERT_EQ(backups.size(), 2);
    EXPECT_TRUE(backups[1].endsWith("-write.381"));
    QString difference;
    EXPECT_TRUE(SameChannels(Load(backups[1]), radio, &difference)) << difference.toStdString();
    const CliResult quietWrite = Run({"write", "--yes", "--no-backup", "--port", sim.DevicePath(), Path("r.381")});
    ASSERT_EQ(quietWrite.exitCode, 0) << quietWrite.err.toStdString();
    EXPECT_EQ(BackupFiles(BackupFolder()).size(), 2);
    EXPECT_TRUE(Run({"read", "--help"}).exitCode == 0);
}

TEST_F(CliTest, ABackupThatCannotBeWrittenIsReportedAndTheTransferGoesOn)
{
    // A file where the backups folder should be stops even the superuser.
    QDir(BackupFolder()).removeRecursively();
    QDir().mkpath(QFileInfo(BackupFolder()).absolutePath());
    QFile blocker(BackupFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    const CliResult read = Run({"read", "--port", sim.DevicePath(), Path("r.381")});
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_TRUE(read.err.contains("The backup could not be written.\n" + BackupFolder())) << read.err.toStdString();
    QString difference;
    EXPECT_TRUE(SameChannels(Load(Path("r.381")), radio, &difference)) << difference.toStdString();

    const CliResult written = Run({"write", "--yes", "--port", sim.DevicePath(), Path("r.381")});
    EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_TRUE(written.err.contains("The backup could not be written.")) << written.err.toStdString();
    QFile::remove(BackupFolder());
}

TEST_F(CliTest, PortsListsEachDeviceAndJsonParses)
{
    const CliResult plain = Run({"ports"});
    EXPECT_EQ(plain.exitCode, 0);
    for (const QString &line : plain.out.split('\n', Qt::SkipEmptyParts))
        EXPECT_EQ(line.count('\t'), 5) << line.toStdString();
    const CliResult json = Run({"ports", "--json"});
    EXPECT_EQ(json.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError);
    ASSERT_TRUE(doc.isArray());
    EXPECT_EQ(doc.array().size(), plain.out.count('\n'));
    EXPECT_EQ(Run({"ports", "--bogus"}).exitCode, 2);
}

TEST_F(CliTest, DetectPrintsThePortThatAnswers)
{
    SimFixture silent;
    ASSERT_TRUE(silent.Start({"--silent-after", "1"}));
    ASSERT_TRUE(sim.Start({"--throttle", "--wake-at-once"}));
    const CliResult found = Run({"detect", "--port", silent.DevicePath(), "--port", sim.DevicePath()});
    EXPECT_EQ(found.exitCode, 0) << found.err.toStdString();
    EXPECT_EQ(found.out, sim.DevicePath() + "\n");
    EXPECT_TRUE(found.err.contains("Trying " + silent.DevicePath()));

    const CliResult none = Run({"detect", "--port", silent.DevicePath(), "--port", "/nonexistent/ttyUSB9"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.contains("No radio answered.\n")) << none.err.toStdString();
    EXPECT_TRUE(none.err.contains(silent.DevicePath() + ": no reply from the radio."));
    EXPECT_TRUE(none.err.contains("/nonexistent/ttyUSB9: no such device."));
}

TEST_F(CliTest, TraceRecordsTheExchangeOfARead)
{
    ASSERT_TRUE(sim.Start({"--throttle", "--wake-at-once"}));
    const QString trace = Path("trace.txt");
    const CliResult result = Run({"--trace", trace, "read", "--port", sim.DevicePath(), Path("t.381")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(sim.DevicePath() + " > AI 0\\r\n"));
    EXPECT_TRUE(text.contains(sim.DevicePath() + " < ID QV-R381\\r\n"));
    EXPECT_TRUE(text.contains(sim.DevicePath() + " - close\n"));
    // Nothing but trace lines in the file, nothing of the trace elsewhere.
    EXPECT_FALSE(result.err.contains(" > AI 0"));

    // Also after the command.
    const CliResult bad = Run({"read", "--port", sim.DevicePath(), Path("u.381"), "--trace", "/nonexistent/dir/t.txt"});
    EXPECT_EQ(bad.exitCode, 3);
    EXPECT_TRUE(bad.err.contains("cannot write the trace: /nonexistent/dir/t.txt")) << bad.err.toStdString();
}

TEST_F(CliTest, ATraceThatCannotBeWrittenIsReportedAndKeepsTheOldFile)
{
    // A file size limit stands in for a full disk: the trace stops after a
    // few lines while the write itself goes through.
    StartSim(nullptr);
    const QString in = Path("in.381");
    const QString trace = Path("trace.txt");
    for (const auto &[path, content] : {std::pair{in, WriteDataFile(PopulatedDocument(), QString())},
                                        std::pair{trace, QByteArray("old trace\n")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QProcess process;
    process.setChildProcessModifier([] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{2048, 2048};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(kCli, {"--trace", trace, "write", "--yes", "--no-backup", "--port", sim.DevicePath(), in});
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 3) << err.toStdString();
    EXPECT_TRUE(err.contains("vxl-r381-cli: cannot write the trace: " + trace + ": ")) << err.toStdString();
    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old trace\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"in.381", "trace.txt"}));
}

TEST_F(CliTest, ASignalStopsAReadReleasesThePortAndLeavesNoFile)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio, {QStringLiteral("--latency"), QStringLiteral("5")});
    const QString out = Path("out.381");
    struct Case {
        int signal;
        int exitCode;
        QString name;
    } cases[] = {{SIGINT, 130, "SIGINT"}, {SIGTERM, 143, "SIGTERM"}, {SIGHUP, 129, "SIGHUP"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const int before = int(sim.CommandLog().size());
        QProcess process;
        process.start(kCli, {"read", "--no-backup", "--port", sim.DevicePath(), out});
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForStarted());
        // Well into the memory channels.
        ASSERT_TRUE(WaitUntil([&] { return sim.CommandLog().size() >= before + 12; }, 30000));
        ::kill(pid_t(process.processId()), c.signal);
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(err.contains("Stopped by " + c.name + " at memory channel ")) << err.toStdString();
        EXPECT_TRUE(err.contains(out + " was not written.")) << err.toStdString();
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
    // The port is free at once for the next run.
    const CliResult again = Run({"read", "--no-backup", "--port", sim.DevicePath(), out});
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    QString difference;
    EXPECT_TRUE(SameChannels(Load(out), radio, &difference)) << difference.toStdString();
}

// A radio's memory may hold values outside its rules (or a reply may be
// changed on the line, 8N1 without a checksum): the read keeps them and
// lists each one with exit 1; a write of such a file needs --yes.
TEST_F(CliTest, ReadListsValuesOutsideTheRulesAndWriteNeedsYesForThem)
{
    TChannelDocument radio = PopulatedDocument();
    const struct {
        int slot;
        const char *record;
        const char *listed;
    } odd[] = {
        {11, "011,00145000000,3,0,0,0,0,,09,,09,,0,,,,,call", "011: name \"call\""},
        {12, "012,00145000000,3,0,0,0,0,,09,,09,,0,,,,,ABCDEFGHIJKL", "012: name \"ABCDEFGHIJKL\""},
        {13, "013,00180000000,3,0,0,0,0,,09,,09,,0,,,,,", "013: receive frequency 00180000000 outside"},
        {14, "014,00145000000,3,9,0,0,0,,09,,09,,0,,,,,", "014: shift code \"9\""},
        {15, "015,00145000000,3,0,0,0,0,,99,,09,,0,,,,,", "015: tone code \"99\""},
        {16, "016,00145000000,3,0,0,0,0,,09,,09,,7,,,,,", "016: lock-out \"7\""},
        {17, "017,00145000000,3,0,0,0,0,,09,,09,,0,,00145600000,0,,", "017: split step code \"0\""},
    };
    for (const auto &o : odd)
        radio.SetMemoryRecord(o.slot, QLatin1String(o.record));
    StartSim(&radio);
    const QString out = Path(QStringLiteral("odd.381"));
    const CliResult read = Run({"read", "--no-backup", "--port", sim.DevicePath(), out});
    EXPECT_EQ(read.exitCode, 1) << read.err.toStdString();
    for (const auto &o : odd) {
        EXPECT_TRUE(read.err.contains(QLatin1String(o.listed))) << o.listed;
        EXPECT_EQ(Load(out).Record(rkMemory, o.slot), QLatin1String(o.record)) << "kept as read";
    }
    ASSERT_EQ(sim.Stop(), 0);

    StartSim(nullptr);
    const CliResult refused = Run({"write", "--no-backup", "--port", sim.DevicePath(), out});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QLatin1String(odd[3].listed)));
    EXPECT_TRUE(refused.err.contains("--yes"));
    EXPECT_TRUE(sim.CommandLog().isEmpty());
    const CliResult written = Run({"write", "--yes", "--no-backup", "--port", sim.DevicePath(), out});
    EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
}
