#include "ChannelRecord.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "FrequencyRules.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int kFrequencyDigits = 11;
constexpr int kNameLength = 13;

} // namespace

std::optional<TShift> ShiftOfCode(const QString &code)
{
    if (code.size() != 1)
        return std::nullopt;
    switch (code.at(0).unicode()) {
    case '0': return TShift::Simplex;
    case '1': return TShift::Plus;
    case '2': return TShift::Minus;
    case '3': return TShift::Minus76;
    }
    return std::nullopt;
}

QChar ShiftCode(TShift shift)
{
    return QLatin1Char(char('0' + int(shift)));
}

void TChannelRecordText::SetField(ChannelField field, const QString &value)
{
    QStringList fields = text_->split(QLatin1Char(','));
    while (fields.size() <= cfLastChannelField)
        fields << QString();
    fields[field] = value;
    *text_ = fields.join(QLatin1Char(','));
}

void TChannelRecordText::SetTransmit(std::optional<THz> hz, const QString &stepCode)
{
    SetField(cfTransmitFrequency, hz ? hz->Digits(11) : QString());
    SetField(cfTransmitStep, hz ? stepCode : QString());
}

bool IsCodeIn(const QString &text, char first, char last)
{
    return text.size() == 1 && text.at(0) >= QLatin1Char(first) && text.at(0) <= QLatin1Char(last);
}

bool IsToneTableCode(const QString &text)
{
    if (!IsDigitText(text, 2))
        return false;
    const int code = text.toInt();
    return code >= 1 && code <= 39;
}

QString RecordFrequencyProblem(const TChannelDocument &doc, const QString &frequency)
{
    if (!IsDigitText(frequency, kFrequencyDigits))
        return QCoreApplication::translate("RuleBreaks", "not 11 digits");
    if (!frequency.startsWith(QLatin1String("00")))
        return QCoreApplication::translate("RuleBreaks", "not below 1 GHz");
    const QString mhzText = frequency.mid(2, 3);
    const int band = BandOfFrequency(doc, mhzText);
    if (band < 0 || band >= kBandLimitSlots || !BandPresent(doc, band) || doc.Record(rkBandLimit, band).isEmpty())
        return QCoreApplication::translate("RuleBreaks", "in no band of the radio");
    const int mhz = mhzText.toInt();
    const int lower = doc.GetRecordField(rkBandLimit, band, bfLower).toInt();
    const int upper = doc.GetRecordField(rkBandLimit, band, bfUpper).toInt();
    if (mhz < lower || mhz > upper)
        return QCoreApplication::translate("RuleBreaks", "outside the band limits %1..%2 MHz").arg(lower).arg(upper);
    return QString();
}

