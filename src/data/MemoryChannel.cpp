// Memory record building shared by the memory editor's rules and the
// importers.
#include "MemoryChannel.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "RecordFields.h"
#include "FrequencyRules.h"

namespace {

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString ToRecord(const QString &frequency)
{
    return QStringLiteral("00") + frequency.rightJustified(9, QLatin1Char('0'));
}

// The kept tone code when it is a code of the tone table that no list
// position writes ("02"), else the code of the list position.
QString ToneCode(const QString &kept, int position)
{
    const bool tableCode = kept.size() == 2 && kept.at(0).isDigit() && kept.at(1).isDigit()
                           && kept.toInt() >= 1 && kept.toInt() <= 39;
    if (tableCode && ToneCodeOfListPos(ToneListPosOfCode(kept)) != kept)
        return kept;
    return ToneCodeOfListPos(position);
}

// Whether a kept step code is one of the step table that no list position
// writes ("7", "9").
bool KeepsStepCode(const QString &kept)
{
    return kept.size() == 1 && !StepTextOfCode(kept).isEmpty() && StepListPosOfCode(kept) < 0;
}

} // namespace

TMemoryRecordResult BuildMemoryRecord(const TChannelDocument &doc, int slot, const TMemoryChannelEntry &entry)
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
    // A kept step the list lacks stays unless the band forces the step of
    // a frequency rounded here; while it stays, frequencies round to 5 kHz
    // (list position 0), which divides both 30 and 100 kHz.
    const bool keepsCode = KeepsStepCode(entry.stepCode);
    const bool forces = BandForcesStep(doc, band);
    int step = keepsCode && !forces ? 0 : entry.stepPosition;
    bool adjusted = false;
    bool rounded = false; // some frequency went through the band's rules
    if (!entry.rxAsStored) {
        adjusted = ClampAndRoundFrequency(doc, rx, band, step);
        rounded = true;
    }
    if (split && !entry.txAsStored) {
        // The step is forced (if at all) as for the receive frequency.
        int txStep = step;
        if (ClampAndRoundFrequency(doc, tx, band, txStep))
            adjusted = true;
        step = txStep;
        rounded = true;
    }
    const bool keepStep = keepsCode && !(rounded && forces);
    const QString stepCode = keepStep ? entry.stepCode : StepCodeOfListPos(step);
    result.band = band;
    result.stepPosition = keepStep ? entry.stepPosition : step;
    result.rxRecord = ToRecord(rx);

    const QChar shift = split ? QLatin1Char('0') : entry.shift;
    QString record = MemorySlotLabel(slot) + QLatin1Char(',') + result.rxRecord + QLatin1Char(',') + stepCode
        + QLatin1Char(',') + shift + QLatin1Char(',') + Flag(entry.reverse && !split) + QLatin1Char(',')
        + Flag(entry.tone) + QLatin1Char(',') + Flag(entry.ctcss) + QStringLiteral(",,")
        + ToneCode(entry.toneCode, entry.tonePosition) + QStringLiteral(",,")
        + ToneCode(entry.ctcssCode, entry.ctcssPosition) + QStringLiteral(",,") + Flag(entry.lockOut)
        + QStringLiteral(",,");
    if (split) {
        result.txRecord = ToRecord(tx);
        record += result.txRecord + QLatin1Char(',') + stepCode + QStringLiteral(",,");
    } else {
        record += QStringLiteral(",,,");
    }
    record += entry.name;
    result.record = record;
    result.adjusted = adjusted;
    return result;
}

bool Minus76ShiftOffered(const TChannelDocument &doc)
{
    return doc.GetRecordField(rkRadioType, 0, tfVariant) == QLatin1String("3")
        && doc.GetRecordField(rkRadioType, 0, tfSubVariant) != QLatin1String("05");
}
