// The radio's line protocol: command texts, reply cutting, record assembly
// and write commands.
#include "data/ChannelDocument.h"
#include "radio/Protocol.h"

#include <gtest/gtest.h>

using namespace Protocol;

namespace {

const QString kDefaultMemory = QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0,,,,,");

QString Read(TTransferStep step, int slot = 0, int sub = 0)
{
    return ReadCommand(step, slot, sub);
}

// The reply text a read step sees for a radio line: echo head plus text.
QString Reply(TTransferStep step, const QByteArray &line)
{
    return CutReply(line + "\r", ReplyDropCount(step), kReadReplyCapacity);
}

TWriteCommand Write(const TChannelDocument &doc, TTransferStep step, int slot = 0, int sub = 0)
{
    return WriteCommand(step, doc, slot, sub);
}

} // namespace

TEST(ProtocolReadCommands, AddressEverySlotKindWithItsLabel)
{
    EXPECT_EQ(Read(tsWake), QString());
    EXPECT_EQ(Read(tsAI), "AI 0");
    EXPECT_EQ(Read(tsID), "ID");
    EXPECT_EQ(Read(tsTYD), "TYD");
    EXPECT_EQ(Read(tsFL), "FL");
    EXPECT_EQ(Read(tsMemory, 7), "MR 0,0,007");
    EXPECT_EQ(Read(tsMemory, 180), "MR 0,0,180");
    EXPECT_EQ(Read(tsMemorySplit, 42), "MR 0,1,042");
    EXPECT_EQ(Read(tsMemoryName, 1), "MNA 0,001");
    EXPECT_EQ(Read(tsMemoryLU, 181), "MR 0,0,L1");
    EXPECT_EQ(Read(tsMemoryLU, 182), "MR 0,0,U1");
    EXPECT_EQ(Read(tsMemoryLU, 183), "MR 0,0,L2");
    EXPECT_EQ(Read(tsMemoryLU, 191), "MR 0,0,L6");
    EXPECT_EQ(Read(tsMemoryLU, 192), "MR 0,0,U6");
    EXPECT_EQ(Read(tsMemoryPR, 193), "MR 0,0,PR");
    EXPECT_EQ(Read(tsNamePR, 193), "MNA 0,PR");
    EXPECT_EQ(Read(tsCall, 0, 0), "CR 0,0");
    EXPECT_EQ(Read(tsCallSplit, 0, 1), "CR 1,1");
    const char *codes[] = {"VR 1", "VR 2", "VR 5", "VR 6", "VR 8"};
    for (int band = 0; band < 5; ++band)
        EXPECT_EQ(Read(tsVfo, 0, band), codes[band]) << band;
    EXPECT_EQ(Read(tsVfoPower, 0, 1), "PC 0");
    EXPECT_EQ(Read(tsVfoPower, 0, 3), "PC 1");
    EXPECT_EQ(Read(tsDtmf, 0), "DM 00");
    EXPECT_EQ(Read(tsDtmf, 9), "DM 09");
}

TEST(ProtocolReplies, DropTheEchoedHeadOfEachCommand)
{
    EXPECT_EQ(Reply(tsAI, "AI 0"), "AI 0");
    EXPECT_EQ(Reply(tsID, "ID QV-R381"), "QV-R381");
    EXPECT_EQ(Reply(tsTYD, "TYD 0,2,00,1,1,,"), "0,2,00,1,1,,");
    EXPECT_EQ(Reply(tsFL, "FL 00136,00173"), "00136,00173");
    EXPECT_EQ(Reply(tsMemory, "MR 0,0,001,00145000000"), "001,00145000000");
    EXPECT_EQ(Reply(tsMemorySplit, "MR 0,1,001,00146000000,5"), "00146000000,5");
    EXPECT_EQ(Reply(tsMemoryName, "MNA 0,001,ABC"), "ABC");
    EXPECT_EQ(Reply(tsMemoryLU, "MR 0,0,L1,00145000000"), "L1,00145000000");
    EXPECT_EQ(Reply(tsNamePR, "MNA 0,PR,HOME"), "HOME");
    EXPECT_EQ(Reply(tsCall, "CR 0,0,00145000000"), "00145000000");
    EXPECT_EQ(Reply(tsVfo, "VR 2,00145000000"), "2,00145000000");
    EXPECT_EQ(Reply(tsVfoPower, "PC 0,2"), "2");
    EXPECT_EQ(Reply(tsDtmf, "DM 03,123"), "03,123");
    EXPECT_EQ(ReplyDropCount(tsCancelled), 7);
}

