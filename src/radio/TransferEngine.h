// Shared machinery of the two radio transfers: the serial component, the
// reply time-out, Cancel, and the exchange of one command line for one reply
// line. The read and write engines add their step logic.
//
// Threads: THComm raises OnCommEvent on its receive thread. The engine's
// handler for it does nothing but queue an argument-free call of
// HComm1CommEvent onto the engine's own (GUI) thread; every reply is read,
// judged and answered there, together with the timers and Cancel. Nothing
// else is shared with the receive thread.
#pragma once

#include "Protocol.h"
#include "comm/HComm.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class TChannelDocument;

// How a transfer ended.
enum class TTransferOutcome {
    Completed, // every command answered
    Cancelled, // Cancel (also Cancel of a transfer that never started)
    TimedOut,  // no reply within the time-out
    WrongRadio, // the identification did not match (or the line echoed it)
    BadReply    // a read reply did not have the form of its command
};

// What an engine needs from its surroundings (a transfer window or the
// command-line tool).
class TTransferHost {
public:
    virtual ~TTransferHost() = default;
    // The document read into or written from.
    virtual TChannelDocument &TransferDocument() = 0;
    // New progress position 0..210.
    virtual void TransferProgress(int position) = 0;
    // A failure the user can act on ("Communication timeout error.", ...).
    virtual void TransferMessage(const QString &text) = 0;
    // The message of a serial error (ECommError).
    virtual void TransferCommError(const QString &text) = 0;
    // Disable / enable the window around the wrong-radio message.
    virtual void TransferEnable(bool enabled) { (void)enabled; }
    // The lists must show the document again (RebuildVfoRows, RefreshGrids).
    virtual void TransferRefresh() {}
    // The transfer is over and the port closed: hide and close the window.
    virtual void TransferFinished(TTransferOutcome outcome) = 0;
};

class TTransferEngine : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,    // nothing running, port closed
        Running, // a command is outstanding, or the pause before "PS 1"
        Waiting  // start failed or the line failed: only Cancel ends it
    };

    explicit TTransferEngine(TTransferHost &host, QObject *parent = nullptr);
    ~TTransferEngine() override;

    // Starts a transfer on "COM1".."COM4" (any other name means "COM1") on
    // the device the settings give for it, or on devicePath when one is
    // given. Returns false when the port could not be opened; the host has
    // then been told why, and the engine waits for Cancel. Every failure
    // message carries a second line naming the device and the reason.
    bool Start(const QString &portName, const QString &devicePath = QString());
    // Stops sending; the transfer ends with the next reply or through the
    // cancel delay.
    virtual void Cancel();

    // The serial component (read-only: its settings, and the port probe of
    // the windows).
    const THComm &Comm() const { return HComm1; }
    bool PortOpen() const { return HComm1.GetPortStatus(); }
    const QTimer &ReplyTimer() const { return Timer1; }
    const QTimer &CancelTimer() const { return Timer3; }
    State TransferState() const { return state_; }
    TTransferStep Step() const { return step_; }
    int Slot() const { return slot_; }
    int SubIndex() const { return sub_; }
    int Progress() const { return progress_; }
    bool CancelRequested() const { return cancel_; }
    // Whether the last transfer ended with a failure message (time-out,
    // wrong radio, serial error, unusable port, bad reply) rather than by
    // completing or by Cancel alone.
    bool Failed() const { return failed_; }

    // "COM1".."COM4" for a name given by the user; anything else is "COM1".
    static QString NormalizedPortName(const QString &portName);

public slots:
    // A reply line has arrived (queued from the receive thread).
    void HComm1CommEvent();
    void Timer1Timer();
    void Timer3Timer();

protected:
    // The first commands of a transfer, once the port is open.
    virtual void Begin() = 0;
    // Acts on one reply line (carriage returns included) for step_.
    virtual void HandleReply(const QByteArray &line) = 0;
    // End after Cancel, by a reply or by Timer3.
    virtual void FinishCancelled() = 0;
    // End by time-out; the message has been shown and the port closed.
    virtual void AfterTimeout() {}
    // End by a wrong identification; the message has been shown.
    virtual void AfterWrongRadio() {}

    // Waits another full reply time-out for the reply (a line that was not
    // the reply arrived).
    void RestartReplyTimer() { Timer1.start(Protocol::kReplyTimeout); }
    // Waits on for the reply within the time-out that was running when the
    // last line arrived (a stray empty line is no reply).
    void ResumeReplyTimer();
    // A line below every failure message: what the failure means for the
    // user's data (empty: nothing to add).
    virtual QString FailureNote() const { return QString(); }
    // message with the failure note below it.
    QString WithFailureNote(const QString &message) const;
    // Sends a command line (text, then the carriage return) and starts
    // Timer1. Raises ECommError.
    void SendLine(const QString &text);
    void SetProgress(int position);
    // Discards the waiting input, including a partly received line.
    void PurgeInput();
    // Stops every timer, closes the port and leaves Running.
    virtual void StopAll();
    // Wrong identification: disable, message, port closed, enable, close.
    void WrongRadio();
    // The same for a line that sends every command back as it came.
    void EchoingLine();
    // Acts on an identification verdict that is not a match: waits on,
    // or ends the transfer as a wrong radio or an echoing line.
    void IdentificationFailed(Protocol::TIdentification verdict);
    // A serial error: the port is closed, its message shown, and the
    // window waits for Cancel.
    void CommFailure(const QString &message);
    // The same with the device and the reason of a failed line below it.
    void CommFailure(const ECommError &error);

    TTransferHost &host_;
    TChannelDocument *doc_ = nullptr;
    State state_ = State::Idle;
    TTransferStep step_ = tsWake;
    int slot_ = 0;
    int sub_ = 0;
    int progress_ = 0;
    bool cancel_ = false;
    bool failed_ = false;

private:
    THComm HComm1;
    QTimer Timer1; // reply time-out
    QTimer Timer3; // delayed end after Cancel
    int remainingMs_ = 0; // of Timer1 when the last line arrived
    QString devicePath_; // the device of this transfer
    QString portLabel_;  // "COM1".. when the device came from the settings

    // "<message>\n<device>: <reason>".
    QString WithDetail(const QString &message, const QString &detail) const;

    // Moves the waiting bytes into pending_; true when a whole line has
    // arrived. *line is then the last whole line that holds anything, with
    // its carriage return (the last empty line when none does); everything
    // up to the last carriage return is taken out of pending_.
    bool TakeLine(QByteArray *line);

    QByteArray pending_;
};
