// Writes the whole document into the radio, one command per reply: memory
// slots 1..193 (or their clears), the CALL records, the VFOs with their
// output power, the DTMF memories (or their clears), then "PS 0" and, half a
// second after its reply, "PS 1". Replies to data commands only move the
// transfer on.
#pragma once

#include "TransferEngine.h"

class TWriteTransfer : public TTransferEngine {
    Q_OBJECT
public:
    explicit TWriteTransfer(TTransferHost &host, QObject *parent = nullptr);

    const QTimer &PowerPauseTimer() const { return Timer2; }

    // Whether the last write stopped after memory commands had gone out
    // but before the radio had answered them all ("PS 0" not reached): the
    // radio then holds old and new memory mixed.
    bool MemoryMixed() const;
    // The item whose command the radio answered last, as the lists label
    // it ("channel 120", "channel L1", "CALL VHF", "VFO 144MHz", "DTMF 03");
    // empty before the first answer to a memory command.
    QString LastTaken() const { return taken_; }

    // Cancel. During the pause before "PS 1" the pending "PS 1" is dropped:
    // Cancel means that nothing more goes to the radio, and the transfer
    // then ends through Timer3 like any other Cancel.
    void Cancel() override;

public slots:
    void Timer2Timer();

protected:
    void Begin() override;
    void HandleReply(const QByteArray &line) override;
    void FinishCancelled() override;
    void StopAll() override;
    // Below every failure message: how far the write got and what the
    // radio holds now.
    QString FailureNote() const override;

private:
    QTimer Timer2; // pause between the reply to "PS 0" and "PS 1"
    bool memorySent_ = false; // a memory command has gone out
    bool ps0Answered_ = false;
    QString taken_;           // see LastTaken()

    // The item the command of the current step is about.
    QString ItemLabel() const;

    // Builds the write command of the step from the document and the
    // counters and makes its step current. Sends it and returns true when a
    // command is due; returns false and sends nothing otherwise.
    bool SendStep(TTransferStep step);
    // After a slot clear: on to the next slot, or to the CALL records.
    void AdvanceMemory();
    // CALL record sub_: sent, or skipped when it has no receive frequency.
    void SendCall();
    // CALL record sub_ done: the next CALL record or the VFOs.
    void CallDone();
    // Sends the VFO of the first band from sub_ on that has a receive
    // frequency; with none left, goes on with the DTMF memories.
    void VfoSearch(bool withProgress);
    void End(TTransferOutcome outcome);
};
