// vxl-r381-cli: the editor's data file listing, radio transfers, CSV
// interchange and comparison for backups and scripts. It shares the
// editor's settings.
//
// Conventions: "--help" (also after a command) prints the usage on standard
// output and exits 0; "--version" prints the version; a wrong option or a
// missing argument is named on standard error with exit code 2. "--trace"
// may stand before or after the command. The exit codes are one table for
// every command (CliCommon.h).
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
    QString text = QStringLiteral("usage: vxl-r381-cli COMMAND [ARGUMENTS] [--trace FILE]\n"
                                  "       vxl-r381-cli --help | --version\n\nCommands:\n");
    for (const TCommand &command : kCommands)
        text += QStringLiteral("  ") + command.spec().usage + QLatin1Char('\n');
    text += QStringLiteral(
        "\n'vxl-r381-cli COMMAND --help' describes a command. Data files are read and\n"
        "written under the radio type stored by the editor.\n\n"
        "Options:\n");
    text += CliOptionLines(CliCommonOptions()
                           + QList<TCliOptionHelp>{{QStringLiteral("-v, --version"),
                                                    QStringLiteral("show the version and exit")}});
    text += QStringLiteral(
        "\nAn output that is the same file as an input, a directory, a FIFO or a\n"
        "device is refused before anything is opened; outputs are written beside\n"
        "their file and put in place only when complete.\n\n"
        "The exit codes are the same for every command; what 1 means for each\n"
        "is given by 'vxl-r381-cli COMMAND --help'.\n\n"
        "Exit codes:\n");
    text += CliExitCodeHelp(nullptr);
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

    // Options before the command are parsed here; everything from the
    // command on is parsed by the command, which also takes --trace.
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
    if (parser.values(trace).size() > 1)
        return GeneralUsageError(QStringLiteral("--trace is given more than once"));
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
