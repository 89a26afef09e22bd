// The rules are those of a record the editors build and a data file holds.
#include "ClipboardRecordCheck.h"

#include "BandPlan.h"
#include "ChannelRecord.h"
#include "RecordFields.h"
#include "ChannelDocument.h"
#include "FrequencyRules.h"

#include <QStringList>

namespace {

constexpr int kRecordFields = kLastField + 1; // 18
constexpr int kNameBoxLength = 13;
constexpr int kOffsetDigits = 9;
constexpr int kMaxDtmfCode = 16;

bool IsFieldZero(const QString &text)
{
    if (MemorySlotOfLabel(text) != 0)
        return true;
    if (text == QLatin1String("0") || text == QLatin1String("1"))
        return true; // CALL number (or the 118 MHz band code)
    return text.size() == 1 && BandOfCode(text.at(0)) >= 0;
}

QString DtmfProblem(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 2)
        return QStringLiteral("a DTMF record has two fields");
    if (!IsDigitText(fields.at(dfNumber), 2) || fields.at(dfNumber).at(0) != QLatin1Char('0'))
        return QStringLiteral("DTMF number is not 00..09");
    const QString &code = fields.at(dfCode);
    if (code.size() > kMaxDtmfCode)
        return QStringLiteral("DTMF code longer than 16 characters");
    for (QChar c : code) {
        const bool allowed = IsDecimalDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('D'))
                             || c == QLatin1Char('*') || c == QLatin1Char('#');
        if (!allowed)
            return QStringLiteral("DTMF code character '%1' not allowed").arg(c);
    }
    return QString();
}

QString ChannelProblem(const TChannelDocument &doc, const QString &text)
{
    if (text.size() > kRecordCapacity)
        return QStringLiteral("longer than 99 characters");
    const QStringList f = text.split(QLatin1Char(','));
    if (f.size() != kRecordFields)
        return QStringLiteral("%1 fields instead of 18").arg(f.size());
    if (!IsFieldZero(f.at(cfLabel)))
        return QStringLiteral("field 0 is no slot label, CALL number or band code");
    QString problem = RecordFrequencyProblem(doc, f.at(cfReceiveFrequency));
    if (!problem.isEmpty())
        return QStringLiteral("receive frequency ") + problem;
    if (!IsCodeIn(f.at(cfStep), '0', '9'))
        return QStringLiteral("step code is not 0..9");
    if (!IsCodeIn(f.at(cfShift), '0', '3'))
        return QStringLiteral("shift is not 0..3");
    for (int field : {cfReverse, cfToneOn, cfCtcssOn})
        if (!IsCodeIn(f.at(field), '0', '1'))
            return QStringLiteral("field %1 is not 0 or 1").arg(field);
    for (int field : {cfUnused7, cfUnused9, cfUnused13})
        if (!f.at(field).isEmpty())
            return QStringLiteral("field %1 is not empty").arg(field);
    for (int field : {cfToneCode, cfCtcssCode})
        if (!f.at(field).isEmpty() && !IsToneTableCode(f.at(field)))
            return QStringLiteral("field %1 is no tone code 01..39").arg(field);
    if (!f.at(cfOffset).isEmpty() && !IsDigitText(f.at(cfOffset), kOffsetDigits))
        return QStringLiteral("offset is not 9 digits");
    if (!f.at(cfLockOut).isEmpty() && !IsCodeIn(f.at(cfLockOut), '0', '1'))
        return QStringLiteral("lock-out is not 0 or 1");
    if (!f.at(cfTransmitFrequency).isEmpty()) {
        problem = RecordFrequencyProblem(doc, f.at(cfTransmitFrequency));
        if (!problem.isEmpty())
            return QStringLiteral("transmit frequency ") + problem;
        if (!IsCodeIn(f.at(cfTransmitStep), '0', '9'))
            return QStringLiteral("split step code is not 0..9");
    } else if (!f.at(cfTransmitStep).isEmpty()) {
        return QStringLiteral("split step code without a transmit frequency");
    }
    if (!f.at(cfPower).isEmpty() && !IsCodeIn(f.at(cfPower), '0', '3'))
        return QStringLiteral("output power is not 0..3");
    // A name that breaks the name rule is no reason to refuse the record:
    // Paste takes a name only when it passes the rule, and leaves the
    // channel without one otherwise. Characters no name box takes (control
    // or non-ASCII characters) or more than the box holds are another
    // matter: no copy of this program puts them there.
    const QString &name = f.at(cfName);
    if (name.size() > kNameBoxLength)
        return QStringLiteral("name is longer than 13 characters");
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return QStringLiteral("name holds a character no name box takes");
    return QString();
}

} // namespace

QString ClipboardRecordProblem(const TChannelDocument &doc, const QString &text)
{
    if (text.isEmpty())
        return QString();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u > 0x7e)
            return QStringLiteral("character U+%1 outside printable ASCII")
                .arg(unsigned(u), 4, 16, QLatin1Char('0'));
    }
    if (text.size() < kClipboardChannelMinLength)
        return DtmfProblem(text);
    return ChannelProblem(doc, text);
}

bool IsValidClipboardRecord(const TChannelDocument &doc, const QString &text)
{
    return ClipboardRecordProblem(doc, text).isEmpty();
}
