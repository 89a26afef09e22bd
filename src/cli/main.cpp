// vxl-r381-cli: the editor's data file listing, radio transfers, CSV
// interchange and comparison for backups and scripts. It shares the
// editor's settings.
//
// Conventions: "--help" (also after a command) prints the usage on standard
// output and exits 0; "--version" prints the version; a wrong option or a
// missing argument is named on standard error with exit code 2.
#include "CliCommon.h"
#include "CliCsv.h"
#include "CliDiff.h"
#include "CliList.h"
#include "CliPorts.h"
#include "CliTransfer.h"
#include "data/Settings.h"
#include "data/TerminalText.h"
#include "data/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

struct TCommand {
    const TCliCommandSpec &(*spec)();
    int (*run)(const QStringList &args);
};

const TCommand kCommands[] = {
    {CliListSpec, CliList},     {CliReadSpec, CliRead},     {CliWriteSpec, CliWrite},
    {CliExportSpec, CliExport}, {CliImportSpec, CliImport}, {CliDiffSpec, CliDiff},
    {CliPortsSpec, CliPorts},   {CliDetectSpec, CliDetect},
};

QString GeneralUsage()
{
    QString text = QStringLiteral("usage: vxl-r381-cli COMMAND [ARGUMENTS]\n       vxl-r381-cli --help | --version\n\nCommands:\n");
    for (const TCommand &command : kCommands)
        text += QStringLiteral("  ") + command.spec().usage + QLatin1Char('\n');
    text += QStringLiteral(
        "\n'vxl-r381-cli COMMAND --help' describes a command. Data files are read and\n"
        "written under the radio type stored by the editor.\n\n"
        "Options:\n"
        "  --trace FILE     write every line sent to and received from the radio,\n"
        "                   with a millisecond timestamp, into FILE (replaced when\n"
        "                   the command ends; never a file the command reads)\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and exit\n\n"
        "An output that is the same file as an input, a directory, a FIFO or a\n"
        "device is refused before anything is opened; outputs are written beside\n"
        "their file and put in place only when complete.\n\n"
        "Exit codes of every command: see 'vxl-r381-cli COMMAND --help'; also\n"
        "3 the trace file could not be written; 129, 130, 143 a transfer stopped\n"
        "by SIGHUP, SIGINT or SIGTERM.\n");
    return text;
}

int GeneralUsageError(const QString &error)
{
    CliPrintError(QStringLiteral("vxl-r381-cli: %1\n%2\nTry 'vxl-r381-cli --help'.")
                      .arg(error, GeneralUsage().section(QLatin1Char('\n'), 0, 1)));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing PDF pages needs fonts, so "list --pdf" runs a GUI application
    // object. It never shows a window: unless the user chose a platform, it
    // uses the offscreen one and needs no display.
    QStringList rawArgs;
    for (int i = 1; i < argc; ++i)
        rawArgs.append(QString::fromLocal8Bit(argv[i]));
    const int listAt = rawArgs.indexOf(QStringLiteral("list"));
    const bool pdf = listAt >= 0 && CliListWantsPdf(rawArgs.mid(listAt + 1));
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application(pdf ? new QGuiApplication(argc, argv)
                                                      : new QCoreApplication(argc, argv));
    QCoreApplication &app = *application;
    QCoreApplication::setOrganizationName(QLatin1String(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QLatin1String(kSettingsApplication));

    // Options before the command belong to the tool; everything from the
    // command on belongs to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption trace(QStringLiteral("trace"), QString(), QStringLiteral("FILE"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(trace);
    if (!parser.parse(app.arguments()))
        return GeneralUsageError(EscapeControlCharacters(parser.errorText()));
    if (parser.isSet(help)) {
        CliPrintOut(GeneralUsage());
        return 0;
    }
    if (parser.isSet(version)) {
        CliPrintOut(QStringLiteral("vxl-r381-cli %1\n").arg(QLatin1String(kProgramVersion)));
        return 0;
    }

    // The trace is opened by the command once its arguments are checked, so
    // that a wrong command line leaves the named file alone.
    if (parser.isSet(trace))
        CliSetTracePath(parser.value(trace));

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return GeneralUsageError(QStringLiteral("missing command"));
    for (const TCommand &command : kCommands) {
        if (command.spec().name == args.first())
            return CliEndCommand(command.run(args.mid(1)));
    }
    return GeneralUsageError(QStringLiteral("unknown command '%1'").arg(EscapeControlCharacters(args.first())));
}
