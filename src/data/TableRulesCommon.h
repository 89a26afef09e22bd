// Pieces the channel table's rules share: slot classes and labels, typed
// values and the reasons a change is refused. Used only by the table's
// rules (columns, cell edits, bulk edits, slot moves).
#pragma once

#include "MemoryChannel.h"

#include <QList>
#include <QString>

#include <optional>

class TChannelDocument;

namespace tablerules {

extern const QString kOn;
// Why only channels 001..180 move (in the user's language).
QString NumberedOnlyText();

bool HasChannel(const QString &record);
bool HasChannel(const TChannelDocument &doc, int slot);
bool ValidSlot(int slot);
// 0: 001..180, 1: L1..U6, 2: PR. Records move freely within a class.
int SlotClass(int slot);
QString Label(int slot);
// The record with the label of another slot.
QString Relabel(const QString &record, int slot);
// "12.5kHz", "12.5 kHz", "88.5Hz", "145.5MHz" -> the number before the unit.
QString NumberPart(QString text, const QString &unit);
// "1", "on", "yes", "true", "x" / "", "0", "off", "no", "false".
std::optional<bool> ParseFlag(const QString &text);
QString ShiftText(QChar shift);
// Why a -7.6 MHz shift cannot be set on a receive frequency; empty if it can.
QString Minus76Refusal(const TChannelDocument &doc, const QString &rxText);
// Offset in Hz of a typed offset in MHz; none when it is no number.
std::optional<THz> OffsetOfText(const QString &text);
// Offset that a channel's shift uses; none for simplex and split.
std::optional<THz> ShiftOffset(const TChannelDocument &doc, QChar shift, const QString &rxText);
// The note an offset gets when it is not the one the channel shifts by;
// empty when it is.
QString OffsetRefusal(const TChannelDocument &doc, const TMemoryChannelEntry &entry, const QString &text);
QString ErrorText(TMemoryRecordResult::Error error);
QList<int> SortedUnique(const QList<int> &slotList);

} // namespace tablerules
