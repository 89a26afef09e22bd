// Reads the whole memory of the radio into the document.
#include "ReadTransfer.h"

#include <QCoreApplication>

#include "ReplyForms.h"

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/Settings.h"

using namespace Protocol;

TReadTransfer::TReadTransfer(TTransferHost &host, QObject *parent)
    : TTransferEngine(host, parent)
{
}

void TReadTransfer::SendStep(TTransferStep step)
{
    step_ = step;
    SendLine(ReadCommand(step, slot_, sub_));
}

void TReadTransfer::Begin()
{
    // The radio is read into a copy; the document takes it whole once the
    // read has completed, so a read that fails or is cancelled part-way
    // leaves the document exactly as it was.
    scratch_ = host_.TransferDocument();
    doc_ = &scratch_;
    main_.clear();
    split_.clear();
    SendStep(tsWake);
    // Whatever the radio says to the empty line is not wanted.
    PurgeInput();
    SendStep(tsAI);
}

void TReadTransfer::NextMemorySlot()
{
    SetProgress(slot_);
    ++slot_;
    SendStep(slot_ <= kLastNumberedSlot ? tsMemory : tsMemoryLU);
}

void TReadTransfer::HandleReply(const QByteArray &line)
{
    // Garbage never reaches the document or the settings store.
    const QString problem = ReadReplyProblem(step_, line, slot_, sub_);
    if (!problem.isEmpty()) {
        BadReply(problem);
        return;
    }
    const QString reply = CutReply(line, ReplyDropCount(step_), kReadReplyCapacity);
    switch (step_) {
    case tsWake:
        PurgeInput();
        break;
    case tsAI:
        if (JudgeAiReply(reply) == TIdentification::Match) {
            SendStep(tsID);
        } else {
            // Perhaps the answer to the empty line: keep waiting.
            RestartReplyTimer();
        }
        break;
    case tsID: {
        const TIdentification verdict = JudgeIdReply(CutReply(line, 0, kReadReplyCapacity), false);
        if (verdict == TIdentification::Match)
            SendStep(tsTYD);
        else
            IdentificationFailed(verdict);
        break;
    }
    case tsTYD:
        // Kept aside until the band limits have come too, so a read that
        // fails here leaves the document's type and limits together.
        radioType_ = reply;
        SendStep(tsFL);
        break;
    case tsFL:
        doc_->SetRadioType(radioType_);
        doc_->ParseBandLimits(reply);
        // The document is reset only now, under the type and limits of the
        // radio being read: defaults of the type read last time (a band
        // this radio lacks) must not survive into it.
        doc_->ResetDocument();
        slot_ = 1;
        SendStep(tsMemory);
        break;
    case tsMemory:
        if (!MemoryReplyHasData(reply)) {
            // An empty slot stays empty, also slot 1 with its default.
            doc_->ClearMemoryRecord(slot_);
            NextMemorySlot();
        } else {
            main_ = reply;
            SendStep(tsMemorySplit);
        }
        break;
    case tsMemorySplit:
        split_ = reply;
        SendStep(tsMemoryName);
        break;
    case tsMemoryName:
        doc_->SetMemoryRecord(slot_, MemoryRecord(main_, split_, reply));
        NextMemorySlot();
        break;
    case tsMemoryLU:
        if (LuPrReplyHasData(reply))
            doc_->SetMemoryRecord(slot_, LuRecord(reply));
        SetProgress(slot_);
        ++slot_;
        SendStep(slot_ <= kLastLuSlot ? tsMemoryLU : tsMemoryPR);
        break;
    case tsMemoryPR:
        if (LuPrReplyHasData(reply)) {
            main_ = reply;
            SendStep(tsNamePR);
        } else {
            SetProgress(slot_);
            sub_ = 0;
            SendStep(tsCall);
        }
        break;
    case tsNamePR:
        doc_->SetMemoryRecord(slot_, PrRecord(main_, reply));
        SetProgress(slot_);
        sub_ = 0;
        SendStep(tsCall);
        break;
    case tsCall:
        main_ = reply;
        SendStep(tsCallSplit);
        break;
    case tsCallSplit:
        doc_->SetCallRecord(sub_, CallRecord(sub_, main_, reply));
        SetProgress(progress_ + 1);
        if (sub_ == 0) {
            sub_ = 1;
            SendStep(tsCall);
        } else {
            sub_ = 0;
            SendStep(tsVfo);
        }
        break;
    case tsVfo:
        if (sub_ == 1 || sub_ == 3) {
            // These bands are always stored; a reply without data, in
            // whatever form, leaves the band code alone in front.
            main_ = VfoReplyHasData(reply) ? reply : BandCode(sub_);
            SendStep(tsVfoPower);
            break;
        }
        // Bands 0, 2 and 4 may be missing from the radio: a reply without
        // data leaves the default record.
        if (VfoReplyHasData(reply))
            doc_->SetVfoRecord(sub_, VfoRecord(reply));
        SetProgress(progress_ + 1);
        if (sub_ == 0) {
            sub_ = 1;
            SendStep(tsVfo);
        } else if (sub_ == 2) {
            sub_ = 3;
            SendStep(tsVfo);
        } else {
            slot_ = 0;
            SendStep(tsDtmf);
        }
        break;
    case tsVfoPower:
        doc_->SetVfoRecord(sub_, VfoPowerRecord(main_, reply));
        SetProgress(progress_ + 1);
        ++sub_;
        SendStep(tsVfo);
        break;
    case tsDtmf:
        doc_->SetDtmfRecord(slot_, DtmfRecord(slot_, reply));
        SetProgress(progress_ + 1);
        ++slot_;
        if (slot_ <= 9)
            SendStep(tsDtmf);
        else
            Finish(TTransferOutcome::Completed);
        break;
    default:
        // tsCancelled: the reply that came after Cancel is not stored.
        Finish(TTransferOutcome::Cancelled);
        break;
    }
}

void TReadTransfer::Finish(TTransferOutcome outcome)
{
    // Stops Timer3 too, so a Cancel's delayed end cannot run the finish a
    // second time.
    StopAll();
    TChannelDocument &document = host_.TransferDocument();
    doc_ = &document;
    if (outcome == TTransferOutcome::Completed) {
        // Everything but the clipboard's staging buffer, which follows the
        // clipboard and may have changed meanwhile.
        const QString staged = document.ClipboardBuffer();
        document = scratch_;
        document.SetClipboardBuffer(staged);
        host_.TransferRefresh();
        SaveRadioSettings(document);
    }
    host_.TransferFinished(outcome);
}

QString TReadTransfer::FailureNote() const
{
    return QCoreApplication::translate("Transfer", "Nothing was changed.");
}

void TReadTransfer::BadReply(const QString &problem)
{
    const QString command = ReadCommand(step_, slot_, sub_);
    StopAll();
    failed_ = true;
    host_.TransferMessage(WithFailureNote(
        QCoreApplication::translate("Transfer", "Invalid reply from the radio.\nThe reply to \"%1\" %2.").arg(command, problem)));
    // The document is as it was before the read; the radio settings are
    // not stored.
    host_.TransferFinished(TTransferOutcome::BadReply);
}

void TReadTransfer::FinishCancelled()
{
    Finish(TTransferOutcome::Cancelled);
}

void TReadTransfer::AfterTimeout()
{
    // Only the copy was filled: the document, the lists and the radio
    // settings stay as they were.
    doc_ = &host_.TransferDocument();
}

void TReadTransfer::AfterWrongRadio()
{
    doc_ = &host_.TransferDocument();
}
