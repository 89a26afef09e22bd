// Memory record building shared by the memory editor's rules and the
// importers.
#include "MemoryChannel.h"

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
    int step = entry.stepPosition;
    bool adjusted = ClampAndRoundFrequency(doc, rx, band, step);
    result.band = band;
    result.stepPosition = step;
    result.rxRecord = ToRecord(rx);

    const QChar shift = split ? QLatin1Char('0') : entry.shift;
    QString record = MemorySlotLabel(slot) + QLatin1Char(',') + result.rxRecord + QLatin1Char(',')
        + StepCodeOfListPos(step) + QLatin1Char(',') + shift + QLatin1Char(',') + Flag(entry.reverse && !split)
        + QLatin1Char(',') + Flag(entry.tone) + QLatin1Char(',') + Flag(entry.ctcss) + QStringLiteral(",,")
        + ToneCodeOfListPos(entry.tonePosition) + QStringLiteral(",,") + ToneCodeOfListPos(entry.ctcssPosition)
        + QStringLiteral(",,") + Flag(entry.lockOut) + QStringLiteral(",,");
    if (split) {
        int txStep = step;
        if (ClampAndRoundFrequency(doc, tx, band, txStep))
            adjusted = true;
        result.txRecord = ToRecord(tx);
        record += result.txRecord + QLatin1Char(',') + StepCodeOfListPos(step) + QStringLiteral(",,");
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
