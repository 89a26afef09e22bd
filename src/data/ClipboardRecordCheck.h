// Field-by-field check of a record taken from the clipboard, before it may
// reach the staging buffer: the clipboard is shared with every other
// program, so its content is untrusted input.
#pragma once

#include <QString>

class TChannelDocument;

// Length from which a clipboard text is a channel record (memory, VFO,
// CALL); shorter texts are DTMF records.
constexpr int kClipboardChannelMinLength = 20;

// Whether text (the payload with commas in place of tabs) is a record this
// program could have copied under the document's radio type and band
// limits. An empty text is valid (an empty slot was copied).
//
// A channel record (20 characters or more, at most 99) has exactly the 18
// fields of a record:
//   0  a memory slot label, a CALL number "0"/"1" or a band code;
//   1  11 digits, below 1 GHz, in a band the radio has and inside that
//      band's limits;
//   2  a step code "0".."9"; 3 shift "0".."3"; 4, 5, 6 "0" or "1";
//   7, 9, 13 empty;
//   8, 10 a tone code "01".."39" (or empty, read as "09");
//   11 empty or a 9-digit offset; 12 empty, "0" or "1";
//   14 empty, or a transmit frequency under the rules of field 1;
//   15 empty, or with field 14 a step code; 16 empty or "0".."3";
//   17 up to 13 printable ASCII characters: a name that breaks the name
//      rule is dropped by Paste, the record is not refused for it.
// A DTMF record (1 to 19 characters) is "00".."09", a comma and up to 16
// characters from "0".."9", "A".."D", "*" and "#".
bool IsValidClipboardRecord(const TChannelDocument &doc, const QString &text);

// Why the text is refused (empty when it is valid); for tests and logs.
QString ClipboardRecordProblem(const TChannelDocument &doc, const QString &text);
