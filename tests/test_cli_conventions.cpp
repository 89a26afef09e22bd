// Command-line conventions of vxl-r381-cli and the editor: help on standard
// output with exit 0, the version, wrong options and missing arguments
// named with exit 2, file errors that name the file and the reason, output
// that reads the same on a terminal as in a pipe, manual pages that list
// what the help says, and the shell completion.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "support/CliRun.h"
#include "support/RadioImage.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kCommands[] = {"list", "read", "write", "export", "import", "diff", "ports", "detect"};

// A help or manual text as words: markup (*bold*, _underlined_, line
// breaks "++") and letter case dropped, white space made single spaces.
QString Words(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[*_]|\\+\\+\n")));
    return text.simplified().toLower();
}

// The entries of a help section ("Options:", "Exit codes:"): the syntax
// before the gap and the text after it, continuation lines joined.
QList<QPair<QString, QString>> HelpEntries(const QString &help, const QString &section)
{
    QList<QPair<QString, QString>> entries;
    const QStringList lines = help.section(QLatin1Char('\n') + section + QLatin1Char('\n'), 1)
                                  .section(QStringLiteral("\n\n"), 0, 0)
                                  .split(QLatin1Char('\n'));
    static const QRegularExpression entry(QStringLiteral("^  (\\S.*?)(?:  +(.*))?$"));
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = entry.match(line);
        if (m.hasMatch())
            entries.append({m.captured(1), m.captured(2)});
        else if (!entries.isEmpty())
            entries.last().second += QLatin1Char(' ') + line.trimmed();
    }
    return entries;
}

QString ReadText(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

class CliConventions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CliPath().isEmpty());
        ASSERT_TRUE(dir.isValid());
        ClearStoredSettings();
    }
    QString Write(const QString &name, const QByteArray &content) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return dir.filePath(name);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CliConventions, HelpGoesToStandardOutputWithExitZero)
{
    for (const char *option : {"--help", "-h"}) {
        const CliRunResult result = RunCliTool({option});
        EXPECT_EQ(result.exitCode, 0) << option;
        EXPECT_TRUE(result.err.isEmpty()) << result.err.constData();
        EXPECT_TRUE(result.out.startsWith("usage: vxl-r381-cli COMMAND")) << result.out.constData();
        for (const char *command : kCommands)
            EXPECT_TRUE(result.out.contains(QByteArray("vxl-r381-cli ") + command + ' ')) << command;
    }
    for (const char *command : kCommands) {
        SCOPED_TRACE(command);
        // Also where the file would be, and before other options.
        for (const QStringList &args : {QStringList{command, "--help"}, QStringList{command, "x.381", "-h"}}) {
            const CliRunResult result = RunCliTool(args);
            EXPECT_EQ(result.exitCode, 0);
            EXPECT_TRUE(result.err.isEmpty()) << result.err.constData();
            EXPECT_TRUE(result.out.startsWith(QByteArray("usage: vxl-r381-cli ") + command)) << result.out.constData();
            EXPECT_TRUE(result.out.contains("Exit codes:"));
            // Every option on a line of its own.
            for (const QByteArray &line : result.out.split('\n')) {
                if (line.contains("-h, --help"))
                    EXPECT_TRUE(line.startsWith("  -h, --help")) << line.constData();
            }
        }
    }
    EXPECT_TRUE(RunCliTool({"import", "--help"}).out.contains("--into BASE.381"));
    EXPECT_TRUE(RunCliTool({"write", "--help"}).out.contains("--yes"));
}

TEST_F(CliConventions, VersionIsPrinted)
{
    for (const char *option : {"--version", "-v"}) {
        const CliRunResult result = RunCliTool({option});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, QByteArray("vxl-r381-cli 1.10\n"));
        EXPECT_TRUE(result.err.isEmpty());
    }
}

