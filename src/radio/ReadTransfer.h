// Reads the whole memory of the radio into the document, one command per
// reply: identification, radio type, band limits, memory slots 1..193, the
// CALL records, the VFOs with their output power and the DTMF memories.
#pragma once

#include "TransferEngine.h"

#include "data/ChannelDocument.h"

class TReadTransfer : public TTransferEngine {
    Q_OBJECT
public:
    explicit TReadTransfer(TTransferHost &host, QObject *parent = nullptr);

    // Progress position of a complete read.
    static constexpr int kProgressMax = 210;

protected:
    void Begin() override;
    void HandleReply(const QByteArray &line) override;
    void FinishCancelled() override;
    void AfterTimeout() override;
    void AfterWrongRadio() override;
    // "Nothing was changed." below every failure message.
    QString FailureNote() const override;

private:
    // Builds the read command of the step from the counters, makes the step
    // current, sends it and starts the time-out.
    void SendStep(TTransferStep step);
    // Slot handled: progress to it, on to the next slot.
    void NextMemorySlot();
    // Normal end or end after Cancel: port closed, lists redrawn, radio
    // settings stored, window closed.
    void Finish(TTransferOutcome outcome);
    // A reply without the form of its command: the read ends as failed, as
    // after a time-out, with a message naming the command.
    void BadReply(const QString &problem);

    QString main_;  // main part of the record under assembly
    QString split_; // its split part
    QString radioType_; // the "TYD" reply, stored with the band limits
    TChannelDocument scratch_; // what the radio has sent so far
};
