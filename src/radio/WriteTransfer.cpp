// Writes the whole document into the radio.
#include "WriteTransfer.h"

#include <QCoreApplication>

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"

using namespace Protocol;

TWriteTransfer::TWriteTransfer(TTransferHost &host, QObject *parent)
    : TTransferEngine(host, parent)
{
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setInterval(kPowerPause);
    Timer2.setSingleShot(true);
    Timer2.setTimerType(Qt::PreciseTimer); // never shorter than the pause
    connect(&Timer2, &QTimer::timeout, this, &TWriteTransfer::Timer2Timer);
}

bool TWriteTransfer::SendStep(TTransferStep step)
{
    const TWriteCommand command = WriteCommand(step, *doc_, slot_, sub_);
    step_ = command.step;
    if (!command.due)
        return false;
    SendLine(command.text);
    if (step_ >= tsMemory && step_ <= tsDtmf)
        memorySent_ = true;
    return true;
}

void TWriteTransfer::Begin()
{
    slot_ = 1;
    memorySent_ = false;
    ps0Answered_ = false;
    taken_.clear();
    SendStep(tsWake);
    PurgeInput();
    SendStep(tsAI);
}

void TWriteTransfer::Cancel()
{
    if (TransferState() == State::Idle)
        return;
    Timer2.stop();
    TTransferEngine::Cancel();
}

void TWriteTransfer::Timer2Timer()
{
    Timer2.stop();
    // Never after Cancel or once the port is gone.
    if (state_ != State::Running || cancel_ || !PortOpen())
        return;
    try {
        SendStep(tsPS1);
    } catch (const ECommError &error) {
        CommFailure(error);
    }
}

void TWriteTransfer::HandleReply(const QByteArray &line)
{
    // Only the identification replies are read; every other reply is
    // discarded unread, together with whatever else is waiting. While the
    // identification runs nothing is purged: the answer to the wake-up line
    // can arrive just ahead of the "AI 0" echo, and a purge after it would
    // cut the start off the echo still coming in.
    QString reply;
    if (step_ == tsWake || step_ == tsAI || step_ == tsID)
        reply = CutReply(line, 0, kWriteReplyCapacity);
    else
        PurgeInput();
    if (step_ >= tsMemory && step_ <= tsDtmf)
        taken_ = ItemLabel();

    switch (step_) {
    case tsWake:
        break;
    case tsAI:
        if (JudgeAiReply(reply) == TIdentification::Match)
            SendStep(tsID);
        else
            RestartReplyTimer();
        break;
    case tsID: {
        const TIdentification verdict = JudgeIdReply(reply, true);
        if (verdict == TIdentification::Match) {
            slot_ = 1;
            SendStep(tsMemory);
        } else {
            IdentificationFailed(verdict);
        }
        break;
    }
    case tsMemory:
        if (!SendStep(tsMemorySplit))
            SendStep(tsMemoryName);
        break;
    case tsMemorySplit:
        SendStep(tsMemoryName);
        break;
    case tsMemoryName:
        SetProgress(slot_);
        ++slot_;
        SendStep(slot_ <= kLastNumberedSlot ? tsMemory : tsMemoryLU);
        break;
    case tsClearSlot:
        AdvanceMemory();
        break;
    case tsMemoryLU:
        SetProgress(slot_);
        ++slot_;
        if (slot_ <= kLastLuSlot) {
            SendStep(tsMemoryLU);
            SetProgress(slot_);
        } else {
            SendStep(tsMemoryPR);
        }
        break;
    case tsMemoryPR:
        SetProgress(slot_);
        if (!SendStep(tsNamePR)) {
            sub_ = 0;
            SendCall();
        }
        break;
    case tsNamePR:
        sub_ = 0;
        SendCall();
        break;
    case tsCall:
        if (!SendStep(tsCallSplit))
            CallDone();
        break;
    case tsCallSplit:
        CallDone();
        break;
    case tsVfo:
        if (sub_ == 1 || sub_ == 3) {
            SendStep(tsVfoPower);
        } else {
            ++sub_;
            VfoSearch(false);
        }
        break;
    case tsVfoPower:
        ++sub_;
        SetProgress(progress_ + 1);
        VfoSearch(true);
        break;
    case tsDtmf:
        ++slot_;
        SetProgress(progress_ + 1);
        SendStep(slot_ <= 9 ? tsDtmf : tsPS0);
        break;
    case tsPS0:
        // "PS 1" follows half a second after the reply. Further lines in
        // the pause (a radio that keeps talking) do not put it off: the
        // pause is timed from the reply, so the write always ends.
        ps0Answered_ = true;
        if (!Timer2.isActive())
            Timer2.start();
        break;
    case tsPS1:
        End(TTransferOutcome::Completed);
        break;
    default:
        // tsCancelled: nothing more is sent.
        End(TTransferOutcome::Cancelled);
        break;
    }
}

