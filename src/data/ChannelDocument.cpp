// The document: fixed text slots, field extraction, band limits and reset.
#include "ChannelDocument.h"

#include "BandPlan.h"

#include <QStringList>

namespace {

// Labels of memory slots 181..193, in slot order.
const char *const kUpperLabels[] = {"L1", "U1", "L2", "U2", "L3", "U3", "L4",
                                    "U4", "L5", "U5", "L6", "U6", "PR"};
constexpr int kFirstLabelledSlot = kFirstLuSlot;
static_assert(sizeof kUpperLabels / sizeof kUpperLabels[0] == kLastMemorySlot - kFirstLabelledSlot + 1);

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Band of a band limit pair, chosen by its lower edge compared as text (the
// radio writes five-digit edges).
int BandOfLowerEdge(const QString &lower)
{
    if (lower < QLatin1String("00136"))
        return 0;
    if (lower < QLatin1String("00200"))
        return 1;
    if (lower < QLatin1String("00400"))
        return 2;
    if (lower < QLatin1String("00600"))
        return 3;
    return 4;
}

} // namespace

TChannelDocument::TChannelDocument() = default;

int TChannelDocument::Capacity(int kind)
{
    switch (kind) {
    case rkMemory:
    case rkVfo:
    case rkCall:
        return kRecordCapacity;
    case rkDtmf:
        return kDtmfCapacity;
    case rkRadioType:
        return kRadioTypeCapacity;
    case rkBandLimit:
        return kBandLimitCapacity;
    case rkClipboard:
        return kClipboardCapacity;
    default:
        return 0;
    }
}

int TChannelDocument::SlotCount(int kind)
{
    switch (kind) {
    case rkMemory:
        return kMemorySlots;
    case rkVfo:
        return kVfoSlots;
    case rkCall:
        return kCallSlots;
    case rkDtmf:
        return kDtmfSlots;
    case rkRadioType:
    case rkClipboard:
        return 1;
    case rkBandLimit:
        return kBandLimitSlots;
    default:
        return 0;
    }
}

int TChannelDocument::FirstIndex(int kind)
{
    return kind == rkMemory ? 1 : 0;
}

const QString *TChannelDocument::slot(int kind, int index) const
{
    switch (kind) {
    case rkMemory:
        return index >= 1 && index <= kMemorySlots ? &memory_[index] : nullptr;
    case rkVfo:
        return index >= 0 && index < kVfoSlots ? &vfo_[index] : nullptr;
    case rkCall:
        return index >= 0 && index < kCallSlots ? &call_[index] : nullptr;
    case rkDtmf:
        return index >= 0 && index < kDtmfSlots ? &dtmf_[index] : nullptr;
    case rkRadioType:
        // The index of the single-slot kinds is ignored.
        return &radioType_;
    case rkBandLimit:
        return index >= 0 && index < kBandLimitSlots ? &bandLimit_[index] : nullptr;
    case rkClipboard:
        return &clipboard_;
    default:
        return nullptr;
    }
}

QString *TChannelDocument::slot(int kind, int index)
{
    return const_cast<QString *>(static_cast<const TChannelDocument *>(this)->slot(kind, index));
}

QString TChannelDocument::Record(int kind, int index) const
{
    const QString *text = slot(kind, index);
    return text ? *text : QString();
}

void TChannelDocument::SetRecord(int kind, int index, const QString &text)
{
    QString *target = slot(kind, index);
    if (!target)
        return;
    // Never hold more than the slot's capacity.
    *target = text.left(Capacity(kind));
}

QString TChannelDocument::GetRecordField(int kind, int index, int field) const
{
    const QString *text = slot(kind, index);
    return text ? RecordTextField(*text, field) : QString();
}

void TChannelDocument::SetMemoryRecord(int slotNumber, const QString &text)
{
    SetRecord(rkMemory, slotNumber, text);
}

void TChannelDocument::SetCallRecord(int index, const QString &text)
{
    SetRecord(rkCall, index, text);
}

void TChannelDocument::SetVfoRecord(int band, const QString &text)
{
    SetRecord(rkVfo, band, text);
}

void TChannelDocument::SetDtmfRecord(int index, const QString &text)
{
    SetRecord(rkDtmf, index, text);
}

void TChannelDocument::SetRadioType(const QString &text)
{
    SetRecord(rkRadioType, 0, text);
}

void TChannelDocument::SetBandLimit(int band, const QString &text)
{
    SetRecord(rkBandLimit, band, text);
}

void TChannelDocument::SetClipboardBuffer(const QString &text)
{
    SetRecord(rkClipboard, 0, text);
}

void TChannelDocument::ClearMemoryRecord(int slotNumber)
{
    SetRecord(rkMemory, slotNumber, QString());
}

void TChannelDocument::ClearDtmfRecord(int index)
{
    SetRecord(rkDtmf, index, QString());
}

void TChannelDocument::ParseBandLimits(const QString &text)
{
    for (QString &limit : bandLimit_)
        limit.clear();

    const QStringList tokens = text.split(QLatin1Char(','));
    // Tokens come in pairs; a lone last token has no upper edge and is dropped.
    for (int i = 0; i + 1 < tokens.size(); i += 2) {
        const QString &lower = tokens.at(i);
        const QString &upper = tokens.at(i + 1);
        SetBandLimit(BandOfLowerEdge(lower), lower + QLatin1Char(',') + upper);
    }
}

void TChannelDocument::ResetDocument()
{
    for (int i = 1; i <= kMemorySlots; ++i)
        memory_[i].clear();
    for (QString &text : call_)
        text.clear();
    for (QString &text : vfo_)
        text.clear();
    for (QString &text : dtmf_)
        text.clear();
    ApplyDefaultRecords(*this);
}

QString MemorySlotLabel(int slotNumber)
{
    if (slotNumber >= 1 && slotNumber < kFirstLabelledSlot)
        return QStringLiteral("%1").arg(slotNumber, 3, 10, QLatin1Char('0'));
    if (slotNumber >= kFirstLabelledSlot && slotNumber <= kMemorySlots)
        return QLatin1String(kUpperLabels[slotNumber - kFirstLabelledSlot]);
    return QString();
}

int MemorySlotOfLabel(const QString &label)
{
    if (label.size() == 3 && IsAsciiDigit(label.at(0)) && IsAsciiDigit(label.at(1)) && IsAsciiDigit(label.at(2))) {
        const int number = label.toInt();
        return number >= 1 && number < kFirstLabelledSlot ? number : 0;
    }
    for (int i = 0; i < kMemorySlots - kFirstLabelledSlot + 1; ++i) {
        if (label == QLatin1String(kUpperLabels[i]))
            return kFirstLabelledSlot + i;
    }
    return 0;
}
