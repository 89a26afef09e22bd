// "vxl-r381-cli read" and "vxl-r381-cli write". They drive the same
// transfer engines as the editor's Read and Write windows; only the host
// differs: messages and progress go to standard error, and the end of the
// transfer ends the event loop.
#include "CliTransfer.h"

#include "CliCommon.h"
#include "CliInterrupt.h"

#include "data/Backups.h"
#include "data/ChannelRecord.h"
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/InputFile.h"
#include "data/Settings.h"
#include "data/TerminalText.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const char *const kWriteQuestion = "Do you want to write the data to the radio?";

void PrintError(const QString &text)
{
    // The engines' messages are lines: a message and its details. What they
    // quote from the radio or a device path may hold control characters;
    // on a terminal those are shown, not obeyed.
    CliPrintError(text);
    std::fflush(stderr);
}

// Runs one transfer and collects how it ended.
class TCliHost : public TTransferHost {
public:
    TCliHost(TChannelDocument &doc, const QString &label) : doc_(doc), label_(label)
    {
        tty_ = isatty(STDERR_FILENO) == 1;
    }

    TChannelDocument &TransferDocument() override { return doc_; }

    void TransferProgress(int position) override
    {
        if (position <= 0)
            return;
        if (tty_) {
            std::fprintf(stderr, "\r%s %3d/%d", label_.toLocal8Bit().constData(), position,
                         TReadTransfer::kProgressMax);
            std::fflush(stderr);
            dirtyLine_ = true;
        } else if (position / 30 != shown_ / 30) {
            // Not a terminal: a line every 30 steps is enough for a log.
            std::fprintf(stderr, "%s %d/%d\n", label_.toLocal8Bit().constData(), position,
                         TReadTransfer::kProgressMax);
            std::fflush(stderr);
        }
        shown_ = position;
    }

    void TransferMessage(const QString &text) override
    {
        EndLine();
        PrintError(text);
    }

    void TransferCommError(const QString &text) override
    {
        // Without a Cancel button a failed line ends the transfer here.
        EndLine();
        PrintError(text);
        failed_ = true;
        End();
    }

    void TransferFinished(TTransferOutcome outcome) override
    {
        EndLine();
        completed_ = outcome == TTransferOutcome::Completed && !failed_;
        End();
    }

    // Runs the event loop until the transfer has ended; true when it
    // completed. A signal caught meanwhile cancels the transfer between
    // two commands, which closes the port; Interrupted() then says where.
    bool Run(TTransferEngine &engine, const QString &port, const QString &device, TCliInterrupts &interrupts)
    {
        interrupts.SetHandler([this, &engine](int) {
            if (!place_.isEmpty())
                return; // a second signal: the cancel is already under way
            place_ = Protocol::TransferPlaceText(engine.Step(), engine.Slot(), engine.SubIndex());
            stoppedAt_ = engine.Progress();
            engine.Cancel();
        });
        // On a terminal the progress line carries the label.
        if (!tty_)
            CliPrintNote(label_);
        if (interrupts.Signal() != 0)
            return false;
        if (!engine.Start(port, device))
            return false;
        if (!ended_)
            loop_.exec();
        interrupts.SetHandler({});
        return completed_ && interrupts.Signal() == 0;
    }

    // The message after a transfer stopped by a signal: the first line
    // names the signal and where the transfer stood, the second what that
    // means for the user's data.
    QString Interrupted(int signal, const QString &consequence) const
    {
        const QString where = place_.isEmpty()
            ? QStringLiteral("before the first command")
            : QStringLiteral("at %1 (%2 of %3)").arg(place_).arg(stoppedAt_).arg(TReadTransfer::kProgressMax);
        return QStringLiteral("Stopped by %1 %2.\n%3").arg(TCliInterrupts::Name(signal), where, consequence);
    }

private:
    void EndLine()
    {
        if (dirtyLine_) {
            std::fputc('\n', stderr);
            dirtyLine_ = false;
        }
    }
    void End()
    {
        ended_ = true;
        loop_.quit();
    }

    TChannelDocument &doc_;
    QString label_;
    QEventLoop loop_;
    bool tty_ = false;
    bool dirtyLine_ = false;
    int shown_ = 0;
    bool ended_ = false;
    bool failed_ = false;
    bool completed_ = false;
    QString place_;    // where a signal found the transfer
    int stoppedAt_ = 0; // progress then
};

struct TCliOptions {
    QString port;     // "COM1".."COM4" (empty: the stored port)
    QString device;   // a device path given instead of a port name
    bool yes = false;
    bool backup = true; // off with --no-backup
    QString file;
};

bool IsPortName(const QString &name)
{
    const QString upper = name.toUpper();
    return upper == QLatin1String("COM1") || upper == QLatin1String("COM2")
        || upper == QLatin1String("COM3") || upper == QLatin1String("COM4");
}

