// Shapes of the read replies, as the radio sends them.
#include "ReplyForms.h"

#include "data/BandPlan.h"
#include "data/RecordFields.h"

#include <QStringList>

namespace Protocol {

namespace {

constexpr int kFrequencyDigits = 11;
constexpr int kMaxDtmfCode = 16;
constexpr int kMaxNameReply = 13;

bool OneDigit(const QString &text)
{
    return IsDigitText(text, 1);
}

bool EmptyOrOneDigit(const QString &text)
{
    return text.isEmpty() || OneDigit(text);
}

bool ShortAlphanumeric(const QString &text)
{
    if (text.size() > 2)
        return false;
    for (QChar c : text)
        if (!(IsDecimalDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
              || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))))
            return false;
    return true;
}

// Fields 1..11 of a channel reply from position `first` on: the receive
// frequency, then step, shift, reverse, tone and CTCSS as single digits,
// the tone codes and the offset.
QString ChannelFieldsProblem(const QStringList &f, int first)
{
    if (!IsDigitText(f.at(first), kFrequencyDigits))
        return QStringLiteral("has no 11-digit frequency");
    for (int i = first + 1; i <= first + 5; ++i)
        if (!OneDigit(f.at(i)))
            return QStringLiteral("has no one-digit code in field %1").arg(i - first + 1);
    // Fields 7 and 9 are empty; tone and CTCSS codes (fields 8 and 10) two
    // digits when given; field 11 empty or a 9-digit offset.
    for (int i : {first + 6, first + 8})
        if (!f.at(i).isEmpty())
            return QStringLiteral("has text in field %1").arg(i - first + 1);
    for (int i : {first + 7, first + 9})
        if (!f.at(i).isEmpty() && !IsDigitText(f.at(i), 2))
            return QStringLiteral("has no two-digit tone code in field %1").arg(i - first + 1);
    if (!f.at(first + 10).isEmpty() && !IsDigitText(f.at(first + 10), 9))
        return QStringLiteral("has no 9-digit offset in field 11");
    return QString();
}

// Main part of a memory slot: the slot label and fields 1..12.
QString MainPartProblem(const QString &reply, const QString &label)
{
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 13)
        return QStringLiteral("has %1 fields instead of 13").arg(f.size());
    if (f.at(0) != label)
        return QStringLiteral("is for slot \"%1\"").arg(f.at(0));
    const QString problem = ChannelFieldsProblem(f, 1);
    if (!problem.isEmpty())
        return problem;
    if (!EmptyOrOneDigit(f.at(12)))
        return QStringLiteral("has no one-digit lock-out");
    return QString();
}

// Split part: empty, or the transmit frequency and its step code.
QString SplitProblem(const QString &reply)
{
    if (reply.isEmpty())
        return QString();
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 2 || !IsDigitText(f.at(0), kFrequencyDigits) || !EmptyOrOneDigit(f.at(1)))
        return QStringLiteral("is no transmit frequency and step");
    return QString();
}

QString NameProblem(const QString &reply)
{
    if (IsBlankName(reply))
        return QString();
    if (reply.size() > kMaxNameReply)
        return QStringLiteral("is longer than a name");
    for (QChar c : reply)
        if (c == QLatin1Char(',') || c.unicode() < 0x20 || c.unicode() > 0x7e)
            return QStringLiteral("holds a character no name has");
    return QString();
}

QString CallProblem(const QString &reply)
{
    if (reply.isEmpty())
        return QString(); // an empty CALL channel
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 11)
        return QStringLiteral("has %1 fields instead of 11").arg(f.size());
    return ChannelFieldsProblem(f, 0);
}

QString VfoProblem(const QString &reply, int band)
{
    if (!VfoReplyHasData(reply))
        return QString(); // no VFO for this band
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 12)
        return QStringLiteral("has %1 fields instead of 12").arg(f.size());
    if (f.at(0) != BandCode(band))
        return QStringLiteral("is for band \"%1\"").arg(f.at(0));
    return ChannelFieldsProblem(f, 1);
}

QString PowerProblem(const QString &reply)
{
    if (reply.isEmpty())
        return QString();
    if (reply.size() != 1 || reply.at(0) < QLatin1Char('0') || reply.at(0) > QLatin1Char('3'))
        return QStringLiteral("is no output power code");
    return QString();
}

QString DtmfProblem(const QString &reply, int number)
{
    if (reply.size() <= 1)
        return QString();
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 2 || f.at(0) != QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')))
        return QStringLiteral("is not DTMF memory %1").arg(number, 2, 10, QLatin1Char('0'));
    if (f.at(1).size() > kMaxDtmfCode)
        return QStringLiteral("has a DTMF code longer than 16 characters");
    for (QChar c : f.at(1))
        if (!(IsDecimalDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return QStringLiteral("has a character no DTMF code has");
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
    const QStringList f = reply.split(QLatin1Char(','));
    if (f.size() != 7)
        return false;
    return ShortAlphanumeric(f.at(0)) && OneDigit(f.at(1)) && IsDigitText(f.at(2), 2)
           && ShortAlphanumeric(f.at(3)) && EmptyOrOneDigit(f.at(4)) && EmptyOrOneDigit(f.at(5))
           && EmptyOrOneDigit(f.at(6));
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

    // The echo: a reply shorter than the head (the radio's form for some
    // empty items) must still be the start of it.
    const int drop = ReplyDropCount(step);
    const QString whole = CutReply(received, 0, drop);
    const QString head = ExpectedHead(step, slot, subIndex);
    if (whole != head.left(whole.size()))
        return QStringLiteral("does not start with the echo \"%1\"").arg(head);

    const QString reply = CutReply(received, drop, kReadReplyCapacity);
    switch (step) {
    case tsTYD:
        return IsRadioTypeReply(reply) ? QString() : QStringLiteral("is no radio type");
    case tsFL:
        return IsBandLimitReply(reply) ? QString() : QStringLiteral("is no band limit list");
    case tsMemory:
        return MemoryReplyHasData(reply) ? MainPartProblem(reply, SlotNumberText(slot)) : QString();
    case tsMemoryLU:
        return LuPrReplyHasData(reply) ? MainPartProblem(reply, LuLabel(slot)) : QString();
    case tsMemoryPR:
        return LuPrReplyHasData(reply) ? MainPartProblem(reply, QStringLiteral("PR")) : QString();
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
