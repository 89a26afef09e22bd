// Argument parsing, files and messages shared by the commands.
#include "CliCommon.h"

#include "CliOutput.h"
#include "comm/SerialTrace.h"
#include "data/InputFile.h"
#include "data/OutputFile.h"

#include "data/DataFile.h"
#include "data/TerminalText.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString kStdio = QStringLiteral("-");

QString tracePath;
bool traceNamed = false;
TSerialTraceFile *trace = nullptr;

void TraceError(const QString &text)
{
    CliPrintError(QStringLiteral("vxl-r381-cli: cannot write the trace: %1").arg(EscapeControlCharacters(text)));
}

bool WriteAll(std::FILE *stream, const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size())
        && std::fflush(stream) == 0;
}

// Why an output file cannot be written, as far as can be told.
QString OutputFailureReason(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("is a directory");
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("No such file or directory");
    if (!folder.isWritable() || (target.exists() && !target.isWritable()))
        return QStringLiteral("Permission denied");
    if (target.exists() && !target.isFile())
        return QStringLiteral("not a regular file");
    return QStringLiteral("could not be written");
}

} // namespace

void CliPrintError(const QString &text)
{
    // The tool's name goes before the message, as with any Unix tool; the
    // message's own text follows unchanged.
    const QLatin1String name("vxl-r381-cli");
    CliPrintNote(text.startsWith(name) ? text : name + QStringLiteral(": ") + text);
}

void CliPrintNote(const QString &text)
{
    // The line breaks of a message are its own. Text it quotes from a file
    // (a path, a CSV cell) is escaped where it is put in; any control
    // character still in it is shown on a terminal, not obeyed.
    WriteFileDerivedLines(stderr, text.split(QLatin1Char('\n')));
}

bool CliPrintOut(const QString &text)
{
    return WriteAll(stdout, text.toLocal8Bit());
}

void CliFileError(const QString &path, const QString &reason)
{
    CliPrintError(QLatin1String(kCliFileOpenError) + QLatin1Char('\n') + EscapeControlCharacters(path)
                  + QStringLiteral(": ") + reason);
}

QString CliOptionLines(const QList<TCliOptionHelp> &options)
{
    constexpr int kColumn = 19; // where the texts start
    QString text;
    for (const TCliOptionHelp &option : options) {
        QString line = QStringLiteral("  ") + option.syntax;
        const QStringList words = option.text.split(QLatin1Char('\n'));
        for (int i = 0; i < words.size(); ++i) {
            if (i > 0)
                line = QString();
            line += QString(qMax(1, kColumn - int(line.size())), QLatin1Char(' ')) + words.at(i);
            text += line + QLatin1Char('\n');
        }
    }
    return text;
}

QList<TCliOptionHelp> CliCommonOptions()
{
    return {
        {QStringLiteral("--trace FILE"),
         QStringLiteral("write every line sent to and received from the radio,\n"
                        "with a millisecond timestamp, into FILE (replaced when\n"
                        "the command ends; never a file the command reads);\n"
                        "before or after the command")},
        {QStringLiteral("-h, --help"), QStringLiteral("show this help and exit")},
    };
}

QString CliExitCodeHelp(const TCliCommandSpec *spec)
{
    QList<TCliOptionHelp> codes{{QStringLiteral("0"), QStringLiteral("success")}};
    if (!spec)
        codes.append({QStringLiteral("1"), QStringLiteral("the command failed or found differences")});
    else if (!spec->failure.isEmpty())
        codes.append({QStringLiteral("1"), spec->failure});
    codes.append({QStringLiteral("2"), QStringLiteral("wrong arguments, or a file could not be read or written")});
    codes.append({QStringLiteral("3"), QStringLiteral("the trace (--trace FILE) could not be written")});
    if (!spec || spec->transfer)
        codes.append({QStringLiteral("129, 130, 143"), QStringLiteral("a transfer stopped by SIGHUP (129), SIGINT\n"
                                                                      "(130, Ctrl+C) or SIGTERM (143)")});
    return CliOptionLines(codes);
}

QString CliCommandHelp(const TCliCommandSpec &spec)
{
    QString text = QStringLiteral("usage: ") + spec.usage + QStringLiteral("\n\n") + spec.description
        + QLatin1Char('\n');
    text += QStringLiteral("\nOptions:\n") + CliOptionLines(spec.options + CliCommonOptions());
    text += QStringLiteral("\nExit codes:\n") + CliExitCodeHelp(&spec);
    return text;
}

int CliUsageError(const TCliCommandSpec &spec, const QString &error)
{
    CliPrintError(QStringLiteral("vxl-r381-cli %1: %2\nusage: %3\nTry 'vxl-r381-cli %1 --help'.")
                      .arg(spec.name, EscapeControlCharacters(error), spec.usage));
    return 2;
}