TEST_F(CliConventions, WrongArgumentsAreNamedWithExitTwo)
{
    const QString in = Write("in.381", WriteDataFile(TChannelDocument(), QString()));
    struct Case {
        QStringList args;
        QByteArray message;
    } cases[] = {
        {{}, "vxl-r381-cli: missing command"},
        {{"frobnicate"}, "vxl-r381-cli: unknown command 'frobnicate'"},
        {{"--bogus"}, "Unknown option 'bogus'"},
        {{"list", "--bogus", in}, "vxl-r381-cli list: Unknown option 'bogus'"},
        {{"list"}, "vxl-r381-cli list: missing argument IN.381"},
        {{"list", in, in}, "vxl-r381-cli list: unexpected argument"},
        {{"export", in}, "vxl-r381-cli export: missing argument OUT.csv"},
        {{"import", "a.csv", "b.381", "--into"}, "Missing value after '--into'"},
        {{"import", "a.csv"}, "missing argument OUT.381"},
        {{"read", "--port"}, "Missing value after '--port'"},
        {{"read", "--yes", "x.381"}, "Unknown option 'yes'"},
        {{"write", "--port", "COM1"}, "missing argument IN.381"},
        {{"diff", "a.381", "b.381", "c.381"}, "unexpected argument 'c.381'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRunResult result = RunCliTool(c.args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.constData();
        EXPECT_TRUE(result.err.contains("usage: vxl-r381-cli")) << result.err.constData();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("b.381")));
}

