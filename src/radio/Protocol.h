// The QV-R381 line protocol: command texts, reply cutting, record assembly
// from read replies and command building for a write. Pure functions; the
// transfer engines decide the order of the commands.
#pragma once

#include <QByteArray>
#include <QString>

#include "data/RecordFields.h"

class TChannelDocument;

// One step of a transfer; each stands for one command.
enum TTransferStep {
    tsWake,        // empty line
    tsAI,          // "AI 0"
    tsID,          // "ID"
    tsTYD,         // radio type (read only)
    tsFL,          // band limits (read only)
    tsMemory,      // main part of slots 1..180
    tsMemorySplit, // split part of slots 1..180
    tsMemoryName,  // name of slots 1..180
    tsMemoryLU,    // slots 181..192 ("L1".."U6")
    tsMemoryPR,    // slot 193 ("PR")
    tsNamePR,      // name of slot 193
    tsClearSlot,   // "EEP" clear of an empty slot (write only)
    tsCall,        // CALL record main part
    tsCallSplit,   // CALL record split part
    tsVfo,         // VFO record of a band
    tsVfoPower,    // output power of VFO band index 1 or 3
    tsDtmf,        // DTMF memory (or its "EEP" clear when writing)
    tsPS0,         // "PS 0" (write only)
    tsPS1,         // "PS 1" (write only)
    tsCancelled,   // marks a cancelled transfer; no command
};

namespace Protocol {

// Reply text capacities of the two transfers.
constexpr int kReadReplyCapacity = 99;
constexpr int kWriteReplyCapacity = 19;

// Time-outs and pauses (ms).
constexpr int kReplyTimeout = 2000;  // Timer1
constexpr int kPowerPause = 500;     // Timer2: between the reply to "PS 0" and "PS 1"
constexpr int kCancelDelay = 300;    // Timer3

// Expected identification replies.
inline const char *const kReadIdReply = "QV-R381";     // after dropping "ID "
inline const char *const kWriteIdReply = "ID QV-R381"; // whole line

// "001".."180" for slots 1..180.
QString SlotNumberText(int slot);
// "L1", "U1", … "U6" for slots 181..192.
QString LuLabel(int slot);
// "00".."09" for DTMF memories 0..9.
QString DtmfNumberText(int number);

// Command of a read step. slot: memory slot 1..193 or DTMF number 0..9;
// subIndex: CALL record 0..1 or VFO band index 0..4. tsWake gives the empty
// line; steps without a read command give an empty text.
QString ReadCommand(TTransferStep step, int slot, int subIndex);

// Where a transfer stands at a step, for messages: "the identification",
// "memory channel 057", "memory channel L1", "CALL channel 1",
// "VFO band 2", "DTMF memory 03", ... slot and subIndex as for ReadCommand.
QString TransferPlaceText(TTransferStep step, int slot, int subIndex);

// Number of reply characters (the echoed command head) dropped for a read
// step. tsCancelled drops 7.
int ReplyDropCount(TTransferStep step);

// Reply text of the bytes received for one reply: carriage returns and line
// feeds are discarded (a radio or adapter may end its lines with CR LF), the
// first dropCount of the remaining characters are dropped and the rest is
// cut to capacity characters. Bytes are Latin-1.
QString CutReply(const QByteArray &received, int dropCount, int capacity);

// How an identification reply line is judged. One rule for the read, the
// write and the search for a radio on the ports, so they never disagree
// about a port.
enum class TIdentification {
    Match, // the expected answer
    Wait,  // not the answer (a stray or late empty line, the answer to the
           // wake-up line): keep waiting within the reply time-out
    Echo,  // the command came back as it was sent: the device echoes what
           // it receives instead of answering
    Wrong  // an answer, but not from a QV-R381
};
// line: the whole reply line (carriage returns and line feeds removed).
TIdentification JudgeAiReply(const QString &line);
// The read compares what follows the three characters it drops ("ID ")
// with "QV-R381"; the write and the port search compare the whole line
// with "ID QV-R381" (strictRule).
TIdentification JudgeIdReply(const QString &line, bool strictRule);

// Whether a name reply counts as no name: it starts with 7 or more blanks.
bool IsBlankName(const QString &reply);

// DTMF code as the radio writes it ("E", "F") to the document's "*", "#";
// a text of one character or less is left as it is.
QString DtmfFromRadio(const QString &reply);
// DTMF code of the document as the radio takes it ("*" → "E", "#" → "F").
QString DtmfToRadio(const QString &code);

// Record assembly from read replies (texts after dropping and cutting).
// main: fields 0..12; split: fields 14..15 or empty; name: raw name reply.
QString MemoryRecord(const QString &main, const QString &split, const QString &name);
QString LuRecord(const QString &main);
QString PrRecord(const QString &main, const QString &name);
// callMain: fields 1..11; callSplit: fields 14..15 or empty.
QString CallRecord(int index, const QString &callMain, const QString &callSplit);
// DTMF record of memory number from its reply text: the code converted
// from the radio's form. A memory without a code, whichever way the radio
// said so (nothing, "03", "03,"), is the number and the comma alone.
QString DtmfRecord(int number, const QString &reply);
// vfo: band code and fields 1..11 (bands 0, 2, 4).
QString VfoRecord(const QString &vfo);
// vfo with the output power code in field 16 (bands 1, 3).
QString VfoPowerRecord(const QString &vfo, const QString &power);
// Read thresholds: a main part shorter than 5 characters (slots 1..180) or
// of 4 characters or fewer (L/U, PR) means the slot is empty; a VFO reply
// of 1 character or less means no VFO.
bool MemoryReplyHasData(const QString &main);
bool LuPrReplyHasData(const QString &main);
bool VfoReplyHasData(const QString &vfo);

// "EEP" clears, hexadecimal digits in lower case.
QString SlotClearCommand(int slot);      // "EEP 0C" + hh(slot − 1) + ",01,00"
QString DtmfClearCommand(int number);    // "EEP 0CC" + h(number + 6) + ",01,FF"

// A write command built from the document.
struct TWriteCommand {
    bool due = false;           // false: nothing is sent for this step
    TTransferStep step = tsWake; // the step that becomes current (tsClearSlot for a cleared slot)
    QString text;               // the line without its carriage return
};

// Command of a write step from the document's records. slot: memory slot
// 1..193 or DTMF number 0..9; subIndex: CALL record 0..1 or VFO band index
// 0..4 (for tsVfoPower: 1 or 3).
TWriteCommand WriteCommand(TTransferStep step, const TChannelDocument &doc, int slot, int subIndex);

} // namespace Protocol