// Parses [--port NAME] [--yes] FILE (also "--port=NAME"). Returns -1 to
// run, else the exit code (0 after --help, 2 on wrong arguments).
int ParseOptions(const TCliCommandSpec &spec, const QStringList &args, bool allowYes, TCliOptions *options)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption yes(QStringLiteral("yes"));
    const QCommandLineOption noBackup(QStringLiteral("no-backup"));
    parser.addOption(port);
    parser.addOption(noBackup);
    if (allowYes)
        parser.addOption(yes);
    const int parsed = CliParseCommand(parser, spec, args);
    if (parsed >= 0)
        return parsed;
    if (parser.isSet(port)) {
        const QString name = parser.value(port);
        if (name.isEmpty())
            return CliUsageError(spec, QStringLiteral("empty value for --port"));
        if (IsPortName(name)) {
            options->port = name.toUpper();
        } else {
            options->device = name;
        }
    }
    options->yes = allowYes && parser.isSet(yes);
    options->backup = !parser.isSet(noBackup);
    options->file = parser.positionalArguments().first();
    return -1;
}

// The port name the engine opens (a device path given with --port is
// handed to the engine beside it).
QString PortForEngine(const TCliOptions &options, const TLoadedSettings &settings)
{
    if (!options.device.isEmpty())
        return QStringLiteral("COM1");
    if (!options.port.isEmpty())
        return options.port;
    return settings.commPort.isEmpty() ? QStringLiteral("COM1") : settings.commPort;
}

bool HasDataFileSuffix(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("381"), Qt::CaseInsensitive) == 0;
}

// Keeps a backup unless --no-backup; a failure is reported on standard
// error and does not stop the transfer. Returns the file written, or empty.
QString KeepBackup(const TCliOptions &options, TBackupKind kind, const QByteArray &content)
{
    if (!options.backup)
        return QString();
    const TBackupResult result = WriteBackup(content, kind);
    if (!result.ok) {
        PrintError(BackupFailureText(result));
        return QString();
    }
    return result.path;
}

// Asks the write question on the terminal; false unless the answer is yes.
bool ConfirmWrite()
{
    if (isatty(STDIN_FILENO) != 1) {
        PrintError(QStringLiteral("%1\nNo terminal to answer on; give --yes to write without asking.")
                       .arg(QLatin1String(kWriteQuestion)));
        return false;
    }
    std::fprintf(stderr, "%s [y/N] ", kWriteQuestion);
    std::fflush(stderr);
    std::string answer;
    for (int c = std::fgetc(stdin); c != EOF && c != '\n'; c = std::fgetc(stdin))
        answer += char(c);
    const QString text = QString::fromLocal8Bit(answer.c_str()).trimmed().toLower();
    return text == QLatin1String("y") || text == QLatin1String("yes");
}

} // namespace

const TCliCommandSpec &CliReadSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("read"),
        QStringLiteral("vxl-r381-cli read [--port NAME] [--no-backup] OUT.381"),
        QStringLiteral("Reads the whole memory of the radio into a data file, as the editor's Read.\n"
                       "NAME is COM1..COM4 or a device path; without --port the stored port is used.\n"
                       "A complete read is also kept in the backups folder (the newest 50).\n"
                       "Ctrl+C (SIGINT), SIGTERM or SIGHUP stops the read between two commands\n"
                       "and closes the port; no file is written then.\n"
                       "Values outside the radio's rules are kept in the file and listed on\n"
                       "standard error, with exit code 1."),
        {QStringLiteral("OUT.381")},
        0,
        {{QStringLiteral("--port NAME"), QStringLiteral("the serial port (COM1..COM4 or a device path)")},
         {QStringLiteral("--no-backup"), QStringLiteral("keep no backup of what was read")}},
        QStringLiteral("the read failed, or the memory holds values outside the\n"
                       "radio's rules (the file is written)"),
        true,
    };
    return spec;
}

const TCliCommandSpec &CliWriteSpec()
{
    static const TCliCommandSpec spec{
        QStringLiteral("write"),
        QStringLiteral("vxl-r381-cli write [--port NAME] [--yes] [--no-backup] IN.381"),
        QStringLiteral("Writes a data file into the radio, as the editor's Write, after asking on\n"
                       "the terminal. NAME is COM1..COM4 or a device path; without --port the\n"
                       "stored port is used. What is sent is first kept in the backups folder\n"
                       "(the newest 50). A file holding values outside the radio's rules is\n"
                       "not sent without --yes; they are listed on standard error.\n"
                       "Ctrl+C (SIGINT), SIGTERM or SIGHUP stops the write between two commands\n"
                       "and closes the port; the radio then holds part of the data."),
        {QStringLiteral("IN.381")},
        0,
        {{QStringLiteral("--port NAME"), QStringLiteral("the serial port (COM1..COM4 or a device path)")},
         {QStringLiteral("--yes"), QStringLiteral("write without asking")},
         {QStringLiteral("--no-backup"), QStringLiteral("keep no backup of what is sent")}},
        QStringLiteral("the write failed, was not confirmed, or the file holds\n"
                       "values outside the radio's rules (without --yes)"),
        true,
    };
    return spec;
}