TEST_F(CliConventions, FileErrorsNameThePathAndTheReason)
{
    const QString missing = dir.filePath("missing.381");
    const QString text = Write("notes.txt", "COMMENT\r\n\r\n");
    const QString folder = dir.filePath("folder.381");
    ASSERT_TRUE(QDir().mkdir(folder));
    struct Case {
        QStringList args;
        int exitCode;
        QString path;
        QString reason;
    } cases[] = {
        // One exit code for a file error, whatever the command.
        {{"list", missing}, 2, missing, "No such file or directory"},
        {{"list", text}, 2, text, "not a .381 file"},
        {{"list", folder}, 2, folder, "is a directory"},
        {{"export", missing, "-"}, 2, missing, "No such file or directory"},
        {{"export", folder, "-"}, 2, folder, "is a directory"},
        {{"import", missing, dir.filePath("out.381")}, 2, missing, "No such file or directory"},
        {{"diff", missing, text}, 2, missing, "No such file or directory"},
        {{"write", "--yes", "--port", "/nonexistent/vxl", missing}, 2, missing, "No such file or directory"},
        {{"read", "--port", "/nonexistent/vxl", text}, 2, text, "not a .381 file"},
        {{"read", "--port", "/nonexistent/vxl", folder}, 2, folder, "is a directory"},
        {{"read", "--port", "/nonexistent/vxl", "/nonexistent/dir/x.381"}, 2, "/nonexistent/dir/x.381",
         "No such file or directory"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRunResult result = RunCliTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        // The tool's name first, then the message as the editor words it.
        EXPECT_EQ(QString::fromLocal8Bit(result.err),
                  QStringLiteral("vxl-r381-cli: File Open error.\n%1: %2\n").arg(c.path, c.reason));
    }
}

TEST_F(CliConventions, OnATerminalLinesBreakAndControlCharactersFromFilesAreShown)
{
    SetStoredValue(QStringLiteral("Type"), QLatin1String(kAllBandsType));
    QFile golden(QStringLiteral(VXL_GOLDEN_DIR "/listing_populated.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray listing = golden.readAll();
    const QString missing = dir.filePath("missing.381");
    const QString csv = Write("rows.csv", "Location,Name,Frequency\n1,CALL,145.500000\n2,BAD,abc\n");
    const QString hostile = Write("title.381", "COMMENT\r\n\x1b]0;owned\x07 net\r\nMEMORY\r\n"
                                               "002\t00145500000\t0\t2\t0\t1\t0\t\t13\t\t09\t\t1\t\t\t\t\tRPT.1\r\n");
    struct Case {
        QStringList args;
        int exitCode;
        QByteArray shown; // a part of what the terminal shows, line breaks included
    } cases[] = {
        {{"list", QStringLiteral(VXL_GOLDEN_DIR "/populated.381")}, 0, listing},
        {{"list", missing}, 2, "vxl-r381-cli: File Open error.\n" + missing.toLocal8Bit() + ": No such file or directory\n"},
        {{"import", csv, dir.filePath("out.381")},
         1,
         "line 2, 001: applied\n"
         "line 3, 002: refused: Frequency \"abc\" is not a number\n"
         "1 applied, 0 adjusted, 1 refused\n"},
        {{"read", "--port", "/dev/nonexistent-xyz", dir.filePath("read.381")},
         1,
         "vxl-r381-cli: Invalid COM port.\nPlease check and try again.\n/dev/nonexistent-xyz: "},
        // The escape sequence of the comment is shown, not obeyed.
        {{"list", hostile}, 0, "[Comment]\n\\x1b]0;owned\\x07 net\n\n[Memory Channel]\n"},
    };
    ASSERT_GT(listing.count('\n'), 10);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliTerminalResult result = RunCliOnTerminal(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(result.shown.contains(c.shown)) << result.shown.constData();
        EXPECT_TRUE(result.shown.endsWith('\n')) << result.shown.constData();
        // No control character reaches the terminal but the line feed.
        EXPECT_TRUE(std::none_of(result.shown.begin(), result.shown.end(), [](char byte) {
            return byte != '\n' && (uchar(byte) < 0x20 || uchar(byte) == 0x7f);
        })) << result.shown.constData();
    }
}

TEST_F(CliConventions, ListReadsStandardInput)
{
    TChannelDocument doc;
    doc.SetRadioType(QString::fromLatin1(kDefaultRadioType));
    doc.ResetDocument();
    const CliRunResult result = RunCliTool({"list", "-"}, WriteDataFile(doc, QStringLiteral("From a pipe")));
    EXPECT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_TRUE(result.out.startsWith("[Comment]\nFrom a pipe\n")) << result.out.constData();
}

TEST_F(CliConventions, EditorAnswersHelpAndVersionWithoutAWindow)
{
    // The editor is built next to the command-line tool.
    const QString editor = QFileInfo(CliPath()).dir().filePath(QStringLiteral("vxl-r381"));
    if (!QFileInfo(editor).isExecutable())
        GTEST_SKIP() << "editor not built";
    const CliRunResult version = RunProgram(editor, {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("vxl-r381 1.10\n"));
    const CliRunResult help = RunProgram(editor, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: vxl-r381 [FILE.381]")) << help.out.constData();
    // An unknown option is no file to open: named, exit 2, no window.
    for (const QStringList &args : {QStringList{"--verbose"}, QStringList{"a.381", "-x"}}) {
        const CliRunResult wrong = RunProgram(editor, args);
        EXPECT_EQ(wrong.exitCode, 2);
        EXPECT_TRUE(wrong.out.isEmpty());
        EXPECT_TRUE(wrong.err.contains("vxl-r381: unknown option '" + args.last().toLocal8Bit() + "'\n"))
            << wrong.err.constData();
    }
}

TEST_F(CliConventions, TraceIsTakenBeforeOrAfterTheCommand)
{
    const QString x = Write("x.381", WriteDataFile(TChannelDocument(), QString()));
    const QString trace = dir.filePath("t.txt");
    for (const QStringList &args : {QStringList{"--trace", trace, "list", x}, QStringList{"list", x, "--trace", trace},
                                    QStringList{"list", "--trace=" + trace, x}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QFile::remove(trace);
        const CliRunResult result = RunCliTool(args);
        EXPECT_EQ(result.exitCode, 0) << result.err.constData();
        EXPECT_TRUE(QFile::exists(trace));
    }
}

TEST_F(CliConventions, ManualPagesListWhatTheHelpAndTheReadmeDescribe)
{
    const QString page = Words(ReadText(QStringLiteral(VXL_SOURCE_DIR "/packaging/man/vxl-r381-cli.1.scd")));
    QList<QByteArray> helps{RunCliTool({"--help"}).out};
    for (const char *command : kCommands)
        helps.append(RunCliTool({command, "--help"}).out);
    for (const QByteArray &bytes : helps) {
        const QString help = QString::fromLocal8Bit(bytes);
        SCOPED_TRACE(help.section(QLatin1Char('\n'), 0, 0).toStdString());
        ASSERT_TRUE(help.startsWith(QStringLiteral("usage: ")));
        // The synopsis, every option and every exit code with its meaning.
        const QString usage = help.section(QLatin1Char('\n'), 0, 0).mid(7);
        if (!usage.contains(QLatin1String("COMMAND")))
            EXPECT_TRUE(page.contains(Words(usage))) << usage.toStdString();
        const auto options = HelpEntries(help, QStringLiteral("Options:"));
        EXPECT_GE(options.size(), 2);
        for (const auto &option : options)
            EXPECT_TRUE(page.contains(Words(option.first))) << option.first.toStdString();
        const auto codes = HelpEntries(help, QStringLiteral("Exit codes:"));
        EXPECT_GE(codes.size(), 3);
        for (const auto &code : codes) {
            EXPECT_TRUE(page.contains(Words(code.second))) << code.first.toStdString() << " " << code.second.toStdString();
            if (help.contains(QLatin1String("COMMAND [ARGUMENTS]")))
                EXPECT_TRUE(page.contains(Words(code.first + QLatin1Char(' ') + code.second))) << code.first.toStdString();
        }
    }

    // Every menu item the README describes is in the editor's page.
    const QString readme = ReadText(QStringLiteral(VXL_SOURCE_DIR "/README.md"));
    const QString editorPage = Words(ReadText(QStringLiteral(VXL_SOURCE_DIR "/packaging/man/vxl-r381.1.scd")));
    static const QRegularExpression menuItem(
        QStringLiteral("\\b(?:File|Edit|View|Radio|Help) > ([A-Z][A-Za-z0-9]*(?: [A-Za-z0-9]+)*(?:\\.\\.\\.)?)"));
    int items = 0;
    for (const QRegularExpressionMatch &m : menuItem.globalMatch(readme)) {
        ++items;
        EXPECT_TRUE(editorPage.contains(Words(m.captured(1)))) << m.captured(0).toStdString();
    }
    EXPECT_GE(items, 8);
}

TEST_F(CliConventions, BashCompletesCommandsOptionsFilesAndPorts)
{
    const QString script = QStringLiteral(VXL_SOURCE_DIR "/packaging/bash-completion/vxl-r381-cli");
    Write("a.381", "");
    Write("b.csv", "");
    Write("c.txt", "");
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    struct Case {
        QString line; // the words typed, the last one being completed
        QStringList expected;
        QStringList absent;
    } cases[] = {
        {"vxl-r381-cli ", {"read", "write", "list", "export", "import", "diff", "ports", "detect"}, {"a.381"}},
        {"vxl-r381-cli --", {"--trace", "--help", "--version"}, {}},
        {"vxl-r381-cli re", {"read"}, {"write"}},
        {"vxl-r381-cli read --", {"--port", "--no-backup", "--trace", "--help"}, {"--yes"}},
        {"vxl-r381-cli import a.381 --", {"--into"}, {}},
        {"vxl-r381-cli read --port ", {"COM1", "COM4"}, {"a.381"}},
        {"vxl-r381-cli list ", {"a.381", "sub"}, {"b.csv", "c.txt"}},
        {"vxl-r381-cli import ", {"b.csv", "sub"}, {"a.381", "c.txt"}},
        {"vxl-r381-cli diff a.381 ", {"a.381", "b.csv"}, {"c.txt"}},
        {"vxl-r381-cli --trace ", {"c.txt"}, {}},
    };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), QFileInfo(CliPath()).absolutePath() + QLatin1Char(':') + env.value("PATH"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        QProcess bash;
        bash.setProcessEnvironment(env);
        bash.setWorkingDirectory(dir.path());
        bash.start(QStringLiteral("bash"),
                   {QStringLiteral("--norc"), QStringLiteral("-c"),
                    QStringLiteral("source \"$0\"; COMP_LINE=\"$1\"; read -ra COMP_WORDS <<<\"$1\"; "
                                   "[[ $1 == *' ' ]] && COMP_WORDS+=(''); COMP_CWORD=$((${#COMP_WORDS[@]}-1)); "
                                   "_vxl_r381_cli vxl-r381-cli \"${COMP_WORDS[COMP_CWORD]}\" "
                                   "\"${COMP_WORDS[COMP_CWORD-1]}\"; printf '%s\\n' \"${COMPREPLY[@]}\""),
                    script, c.line});
        ASSERT_TRUE(bash.waitForFinished(60000));
        const QStringList offered = QString::fromLocal8Bit(bash.readAllStandardOutput()).split(QLatin1Char('\n'));
        EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().constData();
        for (const QString &word : c.expected)
            EXPECT_TRUE(offered.contains(word)) << word.toStdString() << " not in " << offered.join(' ').toStdString();
        for (const QString &word : c.absent)
            EXPECT_FALSE(offered.contains(word)) << word.toStdString();
    }
}

TEST_F(CliConventions, NoOutputReplacesAFileTheCommandReads)
{
    const QByteArray data = WriteDataFile(TChannelDocument(), QStringLiteral("keep me"));
    const QString x = Write("x.381", data);
    ASSERT_TRUE(QFile::link(x, dir.filePath("link.csv")));
    ASSERT_EQ(::link(QFile::encodeName(x).constData(), QFile::encodeName(dir.filePath("hard.pdf")).constData()), 0);
    const QString rows = Write("rows.csv", "Location,Name,Frequency\n1,CALL,145.500000\n");
    const QString out = dir.filePath("out.csv");
    struct Case {
        QStringList args;
        int exitCode;
        QString message;
    } cases[] = {
        {{"export", x, x}, 2, "File Open error.\n" + x + ": the same file as " + x},
        {{"export", x, dir.path() + "/./x.381"}, 2, "the same file as " + x},
        {{"export", x, dir.filePath("link.csv")}, 2, "the same file as " + x},
        {{"list", "--pdf", dir.filePath("hard.pdf"), x}, 2, "the same file as " + x},
        {{"list", "--pdf", x, x}, 2, "the same file as " + x},
        {{"import", rows, x, "--into", x}, 2, "the same file as " + x},
        {{"--trace", x, "list", x}, 3, "vxl-r381-cli: cannot write the trace: " + x + ": the same file as " + x},
        {{"list", x, "--trace", x}, 3, "vxl-r381-cli: cannot write the trace: " + x + ": the same file as " + x},
        {{"--trace", out, "list", "--trace", out, x}, 2, "vxl-r381-cli list: --trace is given more than once"},
        {{"--trace", out, "export", x, out}, 3, "cannot write the trace: " + out + ": the same file as " + out},
        // A wrong command line opens nothing, the trace included.
        {{"--trace", x, "read"}, 2, "missing argument OUT.381"},
        {{"--trace", x, "list", "--bogus", x}, 2, "Unknown option 'bogus'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRunResult result = RunCliTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(QString::fromLocal8Bit(result.err).contains(c.message)) << result.err.constData();
        QFile file(x);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), data);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                  (QStringList{"hard.pdf", "link.csv", "rows.csv", "x.381"}));
    }
}

TEST_F(CliConventions, ADirectoryFifoOrDeviceIsRefusedAsAnOutputAtOnce)
{
    const QString x = Write("x.381", WriteDataFile(TChannelDocument(), QString()));
    const QString fifo = dir.filePath("fifo.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath("folder");
    ASSERT_TRUE(QDir().mkdir(folder));
    struct Case {
        QStringList args;
        int exitCode;
        QString message;
    } cases[] = {
        {{"export", x, fifo}, 2, "File Open error.\n" + fifo + ": a FIFO, not a regular file"},
        {{"export", x, "/dev/full"}, 2, "/dev/full: a character device, not a regular file"},
        {{"list", "--pdf", fifo, x}, 2, fifo + ": a FIFO, not a regular file"},
        {{"--trace", fifo, "list", x}, 3, "cannot write the trace: " + fifo + ": a FIFO, not a regular file"},
        {{"--trace", "/dev/full", "list", x}, 3, "cannot write the trace: /dev/full: a character device"},
        {{"--trace", folder, "list", x}, 3, "cannot write the trace: " + folder + ": is a directory"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        // A FIFO opened for writing would wait for a reader: -1 means hung.
        const CliRunResult result = RunCliTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(QString::fromLocal8Bit(result.err).contains(c.message)) << result.err.constData();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System), (QStringList{"fifo.csv", "x.381"}));
}