QList<TRuleBreak> ChannelRuleBreaks(const TChannelDocument &doc, int kind, int index, const QString &record)
{
    QList<TRuleBreak> breaks;
    const TChannelRecordView view(record);
    // An empty slot, CALL channel or VFO band (the label or band code at
    // most) holds no values to judge.
    if (!view.HasChannel() || view.Field(cfReceiveFrequency).isEmpty())
        return breaks;
    auto add = [&breaks](ChannelField field, const QString &what) { breaks.append({field, what}); };

    const QString rx = view.Field(cfReceiveFrequency);
    const QString rxProblem = RecordFrequencyProblem(doc, rx);
    if (!rxProblem.isEmpty())
        add(cfReceiveFrequency, QCoreApplication::translate("RuleBreaks", "receive frequency %1 %2").arg(rx, rxProblem));
    if (!IsCodeIn(view.StepCode(), '0', '9'))
        add(cfStep, QCoreApplication::translate("RuleBreaks", "step code \"%1\" is not 0..9").arg(view.StepCode()));
    if (!view.Shift())
        add(cfShift, QCoreApplication::translate("RuleBreaks", "shift code \"%1\" is not 0..3").arg(view.Field(cfShift)));
    for (ChannelField field : {cfReverse, cfToneOn, cfCtcssOn})
        if (!IsCodeIn(view.Field(field), '0', '1'))
            add(field, QCoreApplication::translate("RuleBreaks", "field %1 \"%2\" is not 0 or 1").arg(int(field)).arg(view.Field(field)));
    for (ChannelField field : {cfToneCode, cfCtcssCode})
        if (!view.Field(field).isEmpty() && !IsToneTableCode(view.Field(field)))
            add(field, QCoreApplication::translate("RuleBreaks", "tone code \"%1\" is not 01..39").arg(view.Field(field)));
    if (kind == rkVfo && !view.Field(cfOffset).isEmpty() && !IsDigitText(view.Field(cfOffset), 9))
        add(cfOffset, QCoreApplication::translate("RuleBreaks", "offset \"%1\" is not 9 digits").arg(view.Field(cfOffset)));
    if (!view.Field(cfLockOut).isEmpty() && !IsCodeIn(view.Field(cfLockOut), '0', '1'))
        add(cfLockOut, QCoreApplication::translate("RuleBreaks", "lock-out \"%1\" is not 0 or 1").arg(view.Field(cfLockOut)));
    if (view.IsSplit()) {
        const QString tx = view.Field(cfTransmitFrequency);
        const QString txProblem = RecordFrequencyProblem(doc, tx);
        if (!txProblem.isEmpty())
            add(cfTransmitFrequency, QCoreApplication::translate("RuleBreaks", "transmit frequency %1 %2").arg(tx, txProblem));
        else if (rxProblem.isEmpty() && BandOfFrequency(doc, tx.mid(2)) != BandOfFrequency(doc, rx.mid(2)))
            add(cfTransmitFrequency, QCoreApplication::translate("RuleBreaks", "transmit frequency %1 is not in the band of the receive frequency").arg(tx));
        if (view.TransmitStepCode() != view.StepCode())
            add(cfTransmitStep, QCoreApplication::translate("RuleBreaks", "split step code \"%1\" is not the step code \"%2\"")
                                    .arg(view.TransmitStepCode(), view.StepCode()));
    } else if (!view.TransmitStepCode().isEmpty()) {
        add(cfTransmitStep, QCoreApplication::translate("RuleBreaks", "split step code without a transmit frequency"));
    }
    if (!view.PowerCode().isEmpty() && !IsCodeIn(view.PowerCode(), '0', '3'))
        add(cfPower, QCoreApplication::translate("RuleBreaks", "output power \"%1\" is not 0..3").arg(view.PowerCode()));
    if (kind == rkMemory && !IsNumberedSlot(index)) {
        if (view.IsSplit())
            add(cfTransmitFrequency, QCoreApplication::translate("RuleBreaks", "a split channel outside slots 001..180"));
        if (view.LockOut())
            add(cfLockOut, QCoreApplication::translate("RuleBreaks", "lock-out outside slots 001..180"));
    }
    const QString name = view.Name();
    if (!name.isEmpty() && kind == rkMemory && !IsNamedSlot(index))
        add(cfName, QCoreApplication::translate("RuleBreaks", "a name outside slots 001..180 and PR"));
    if (!name.isEmpty() && (name.size() > kNameLength || !IsValidMemoryName(name)))
        add(cfName, QCoreApplication::translate("RuleBreaks", "name \"%1\" breaks the name rule").arg(name));
    return breaks;
}

QStringList DocumentRuleBreaks(const TChannelDocument &doc)
{
    QStringList lines;
    auto report = [&](int kind, int index, const QString &item) {
        for (const TRuleBreak &found : ChannelRuleBreaks(doc, kind, index, doc.Record(kind, index)))
            lines << QStringLiteral("%1: %2").arg(item, found.what);
    };
    for (int slot = kFirstMemorySlot; slot <= kLastMemorySlot; ++slot)
        report(rkMemory, slot, MemorySlotLabel(slot));
    for (int index = 0; index < kCallSlots; ++index)
        report(rkCall, index, QStringLiteral("CALL %1").arg(index == 0 ? QStringLiteral("VHF") : QStringLiteral("UHF")));
    for (int band = 0; band < kVfoSlots; ++band)
        if (BandPresent(doc, band))
            report(rkVfo, band, QStringLiteral("VFO %1").arg(BandLabel(doc, band)));
    return lines;
}

QString RuleBreakReport(const QString &firstLine, const QStringList &breaks, int maxLines)
{
    QStringList lines{firstLine};
    lines += breaks.mid(0, maxLines);
    if (breaks.size() > maxLines)
        lines << QCoreApplication::translate("RuleBreaks", "... and %1 more").arg(breaks.size() - maxLines);
    return lines.join(QLatin1Char('\n'));
}