TEST(ProtocolReplies, CutCarriageReturnsShortAndOverlongReplies)
{
    // Carriage returns anywhere are discarded, also between merged lines.
    EXPECT_EQ(CutReply("AI\r 0\r", 0, 99), "AI 0");
    // Shorter than the dropped head: empty.
    EXPECT_EQ(CutReply("MR 0\r", 7, 99), QString());
    EXPECT_EQ(CutReply("\r", 3, 99), QString());
    // Overlong replies are cut to the buffer.
    const QByteArray longLine = "MR 0,0," + QByteArray(300, 'x') + "\r";
    EXPECT_EQ(CutReply(longLine, 7, kReadReplyCapacity), QString(99, QLatin1Char('x')));
    EXPECT_EQ(CutReply(QByteArray(40, 'y'), 0, kWriteReplyCapacity).size(), 19);
    // Bytes above 127 are kept as Latin-1 characters.
    EXPECT_EQ(CutReply("ID \xe9\r", 3, 99), QString(QChar(0xe9)));
}

TEST(ProtocolRecords, AssembleMemoryRecordsFromReplies)
{
    // The default record comes back unchanged from its three replies.
    const QString main = QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0");
    EXPECT_EQ(MemoryRecord(main, QString(), QStringLiteral("       ")), kDefaultMemory);

    // A split part lands in fields 14 and 15, the name in field 17.
    TChannelDocument doc;
    doc.SetMemoryRecord(2, MemoryRecord(QStringLiteral("002,00145500000,5,0,0,0,0,,09,,09,,1"),
                                        QStringLiteral("00146000000,5"), QStringLiteral("CLUB")));
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 12), "1");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 13), "");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 14), "00146000000");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 15), "5");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 16), "");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 17), "CLUB");
    EXPECT_EQ(doc.Record(rkMemory, 2).count(QLatin1Char(',')), 17);

    // Seven blanks: no name; six blanks and a letter: stored as it is.
    EXPECT_TRUE(MemoryRecord(main, QString(), QStringLiteral("       X")).endsWith(QLatin1String(",,,,,")));
    EXPECT_TRUE(MemoryRecord(main, QString(), QStringLiteral("      X")).endsWith(QLatin1String(",      X")));
    EXPECT_FALSE(IsBlankName(QStringLiteral("      ")));

    EXPECT_EQ(LuRecord(QStringLiteral("L1,00145000000,5,0,0,0,0,,09,,09,,0")),
              QStringLiteral("L1,00145000000,5,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(PrRecord(QStringLiteral("PR,00145000000,5,0,0,0,0,,09,,09,,0"), QStringLiteral("HOME")),
              QStringLiteral("PR,00145000000,5,0,0,0,0,,09,,09,,0,,,,,HOME"));

    // Empty-slot thresholds of the two main replies.
    EXPECT_FALSE(MemoryReplyHasData(QStringLiteral("001,")));
    EXPECT_TRUE(MemoryReplyHasData(QStringLiteral("001,0")));
    EXPECT_FALSE(LuPrReplyHasData(QStringLiteral("L1,0")));
    EXPECT_TRUE(LuPrReplyHasData(QStringLiteral("L1,00")));

    // Records are never longer than their slots.
    const QString huge(99, QLatin1Char('9'));
    EXPECT_EQ(MemoryRecord(huge, huge, huge).size(), kRecordCapacity);
    EXPECT_EQ(CallRecord(1, huge, huge).size(), kRecordCapacity);
}

