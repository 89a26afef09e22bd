// Serial trace: every line sent and received on a port, with a millisecond
// timestamp and its direction, through the logging category "vxl.serial"
// (debug level). Off unless enabled, by a TSerialTraceFile or by
// QT_LOGGING_RULES="vxl.serial.debug=true"; while off it costs one check
// per chunk of bytes.
#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

#include <cstddef>

Q_DECLARE_LOGGING_CATEGORY(lcSerial)

// Control bytes and bytes above 0x7E as printable escapes: \r, \n, \t,
// \\ and \xNN.
QString PrintableBytes(const QByteArray &bytes);

// One trace line: "<time> <device> <direction> <bytes>", direction ">" for
// sent and "<" for received, time as hh:mm:ss.zzz local time.
QString TraceLineText(const QString &device, char direction, const QByteArray &bytes);

// Collects the bytes of one direction into lines (a line ends with its
// carriage return) and traces each whole line.
class TTraceLines {
public:
    void Feed(const QString &device, char direction, const char *data, size_t size);
    // Traces what is left of an unfinished line.
    void Flush(const QString &device, char direction);

private:
    QByteArray partial_;
};

// A note in the trace ("open", "close", errors).
void TraceNote(const QString &device, const QString &text);

// How a trace file is written.
enum class TTraceWriting {
    Direct, // straight into the named file (the editor: it can be read while
            // the trace runs and survives a crash)
    Replace // into a temporary file beside it, put in place by Stop() (the
            // command-line tool: a failed trace leaves the old file alone)
};

// Writes the trace into a file while it lives: enables the category and
// adds a message handler that appends its messages to the file (and hands
// every other message to the previous handler). One at a time.
//
// Every line is written unbuffered and checked. The first line that cannot
// be written (a full disk, a size limit) ends the writing: Failed() turns
// true, FailureText() says why, and Stop() reports it.
class TSerialTraceFile {
public:
    TSerialTraceFile() = default;
    ~TSerialTraceFile();
    TSerialTraceFile(const TSerialTraceFile &) = delete;
    TSerialTraceFile &operator=(const TSerialTraceFile &) = delete;

    // Starts writing to path (replacing the file); false with *error set
    // ("<path>: <reason>") when it cannot be written. A directory, a FIFO or
    // a device is refused without being opened.
    bool Start(const QString &path, QString *error = nullptr, TTraceWriting writing = TTraceWriting::Direct);
    // Ends the trace (and, with Replace, puts the file in place). False,
    // with *error set ("<path>: <reason>"), when the trace could not be
    // written completely; with Replace the named file is then left as it
    // was. True when no trace was running.
    bool Stop(QString *error = nullptr);
    bool Active() const { return active_; }
    QString Path() const { return path_; }
    // Whether a line could not be written, and why ("<path>: <reason>").
    bool Failed() const;
    QString FailureText() const;

private:
    bool active_ = false;
    bool wasEnabled_ = false;
    QString path_;
};
