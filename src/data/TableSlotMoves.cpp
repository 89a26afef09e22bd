// Moving, swapping, inserting and deleting memory slots. Records keep
// everything but their label within a slot class; a record that lands in
// another class is rebuilt for it by the memory channel's rules.
#include "ChannelTableRules.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "CsvExport.h"
#include "FrequencyRules.h"
#include "RecordFields.h"
#include "TableRulesCommon.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

using namespace tablerules;

namespace {

// Puts a record into a slot, rebuilding it for the slot's class when it
// comes from another one.
void PlaceRecord(TChannelDocument &doc, const QString &record, int from, int to, QStringList &notes)
{
    if (!HasChannel(record)) {
        doc.ClearMemoryRecord(to);
        return;
    }
    if (SlotClass(from) == SlotClass(to)) {
        doc.SetMemoryRecord(to, Relabel(record, to));
        return;
    }
    TMemoryChannelEntry entry = LoadMemoryChannel(doc, from, record);
    QStringList dropped;
    if (!IsNumberedSlot(to)) {
        if (!entry.txText.isEmpty())
            dropped << QCoreApplication::translate("TableRules", "split");
        entry.txText.clear();
        if (entry.lockOut)
            dropped << QCoreApplication::translate("TableRules", "lock-out");
        entry.lockOut = false;
    }
    if (!IsNamedSlot(to)) {
        if (!entry.name.isEmpty())
            dropped << QCoreApplication::translate("TableRules", "name");
        entry.name.clear();
    }
    const TMemoryRecordResult built = CommitMemoryChannel(doc, to, entry);
    if (built.error != TMemoryRecordResult::None) {
        // Records read from the document always rebuild; keep the text.
        doc.SetMemoryRecord(to, Relabel(record, to));
        return;
    }
    doc.SetMemoryRecord(to, built.record);
    if (!dropped.isEmpty())
        notes << QCoreApplication::translate("TableRules", "%1: %2 dropped (from %3)").arg(Label(to), dropped.join(QStringLiteral(", ")), Label(from));
}

bool AllNumbered(const QList<int> &slotList)
{
    return std::all_of(slotList.begin(), slotList.end(), [](int s) { return IsNumberedSlot(s); });
}

} // namespace

TSlotResult SwapSlots(TChannelDocument &doc, int a, int b)
{
    TSlotResult result;
    if (!ValidSlot(a) || !ValidSlot(b) || a == b) {
        result.reason = QCoreApplication::translate("TableRules", "Choose two different slots to swap.");
        return result;
    }
    const QString ra = doc.Record(rkMemory, a);
    const QString rb = doc.Record(rkMemory, b);
    PlaceRecord(doc, ra, a, b, result.notes);
    PlaceRecord(doc, rb, b, a, result.notes);
    result.ok = true;
    result.slotList = {a, b};
    return result;
}

TDropKind DropKindOf(const TChannelDocument &doc, const QList<int> &chosen, int target)
{
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !ValidSlot(target) || (slotList.contains(target) && slotList.first() == target))
        return TDropKind::Nothing;
    for (int i = 0; i < slotList.size(); ++i) {
        const int to = target + i;
        if (ValidSlot(to) && (slotList.contains(to) || !HasChannel(doc, to)))
            continue;
        return TDropKind::Ask;
    }
    return TDropKind::Place;
}

TSlotResult PlaceSlots(TChannelDocument &doc, const QList<int> &chosen, int target)
{
    TSlotResult result;
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !std::all_of(slotList.begin(), slotList.end(), ValidSlot)) {
        result.reason = QCoreApplication::translate("TableRules", "There is no such slot.");
        return result;
    }
    for (int i = 0; i < slotList.size(); ++i) {
        const int to = target + i;
        if (!ValidSlot(to)) {
            result.reason = QCoreApplication::translate("TableRules", "%1 channel(s) do not fit from %2 on.").arg(slotList.size()).arg(Label(target));
            return result;
        }
        if (!slotList.contains(to) && HasChannel(doc, to)) {
            result.reason = QCoreApplication::translate("TableRules", "Slot %1 holds a channel.").arg(Label(to));
            return result;
        }
    }
    QStringList records;
    for (int slot : slotList)
        records << doc.Record(rkMemory, slot);
    for (int slot : slotList)
        doc.ClearMemoryRecord(slot);
    for (int i = 0; i < slotList.size(); ++i) {
        PlaceRecord(doc, records[i], slotList[i], target + i, result.notes);
        result.slotList << target + i;
    }
    result.ok = true;
    return result;
}

