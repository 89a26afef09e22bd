// Paste rules: what a copied record becomes when pasted into a row of one
// of the main window's lists. The copied text is untrusted: it is never
// stored as it is; a record of the target's kind is rebuilt from its
// fields, and a record that does not suit the target is refused.
#pragma once

#include <QString>

class TChannelDocument;

// A row of one of the main window's lists.
struct TPasteTarget {
    int kind = 0;     // rkMemory, rkVfo, rkCall or rkDtmf (the list number)
    int row = 0;      // memory slot 1..193; CALL 1..2; DTMF 1..10; VFO list row
    int vfoBand = -1; // rkVfo: band index shown in that row (-1: none)
};

// Copied texts of this many characters or more are channel records
// (memory, VFO, CALL); shorter ones are DTMF memory records.
constexpr int kChannelRecordMinLength = 20;

// The record the copied text (commas between fields) becomes in the
// target; empty when it does not fit there.
QString PastedRecord(const TChannelDocument &doc, const QString &copied, const TPasteTarget &target);

// Why a copied split channel cannot be pasted into the target without
// moving its transmit frequency (empty when it can, or when the copied text
// is no split channel): the row holds no split channels (L1..U6, PR), the
// transmit frequency lies in another band than the receive frequency, or
// its step differs from the receive step. A VFO row takes no split.
QString SplitPasteProblem(const TChannelDocument &doc, const QString &copied, const TPasteTarget &target);

// Band index of a record frequency field (11 digits) by its whole MHz;
// -1 when the field is not a record frequency or lies in no band.
int BandOfRecordFrequency(const TChannelDocument &doc, const QString &frequency);

// Whether a channel whose receive frequency (record form) lies in band
// suits the target: inside that band's limits (an absent band admits
// nothing), the memory list takes every band, a VFO row only its own band,
// the VHF CALL channel 144 MHz (and 118 MHz when the radio has it), the UHF
// CALL channel 430/440 MHz (and 300 MHz when the radio has it, 800 MHz when
// its option code is "1").
bool PasteFitsTarget(const TChannelDocument &doc, const QString &frequency, int band,
                     const TPasteTarget &target);

// Step code in a band: on the 800 MHz band 10 kHz becomes 12.5 kHz, 20 kHz
// and 30 kHz and above become 25 kHz; elsewhere as PasteSplitStepCode.
QString PasteStepCode(const QString &step, int receiveBand);
// Step codes no list offers outside the 800 MHz band: 30 kHz becomes
// 10 kHz, 100 kHz becomes 50 kHz.
QString PasteSplitStepCode(const QString &step);
// The minus 7.6 MHz shift exists only on radios of variant code 3; any
// other radio gets simplex instead.
QString PasteShiftCode(const QString &shift, const TChannelDocument &doc);
// Offset of a VFO record: a copied offset of nine digits stays, otherwise
// the band's default (0.6 MHz for the 118 and 144 MHz bands, 1.6 MHz on
// variant code 3 radios, else 5 MHz). bandCode: the VFO's band code.
QString PasteVfoOffset(const QString &offset, const QString &bandCode, const TChannelDocument &doc);
// Output power of a VFO record: only the 144 and 430/440 MHz VFOs carry
// one; a copied code other than "0".."2" becomes "0".
QString PasteVfoPower(const QString &power, const QString &bandCode);