void TWriteTransfer::AdvanceMemory()
{
    SetProgress(slot_);
    ++slot_;
    if (slot_ <= kLastNumberedSlot) {
        SendStep(tsMemory);
    } else if (slot_ <= kLastLuSlot) {
        SendStep(tsMemoryLU);
    } else if (slot_ == kPrSlot) {
        SendStep(tsMemoryPR);
    } else {
        sub_ = 0;
        SendCall();
    }
}

void TWriteTransfer::SendCall()
{
    // A CALL record without a receive frequency is skipped; the transfer
    // goes on rather than wait for a reply to a command never sent.
    if (!SendStep(tsCall))
        CallDone();
}

void TWriteTransfer::CallDone()
{
    SetProgress(progress_ + 1);
    if (sub_ == 0) {
        sub_ = 1;
        SendCall();
    } else {
        sub_ = 0;
        VfoSearch(true);
    }
}

void TWriteTransfer::VfoSearch(bool withProgress)
{
    while (sub_ < 5) {
        if (SendStep(tsVfo))
            return;
        ++sub_;
        if (withProgress)
            SetProgress(progress_ + 1);
    }
    // No VFO left to send (also when the document has none at all).
    slot_ = 0;
    SendStep(tsDtmf);
}

void TWriteTransfer::End(TTransferOutcome outcome)
{
    StopAll();
    host_.TransferFinished(outcome);
}

void TWriteTransfer::FinishCancelled()
{
    End(TTransferOutcome::Cancelled);
}

void TWriteTransfer::StopAll()
{
    Timer2.stop();
    TTransferEngine::StopAll();
}

QString TWriteTransfer::ItemLabel() const
{
    switch (step_) {
    case tsCall:
    case tsCallSplit:
        return sub_ == 0 ? QStringLiteral("CALL VHF") : QStringLiteral("CALL UHF");
    case tsVfo:
    case tsVfoPower:
        return QStringLiteral("VFO ") + BandLabel(*doc_, sub_);
    case tsDtmf:
        return QStringLiteral("DTMF ") + DtmfNumberText(slot_);
    default:
        return QCoreApplication::translate("Transfer", "channel %1").arg(MemorySlotLabel(slot_));
    }
}

bool TWriteTransfer::MemoryMixed() const
{
    return memorySent_ && !ps0Answered_ && step_ != tsPS0 && step_ != tsPS1;
}

QString TWriteTransfer::FailureNote() const
{
    if (!memorySent_)
        return QCoreApplication::translate("Transfer", "Nothing was written to the radio.");
    if (ps0Answered_ || step_ == tsPS1)
        return QCoreApplication::translate("Transfer", "The radio took the whole memory; only the closing \"PS 1\" went unanswered.");
    if (step_ == tsPS0)
        return QCoreApplication::translate("Transfer", "The radio took the whole memory; the closing \"PS 0\" went unanswered and "
                              "\"PS 1\" was not sent.");
    if (taken_.isEmpty())
        return QCoreApplication::translate("Transfer", "The radio answered none of the memory sent; %1 may have changed, the rest "
                              "is its old memory.")
            .arg(ItemLabel());
    return QCoreApplication::translate("Transfer", "The radio took the memory up to %1; it now holds old and new memory mixed.")
        .arg(taken_);
}
