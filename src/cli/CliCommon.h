// What the commands of vxl-r381-cli share: argument parsing with the usual
// conventions (--help on standard output, the bad option or missing
// argument named), file reading and writing with "-" for standard input and
// output, and messages that name the file and the reason.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

inline const char *const kCliFileOpenError = "File Open error.";
constexpr qint64 kCliInputMaxBytes = 16 * 1024 * 1024;

// The exit codes of every command (the help texts, the manual page and the
// README list the same table):
constexpr int kCliOk = 0;          // success
constexpr int kCliFailed = 1;      // the operation failed or found differences
constexpr int kCliUsage = 2;       // wrong arguments
constexpr int kCliFileError = 2;   // a file (also standard input or output) could not be read or written
constexpr int kCliTraceFailed = 3; // the trace (--trace FILE) could not be written
// A transfer stopped by a signal ends with 128 + the signal: 129 SIGHUP,
// 130 SIGINT, 143 SIGTERM (CliInterrupt.h).

// Prints a message on standard error: "vxl-r381-cli: " and the message's
// lines (a message already naming the tool is left as it is). Text quoted
// from a file, a CSV row or the radio is put in through
// EscapeControlCharacters (data/TerminalText.h), so that it cannot break
// the message's lines.
void CliPrintError(const QString &text);
// Prints progress or report lines on standard error as they are.
void CliPrintNote(const QString &text);
// Prints on standard output; false when the output could not be written.
bool CliPrintOut(const QString &text);
// "File Open error." and a line with the path and the reason.
void CliFileError(const QString &path, const QString &reason);

// One option in a help text: "--port NAME" and what it does.
struct TCliOptionHelp {
    QString syntax;
    QString text;
};

// One entry of the command table: the help text, the manual page and the
// shell completion are made from, or checked against, these.
struct TCliCommandSpec {
    QString name;          // "list", "export", ...
    QString usage;         // "vxl-r381-cli list IN.381"
    QString description;   // what the command does, for --help
    QStringList arguments; // names of the positional arguments, in order
    int optionalArguments = 0; // how many of the last ones may be left out
    QList<TCliOptionHelp> options; // the command's own options
    QString failure;       // what exit code 1 means for it; empty: not used
    bool transfer = false; // talks to the radio: a signal stops it (129, 130, 143)
};

// Parses the arguments after the command name with the command's options
// already added to the parser (--help is added here). Returns -1 when the
// command should run, otherwise the exit code: 0 after --help (usage on
// standard output), 2 after an error (named on standard error with the
// usage).
int CliParseCommand(QCommandLineParser &parser, const TCliCommandSpec &spec, const QStringList &args);
// The help text of a command.
QString CliCommandHelp(const TCliCommandSpec &spec);
// The options every command takes (--trace, --help), as listed in the help.
QList<TCliOptionHelp> CliCommonOptions();
// The exit codes of a command as help lines ("  2    wrong arguments...").
QString CliExitCodeHelp(const TCliCommandSpec *spec);
// "  --port NAME      the serial port", aligned as in every help text.
QString CliOptionLines(const QList<TCliOptionHelp> &options);
// Prints "vxl-r381-cli COMMAND: error" and the usage; returns 2.
int CliUsageError(const TCliCommandSpec &spec, const QString &error);

// Whether the path ends in ".381" (any letter case).
bool CliHasDataFileSuffix(const QString &path);

// Reads a file named on the command line ("-": standard input). A regular
// file of at most 16 MiB, with the ".381" suffix when needsDataFileSuffix.
// On failure prints the file error and returns false.
bool CliReadInput(const QString &path, bool needsDataFileSuffix, QByteArray *content);
// Writes a file named on the command line ("-": standard output) in one
// atomic step. On failure prints the file error and returns false.
bool CliWriteOutput(const QString &path, bool needsDataFileSuffix, const QByteArray &content);

// The trace file named before or after the command (--trace FILE);
// nothing is opened until CliBeginCommand. False when a trace was named
// already.
bool CliSetTracePath(const QString &path);
// Called by every command once its arguments are checked and before it
// opens anything. inputs: the files it reads; outputs: the files it writes
// ("-" and empty names are skipped). Refuses an output or the trace that is
// the same file as an input or as another output, and an output or trace
// that is a directory, a FIFO or a device; then starts the trace (written
// beside its file and put in place when the command ends). Returns -1 to
// go on, else the exit code: kCliFileError after a refused output,
// kCliTraceFailed after a refused trace.
int CliBeginCommand(const QStringList &inputs, const QStringList &outputs);
// Ends the trace after the command. Returns exitCode, or kCliTraceFailed
// (after saying why) when the command succeeded but its trace could not be
// written.
int CliEndCommand(int exitCode);