int CliParseCommand(QCommandLineParser &parser, const TCliCommandSpec &spec, const QStringList &args)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    // The global option is taken after the command as well as before it.
    const QCommandLineOption trace(QStringLiteral("trace"), QString(), QStringLiteral("FILE"));
    parser.addOption(help);
    parser.addOption(trace);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("vxl-r381-cli")} + args))
        return CliUsageError(spec, parser.errorText());
    if (parser.isSet(help)) {
        CliPrintOut(CliCommandHelp(spec));
        return 0;
    }
    const QStringList traces = parser.values(trace);
    if (traces.size() > 1 || (!traces.isEmpty() && !CliSetTracePath(traces.first())))
        return CliUsageError(spec, QStringLiteral("--trace is given more than once"));
    const QStringList positional = parser.positionalArguments();
    const int required = int(spec.arguments.size()) - spec.optionalArguments;
    if (positional.size() < required)
        return CliUsageError(spec, QStringLiteral("missing argument %1").arg(spec.arguments.at(positional.size())));
    if (positional.size() > spec.arguments.size())
        return CliUsageError(spec, QStringLiteral("unexpected argument '%1'").arg(positional.at(spec.arguments.size())));
    for (int i = 0; i < positional.size(); ++i) {
        if (positional.at(i).isEmpty())
            return CliUsageError(spec, QStringLiteral("empty argument %1").arg(spec.arguments.at(i)));
    }
    return -1;
}

bool CliHasDataFileSuffix(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("381"), Qt::CaseInsensitive) == 0;
}

bool CliReadInput(const QString &path, bool needsDataFileSuffix, QByteArray *content)
{
    content->clear();
    if (path == kStdio) {
        char buffer[65536];
        for (;;) {
            const size_t n = std::fread(buffer, 1, sizeof buffer, stdin);
            if (n > 0)
                content->append(buffer, qsizetype(n));
            if (content->size() > kCliInputMaxBytes) {
                CliFileError(QStringLiteral("standard input"), QStringLiteral("larger than 16 MiB"));
                return false;
            }
            if (n < sizeof buffer)
                break;
        }
        if (std::ferror(stdin)) {
            CliFileError(QStringLiteral("standard input"), QStringLiteral("could not be read"));
            return false;
        }
        return true;
    }

    const QFileInfo info(path);
    if (!info.exists()) {
        CliFileError(path, QStringLiteral("No such file or directory"));
        return false;
    }
    if (info.isDir()) {
        CliFileError(path, QStringLiteral("is a directory"));
        return false;
    }
    if (needsDataFileSuffix && !CliHasDataFileSuffix(path)) {
        CliFileError(path, QStringLiteral("not a .381 file"));
        return false;
    }
    // The same gate as the editor's Open (a file swapped for a FIFO or a
    // device since the checks above is still refused).
    TInputFile input = ReadInputFile(path, kCliInputMaxBytes);
    if (!input.ok) {
        CliFileError(path, input.reason);
        return false;
    }
    *content = std::move(input.content);
    return true;
}

bool CliWriteOutput(const QString &path, bool needsDataFileSuffix, const QByteArray &content)
{
    if (path == kStdio) {
        if (!WriteAll(stdout, content)) {
            CliFileError(QStringLiteral("standard output"), QStringLiteral("could not be written"));
            return false;
        }
        return true;
    }
    if (QFileInfo(path).isDir()) {
        CliFileError(path, QStringLiteral("is a directory"));
        return false;
    }
    if (needsDataFileSuffix && !CliHasDataFileSuffix(path)) {
        CliFileError(path, QStringLiteral("not a .381 file"));
        return false;
    }
    if (!SaveFileAtomically(path, content)) {
        CliFileError(path, OutputFailureReason(path));
        return false;
    }
    return true;
}

bool CliSetTracePath(const QString &path)
{
    if (traceNamed)
        return false;
    tracePath = path;
    traceNamed = true;
    return true;
}

int CliBeginCommand(const QStringList &inputs, const QStringList &outputs)
{
    const auto named = [](const QString &path) { return !path.isEmpty() && path != kStdio; };
    // A typo such as "export x.381 x.381" must not replace the file read.
    QStringList earlier;
    for (const QString &input : inputs) {
        if (named(input))
            earlier.append(input);
    }
    for (const QString &output : outputs) {
        if (!named(output))
            continue;
        for (const QString &other : earlier) {
            if (SameFile(output, other)) {
                CliFileError(output, QStringLiteral("the same file as %1, which this command reads; nothing was written")
                                         .arg(EscapeControlCharacters(other)));
                return kCliFileError;
            }
        }
        const QString problem = OutputTargetProblem(output);
        if (!problem.isEmpty()) {
            CliFileError(output, problem);
            return kCliFileError;
        }
        earlier.append(output);
    }
    if (!traceNamed)
        return -1;
    if (tracePath.isEmpty()) {
        TraceError(QStringLiteral("no file name"));
        return kCliTraceFailed;
    }
    for (const QString &other : earlier) {
        if (SameFile(tracePath, other)) {
            TraceError(QStringLiteral("%1: the same file as %2, which this command %3")
                           .arg(tracePath, other,
                                inputs.contains(other) ? QStringLiteral("reads") : QStringLiteral("writes")));
            return kCliTraceFailed;
        }
    }
    // Lives until the process ends; CliEndCommand puts the file in place.
    static TSerialTraceFile file;
    QString error;
    if (!file.Start(tracePath, &error, TTraceWriting::Replace)) {
        TraceError(error);
        return kCliTraceFailed;
    }
    trace = &file;
    return -1;
}

int CliEndCommand(int exitCode)
{
    if (!trace)
        return exitCode;
    QString error;
    const bool complete = trace->Stop(&error);
    trace = nullptr;
    if (complete)
        return exitCode;
    TraceError(error);
    return exitCode == 0 ? kCliTraceFailed : exitCode;
}