TSlotResult InsertSlotsAt(TChannelDocument &doc, const QList<int> &chosen, int target)
{
    TSlotResult result;
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !AllNumbered(slotList) || !IsNumberedSlot(target)) {
        result.reason = NumberedOnlyText();
        return result;
    }
    QStringList moving;
    for (int slot : slotList)
        moving << doc.Record(rkMemory, slot);
    // The slots from target on once the chosen records have left them.
    QStringList after;
    for (int slot = target; slot <= kLastNumberedSlot; ++slot)
        after << (slotList.contains(slot) ? QString() : doc.Record(rkMemory, slot));
    // The chosen records go first; each of them takes the place of the
    // nearest empty slot after them, so the channels in between move down.
    QStringList order = moving + after;
    int surplus = moving.size();
    for (int i = moving.size(); i < order.size() && surplus > 0;) {
        if (!HasChannel(order[i])) {
            order.removeAt(i);
            --surplus;
        } else {
            ++i;
        }
    }
    if (surplus > 0) {
        result.reason = QCoreApplication::translate("TableRules", "There are not enough empty slots from %1 to 180 to insert here.\n"
                                       "Delete or move a channel first.")
                            .arg(Label(target));
        return result;
    }
    for (int slot : slotList) {
        if (slot < target)
            doc.ClearMemoryRecord(slot);
    }
    for (int i = 0; i < order.size(); ++i) {
        const int slot = target + i;
        if (HasChannel(order[i]))
            doc.SetMemoryRecord(slot, Relabel(order[i], slot));
        else
            doc.ClearMemoryRecord(slot);
    }
    result.ok = true;
    for (int i = 0; i < moving.size(); ++i)
        result.slotList << target + i;
    return result;
}

TSlotResult MoveSlots(TChannelDocument &doc, const QList<int> &chosen, int target)
{
    TSlotResult result;
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !AllNumbered(slotList) || target < 1 || target > kLastNumberedSlot + 1) {
        result.reason = NumberedOnlyText();
        return result;
    }
    QStringList records;
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot)
        records << doc.Record(rkMemory, slot);
    QStringList moving, rest;
    int insertAt = 0;
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot) {
        if (slotList.contains(slot)) {
            moving << records[slot - 1];
        } else {
            if (slot < target)
                ++insertAt;
            rest << records[slot - 1];
        }
    }
    QStringList order = rest.mid(0, insertAt) + moving + rest.mid(insertAt);
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot) {
        const QString &record = order[slot - 1];
        if (!HasChannel(record))
            doc.ClearMemoryRecord(slot);
        else
            doc.SetMemoryRecord(slot, Relabel(record, slot));
    }
    result.ok = true;
    for (int i = 0; i < moving.size(); ++i)
        result.slotList << insertAt + 1 + i;
    return result;
}

TSlotResult ShiftSlots(TChannelDocument &doc, const QList<int> &chosen, int direction)
{
    TSlotResult result;
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !AllNumbered(slotList)) {
        result.reason = NumberedOnlyText();
        return result;
    }
    if (direction < 0) {
        if (slotList.first() <= kFirstMemorySlot) {
            result.reason = QCoreApplication::translate("TableRules", "Channel 001 is the first; nothing moves above it.");
            return result;
        }
        return MoveSlots(doc, slotList, slotList.first() - 1);
    }
    if (slotList.last() >= kLastNumberedSlot) {
        result.reason = QCoreApplication::translate("TableRules", "Channel 180 is the last; nothing moves below it.");
        return result;
    }
    return MoveSlots(doc, slotList, slotList.last() + 2);
}

TSlotResult InsertEmptySlots(TChannelDocument &doc, int slot, int count)
{
    TSlotResult result;
    if (!IsNumberedSlot(slot) || count < 1 || slot + count - 1 > kLastNumberedSlot) {
        result.reason = NumberedOnlyText();
        return result;
    }
    for (int s = kLastNumberedSlot - count + 1; s <= kLastNumberedSlot; ++s) {
        if (HasChannel(doc, s)) {
            result.reason = QCoreApplication::translate("TableRules", "Slot %1 holds a channel: inserting would push it out of 001..180.\n"
                                           "Delete or move it first.")
                                .arg(Label(s));
            return result;
        }
    }
    for (int s = kLastNumberedSlot; s >= slot + count; --s) {
        const QString record = doc.Record(rkMemory, s - count);
        if (HasChannel(record))
            doc.SetMemoryRecord(s, Relabel(record, s));
        else
            doc.ClearMemoryRecord(s);
    }
    for (int s = slot; s < slot + count; ++s)
        doc.ClearMemoryRecord(s);
    result.ok = true;
    for (int s = slot; s < slot + count; ++s)
        result.slotList << s;
    return result;
}

TSlotResult DeleteAndCloseGap(TChannelDocument &doc, const QList<int> &chosen)
{
    TSlotResult result;
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !AllNumbered(slotList)) {
        result.reason = NumberedOnlyText();
        return result;
    }
    QStringList kept;
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot) {
        if (!slotList.contains(slot))
            kept << doc.Record(rkMemory, slot);
    }
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot) {
        const QString record = slot <= kept.size() ? kept[slot - 1] : QString();
        if (HasChannel(record))
            doc.SetMemoryRecord(slot, Relabel(record, slot));
        else
            doc.ClearMemoryRecord(slot);
    }
    result.ok = true;
    result.slotList = {slotList.first()};
    return result;
}
