// The forms of the radio's replies to the read commands. A reply that
// carries data without the form of its command (line noise, a confused
// radio, a cut line) ends a read as failed instead of reaching the document
// or the settings store. A reply too short to carry data is an empty item,
// whatever its characters: radios answer empty slots, missing VFOs and
// blank names in several ways ("N", "?", an empty line, a cut echo), and
// every one of them reads as the same empty item.
#pragma once

#include "Protocol.h"

#include <QByteArray>
#include <QString>

namespace Protocol {

// The radio type string: comma-separated printable text of at most 19
// characters whose field 1 (variant) is one digit and whose fields 4 to 6
// (the bands present), where given, are empty or one character; the other
// fields are not interpreted and may hold any text ("0,2,00,1,1,,").
bool IsRadioTypeReply(const QString &reply);
// The band limit list: one or more pairs of 5-digit whole-MHz values, lower
// edge not above upper edge, all separated by commas.
bool IsBandLimitReply(const QString &reply);

// Whether the reply text of a read step (after dropping and cutting)
// carries data, by the length rules of the read: shorter texts stand for an
// empty item. Radio type and band limits always carry data.
bool ReplyCarriesData(TTransferStep step, const QString &reply);

// What is wrong with the reply to the read command of step (slot and
// subIndex as for ReadCommand), or an empty text when it is acceptable.
// received is the reply line as it arrived (carriage returns and line
// feeds included). A reply that carries data must start with the echo of
// its command head (the characters ReplyDropCount drops) and have the
// shape of its command's data. Steps that are judged elsewhere (tsWake,
// tsAI, tsID) or not at all (tsCancelled) give an empty text.
QString ReadReplyProblem(TTransferStep step, const QByteArray &received, int slot, int subIndex);

} // namespace Protocol
