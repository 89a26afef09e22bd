// Shapes of the read replies, as radios send them.
//
// Which replies mean "empty" and which must have which form. Each rule
// below rests on the sentence of the protocol quoted with it; the tests
// follow the same sentences.
//
// Every read step: the reply is cut by "carriage returns are discarded, and
// of the remaining characters the first k are dropped", and "Replies
// shorter than the dropped prefix leave an empty reply text; the length
// rules of the read table then treat the item as empty." So a reply no
// longer than its k characters is an empty item whatever those characters
// are ("N", "?", an empty line, a cut echo), and its echo is not checked.
// Line feeds are discarded like carriage returns (CR LF line ends).
//
// The echo (the k dropped characters) is checked only where the reply is
// long enough to carry data, against the command head it echoes; "PC" is
// the exception: its five dropped characters are not compared ("PC 0" is
// answered by the power code after whatever five characters the radio
// puts first).
//
//  step        empty item (no form checked)            form when it carries data
//  TYD         never: a type is always needed          "stored whole as the radio type text
//                                                      (at most 19 characters)"; fields 0, 2,
//                                                      3 and any past 6 are not read as numbers
//                                                      (any text); trailing fields may be left
//                                                      off ("A field beyond the end of the text
//                                                      is empty")
//  FL          never: limits are always needed         "5-digit whole-MHz values in pairs"
//  MR 0,0,nnn  "fewer than 5 characters means the      the slot label and fields 1..12;
//              slot is empty in the radio"             field 7 "carried unchanged" (any text)
//  MR 0,1,nnn  "empty means no split transmit          f14,f15; "," (both fields empty) is the
//              frequency"                              same record as an empty reply
//  MNA 0,nnn   empty; "a reply that starts with 7 or   a name of printable characters
//              more blanks counts as no name"
//  MR 0,0,L/U  "4 characters or fewer means empty"     as MR 0,0,nnn with the L/U label
//  MR 0,0,PR   "4 characters or fewer means empty"     as MR 0,0,nnn with the label PR
//  MNA 0,PR    as MNA 0,nnn                            as MNA 0,nnn
//  CR i,0      empty (the record is "always            fields 1..11
//              overwritten, even with nearly empty
//              texts")
//  CR i,1      "empty means none"; "," as for MR 0,1   f14,f15
//  VR c        "1 character or less means none"        the band code and fields 1..11
//  PC i        empty: no power code                    one power code "0".."3"
//  DM nn       1 character or less ("when longer than  "nn" alone (the memory with no code),
//              1 character" E and F are converted)     or "nn," and the code
#include "ReplyForms.h"

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/RecordFields.h"

#include <QCoreApplication>
#include <QStringList>

