// The document: every channel-like item of one radio held as record text.
#pragma once

#include "RecordFields.h"

#include <QString>
#include <array>

// Record kinds. The main window's lists use the same numbers 1..4.
enum RecordKind {
    rkMemory = 1,
    rkVfo = 2,
    rkCall = 3,
    rkDtmf = 4,
    rkRadioType = 5,
    rkBandLimit = 6,
    rkClipboard = 7,
};

// Slot counts and capacities (characters).
constexpr int kMemorySlots = kLastMemorySlot; // slots 1..193 (index 0 unused)
constexpr int kVfoSlots = 5;           // band index 0..4
constexpr int kCallSlots = 2;          // 0 VHF, 1 UHF
constexpr int kDtmfSlots = 10;         // 0..9
constexpr int kBandLimitSlots = 5;     // band index 0..4
constexpr int kRecordCapacity = 99;    // memory, VFO and CALL records
constexpr int kDtmfCapacity = 19;      // DTMF records
constexpr int kRadioTypeCapacity = 19; // radio type string
constexpr int kBandLimitCapacity = 14; // band limit records
constexpr int kClipboardCapacity = 100;// clipboard staging buffer
constexpr int kLastField = cfLastChannelField; // fields are numbered 0..17

// Default radio type string of a radio never read.
inline const char *const kDefaultRadioType = "0,2,00,1,1,,";

class TChannelDocument {
public:
    TChannelDocument();

    // Text of one field (empty when absent). Kinds outside 1..7 and indexes
    // outside the kind's range give an empty field; field numbers above 17
    // read field 17.
    QString GetRecordField(int kind, int index, int field) const;

    // Whole slot text (empty for a bad kind or index).
    QString Record(int kind, int index) const;
    // Replaces a whole slot (any kind); text is cut at the slot's capacity;
    // a bad kind or index is ignored.
    void SetRecord(int kind, int index, const QString &text);

    void SetMemoryRecord(int slot, const QString &text);
    void SetCallRecord(int index, const QString &text);
    void SetVfoRecord(int band, const QString &text);
    void SetDtmfRecord(int index, const QString &text);
    void SetRadioType(const QString &text);
    void SetBandLimit(int band, const QString &text);
    void SetClipboardBuffer(const QString &text);

    void ClearMemoryRecord(int slot);
    void ClearDtmfRecord(int index);

    // Replaces all five band limit records from the radio's band limit list.
    void ParseBandLimits(const QString &text);

    // Empties every channel slot, then applies the default records of the
    // current radio type. Radio type, band limits and clipboard buffer stay.
    void ResetDocument();

    QString RadioType() const { return Record(rkRadioType, 0); }
    QString ClipboardBuffer() const { return Record(rkClipboard, 0); }

    static int Capacity(int kind);
    static int SlotCount(int kind); // number of valid indexes
    static int FirstIndex(int kind); // 1 for memory, 0 otherwise

private:
    QString *slot(int kind, int index);
    const QString *slot(int kind, int index) const;

    std::array<QString, kMemorySlots + 1> memory_;
    std::array<QString, kVfoSlots> vfo_;
    std::array<QString, kCallSlots> call_;
    std::array<QString, kDtmfSlots> dtmf_;
    QString radioType_;
    std::array<QString, kBandLimitSlots> bandLimit_;
    QString clipboard_;
};

// Label of memory slot 1..193: "001".."180", "L1".."U6", "PR" (empty otherwise).
QString MemorySlotLabel(int slot);
// Memory slot of a label as written above (0 when it is none of them).
int MemorySlotOfLabel(const QString &label);
