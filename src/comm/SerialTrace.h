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

// Writes the trace into a file while it lives: enables the category and
// adds a message handler that appends its messages to the file (and hands
// every other message to the previous handler). One at a time.
class TSerialTraceFile {
public:
    TSerialTraceFile() = default;
    ~TSerialTraceFile();
    TSerialTraceFile(const TSerialTraceFile &) = delete;
    TSerialTraceFile &operator=(const TSerialTraceFile &) = delete;

    // Starts writing to path (replacing the file); false with *error set
    // when it cannot be written.
    bool Start(const QString &path, QString *error = nullptr);
    void Stop();
    bool Active() const { return active_; }
    QString Path() const { return path_; }

private:
    bool active_ = false;
    bool wasEnabled_ = false;
    QString path_;
};
