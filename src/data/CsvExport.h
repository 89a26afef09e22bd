// Memory channels as CSV rows in the generic layout of radio programming
// tools: one row per memory slot that holds a channel.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class TChannelDocument;

// The columns, in the order they are written.
QStringList CsvColumns();

// Comment of a Minus Shift row whose offset, the band's VFO offset, is
// 7.6 MHz where the -7.6 MHz shift is offered: the row alone reads as that
// shift (same transmit frequency), the comment keeps the Minus Shift.
constexpr const char *kCsvMinusShiftComment = "Minus Shift";

// Location of a memory slot: 1..193 (181..193 are L1..U6 and PR).
// Frequencies and offsets in MHz with six decimals; tones in Hz; the step
// in kHz.
QString CsvMegahertz(qint64 hertz);          // 145000000 -> "145.000000"
// The columns of one slot in CsvColumns() order; empty when the slot holds
// no channel (no receive frequency).
QStringList CsvRowOfSlot(const TChannelDocument &doc, int slot);

// Header and the rows of the given slots (every slot 1..193 when the list
// is empty) that hold a channel. One slot gives the text form of a single
// copied row.
QByteArray ExportCsv(const TChannelDocument &doc, const QList<int> &chosenSlots = {});

// Offset in Hz that a plus or minus shift of a memory channel uses on the
// radio: the offset of the VFO of the frequency's band, or that band's
// default offset when the VFO record has none.
qint64 MemoryShiftOffsetHz(const TChannelDocument &doc, int band);
