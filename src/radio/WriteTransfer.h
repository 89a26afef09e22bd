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

private:
    QTimer Timer2; // pause between the reply to "PS 0" and "PS 1"

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
