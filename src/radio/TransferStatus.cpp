#include "TransferStatus.h"

#include "data/ChannelDocument.h"

#include <QCoreApplication>

namespace TransferStatus {

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("TransferStatus", text);
}

// The memory phase reports the slot just handled (1..193); after it the
// CALL records, the VFOs and the DTMF memories follow in that order.
enum Phase { Starting, MemoryChannels, CallChannels, Vfos, DtmfMemories };

constexpr int kLastMemoryPosition = kMemorySlots;
constexpr int kLastCallPosition = kLastMemoryPosition + 2;
constexpr int kLastVfoPosition = kLastCallPosition + 5;

Phase PhaseOf(int position)
{
    if (position <= 0)
        return Starting;
    if (position <= kLastMemoryPosition)
        return MemoryChannels;
    if (position <= kLastCallPosition)
        return CallChannels;
    if (position <= kLastVfoPosition)
        return Vfos;
    return DtmfMemories;
}

int TenthOf(int position)
{
    return qBound(0, position, kProgressMaximum) * 10 / kProgressMaximum;
}

} // namespace

QString ProgressText(TTransferDirection direction, int position)
{
    const bool read = direction == TTransferDirection::Read;
    switch (PhaseOf(position)) {
    case Starting:
        return read ? Tr("Reading data from the Radio.") : Tr("Writing data to the Radio.");
    case MemoryChannels:
        return (read ? Tr("Reading memory channel %1 of %2") : Tr("Writing memory channel %1 of %2"))
            .arg(position)
            .arg(kLastMemoryPosition);
    case CallChannels:
        return read ? Tr("Reading CALL channels") : Tr("Writing CALL channels");
    case Vfos:
        return read ? Tr("Reading VFOs") : Tr("Writing VFOs");
    case DtmfMemories:
        break;
    }
    return read ? Tr("Reading DTMF memories") : Tr("Writing DTMF memories");
}

QString ProgressAnnouncement(TTransferDirection direction, int previous, int position)
{
    if (position <= 0 || position == previous)
        return QString();
    if (PhaseOf(position) == PhaseOf(previous) && TenthOf(position) == TenthOf(previous))
        return QString();
    return ProgressText(direction, position);
}

QString OutcomeText(TTransferDirection direction, TTransferOutcome outcome)
{
    const bool read = direction == TTransferDirection::Read;
    switch (outcome) {
    case TTransferOutcome::Completed:
        return read ? Tr("Read complete.") : Tr("Write complete.");
    case TTransferOutcome::Cancelled:
        return read ? Tr("Read cancelled.") : Tr("Write cancelled.");
    case TTransferOutcome::TimedOut:
    case TTransferOutcome::WrongRadio:
    case TTransferOutcome::BadReply:
        break;
    }
    return read ? Tr("Read failed.") : Tr("Write failed.");
}

} // namespace TransferStatus
