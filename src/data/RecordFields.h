// Layout of the record texts held by TChannelDocument: the position of every
// field of each record kind, the memory slot ranges, and a builder that
// joins fields back into a record text.
#pragma once

#include <QString>

#include <array>

// Fields of memory, CALL and VFO records (numbered 0..17). The three kinds
// share the layout; a field that does not apply to a kind is empty there.
enum ChannelField {
    cfLabel = 0,             // memory: slot label ("001", "L1", "PR")
    cfCallNumber = 0,        // CALL: "0" VHF, "1" UHF
    cfBandCode = 0,          // VFO: band code "1", "2", "5", "6", "8"
    cfReceiveFrequency = 1,  // 11 digits, Hz
    cfStep = 2,              // step code
    cfShift = 3,             // "0" simplex, "1" plus, "2" minus, "3" minus 7.6 MHz
    cfReverse = 4,           // "1" / "0"
    cfToneOn = 5,            // tone encoder "1" / "0"
    cfCtcssOn = 6,           // "1" / "0"
    cfUnused7 = 7,           // carried unchanged, rebuilt empty
    cfToneCode = 8,          // "01".."39"
    cfUnused9 = 9,
    cfCtcssCode = 10,        // "01".."39"
    cfOffset = 11,           // VFO: 9 digits, Hz
    cfLockOut = 12,          // memory slots 1..180: "1" / "0"
    cfUnused13 = 13,
    cfTransmitFrequency = 14,// memory 1..180 and CALL: split transmit frequency
    cfTransmitStep = 15,     // step code written with the transmit frequency
    cfPower = 16,            // VFO bands 1 and 3: "0" High .. "3" EL
    cfName = 17,             // memory slots 1..180 and PR
    cfLastChannelField = 17,
};

// Fields of a DTMF memory record: "03,12*#".
enum DtmfField {
    dfNumber = 0, // "00".."09"
    dfCode = 1,
};

// Fields of the radio type string.
enum RadioTypeField {
    tfVariant = 1,     // "0".."3": defaults and the 430/440 MHz label
    tfSubVariant = 2,  // "00", "05"
    tfHas118 = 4,      // "1": band index 0 present
    tfHas300 = 5,      // "1": band index 2 present
    tfOption800 = 6,   // "1" or "2": band index 4 present ("2": 860 MHz default)
};

// Fields of a band limit record: "00136,00173".
enum BandLimitField {
    bfLower = 0,
    bfUpper = 1,
};

// Memory slot ranges.
constexpr int kFirstMemorySlot = 1;
constexpr int kLastNumberedSlot = 180; // "001".."180": split, name, lock-out
constexpr int kFirstLuSlot = 181;      // "L1"
constexpr int kLastLuSlot = 192;       // "U6"
constexpr int kPrSlot = 193;           // "PR": name, no split, no lock-out
constexpr int kLastMemorySlot = kPrSlot;

inline bool IsNumberedSlot(int slot) { return slot >= kFirstMemorySlot && slot <= kLastNumberedSlot; }
inline bool IsLuSlot(int slot) { return slot >= kFirstLuSlot && slot <= kLastLuSlot; }
// Slots whose records carry a name: 1..180 and PR.
inline bool IsNamedSlot(int slot) { return IsNumberedSlot(slot) || slot == kPrSlot; }

// Field text checks shared by the rules that judge untrusted records
// (clipboard, radio replies, paste).
inline bool IsDecimalDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
// True when text is exactly length decimal digits (a frequency, an offset).
bool IsDigitText(const QString &text, int length);

// Field of a record text: the text between the field-th and the next comma
// (empty beyond the end); field numbers above 17 read field 17.
QString RecordTextField(const QString &record, int field);

// Builds a record text from its fields. Fields not set are empty. A run
// stands for the consecutive fields first..last given as one comma-separated
// text (a part of a radio reply) and is copied exactly as it is, even when it
// holds fewer or more commas than that; so a reply never shifts or loses
// the fields set after it.
class TRecordBuilder {
public:
    TRecordBuilder &Set(int field, const QString &text);
    TRecordBuilder &SetRun(int first, int last, const QString &text);
    // Fields 0..lastField joined with commas.
    QString Text(int lastField = cfLastChannelField) const;

private:
    static constexpr int kFields = cfLastChannelField + 1;
    std::array<QString, kFields> fields_;
    std::array<int, kFields> runEnd_{}; // last field a run set at this field covers (0: none)
};
