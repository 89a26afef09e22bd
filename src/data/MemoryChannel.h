// The memory channel: one load and one commit that every way into a memory
// slot goes through (the Memory Channel editor, the table's cells, Bulk
// Edit, slot moves, CSV rows). The entry holds the values the user sees in
// record codes; the commit turns it into the slot's record text through the
// frequency and name rules, exactly as the editor's OK stores it.
#pragma once

#include "ChannelRecord.h"

#include <QString>
#include <QStringList>

class TChannelDocument;

struct TMemoryChannelEntry {
    QString rxText;         // receive frequency as typed (MHz)
    QString txText;         // transmit frequency of a split channel; empty: not split
    // Step code "0".."9" to store. Empty: none chosen: the commit takes the
    // default step when it holds the frequencies, else the largest offered
    // step that holds them (a new channel keeps its frequency). A code the
    // step list cannot show ("7" 30 kHz, "9" 100 kHz) is kept, and the
    // frequencies round to 5 kHz meanwhile, which divides both.
    QString stepCode;
    QChar shift = QLatin1Char('0'); // '0' simplex, '1' plus, '2' minus, '3' -7.6 MHz
    bool reverse = false;
    bool tone = false;
    bool ctcss = false;
    QString toneCode = QStringLiteral("09");  // "01".."39" (anything else: "09", 88.5 Hz)
    QString ctcssCode = QStringLiteral("09");
    bool lockOut = false;
    QString name;

    // Frequencies written back exactly, neither clamped nor rounded: a
    // change of other fields leaves them as the slot's record has them.
    // Whoever changes a frequency clears its flag.
    bool rxAsStored = false;
    bool txAsStored = false;
};

struct TMemoryRecordResult {
    enum Error { None, InvalidFrequency, InvalidName };
    Error error = None;
    QString record;         // the record text (empty on an error)
    int band = 1;           // band the receive frequency was clamped into
    int stepPosition = 0;   // step list position the frequencies were rounded to
    QString stepCode;       // step code stored
    bool adjusted = false;  // a frequency was clamped or rounded
    QStringList moves;      // each frequency moved: "430.800 MHz -> 173.995 MHz"
    QString rxRecord;       // 11-digit receive frequency
    QString txRecord;       // 11-digit transmit frequency of a split channel
};

// The entry of memory slot 1..193 as the Memory Channel editor shows it:
// an empty field takes the editor's default, a code outside its table the
// value the editor shows for it; codes the lists cannot show are kept.
// Frequencies the record holds are marked as stored.
TMemoryChannelEntry LoadMemoryChannel(const TChannelDocument &doc, int slot);
// The same for a record text placed in slot (a record moving between slots).
TMemoryChannelEntry LoadMemoryChannel(const TChannelDocument &doc, int slot, const QString &record);

// The record of memory slot 1..193 as the Memory Channel editor's OK builds
// it: both frequencies normalized, the name checked, the receive frequency
// clamped and rounded in its own band and the transmit frequency of a split
// channel in the same band and step. Does not touch the document.
TMemoryRecordResult CommitMemoryChannel(const TChannelDocument &doc, int slot, const TMemoryChannelEntry &entry);

// Whether the -7.6 MHz shift is offered under the document's radio type
// (market code '3' with a variant other than "05").
bool Minus76ShiftOffered(const TChannelDocument &doc);