namespace Protocol {

namespace {

constexpr int kFrequencyDigits = 11;
constexpr int kMaxDtmfCode = 16;
constexpr int kMaxNameReply = 13;
// Longest text kept in the carried fields 7 and 9: with the longest values
// of every other field, a split part and a name, a record of 99 characters.
constexpr int kMaxCarriedField = 8;

bool OneDigit(const QString &text)
{
    return IsDigitText(text, 1);
}

bool EmptyOrOneDigit(const QString &text)
{
    return text.isEmpty() || OneDigit(text);
}

// Printable ASCII without a comma: a field that is carried, not read.
bool IsPlainField(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == QLatin1Char(','))
            return false;
    return true;
}

// Fields 1..11 of a channel reply from position `first` on: the receive
// frequency, then step, shift, reverse, tone and CTCSS as single digits,
// the tone codes and the offset.
QString ChannelFieldsProblem(const QStringList &f, int first)
{
    if (!IsDigitText(f.at(first), kFrequencyDigits))
        return QCoreApplication::translate("Transfer", "has no 11-digit frequency");
    for (int i = first + 1; i <= first + 5; ++i)
        if (!OneDigit(f.at(i)))
            return QCoreApplication::translate("Transfer", "has no one-digit code in field %1").arg(i - first + 1);
    // Fields 7 and 9 are carried unchanged, whatever printable text they
    // hold, as long as the record still fits its slot together with a
    // split part and a name (longer texts would be cut, and the record with
    // them); tone and CTCSS codes (fields 8 and 10) two digits when given;
    // field 11 empty or a 9-digit offset.
    for (int i : {first + 6, first + 8}) {
        if (!IsPlainField(f.at(i)))
            return QCoreApplication::translate("Transfer", "has a control character in field %1").arg(i - first + 1);
        if (f.at(i).size() > kMaxCarriedField)
            return QCoreApplication::translate("Transfer", "has more than %1 characters in field %2").arg(kMaxCarriedField).arg(i - first + 1);
    }
    for (int i : {first + 7, first + 9})
        if (!f.at(i).isEmpty() && !IsDigitText(f.at(i), 2))
            return QCoreApplication::translate("Transfer", "has no two-digit tone code in field %1").arg(i - first + 1);
    if (!f.at(first + 10).isEmpty() && !IsDigitText(f.at(first + 10), 9))
        return QCoreApplication::translate("Transfer", "has no 9-digit offset in field 11");
    return QString();
}

// Main part of a memory slot: the slot label and fields 1..12.
QString MainPartProblem(const QString &reply, const QString &label)
{
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 13)
        return QCoreApplication::translate("Transfer", "has %1 fields instead of 13").arg(f.size());
    if (f.at(0) != label)
        return QCoreApplication::translate("Transfer", "is for slot \"%1\"").arg(f.at(0));
    const QString problem = ChannelFieldsProblem(f, 1);
    if (!problem.isEmpty())
        return problem;
    if (!EmptyOrOneDigit(f.at(cfLockOut)))
        return QCoreApplication::translate("Transfer", "has no one-digit lock-out");
    return QString();
}

// Split part with data: the transmit frequency and its step code.
QString SplitProblem(const QString &reply)
{
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 2 || !IsDigitText(f.at(0), kFrequencyDigits) || !EmptyOrOneDigit(f.at(1)))
        return QCoreApplication::translate("Transfer", "is no transmit frequency and step");
    return QString();
}

QString NameProblem(const QString &reply)
{
    if (reply.size() > kMaxNameReply)
        return QCoreApplication::translate("Transfer", "is longer than a name");
    for (QChar c : reply)
        if (c == QLatin1Char(',') || c.unicode() < 0x20 || c.unicode() > 0x7e)
            return QCoreApplication::translate("Transfer", "holds a character no name has");
    return QString();
}

QString CallProblem(const QString &reply)
{
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 11)
        return QCoreApplication::translate("Transfer", "has %1 fields instead of 11").arg(f.size());
    return ChannelFieldsProblem(f, 0);
}

QString VfoProblem(const QString &reply, int band)
{
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 12)
        return QCoreApplication::translate("Transfer", "has %1 fields instead of 12").arg(f.size());
    if (f.at(0) != BandCode(band))
        return QCoreApplication::translate("Transfer", "is for band \"%1\"").arg(f.at(0));
    return ChannelFieldsProblem(f, 1);
}

QString PowerProblem(const QString &reply)
{
    if (reply.size() != 1 || reply.at(0) < QLatin1Char('0') || reply.at(0) > QLatin1Char('3'))
        return QCoreApplication::translate("Transfer", "is no output power code");
    return QString();
}