TEST(ProtocolRecords, AssembleCallVfoAndDtmfRecords)
{
    const QString c1 = QStringLiteral("00145000000,5,0,0,0,0,,09,,09,");
    EXPECT_EQ(CallRecord(0, c1, QString()), "0," + c1 + ",,,,,,");
    EXPECT_EQ(CallRecord(1, c1, QStringLiteral("00146000000,5")), "1," + c1 + ",,,00146000000,5,,");
    EXPECT_EQ(CallRecord(1, c1, QString()).count(QLatin1Char(',')), 17);

    const QString v = QStringLiteral("2,00145000000,5,0,0,0,0,,09,,09,000600000");
    EXPECT_EQ(VfoPowerRecord(v, QStringLiteral("0")), "2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,");
    EXPECT_EQ(VfoRecord(QStringLiteral("1,00118000000,5,0,0,0,0,,09,,09,000000000")).count(QLatin1Char(',')), 17);
    EXPECT_FALSE(VfoReplyHasData(QStringLiteral("1")));
    EXPECT_TRUE(VfoReplyHasData(QStringLiteral("1,")));

    EXPECT_EQ(DtmfFromRadio(QStringLiteral("00,12E4F")), "00,12*4#");
    EXPECT_EQ(DtmfFromRadio(QStringLiteral("E")), "E");
    EXPECT_EQ(DtmfToRadio(QStringLiteral("1*#")), "1EF");
}

TEST(ProtocolWrite, BuildsDataCommandsFromRecords)
{
    TChannelDocument doc;
    doc.SetMemoryRecord(7, QStringLiteral("007,00145000000,5,0,0,0,0,,09,,09,,0,,00146000000,5,,NAME"));
    const TWriteCommand mw = Write(doc, tsMemory, 7);
    EXPECT_TRUE(mw.due);
    EXPECT_EQ(mw.step, tsMemory);
    EXPECT_EQ(mw.text, "MW 0,0,007,00145000000,5,0,0,0,0,,09,,09,,0");
    EXPECT_EQ(Write(doc, tsMemorySplit, 7).text, "MW 0,1,007,00146000000,5");
    EXPECT_EQ(Write(doc, tsMemoryName, 7).text, "MNA 0,007,NAME");

    // The default record: no split command, and a name command ending in
    // the comma.
    doc.SetMemoryRecord(1, kDefaultMemory);
    EXPECT_EQ(Write(doc, tsMemory, 1).text, "MW 0,0,001,00145000000,5,0,0,0,0,,09,,09,,0");
    EXPECT_FALSE(Write(doc, tsMemorySplit, 1).due);
    EXPECT_EQ(Write(doc, tsMemoryName, 1).text, "MNA 0,001,");

    doc.SetMemoryRecord(181, QStringLiteral("L1,00145000000,5,0,0,0,0,,09,,09,,,,,,,"));
    EXPECT_EQ(Write(doc, tsMemoryLU, 181).text, "MW 0,0,L1,00145000000,5,0,0,0,0,,09,,09,,");
    doc.SetMemoryRecord(193, QStringLiteral("PR,00433000000,5,0,0,0,0,,09,,09,,,,,,,"));
    EXPECT_EQ(Write(doc, tsMemoryPR, 193).text, "MW 0,0,PR,00433000000,5,0,0,0,0,,09,,09,,");
    EXPECT_FALSE(Write(doc, tsNamePR, 193).due);
    doc.SetMemoryRecord(193, doc.Record(rkMemory, 193) + QStringLiteral("HOME"));
    EXPECT_EQ(Write(doc, tsNamePR, 193).text, "MNA 0,PR,HOME");

    doc.SetCallRecord(1, QStringLiteral("1,00433000000,5,0,0,0,0,,09,,09,,,,00434000000,5,,"));
    EXPECT_EQ(Write(doc, tsCall, 0, 1).text, "CW 1,0,00433000000,5,0,0,0,0,,09,,09,");
    EXPECT_EQ(Write(doc, tsCallSplit, 0, 1).text, "CW 1,1,00434000000,5");
    doc.SetCallRecord(0, QString());
    EXPECT_FALSE(Write(doc, tsCall, 0, 0).due);

    doc.SetVfoRecord(1, QStringLiteral("2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,2,"));
    EXPECT_EQ(Write(doc, tsVfo, 0, 1).text, "VW 2,00145000000,5,0,0,0,0,,09,,09,000600000");
    EXPECT_EQ(Write(doc, tsVfoPower, 0, 1).text, "PC 0,2");
    EXPECT_EQ(Write(doc, tsVfoPower, 0, 3).text, "PC 1,");
    EXPECT_FALSE(Write(doc, tsVfo, 0, 0).due);

    doc.SetDtmfRecord(2, QStringLiteral("02,1*#"));
    EXPECT_EQ(Write(doc, tsDtmf, 2).text, "DM 02,1EF");
    EXPECT_EQ(Write(doc, tsPS0).text, "PS 0");
    EXPECT_EQ(Write(doc, tsPS1).text, "PS 1");
}

