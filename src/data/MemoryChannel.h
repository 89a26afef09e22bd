// The memory channel editor's commit as a plain function: the values of
// the dialog's controls turned into the record text of one slot through the
// frequency and name rules, so every other way into a memory slot (CSV
// import, pasted text) builds exactly the record the editor would.
#pragma once

#include <QString>

class TChannelDocument;

struct TMemoryChannelEntry {
    QString rxText;         // receive frequency as typed (MHz)
    QString txText;         // transmit frequency of a split channel; empty: not split
    int stepPosition = 0;   // editor step list position 0..7
    QChar shift = QLatin1Char('0'); // '0' simplex, '1' plus, '2' minus, '3' -7.6 MHz
    bool reverse = false;
    bool tone = false;
    bool ctcss = false;
    int tonePosition = 7;   // editor tone list positions (7 is 88.5 Hz)
    int ctcssPosition = 7;
    bool lockOut = false;
    QString name;

    // What a change of other fields must leave as the slot's record has it
    // (the table's cell edits, bulk edits and moves; the editor sets none
    // of these). Whoever changes a value clears its entry here.
    // Frequencies written back exactly, neither clamped nor rounded.
    bool rxAsStored = false;
    bool txAsStored = false;
    // Codes that no list position writes (step "7" 30 kHz and "9" 100 kHz,
    // tone "02" 69.4 Hz), written in place of the position's code; any
    // other code here is ignored. A kept step code gives way to the
    // position when a frequency is rounded in a band that forces the step.
    QString stepCode;
    QString toneCode;
    QString ctcssCode;
};

struct TMemoryRecordResult {
    enum Error { None, InvalidFrequency, InvalidName };
    Error error = None;
    QString record;         // the record text (empty on an error)
    int band = 1;           // band the receive frequency was clamped into
    int stepPosition = 0;   // step position after the 800 MHz forcing
    bool adjusted = false;  // a frequency was clamped or rounded
    QString rxRecord;       // 11-digit receive frequency
    QString txRecord;       // 11-digit transmit frequency of a split channel
};

// Builds the record of memory slot 1..193 as the memory editor's OK does:
// both frequencies normalized, the name checked, the receive frequency
// clamped and rounded in its own band and the transmit frequency of a split
// channel in the same band and step.
TMemoryRecordResult BuildMemoryRecord(const TChannelDocument &doc, int slot, const TMemoryChannelEntry &entry);

// Whether the -7.6 MHz shift is offered under the document's radio type
// (market code '3' with a variant other than "05").
bool Minus76ShiftOffered(const TChannelDocument &doc);