QString DtmfProblem(const QString &reply, int number)
{
    const QStringList f = reply.split(QLatin1Char(','));
    // "DM 03" alone: memory 03 holds no code.
    if (f.size() > 2 || f.at(0) != DtmfNumberText(number))
        return QCoreApplication::translate("Transfer", "is not DTMF memory %1").arg(DtmfNumberText(number));
    if (f.size() == 1)
        return QString();
    if (f.at(1).size() > kMaxDtmfCode)
        return QCoreApplication::translate("Transfer", "has a DTMF code longer than 16 characters");
    for (QChar c : f.at(1))
        if (!(IsDecimalDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return QCoreApplication::translate("Transfer", "has a character no DTMF code has");
    return QString();
}

// The echo the reply starts with: the command, then the separator the
// radio puts before its data (a blank after "TYD" and "FL", else a comma).
QString ExpectedHead(TTransferStep step, int slot, int subIndex)
{
    const QString command = ReadCommand(step, slot, subIndex);
    const QLatin1Char separator(step == tsTYD || step == tsFL ? ' ' : ',');
    return (command + separator).left(ReplyDropCount(step));
}

} // namespace

bool IsRadioTypeReply(const QString &reply)
{
    // "stored whole as the radio type text (at most 19 characters)", and
    // "A field beyond the end of the text is empty": a radio may leave off
    // trailing empty fields or add fields that nothing reads. What is read
    // must make sense: the variant a single digit, the band flags (fields
    // 4 to 6) empty or a single character.
    if (reply.size() > kRadioTypeCapacity || !IsPlainField(QString(reply).remove(QLatin1Char(','))))
        return false;
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() <= tfVariant || !OneDigit(f.at(tfVariant)))
        return false;
    for (int field : {tfHas118, tfHas300, tfOption800})
        if (field < f.size() && f.at(field).size() > 1)
            return false;
    return true;
}

bool IsBandLimitReply(const QString &reply)
{
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() < 2 || f.size() % 2 != 0)
        return false;
    for (int i = 0; i < f.size(); i += 2) {
        if (!IsDigitText(f.at(i), 5) || !IsDigitText(f.at(i + 1), 5))
            return false;
        if (f.at(i) > f.at(i + 1))
            return false;
    }
    return true;
}

bool ReplyCarriesData(TTransferStep step, const QString &reply)
{
    switch (step) {
    case tsTYD:
    case tsFL:
        return true;
    case tsMemory:
        return MemoryReplyHasData(reply);
    case tsMemoryLU:
    case tsMemoryPR:
        return LuPrReplyHasData(reply);
    case tsVfo:
        return VfoReplyHasData(reply);
    case tsDtmf:
        return reply.size() > 1;
    case tsMemorySplit:
    case tsCallSplit:
        return !reply.isEmpty() && reply != QLatin1String(",");
    case tsMemoryName:
    case tsNamePR:
        return !reply.isEmpty() && !IsBlankName(reply);
    default:
        return !reply.isEmpty();
    }
}

QString ReadReplyProblem(TTransferStep step, const QByteArray &received, int slot, int subIndex)
{
    switch (step) {
    case tsWake:
    case tsAI:
    case tsID:
    case tsCancelled:
    case tsClearSlot:
    case tsPS0:
    case tsPS1:
        return QString();
    default:
        break;
    }

    const int drop = ReplyDropCount(step);
    const QString reply = CutReply(received, drop, kReadReplyCapacity);
    if (!ReplyCarriesData(step, reply))
        return QString(); // an empty item, in whatever form it came

    if (step != tsVfoPower) {
        const QString head = ExpectedHead(step, slot, subIndex);
        if (CutReply(received, 0, drop) != head)
            return QCoreApplication::translate("Transfer", "does not start with the echo \"%1\"").arg(head);
    }

    switch (step) {
    case tsTYD:
        return IsRadioTypeReply(reply) ? QString() : QCoreApplication::translate("Transfer", "is no radio type");
    case tsFL:
        return IsBandLimitReply(reply) ? QString() : QCoreApplication::translate("Transfer", "is no band limit list");
    case tsMemory:
        return MainPartProblem(reply, SlotNumberText(slot));
    case tsMemoryLU:
        return MainPartProblem(reply, LuLabel(slot));
    case tsMemoryPR:
        return MainPartProblem(reply, QStringLiteral("PR"));
    case tsMemorySplit:
    case tsCallSplit:
        return SplitProblem(reply);
    case tsMemoryName:
    case tsNamePR:
        return NameProblem(reply);
    case tsCall:
        return CallProblem(reply);
    case tsVfo:
        return VfoProblem(reply, subIndex);
    case tsVfoPower:
        return PowerProblem(reply);
    case tsDtmf:
        return DtmfProblem(reply, slot);
    default:
        return QString();
    }
}

} // namespace Protocol