TEST(ProtocolWrite, EmptySlotsAndDtmfMemoriesAreClearedInLowerCaseHex)
{
    TChannelDocument doc;
    const struct { int slot; const char *text; } slotCases[] = {
        {1, "EEP 0C00,01,00"}, {16, "EEP 0C0f,01,00"}, {17, "EEP 0C10,01,00"},
        {171, "EEP 0Caa,01,00"}, {182, "EEP 0Cb5,01,00"}, {193, "EEP 0Cc0,01,00"}};
    for (const auto &c : slotCases) {
        const TTransferStep step = c.slot <= 180 ? tsMemory : c.slot <= 192 ? tsMemoryLU : tsMemoryPR;
        const TWriteCommand clear = Write(doc, step, c.slot);
        EXPECT_TRUE(clear.due);
        EXPECT_EQ(clear.step, tsClearSlot) << c.slot;
        EXPECT_EQ(clear.text, c.text) << c.slot;
    }
    const struct { int number; const char *text; } dtmf[] = {
        {0, "EEP 0CC6,01,FF"}, {3, "EEP 0CC9,01,FF"}, {4, "EEP 0CCa,01,FF"}, {9, "EEP 0CCf,01,FF"}};
    for (const auto &c : dtmf) {
        doc.SetDtmfRecord(c.number, QStringLiteral("0%1,").arg(c.number));
        const TWriteCommand clear = Write(doc, tsDtmf, c.number);
        EXPECT_EQ(clear.step, tsDtmf);
        EXPECT_EQ(clear.text, c.text) << c.number;
    }
}

TEST(ProtocolWrite, WrittenRecordsReadBackUnchanged)
{
    // What a write sends, answered by a radio that echoes the read command
    // head, assembles into the same record again.
    const QString records[] = {
        kDefaultMemory,
        QStringLiteral("099,00433500000,6,2,1,1,0,,12,,09,,1,,00438500000,6,,A.B C"),
    };
    for (const QString &record : records) {
        TChannelDocument doc;
        const int slot = MemorySlotOfLabel(record.section(QLatin1Char(','), 0, 0));
        doc.SetMemoryRecord(slot, record);
        const QString mw = Write(doc, tsMemory, slot).text;
        const TWriteCommand split = Write(doc, tsMemorySplit, slot);
        const QString name = doc.GetRecordField(rkMemory, slot, 17);

        const QByteArray head = Read(tsMemory, slot).toLatin1();
        const QString main = Reply(tsMemory, head + "," + mw.mid(QStringLiteral("MW 0,0,001,").size()).toLatin1());
        const QString splitReply = split.due
            ? Reply(tsMemorySplit, Read(tsMemorySplit, slot).toLatin1() + "," + split.text.mid(11).toLatin1())
            : Reply(tsMemorySplit, Read(tsMemorySplit, slot).toLatin1());
        const QString nameReply = Reply(tsMemoryName, Read(tsMemoryName, slot).toLatin1() + ","
                                            + (name.isEmpty() ? QByteArray("       ") : name.toLatin1()));
        EXPECT_EQ(MemoryRecord(main, splitReply, nameReply), record);
    }
}
