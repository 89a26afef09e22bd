#include "MemoryChannel.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "FrequencyRules.h"
#include "RecordFields.h"

namespace {

// A step code of the step table that the step list cannot show.
bool IsUnlistedStepCode(const QString &code)
{
    return code.size() == 1 && !StepTextOfCode(code).isEmpty() && StepListPosOfCode(code) < 0;
}

QString ToneOrDefault(const QString &code)
{
    return IsToneTableCode(code) ? code : ToneCodeOfListPos(ToneListPosOfCode(QString()));
}

// Clamps and rounds a normalized frequency; a move is noted in the result.
QString ClampToRecord(const TChannelDocument &doc, const QString &normalized, int band, int &step,
                      TMemoryRecordResult &result)
{
    QString frequency = normalized;
    const QString before = QStringLiteral("00") + normalized.rightJustified(9, QLatin1Char('0'));
    const bool moved = ClampAndRoundToNearest(doc, frequency, band, step);
    const QString record = QStringLiteral("00") + frequency.rightJustified(9, QLatin1Char('0'));
    if (moved) {
        result.adjusted = true;
        result.moves << QStringLiteral("%1 MHz -> %2 MHz").arg(FormatFrequency(before), FormatFrequency(record));
    }
    return record;
}

} // namespace

TMemoryChannelEntry LoadMemoryChannel(const TChannelDocument &doc, int slot)
{
    return LoadMemoryChannel(doc, slot, doc.Record(rkMemory, slot));
}

TMemoryChannelEntry LoadMemoryChannel(const TChannelDocument &doc, int slot, const QString &record)
{
    const TChannelRecordView view(record);
    TMemoryChannelEntry entry;
    const QString rx = view.Field(cfReceiveFrequency);
    entry.rxText = rx.isEmpty() ? BandDefaultFrequency(doc, 1) : FormatFrequency(rx);
    const QString step = view.StepCode();
    if (step.isEmpty() || IsUnlistedStepCode(step))
        entry.stepCode = step;
    else if (StepListPosOfCode(step) < 0)
        entry.stepCode = StepCodeOfListPos(BandDefaultStep(doc, 1)); // shown for a code outside the table
    else
        entry.stepCode = step;
    const QString tx = view.Field(cfTransmitFrequency);
    const std::optional<TShift> shift = view.Shift();
    if (shift && *shift != TShift::Simplex) {
        entry.shift = ShiftCode(*shift);
    } else {
        entry.shift = QLatin1Char('0');
        if (!tx.isEmpty())
            entry.txText = FormatFrequency(tx);
    }
    entry.reverse = tx.isEmpty() && view.Reverse();
    entry.tone = view.ToneOn();
    entry.ctcss = view.CtcssOn();
    entry.toneCode = ToneOrDefault(view.ToneCode());
    entry.ctcssCode = ToneOrDefault(view.CtcssCode());
    entry.lockOut = view.LockOut();
    entry.name = IsNamedSlot(slot) ? view.Name() : QString();
    entry.rxAsStored = !rx.isEmpty();
    entry.txAsStored = !entry.txText.isEmpty();
    return entry;
}

TMemoryRecordResult CommitMemoryChannel(const TChannelDocument &doc, int slot, const TMemoryChannelEntry &entry)
{
    TMemoryRecordResult result;
    QString rx = entry.rxText;
    QString tx = entry.txText;
    const bool split = !entry.txText.isEmpty();
    if (!NormalizeFrequencyText(rx) || (split && !NormalizeFrequencyText(tx))) {
        result.error = TMemoryRecordResult::InvalidFrequency;
        return result;
    }
    if (!IsValidMemoryName(entry.name)) {
        result.error = TMemoryRecordResult::InvalidName;
        return result;
    }

    const int band = BandOfFrequency(doc, rx);
    const bool keepsCode = IsUnlistedStepCode(entry.stepCode);
    int step = StepListPosOfCode(entry.stepCode);
    if (keepsCode)
        step = 0; // 5 kHz divides both unlisted steps
    else if (step < 0)
        step = StepForFrequencies(BandDefaultStep(doc, 1), rx.toLongLong(), split ? tx.toLongLong() : rx.toLongLong());

    result.rxRecord = entry.rxAsStored ? QStringLiteral("00") + rx.rightJustified(9, QLatin1Char('0'))
                                       : ClampToRecord(doc, rx, band, step, result);
    if (split) {
        // The step is forced (if at all) as for the receive frequency.
        int txStep = step;
        result.txRecord = entry.txAsStored ? QStringLiteral("00") + tx.rightJustified(9, QLatin1Char('0'))
                                           : ClampToRecord(doc, tx, band, txStep, result);
        step = txStep;
    }
    result.band = band;
    result.stepPosition = step;
    result.stepCode = keepsCode ? entry.stepCode : StepCodeOfListPos(step);

    auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    TRecordBuilder record;
    record.Set(cfLabel, MemorySlotLabel(slot))
        .Set(cfReceiveFrequency, result.rxRecord)
        .Set(cfStep, result.stepCode)
        .Set(cfShift, split ? QStringLiteral("0") : QString(entry.shift))
        .Set(cfReverse, flag(entry.reverse && !split))
        .Set(cfToneOn, flag(entry.tone))
        .Set(cfCtcssOn, flag(entry.ctcss))
        .Set(cfToneCode, ToneOrDefault(entry.toneCode))
        .Set(cfCtcssCode, ToneOrDefault(entry.ctcssCode))
        .Set(cfLockOut, flag(entry.lockOut))
        .Set(cfName, entry.name);
    if (split)
        record.Set(cfTransmitFrequency, result.txRecord).Set(cfTransmitStep, result.stepCode);
    result.record = record.Text();
    return result;
}

bool Minus76ShiftOffered(const TChannelDocument &doc)
{
    return doc.GetRecordField(rkRadioType, 0, tfVariant) == QLatin1String("3")
        && doc.GetRecordField(rkRadioType, 0, tfSubVariant) != QLatin1String("05");
}