int CliRead(const QStringList &args)
{
    TCliOptions options;
    const int parsed = ParseOptions(CliReadSpec(), args, false, &options);
    if (parsed >= 0)
        return parsed;
    if (const int refused = CliBeginCommand({}, {options.file}); refused >= 0)
        return refused;
    // Refuse a file that could not be written before talking to the radio.
    const QFileInfo target(options.file);
    QString reason;
    if (target.isDir())
        reason = QStringLiteral("is a directory");
    else if (!HasDataFileSuffix(options.file))
        reason = QStringLiteral("not a .381 file");
    else if (!QFileInfo(target.absolutePath()).exists())
        reason = QStringLiteral("No such file or directory");
    else if (!QFileInfo(target.absolutePath()).isWritable() || (target.exists() && !target.isWritable()))
        reason = QStringLiteral("Permission denied");
    if (!reason.isEmpty()) {
        CliFileError(options.file, reason);
        return kCliFileError;
    }

    TChannelDocument doc;
    const TLoadedSettings settings = LoadSettings(doc);
    const QString port = PortForEngine(options, settings);

    TCliHost host(doc, QStringLiteral("Reading data from the Radio."));
    TReadTransfer engine(host);
    TCliInterrupts interrupts;
    const bool completed = host.Run(engine, port, options.device, interrupts);
    if (const int signal = interrupts.Signal()) {
        // Nothing of a read cut short reaches the file or the backups.
        PrintError(host.Interrupted(
            signal, QStringLiteral("The port is closed; %1 was not written.").arg(EscapeControlCharacters(options.file))));
        return TCliInterrupts::ExitCode(signal);
    }
    if (!completed)
        return kCliFailed;

    // Only a complete read reaches the file, and it replaces any old file
    // in one step. The backup comes first: it is kept even when the named
    // file cannot be written after all.
    const QByteArray image = WriteDataFile(doc, QString());
    KeepBackup(options, TBackupKind::Read, image);
    if (!CliWriteOutput(options.file, true, image))
        return kCliFileError;
    // The file holds the memory as read; values outside the radio's rules
    // are named, and the exit code says there were some.
    const QStringList breaks = DocumentRuleBreaks(doc);
    if (!breaks.isEmpty()) {
        PrintError(RuleBreakReport(QLatin1String(kReadRuleBreaks), breaks, int(breaks.size())));
        return kCliFailed;
    }
    return kCliOk;
}

int CliWrite(const QStringList &args)
{
    TCliOptions options;
    const int parsed = ParseOptions(CliWriteSpec(), args, true, &options);
    if (parsed >= 0)
        return parsed;
    // Standard input answers the question, so the file cannot come from it.
    if (options.file == QLatin1String("-"))
        return CliUsageError(CliWriteSpec(), QStringLiteral("IN.381 cannot be standard input"));
    if (const int refused = CliBeginCommand({options.file}, {}); refused >= 0)
        return refused;
    QByteArray content;
    if (!CliReadInput(options.file, true, &content))
        return kCliFileError;

    // The file is loaded as the editor opens it, under the stored radio type.
    TChannelDocument doc;
    const TLoadedSettings settings = LoadSettings(doc);
    doc.ResetDocument();
    QString comment;
    // Content without a MEMORY section (an empty file, random bytes) would
    // send the default document and clear the radio's memory: refuse it.
    if (!ReadDataFile(content, doc, &comment)) {
        CliFileError(options.file, QStringLiteral("not a .381 file (no MEMORY section); nothing was sent."));
        return kCliFileError;
    }

    const QStringList breaks = DocumentRuleBreaks(doc);
    if (!breaks.isEmpty()) {
        PrintError(RuleBreakReport(QLatin1String(kWriteRuleBreaks), breaks, int(breaks.size()))
                   + (options.yes ? QStringLiteral("\nWritten as they are (--yes).")
                                  : QStringLiteral("\nNothing was sent; give --yes to write them as they are.")));
        if (!options.yes)
            return kCliFailed;
    }
    if (!options.yes && !ConfirmWrite())
        return kCliFailed;

    const QString backup = KeepBackup(options, TBackupKind::Write, WriteDataFile(doc, comment));
    const QString port = PortForEngine(options, settings);
    TCliHost host(doc, QStringLiteral("Writing data to the Radio."));
    TWriteTransfer engine(host);
    TCliInterrupts interrupts;
    if (host.Run(engine, port, options.device, interrupts))
        return kCliOk;
    if (const int signal = interrupts.Signal()) {
        PrintError(host.Interrupted(
            signal, QStringLiteral("The port is closed; the radio may hold part of the data. Write the file again.")));
        return TCliInterrupts::ExitCode(signal);
    }
    // Failed part way: the message said how far it got; the backup holds
    // the whole memory meant for the radio, to be written again.
    if (engine.Failed() && engine.MemoryMixed() && !backup.isEmpty())
        PrintError(QStringLiteral("The backup taken before the write holds the whole memory meant for the "
                                  "radio: %1")
                       .arg(QDir::toNativeSeparators(backup)));
    return kCliFailed;
}
