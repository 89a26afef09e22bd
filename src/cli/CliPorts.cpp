#include "CliPorts.h"

#include "CliCommon.h"
#include "comm/PortList.h"
#include "data/TerminalText.h"
#include "radio/RadioFinder.h"

#include <QCommandLineParser>

const TCliCommandSpec &CliPortsSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("ports"),
        QStringLiteral("vxl-r381-cli ports [--json]"),
        QStringLiteral("Lists the serial devices present, one a line: device, stable by-id path,\n"
                       "description, manufacturer, USB vendor:product, serial number, separated\n"
                       "by tabs (empty fields stay empty). --json prints a JSON array instead."),
        {},
        0,
        {{QStringLiteral("--json"), QStringLiteral("print the list as JSON")}},
        QString()};
    return spec;
}

const TCliCommandSpec &CliDetectSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("detect"),
        QStringLiteral("vxl-r381-cli detect [--port PATH]..."),
        QStringLiteral("Tries each serial device with the radio's identification (empty line,\n"
                       "\"AI 0\", \"ID\") and prints the device of the radio that answers\n"
                       "\"ID QV-R381\". Devices given with --port are tried first, then the\n"
                       "devices present. Each device is held only for its own exchange."),
        {},
        0,
        {{QStringLiteral("--port PATH"), QStringLiteral("also try this device (may be given more than once)")}},
        QStringLiteral("no radio answered")};
    return spec;
}

int CliPorts(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    parser.addOption(json);
    const int parsed = CliParseCommand(parser, CliPortsSpec(), args);
    if (parsed >= 0)
        return parsed;
    if (const int refused = CliBeginCommand({}, {}); refused >= 0)
        return refused;
    const QList<TPortInfo> ports = ListSerialPorts();
    if (parser.isSet(json))
        return CliPrintOut(QString::fromUtf8(PortsJson(ports))) ? kCliOk : kCliFileError;
    QString text;
    for (const TPortInfo &port : ports) {
        // Each field made safe for a terminal; the tabs between them stay.
        QStringList fields = PortLine(port).split(QLatin1Char('\t'));
        for (QString &field : fields)
            field = EscapeControlCharacters(field);
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return CliPrintOut(text) ? kCliOk : kCliFileError;
}

int CliDetect(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PATH"));
    parser.addOption(port);
    const int parsed = CliParseCommand(parser, CliDetectSpec(), args);
    if (parsed >= 0)
        return parsed;
    QStringList paths = parser.values(port);
    for (const QString &path : paths) {
        if (path.isEmpty())
            return CliUsageError(CliDetectSpec(), QStringLiteral("empty value for --port"));
    }
    if (const int refused = CliBeginCommand({}, {}); refused >= 0)
        return refused;
    for (const TPortInfo &info : ListSerialPorts()) {
        if (!paths.contains(info.path))
            paths.append(info.path);
    }
    if (paths.isEmpty()) {
        CliPrintError(QStringLiteral("No serial device found. Plug the cable in and try again."));
        return kCliFailed;
    }
    TRadioFinder finder;
    QList<TProbeResult> results;
    const QString found = finder.Find(
        paths,
        [](int index, int count, const QString &path) {
            if (index < count)
                CliPrintNote(QStringLiteral("Trying %1 (%2/%3)")
                                  .arg(EscapeControlCharacters(path))
                                  .arg(index + 1)
                                  .arg(count));
        },
        &results);
    if (!found.isEmpty()) {
        return CliPrintOut(EscapeControlCharacters(found) + QLatin1Char('\n')) ? kCliOk : kCliFileError;
    }
    QString text = QStringLiteral("No radio answered.");
    for (const TProbeResult &result : results)
        text += QLatin1Char('\n') + EscapeControlCharacters(result.detail);
    CliPrintError(text);
    return kCliFailed;
}
