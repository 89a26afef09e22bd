// Fuzz target: the read reply checks and the record assembly must take any
// bytes without crashing, and a reply they admit must build records that
// fit their slots with the field count of a record.
#include "data/ChannelDocument.h"
#include "radio/Protocol.h"
#include "radio/ReplyForms.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Protocol;

namespace {

void Fail(const char *what, TTransferStep step, const QByteArray &line)
{
    std::fprintf(stderr, "reply check failed: %s (step %d): \"%s\"\n", what, int(step), line.constData());
    std::abort();
}

const TTransferStep kSteps[] = {tsTYD,       tsFL,     tsMemory,    tsMemorySplit, tsMemoryName,
                                tsMemoryLU,  tsMemoryPR, tsNamePR,  tsCall,        tsCallSplit,
                                tsVfo,       tsVfoPower, tsDtmf};

int Fields(const QString &record)
{
    return int(record.count(QLatin1Char(','))) + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const TTransferStep step = kSteps[data[0] % (sizeof kSteps / sizeof kSteps[0])];
    // Slot and sub-index as the read would have them for the step.
    int slot = 1 + data[1] % 180;
    int sub = data[1] % 2;
    if (step == tsMemoryLU)
        slot = kFirstLuSlot + data[1] % 12;
    else if (step == tsMemoryPR || step == tsNamePR)
        slot = kPrSlot;
    else if (step == tsDtmf)
        slot = data[1] % 10;
    else if (step == tsVfo)
        sub = data[1] % 5;
    else if (step == tsVfoPower)
        sub = data[1] % 2 ? 3 : 1;

    const QByteArray line(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const QString problem = ReadReplyProblem(step, line, slot, sub);
    if (!problem.isEmpty())
        return 0;
    const QString reply = CutReply(line, ReplyDropCount(step), kReadReplyCapacity);

    // What the read builds from an admitted reply (with the forms of the
    // other parts that the radio sends for a full slot).
    QString record;
    int expectedFields = kLastField + 1;
    switch (step) {
    case tsTYD:
        if (reply.size() > kRadioTypeCapacity)
            Fail("radio type longer than its slot", step, line);
        return 0;
    case tsFL: {
        TChannelDocument doc;
        doc.ParseBandLimits(reply);
        for (int band = 0; band < kBandLimitSlots; ++band)
            if (doc.Record(rkBandLimit, band).size() > kBandLimitCapacity)
                Fail("band limit longer than its slot", step, line);
        return 0;
    }
    case tsMemory:
        if (!MemoryReplyHasData(reply))
            return 0;
        record = MemoryRecord(reply, QString(), QStringLiteral("       "));
        break;
    case tsMemorySplit:
        record = MemoryRecord(QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0"), reply, QString());
        break;
    case tsMemoryName:
        record = MemoryRecord(QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0"), QString(), reply);
        break;
    case tsMemoryLU:
        if (!LuPrReplyHasData(reply))
            return 0;
        record = LuRecord(reply);
        break;
    case tsMemoryPR:
        if (!LuPrReplyHasData(reply))
            return 0;
        record = PrRecord(reply, QString());
        break;
    case tsNamePR:
        record = PrRecord(QStringLiteral("PR,00145000000,5,0,0,0,0,,09,,09,,0"), reply);
        break;
    case tsCall:
        if (reply.isEmpty())
            return 0;
        record = CallRecord(sub, reply, QString());
        break;
    case tsCallSplit:
        record = CallRecord(sub, QStringLiteral("00145000000,5,0,0,0,0,,09,,09,"), reply);
        break;
    case tsVfo:
        if (!VfoReplyHasData(reply))
            return 0;
        record = sub == 1 || sub == 3 ? VfoPowerRecord(reply, QStringLiteral("0")) : VfoRecord(reply);
        break;
    case tsVfoPower:
        record = VfoPowerRecord(QStringLiteral("2,00145000000,5,0,0,0,0,,09,,09,000600000"), reply);
        break;
    case tsDtmf:
        record = DtmfRecord(slot, reply);
        if (record.size() > kDtmfCapacity)
            Fail("DTMF record longer than its slot", step, line);
        return 0;
    default:
        return 0;
    }
    if (record.size() > kRecordCapacity)
        Fail("record longer than its slot", step, line);
    if (Fields(record) != expectedFields)
        Fail("record without 18 fields", step, line);
    return 0;
}
