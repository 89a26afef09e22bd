// The forms of the radio's replies to the read commands. A reply that does
// not have the form of its command (line noise, a confused radio, a cut
// line) ends a read as failed instead of reaching the document or the
// settings store. The forms the radio uses for empty slots, missing VFOs and
// blank names are accepted.
#pragma once

#include "Protocol.h"

#include <QByteArray>
#include <QString>

namespace Protocol {

// The radio type string: seven comma-separated fields; field 1 one digit
// (variant), field 2 two digits (sub-variant), fields 4 to 6 empty or one
// digit, fields 0 and 3 at most two letters or digits ("0,2,00,1,1,,").
bool IsRadioTypeReply(const QString &reply);
// The band limit list: one or more pairs of 5-digit whole-MHz values, lower
// edge not above upper edge, all separated by commas.
bool IsBandLimitReply(const QString &reply);

// What is wrong with the reply to the read command of step (slot and
// subIndex as for ReadCommand), or an empty text when it has the form of
// that command. received is the reply line as it arrived (carriage returns
// included). Checked are the echo of the command head that the reply starts
// with (the characters ReplyDropCount drops) and the shape of the rest, cut
// as CutReply cuts it. Steps that are judged elsewhere (tsWake, tsAI, tsID)
// or not at all (tsCancelled) give an empty text.
QString ReadReplyProblem(TTransferStep step, const QByteArray &received, int slot, int subIndex);

} // namespace Protocol
