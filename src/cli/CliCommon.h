// What the commands of vxl-r381-cli share: argument parsing with the usual
// conventions (--help on standard output, the bad option or missing
// argument named), file reading and writing with "-" for standard input and
// output, and messages that name the file and the reason.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QCommandLineParser;

inline const char *const kCliFileOpenError = "File Open error.";
// Exit code of a command whose trace (--trace FILE) could not be written,
// when the command itself went well or never ran.
constexpr int kCliTraceFailed = 3;
constexpr qint64 kCliInputMaxBytes = 16 * 1024 * 1024;

// Prints a line (or lines) on standard error. Text quoted from a file, a
// CSV row or the radio is put in through EscapeControlCharacters
// (data/TerminalText.h), so that it cannot break the message's lines.
void CliPrintError(const QString &text);
// Prints on standard output; false when the output could not be written.
bool CliPrintOut(const QString &text);
// "File Open error." and a line with the path and the reason.
void CliFileError(const QString &path, const QString &reason);

struct TCliCommandSpec {
    QString name;          // "list", "export", ...
    QString usage;         // "vxl-r381-cli list IN.381"
    QString description;   // what the command does, for --help
    QStringList arguments; // names of the positional arguments, in order
    int optionalArguments = 0; // how many of the last ones may be left out
    QString optionsHelp;   // help lines of the command's own options
};

// Parses the arguments after the command name with the command's options
// already added to the parser (--help is added here). Returns -1 when the
// command should run, otherwise the exit code: 0 after --help (usage on
// standard output), 2 after an error (named on standard error with the
// usage).
int CliParseCommand(QCommandLineParser &parser, const TCliCommandSpec &spec, const QStringList &args);
// The help text of a command.
QString CliCommandHelp(const TCliCommandSpec &spec);
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

// The trace file named before the command (--trace FILE); nothing is
// opened until CliBeginCommand.
void CliSetTracePath(const QString &path);
// Called by every command once its arguments are checked and before it
// opens anything. inputs: the files it reads; outputs: the files it writes
// ("-" and empty names are skipped). Refuses an output or the trace that is
// the same file as an input or as another output, and an output or trace
// that is a directory, a FIFO or a device; then starts the trace (written
// beside its file and put in place when the command ends). Returns -1 to
// go on, else the exit code: fileFailed after a refused output,
// kCliTraceFailed after a refused trace.
int CliBeginCommand(const QStringList &inputs, const QStringList &outputs, int fileFailed);
// Ends the trace after the command. Returns exitCode, or kCliTraceFailed
// (after saying why) when the command succeeded but its trace could not be
// written.
int CliEndCommand(int exitCode);
