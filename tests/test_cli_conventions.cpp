// Command-line conventions of vxl-r381-cli and the editor: help on standard
// output with exit 0, the version, wrong options and missing arguments
// named with exit 2, and file errors that name the file and the reason.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "support/CliRun.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const char *const kCommands[] = {"list", "read", "write", "export", "import", "diff"};

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
        {{"list", missing}, 1, missing, "No such file or directory"},
        {{"list", text}, 1, text, "not a .381 file"},
        {{"list", folder}, 1, folder, "is a directory"},
        {{"export", missing, "-"}, 2, missing, "No such file or directory"},
        {{"export", folder, "-"}, 2, folder, "is a directory"},
        {{"write", "--yes", "--port", "/nonexistent/vxl", missing}, 1, missing, "No such file or directory"},
        {{"read", "--port", "/nonexistent/vxl", text}, 1, text, "not a .381 file"},
        {{"read", "--port", "/nonexistent/vxl", folder}, 1, folder, "is a directory"},
        {{"read", "--port", "/nonexistent/vxl", "/nonexistent/dir/x.381"}, 1, "/nonexistent/dir/x.381",
         "No such file or directory"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRunResult result = RunCliTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(QString::fromLocal8Bit(result.err), QStringLiteral("File Open error.\n%1: %2\n").arg(c.path, c.reason));
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
}
