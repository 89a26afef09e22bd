// Paste rules: a copied record rebuilt for its target row.
#include "PasteRules.h"

#include "ChannelRecord.h"

#include "ChannelDocument.h"
#include "FrequencyRules.h"
#include "RecordFields.h"
#include "BandPlan.h"

namespace {

constexpr int kFrequencyDigits = 11;
constexpr int kOffsetDigits = 9;
constexpr int kAirBand = 0;
constexpr int kVhfBand = 1;
constexpr int kBand300 = 2;
constexpr int kUhfBand = 3;
constexpr int kBand800 = 4;

QChar FirstChar(const QString &text)
{
    return text.isEmpty() ? QChar() : text.at(0);
}

QString TypeField(const TChannelDocument &doc, int field)
{
    return doc.GetRecordField(rkRadioType, 0, field);
}

// Field 0 of the new record: the target's own label or band code.
QString TargetLabel(const TChannelDocument &doc, const TPasteTarget &target)
{
    switch (target.kind) {
    case rkMemory:
        return MemorySlotLabel(target.row);
    case rkVfo: {
        const QString code = doc.GetRecordField(rkVfo, target.vfoBand, cfBandCode);
        return code.isEmpty() ? BandCode(target.vfoBand) : code;
    }
    case rkCall: {
        const QString number = doc.GetRecordField(rkCall, target.row - 1, cfCallNumber);
        return number.isEmpty() ? QString::number(target.row - 1) : number;
    }
    }
    return QString();
}

QString PastedDtmf(const QString &copied, const TPasteTarget &target)
{
    if (target.kind != rkDtmf || target.row < 1 || target.row > kDtmfSlots)
        return QString();
    return TRecordBuilder()
        .Set(dfNumber, QLatin1Char('0') + QString::number(target.row - 1))
        .Set(dfCode, RecordTextField(copied, dfCode))
        .Text(dfCode);
}

QString PastedChannel(const TChannelDocument &doc, const QString &copied, const TPasteTarget &target)
{
    const TChannelRecordView copy(copied);
    auto S = [&copy](ChannelField field) { return copy.Field(field); };
    const QString receive = S(cfReceiveFrequency);
    const int receiveBand = BandOfRecordFrequency(doc, receive);
    if (!PasteFitsTarget(doc, receive, receiveBand, target))
        return QString();

    const QString label = TargetLabel(doc, target);
    const QString step = PasteStepCode(S(cfStep), receiveBand);
    TRecordBuilder record;
    record.Set(cfLabel, label)
        .Set(cfReceiveFrequency, receive)
        .Set(cfStep, step)
        .Set(cfShift, PasteShiftCode(S(cfShift), doc))
        .Set(cfReverse, S(cfReverse))
        .Set(cfToneOn, S(cfToneOn))
        .Set(cfCtcssOn, S(cfCtcssOn))
        .Set(cfToneCode, S(cfToneCode))
        .Set(cfCtcssCode, S(cfCtcssCode));

    // A split channel is pasted only where it keeps its transmit frequency:
    // into a row that holds split channels, within the receive band and
    // with the receive step. Dropping the split would make it transmit on
    // its receive frequency.
    if (!SplitPasteProblem(doc, copied, target).isEmpty())
        return QString();
    const QString splitStep = PasteSplitStepCode(S(cfTransmitStep));
    auto setSplit = [&] {
        if (!S(cfTransmitFrequency).isEmpty())
            record.Set(cfTransmitFrequency, S(cfTransmitFrequency)).Set(cfTransmitStep, splitStep);
    };

    switch (target.kind) {
    case rkVfo:
        record.Set(cfOffset, PasteVfoOffset(S(cfOffset), label, doc)).Set(cfPower, PasteVfoPower(S(cfPower), label));
        break;
    case rkCall:
        setSplit();
        break;
    case rkMemory:
        if (IsNumberedSlot(target.row)) {
            record.Set(cfLockOut, S(cfLockOut) == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0"));
            setSplit();
            if (IsValidMemoryName(S(cfName)))
                record.Set(cfName, S(cfName));
        } else {
            // "L1".."U6" and "PR": no split, lock-out "0"; only "PR" has a name.
            record.Set(cfLockOut, QStringLiteral("0"));
            if (target.row == kPrSlot && IsValidMemoryName(S(cfName)))
                record.Set(cfName, S(cfName));
        }
        break;
    default:
        return QString();
    }
    return record.Text();
}

} // namespace

int BandOfRecordFrequency(const TChannelDocument &doc, const QString &frequency)
{
    if (!IsDigitText(frequency, kFrequencyDigits))
        return -1;
    return BandOfFrequency(doc, frequency.mid(2, 3));
}

bool PasteFitsTarget(const TChannelDocument &doc, const QString &frequency, int band, const TPasteTarget &target)
{
    if (band < 0)
        return false;
    // An absent band has an empty limit record, which admits nothing.
    if (doc.Record(rkBandLimit, band).isEmpty())
        return false;
    const qint64 mhz = THz::OfDigits(frequency).value_or(THz(0)).WholeMhz();
    const int lower = doc.GetRecordField(rkBandLimit, band, bfLower).toInt();
    const int upper = doc.GetRecordField(rkBandLimit, band, bfUpper).toInt();
    if (mhz < lower || mhz > upper)
        return false;

    switch (target.kind) {
    case rkMemory:
        return target.row >= kFirstMemorySlot && target.row <= kLastMemorySlot;
    case rkVfo:
        return band == target.vfoBand;
    case rkCall:
        if (target.row == 1)
            return band == kVhfBand || (band == kAirBand && TypeField(doc, tfHas118) == QLatin1String("1"));
        if (target.row == 2)
            return band == kUhfBand || (band == kBand300 && TypeField(doc, tfHas300) == QLatin1String("1"))
                   || (band == kBand800 && TypeField(doc, tfOption800) == QLatin1String("1"));
        return false;
    default:
        return false;
    }
}

QString PasteStepCode(const QString &step, int receiveBand)
{
    const QChar c = FirstChar(step);
    if (receiveBand == kBand800) {
        if (c == QLatin1Char('2'))
            return QStringLiteral("3");
        if (c == QLatin1Char('5') || c >= QLatin1Char('7'))
            return QStringLiteral("6");
        return step;
    }
    return PasteSplitStepCode(step);
}

QString PasteSplitStepCode(const QString &step)
{
    const QChar c = FirstChar(step);
    if (c == QLatin1Char('7'))
        return QStringLiteral("2");
    if (c == QLatin1Char('9'))
        return QStringLiteral("8");
    return step;
}

QString PasteShiftCode(const QString &shift, const TChannelDocument &doc)
{
    if (FirstChar(TypeField(doc, tfVariant)) != QLatin1Char('3') && FirstChar(shift) > QLatin1Char('2'))
        return QStringLiteral("0");
    return shift;
}

QString PasteVfoOffset(const QString &offset, const QString &bandCode, const TChannelDocument &doc)
{
    if (IsDigitText(offset, kOffsetDigits))
        return offset;
    if (bandCode.startsWith(QLatin1Char('1')) || bandCode.startsWith(QLatin1Char('2')))
        return QStringLiteral("000600000");
    if (FirstChar(TypeField(doc, tfVariant)) == QLatin1Char('3'))
        return QStringLiteral("001600000");
    return QStringLiteral("005000000");
}

QString PasteVfoPower(const QString &power, const QString &bandCode)
{
    if (!bandCode.startsWith(QLatin1Char('2')) && !bandCode.startsWith(QLatin1Char('6')))
        return QString();
    const bool valid = power.size() == 1 && power.at(0) >= QLatin1Char('0') && power.at(0) <= QLatin1Char('2');
    return valid ? power : QStringLiteral("0");
}

QString SplitPasteProblem(const TChannelDocument &doc, const QString &copied, const TPasteTarget &target)
{
    if (copied.size() < kChannelRecordMinLength || target.kind == rkVfo)
        return QString();
    const QString transmit = RecordTextField(copied, cfTransmitFrequency);
    if (transmit.isEmpty())
        return QString();
    const QString receive = RecordTextField(copied, cfReceiveFrequency);
    const int receiveBand = BandOfRecordFrequency(doc, receive);
    const QString shown = QStringLiteral("the split channel %1/%2 MHz")
                              .arg(FormatFrequency(receive), FormatFrequency(transmit));
    if (target.kind == rkMemory && !IsNumberedSlot(target.row))
        return QStringLiteral("%1 cannot hold %2").arg(MemorySlotLabel(target.row), shown);
    if (BandOfRecordFrequency(doc, transmit) != receiveBand)
        return QStringLiteral("%1 transmits outside the band it receives in").arg(shown);
    const QString step = PasteStepCode(RecordTextField(copied, cfStep), receiveBand);
    const QString splitStep = PasteSplitStepCode(RecordTextField(copied, cfTransmitStep));
    if (FirstChar(step) != FirstChar(splitStep))
        return QStringLiteral("%1 has a transmit step unlike its receive step").arg(shown);
    return QString();
}

QString PastedRecord(const TChannelDocument &doc, const QString &copied, const TPasteTarget &target)
{
    if (copied.isEmpty())
        return QString();
    const QString record = copied.size() >= kChannelRecordMinLength ? PastedChannel(doc, copied, target)
                                                                    : PastedDtmf(copied, target);
    return record.size() <= TChannelDocument::Capacity(target.kind) ? record : QString();
}
