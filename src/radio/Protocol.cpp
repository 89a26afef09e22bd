// The QV-R381 line protocol: command texts, reply cutting, record assembly
// and write commands.
#include "Protocol.h"

#include <QCoreApplication>

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/RecordFields.h"

namespace Protocol {

namespace {

// Each listed field of a record, each preceded by a comma.
QString Fields(const TChannelDocument &doc, int kind, int index, int first, int last)
{
    QString text;
    for (int field = first; field <= last; ++field) {
        text += QLatin1Char(',');
        text += doc.GetRecordField(kind, index, field);
    }
    return text;
}

QString LowerHex(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toLower();
}

// Label of a slot as the memory commands address it.
QString SlotAddress(TTransferStep step, int slot)
{
    switch (step) {
    case tsMemoryLU:
        return LuLabel(slot);
    case tsMemoryPR:
    case tsNamePR:
        return QStringLiteral("PR");
    default:
        return SlotNumberText(slot);
    }
}

TWriteCommand Due(TTransferStep step, const QString &text)
{
    TWriteCommand command;
    command.due = true;
    command.step = step;
    command.text = text;
    return command;
}

TWriteCommand NotDue(TTransferStep step)
{
    TWriteCommand command;
    command.step = step;
    return command;
}

} // namespace

QString SlotNumberText(int slot)
{
    return QStringLiteral("%1").arg(slot, 3, 10, QLatin1Char('0'));
}

QString LuLabel(int slot)
{
    if (slot < kFirstLuSlot || slot > kLastLuSlot)
        return QString();
    return QLatin1String(slot % 2 ? "L" : "U") + QString::number((slot - kFirstLuSlot) / 2 + 1);
}

QString DtmfNumberText(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString ReadCommand(TTransferStep step, int slot, int subIndex)
{
    switch (step) {
    case tsWake:
        return QString();
    case tsAI:
        return QStringLiteral("AI 0");
    case tsID:
        return QStringLiteral("ID");
    case tsTYD:
        return QStringLiteral("TYD");
    case tsFL:
        return QStringLiteral("FL");
    case tsMemory:
        return QStringLiteral("MR 0,0,") + SlotNumberText(slot);
    case tsMemorySplit:
        return QStringLiteral("MR 0,1,") + SlotNumberText(slot);
    case tsMemoryName:
        return QStringLiteral("MNA 0,") + SlotNumberText(slot);
    case tsMemoryLU:
        return QStringLiteral("MR 0,0,") + LuLabel(slot);
    case tsMemoryPR:
        return QStringLiteral("MR 0,0,PR");
    case tsNamePR:
        return QStringLiteral("MNA 0,PR");
    case tsCall:
        return QStringLiteral("CR %1,0").arg(subIndex);
    case tsCallSplit:
        return QStringLiteral("CR %1,1").arg(subIndex);
    case tsVfo:
        return QStringLiteral("VR ") + BandCode(subIndex);
    case tsVfoPower:
        return QLatin1String(subIndex == 3 ? "PC 1" : "PC 0");
    case tsDtmf:
        return QStringLiteral("DM ") + DtmfNumberText(slot);
    default:
        return QString();
    }
}

QString TransferPlaceText(TTransferStep step, int slot, int subIndex)
{
    const auto memory = [slot] {
        if (slot >= 1 && slot <= 180)
            return QCoreApplication::translate("Transfer", "memory channel %1").arg(SlotNumberText(slot));
        if (slot >= 181 && slot <= 192)
            return QCoreApplication::translate("Transfer", "memory channel %1").arg(LuLabel(slot));
        return QCoreApplication::translate("Transfer", "memory channel PR");
    };
    switch (step) {
    case tsWake:
        return QCoreApplication::translate("Transfer", "the wake-up line");
    case tsAI:
        return QStringLiteral("\"AI 0\"");
    case tsID:
        return QCoreApplication::translate("Transfer", "the identification");
    case tsTYD:
        return QCoreApplication::translate("Transfer", "the radio type");
    case tsFL:
        return QCoreApplication::translate("Transfer", "the band limits");
    case tsMemory:
    case tsMemorySplit:
    case tsMemoryName:
    case tsMemoryLU:
    case tsClearSlot:
        return memory();
    case tsMemoryPR:
    case tsNamePR:
        return QCoreApplication::translate("Transfer", "memory channel PR");
    case tsCall:
    case tsCallSplit:
        return QCoreApplication::translate("Transfer", "CALL channel %1").arg(subIndex + 1);
    case tsVfo:
    case tsVfoPower:
        return QCoreApplication::translate("Transfer", "VFO band %1").arg(BandCode(subIndex));
    case tsDtmf:
        return QCoreApplication::translate("Transfer", "DTMF memory %1").arg(DtmfNumberText(slot));
    case tsPS0:
    case tsPS1:
        return QCoreApplication::translate("Transfer", "the closing \"PS\" commands");
    case tsCancelled:
        break;
    }
    return QCoreApplication::translate("Transfer", "the end");
}

int ReplyDropCount(TTransferStep step)
{
    switch (step) {
    case tsAI:
        return 0;
    case tsID:
    case tsFL:
    case tsVfo:
    case tsDtmf:
        return 3;
    case tsTYD:
        return 4;
    case tsVfoPower:
        return 5;
    case tsMemory:
    case tsMemoryLU:
    case tsMemoryPR:
    case tsCall:
    case tsCallSplit:
    case tsCancelled:
        return 7;
    case tsNamePR:
        return 9;
    case tsMemoryName:
        return 10;
    case tsMemorySplit:
        return 11;
    default:
        return 0;
    }
}

QString CutReply(const QByteArray &received, int dropCount, int capacity)
{
    QString text;
    text.reserve(qMin<qsizetype>(received.size(), capacity));
    int dropped = 0;
    for (char byte : received) {
        if (byte == '\r' || byte == '\n')
            continue;
        if (dropped < dropCount) {
            ++dropped;
            continue;
        }
        if (text.size() >= capacity)
            break;
        text += QChar::fromLatin1(byte);
    }
    return text;
}

TIdentification JudgeAiReply(const QString &line)
{
    return line == QLatin1String("AI 0") ? TIdentification::Match : TIdentification::Wait;
}

TIdentification JudgeIdReply(const QString &line, bool strictRule)
{
    if (line.isEmpty())
        return TIdentification::Wait;
    if (line == QLatin1String("ID"))
        return TIdentification::Echo;
    if (strictRule)
        return line == QLatin1String(kWriteIdReply) ? TIdentification::Match : TIdentification::Wrong;
    return line.size() > 3 && line.mid(3) == QLatin1String(kReadIdReply) ? TIdentification::Match
                                                                          : TIdentification::Wrong;
}

bool IsBlankName(const QString &reply)
{
    if (reply.size() < 7)
        return false;
    for (int i = 0; i < 7; ++i) {
        if (reply.at(i) != QLatin1Char(' '))
            return false;
    }
    return true;
}

QString DtmfFromRadio(const QString &reply)
{
    if (reply.size() <= 1)
        return reply;
    QString text = reply;
    text.replace(QLatin1Char('E'), QLatin1Char('*'));
    text.replace(QLatin1Char('F'), QLatin1Char('#'));
    return text;
}

QString DtmfToRadio(const QString &code)
{
    QString text = code;
    text.replace(QLatin1Char('*'), QLatin1Char('E'));
    text.replace(QLatin1Char('#'), QLatin1Char('F'));
    return text;
}

QString MemoryRecord(const QString &main, const QString &split, const QString &name)
{
    TRecordBuilder record;
    record.SetRun(cfLabel, cfLockOut, main);
    if (!split.isEmpty())
        record.SetRun(cfTransmitFrequency, cfTransmitStep, split);
    if (!IsBlankName(name))
        record.Set(cfName, name);
    return record.Text().left(kRecordCapacity);
}

QString LuRecord(const QString &main)
{
    return TRecordBuilder().SetRun(cfLabel, cfLockOut, main).Text().left(kRecordCapacity);
}

QString PrRecord(const QString &main, const QString &name)
{
    TRecordBuilder record;
    record.SetRun(cfLabel, cfLockOut, main);
    if (!IsBlankName(name))
        record.Set(cfName, name);
    return record.Text().left(kRecordCapacity);
}

QString CallRecord(int index, const QString &callMain, const QString &callSplit)
{
    TRecordBuilder record;
    record.Set(cfCallNumber, QLatin1String(index == 0 ? "0" : "1"));
    record.SetRun(cfReceiveFrequency, cfOffset, callMain);
    if (!callSplit.isEmpty())
        record.SetRun(cfTransmitFrequency, cfTransmitStep, callSplit);
    return record.Text().left(kRecordCapacity);
}

QString VfoRecord(const QString &vfo)
{
    return TRecordBuilder().SetRun(cfBandCode, cfOffset, vfo).Text().left(kRecordCapacity);
}

QString DtmfRecord(int number, const QString &reply)
{
    const QString code = RecordTextField(DtmfFromRadio(reply), dfCode);
    if (reply.size() <= 1 || code.isEmpty())
        return DtmfNumberText(number) + QLatin1Char(',');
    return DtmfFromRadio(reply);
}

QString VfoPowerRecord(const QString &vfo, const QString &power)
{
    return TRecordBuilder().SetRun(cfBandCode, cfOffset, vfo).Set(cfPower, power).Text().left(kRecordCapacity);
}

bool MemoryReplyHasData(const QString &main) { return main.size() >= 5; }
bool LuPrReplyHasData(const QString &main) { return main.size() > 4; }
bool VfoReplyHasData(const QString &vfo) { return vfo.size() > 1; }

QString SlotClearCommand(int slot)
{
    return QStringLiteral("EEP 0C") + LowerHex(slot - 1, 2) + QStringLiteral(",01,00");
}

QString DtmfClearCommand(int number)
{
    return QStringLiteral("EEP 0CC") + LowerHex(number + 6, 1) + QStringLiteral(",01,FF");
}

TWriteCommand WriteCommand(TTransferStep step, const TChannelDocument &doc, int slot, int subIndex)
{
    switch (step) {
    case tsWake:
        return Due(step, QString());
    case tsAI:
        return Due(step, QStringLiteral("AI 0"));
    case tsID:
        return Due(step, QStringLiteral("ID"));
    case tsMemory:
    case tsMemoryLU:
    case tsMemoryPR:
        if (doc.GetRecordField(rkMemory, slot, cfReceiveFrequency).isEmpty())
            return Due(tsClearSlot, SlotClearCommand(slot));
        return Due(step, QStringLiteral("MW 0,0,") + SlotAddress(step, slot)
                             + Fields(doc, rkMemory, slot, cfReceiveFrequency, cfLockOut));
    case tsClearSlot:
        return Due(step, SlotClearCommand(slot));
    case tsMemorySplit:
        if (doc.GetRecordField(rkMemory, slot, cfTransmitFrequency).isEmpty())
            return NotDue(step);
        return Due(step, QStringLiteral("MW 0,1,") + SlotNumberText(slot)
                             + Fields(doc, rkMemory, slot, cfTransmitFrequency, cfTransmitStep));
    case tsMemoryName:
        return Due(step, QStringLiteral("MNA 0,") + SlotNumberText(slot) + QLatin1Char(',')
                             + doc.GetRecordField(rkMemory, slot, cfName));
    case tsNamePR: {
        const QString name = doc.GetRecordField(rkMemory, kPrSlot, cfName);
        if (name.isEmpty())
            return NotDue(step);
        return Due(step, QStringLiteral("MNA 0,PR,") + name);
    }
    case tsCall:
        if (doc.GetRecordField(rkCall, subIndex, cfReceiveFrequency).isEmpty())
            return NotDue(step);
        return Due(step, QStringLiteral("CW ") + doc.GetRecordField(rkCall, subIndex, cfCallNumber)
                             + QStringLiteral(",0") + Fields(doc, rkCall, subIndex, cfReceiveFrequency, cfOffset));
    case tsCallSplit:
        if (doc.GetRecordField(rkCall, subIndex, cfTransmitFrequency).isEmpty())
            return NotDue(step);
        return Due(step, QStringLiteral("CW ") + doc.GetRecordField(rkCall, subIndex, cfCallNumber)
                             + QStringLiteral(",1") + Fields(doc, rkCall, subIndex, cfTransmitFrequency, cfTransmitStep));
    case tsVfo:
        if (doc.GetRecordField(rkVfo, subIndex, cfReceiveFrequency).isEmpty())
            return NotDue(step);
        return Due(step, QStringLiteral("VW ") + doc.GetRecordField(rkVfo, subIndex, cfBandCode)
                             + Fields(doc, rkVfo, subIndex, cfReceiveFrequency, cfOffset));
    case tsVfoPower:
        if (subIndex != 1 && subIndex != 3)
            return NotDue(step);
        return Due(step, QLatin1String(subIndex == 1 ? "PC 0," : "PC 1,")
                             + doc.GetRecordField(rkVfo, subIndex, cfPower));
    case tsDtmf: {
        const QString code = doc.GetRecordField(rkDtmf, slot, dfCode);
        if (code.isEmpty())
            return Due(step, DtmfClearCommand(slot));
        return Due(step, QStringLiteral("DM ") + doc.GetRecordField(rkDtmf, slot, dfNumber)
                             + QLatin1Char(',') + DtmfToRadio(code));
    }
    case tsPS0:
        return Due(step, QStringLiteral("PS 0"));
    case tsPS1:
        return Due(step, QStringLiteral("PS 1"));
    default:
        return NotDue(step);
    }
}

} // namespace Protocol
