// "Find radio": tries ports one after the other with the identification
// exchange (empty line, "AI 0", "ID") and reports the one whose radio
// answers "ID QV-R381". Each port is opened for its own exchange only and
// closed right after it.
//
// Threads: Find blocks until every port was tried or Cancel was called; the
// picker runs it on a worker thread, the command-line tool on its own.
// Cancel and the progress callback may run on any thread.
#pragma once

#include "Protocol.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// What one device did when it was tried.
enum class TProbeOutcome {
    Radio,            // answered "ID QV-R381"
    NoReply,          // opened, but nothing answered in time
    Stopped,          // the search was stopped while it was tried
    Busy,             // another program holds it
    PermissionDenied, // the user may not open it
    NoDevice,         // it is not there (any more)
    NotSerial,        // it is no serial device
    OpenFailed,       // it could not be opened for another reason
    Echo,             // every line came back as sent
    OtherRadio,       // something answered, but not a QV-R381
    LineFailed,       // the line failed during the exchange
};

struct TProbeResult {
    QString path;
    bool radio = false; // answered "ID QV-R381"
    TProbeOutcome outcome = TProbeOutcome::NoReply;
    QString detail;     // why not: the open failure or "no reply"
};

// A few words for the device's row in a list: "answered: QV-R381",
// "no reply", "busy", "permission denied", ...
QString ProbeOutcomeText(TProbeOutcome outcome);
// The outcome of a failed open, from its errno.
TProbeOutcome OpenFailureOutcome(int error);

class TRadioFinder {
public:
    // Called before each port is tried: index 0..count-1 of paths, and
    // once more with index == count at the end.
    using TProgress = std::function<void(int index, int count, const QString &path)>;

    // Time the radio has to answer each line of the exchange: by default
    // the transfers' own, so a radio they can read is never missed here.
    explicit TRadioFinder(int replyTimeoutMs = Protocol::kReplyTimeout) : replyTimeoutMs_(replyTimeoutMs) {}

    // Tries paths in order and stops at the first radio; returns its path,
    // or empty when none answered (or after Cancel). results receives one
    // entry for each port tried.
    QString Find(const QStringList &paths, const TProgress &progress = {},
                 QList<TProbeResult> *results = nullptr);
    // The exchange on one device.
    TProbeResult Probe(const QString &path);

    void Cancel() { cancel_ = true; }
    bool Cancelled() const { return cancel_; }

private:
    int replyTimeoutMs_;
    std::atomic<bool> cancel_{false};
};
