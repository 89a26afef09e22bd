// The document: field extraction, slot capacities, band limits, reset.
#include "data/ChannelDocument.h"

#include <gtest/gtest.h>

namespace {

const QString kMemory1 = QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0,,,,,");
const QString kVfo1 = QStringLiteral("2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,");

} // namespace

TEST(DocumentFields, ExtractsFieldsAtTheEdgesOfTheRecord)
{
    TChannelDocument doc;
    doc.SetMemoryRecord(1, kMemory1);
    EXPECT_EQ(doc.GetRecordField(rkMemory, 1, 0), "001");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 1, 1), "00145000000");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 1, 12), "0");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 1, 11), "");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 1, 17), "");

    doc.SetVfoRecord(1, kVfo1);
    EXPECT_EQ(doc.GetRecordField(rkVfo, 1, 16), "0");
    EXPECT_EQ(doc.GetRecordField(rkVfo, 1, 11), "000600000");
    EXPECT_EQ(doc.GetRecordField(rkVfo, 1, 17), "");

    // A named channel: the name is the last field, without a trailing comma.
    doc.SetMemoryRecord(2, QStringLiteral("002,00145500000,5,0,0,0,0,,09,,09,,1,,,,,REPEAT"));
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 17), "REPEAT");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 20), "REPEAT");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 1000), "REPEAT");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 12), "1");
}

TEST(DocumentFields, MissingKindsSlotsAndFieldsAreEmpty)
{
    TChannelDocument doc;
    doc.SetMemoryRecord(1, kMemory1);
    EXPECT_EQ(doc.GetRecordField(rkMemory, 2, 0), "");
    EXPECT_EQ(doc.GetRecordField(0, 1, 0), "");
    EXPECT_EQ(doc.GetRecordField(8, 1, 0), "");
    EXPECT_EQ(doc.GetRecordField(-1, 1, 0), "");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 0, 0), "");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 194, 0), "");
    EXPECT_EQ(doc.GetRecordField(rkMemory, -5, 0), "");
    EXPECT_EQ(doc.GetRecordField(rkVfo, 5, 0), "");
    EXPECT_EQ(doc.GetRecordField(rkCall, 2, 0), "");
    EXPECT_EQ(doc.GetRecordField(rkDtmf, 10, 0), "");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 1, -1), "");

    // A short record: fields past its end are empty.
    doc.SetDtmfRecord(5, QStringLiteral("05,"));
    EXPECT_EQ(doc.GetRecordField(rkDtmf, 5, 0), "05");
    EXPECT_EQ(doc.GetRecordField(rkDtmf, 5, 1), "");
    EXPECT_EQ(doc.GetRecordField(rkDtmf, 5, 2), "");
    EXPECT_EQ(doc.GetRecordField(rkDtmf, 5, 17), "");

    // The radio type ignores its index.
    doc.SetRadioType(QStringLiteral("0,2,00,1,1,,"));
    EXPECT_EQ(doc.GetRecordField(rkRadioType, 0, 1), "2");
    EXPECT_EQ(doc.GetRecordField(rkRadioType, 3, 2), "00");
    EXPECT_EQ(doc.GetRecordField(rkRadioType, 0, 6), "");
}

TEST(DocumentSlots, TextIsNeverStoredPastTheCapacity)
{
    TChannelDocument doc;
    const QString longText(300, QLatin1Char('7'));
    doc.SetMemoryRecord(193, longText);
    doc.SetVfoRecord(4, longText);
    doc.SetCallRecord(1, longText);
    doc.SetDtmfRecord(9, longText);
    doc.SetRadioType(longText);
    doc.SetBandLimit(4, longText);
    doc.SetClipboardBuffer(longText);
    EXPECT_EQ(doc.Record(rkMemory, 193).size(), 99);
    EXPECT_EQ(doc.Record(rkVfo, 4).size(), 99);
    EXPECT_EQ(doc.Record(rkCall, 1).size(), 99);
    EXPECT_EQ(doc.Record(rkDtmf, 9).size(), 19);
    EXPECT_EQ(doc.RadioType().size(), 19);
    EXPECT_EQ(doc.Record(rkBandLimit, 4).size(), 14);
    EXPECT_EQ(doc.ClipboardBuffer().size(), 100);

    // A 16-character DTMF code fills its slot exactly.
    const QString fullDtmf = QStringLiteral("09,0123456789ABCD*#");
    doc.SetDtmfRecord(9, fullDtmf);
    EXPECT_EQ(doc.Record(rkDtmf, 9), fullDtmf);
    EXPECT_EQ(doc.GetRecordField(rkDtmf, 9, 1), "0123456789ABCD*#");
}

TEST(DocumentSlots, BadIndexesChangeNothing)
{
    TChannelDocument doc;
    doc.SetMemoryRecord(0, kMemory1);
    doc.SetMemoryRecord(194, kMemory1);
    doc.SetVfoRecord(-1, kVfo1);
    doc.SetVfoRecord(5, kVfo1);
    doc.SetCallRecord(2, kVfo1);
    doc.SetDtmfRecord(10, QStringLiteral("10,1"));
    doc.SetRecord(9, 0, kMemory1);
    doc.ClearMemoryRecord(500);
    for (int kind = rkMemory; kind <= rkClipboard; ++kind) {
        for (int i = -1; i <= 200; ++i)
            EXPECT_TRUE(doc.Record(kind, i).isEmpty()) << kind << " " << i;
    }
}

TEST(DocumentSlots, ClearEmptiesOneSlotOnly)
{
    TChannelDocument doc;
    doc.SetMemoryRecord(1, kMemory1);
    doc.SetMemoryRecord(2, QStringLiteral("002,00145500000"));
    doc.SetDtmfRecord(0, QStringLiteral("00,123"));
    doc.SetDtmfRecord(1, QStringLiteral("01,456"));
    doc.ClearMemoryRecord(1);
    doc.ClearDtmfRecord(0);
    EXPECT_TRUE(doc.Record(rkMemory, 1).isEmpty());
    EXPECT_EQ(doc.Record(rkMemory, 2), "002,00145500000");
    EXPECT_TRUE(doc.Record(rkDtmf, 0).isEmpty());
    EXPECT_EQ(doc.Record(rkDtmf, 1), "01,456");
}

TEST(DocumentBandLimits, PairsGoToTheBandOfTheirLowerEdge)
{
    TChannelDocument doc;
    doc.ParseBandLimits(QStringLiteral("00118,00135,00136,00173,00410,00469"));
    EXPECT_EQ(doc.Record(rkBandLimit, 0), "00118,00135");
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00136,00173");
    EXPECT_EQ(doc.Record(rkBandLimit, 2), "");
    EXPECT_EQ(doc.Record(rkBandLimit, 3), "00410,00469");
    EXPECT_EQ(doc.Record(rkBandLimit, 4), "");

    // A new list replaces every record, also those it does not name.
    doc.ParseBandLimits(QStringLiteral("00136,00173"));
    EXPECT_EQ(doc.Record(rkBandLimit, 0), "");
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00136,00173");
    EXPECT_EQ(doc.Record(rkBandLimit, 3), "");

    // Boundaries of the band choice, and a later pair replacing an earlier one.
    doc.ParseBandLimits(QStringLiteral("00135,00140,00199,00199,00200,00300,00399,00399,"
                                       "00400,00500,00599,00599,00600,00999,00800,00960"));
    EXPECT_EQ(doc.Record(rkBandLimit, 0), "00135,00140");
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00199,00199");
    EXPECT_EQ(doc.Record(rkBandLimit, 2), "00399,00399");
    EXPECT_EQ(doc.Record(rkBandLimit, 3), "00599,00599");
    EXPECT_EQ(doc.Record(rkBandLimit, 4), "00800,00960");
}

TEST(DocumentBandLimits, BrokenListsStayInsideTheRecords)
{
    TChannelDocument doc;
    doc.ParseBandLimits(QString());
    for (int band = 0; band < kBandLimitSlots; ++band)
        EXPECT_TRUE(doc.Record(rkBandLimit, band).isEmpty());

    // A lone last token has no partner and is dropped.
    doc.ParseBandLimits(QStringLiteral("00136,00173,00410"));
    EXPECT_EQ(doc.Record(rkBandLimit, 1), "00136,00173");
    EXPECT_EQ(doc.Record(rkBandLimit, 3), "");

    // Overlong tokens are cut at the record's capacity.
    doc.ParseBandLimits(QStringLiteral("00410000000000000,00469000000000"));
    EXPECT_EQ(doc.Record(rkBandLimit, 3).size(), 14);
}

TEST(DocumentReset, EmptiesChannelsKeepsRadioDescriptionAndAppliesDefaults)
{
    TChannelDocument doc;
    doc.SetRadioType(QStringLiteral("0,2,00,1,1,,"));
    doc.ParseBandLimits(QStringLiteral("00118,00135,00136,00173,00410,00469"));
    doc.SetClipboardBuffer(QStringLiteral("01,999"));
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        doc.SetMemoryRecord(slot, MemorySlotLabel(slot) + QStringLiteral(",00146000000"));
    for (int i = 0; i < kDtmfSlots; ++i)
        doc.SetDtmfRecord(i, QStringLiteral("0%1,1").arg(i));
    doc.SetVfoRecord(2, QStringLiteral("5,00340000000"));
    doc.SetVfoRecord(4, QStringLiteral("8,00870000000"));

    doc.ResetDocument();

    EXPECT_EQ(doc.Record(rkMemory, 1), "001,00144000000,0,0,0,0,0,,09,,09,,0,,,,,");
    for (int slot = 2; slot <= kMemorySlots; ++slot)
        EXPECT_TRUE(doc.Record(rkMemory, slot).isEmpty()) << slot;
    for (int i = 0; i < kDtmfSlots; ++i)
        EXPECT_TRUE(doc.Record(rkDtmf, i).isEmpty()) << i;
    EXPECT_TRUE(doc.Record(rkVfo, 2).isEmpty());
    EXPECT_TRUE(doc.Record(rkVfo, 4).isEmpty());
    EXPECT_FALSE(doc.Record(rkVfo, 0).isEmpty());
    EXPECT_FALSE(doc.Record(rkCall, 0).isEmpty());
    EXPECT_FALSE(doc.Record(rkCall, 1).isEmpty());
    EXPECT_EQ(doc.RadioType(), "0,2,00,1,1,,");
    EXPECT_EQ(doc.Record(rkBandLimit, 0), "00118,00135");
    EXPECT_EQ(doc.Record(rkBandLimit, 3), "00410,00469");
    EXPECT_EQ(doc.ClipboardBuffer(), "01,999");
}

TEST(DocumentLabels, SlotsAndLabelsMapBothWays)
{
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_EQ(MemorySlotOfLabel(MemorySlotLabel(slot)), slot) << slot;
    EXPECT_EQ(MemorySlotLabel(1), "001");
    EXPECT_EQ(MemorySlotLabel(182), "U1");
    EXPECT_EQ(MemorySlotLabel(193), "PR");
    EXPECT_EQ(MemorySlotLabel(194), "");
    for (const char *label : {"000", "181", "1", "l1", ""})
        EXPECT_EQ(MemorySlotOfLabel(QLatin1String(label)), 0) << label;
}

TEST(RecordBuilder, JoinsNamedFieldsIntoTheStoredLayout)
{
    // Unset fields stay empty; the text always holds fields 0..17.
    EXPECT_EQ(TRecordBuilder().Set(cfLabel, "001").Set(cfReceiveFrequency, "00145000000").Set(cfName, "AB").Text(),
              "001,00145000000,,,,,,,,,,,,,,,,AB");
    EXPECT_EQ(TRecordBuilder().Set(cfBandCode, "2").Set(cfPower, "1").Text(), "2,,,,,,,,,,,,,,,,1,");
    EXPECT_EQ(TRecordBuilder().Set(dfNumber, "03").Set(dfCode, "1*#").Text(dfCode), "03,1*#");
    EXPECT_EQ(TRecordBuilder().Text(dfCode), ",");
    // Fields outside 0..17 are ignored; a later Set replaces an earlier one.
    EXPECT_EQ(TRecordBuilder().Set(-1, "x").Set(18, "y").Set(cfStep, "1").Set(cfStep, "2").Text(cfStep), ",,2");
}

TEST(RecordBuilder, RunsAreCopiedAsTheyStand)
{
    const QString main = QStringLiteral("001,00145000000,5,0,0,0,0,,09,,09,,0");
    TRecordBuilder record;
    record.SetRun(cfLabel, cfLockOut, main).SetRun(cfTransmitFrequency, cfTransmitStep, "00145600000,5").Set(cfName, "N");
    EXPECT_EQ(record.Text(), main + ",,00145600000,5,,N");
    // A reply with fewer or more fields than the run keeps the fields after it.
    EXPECT_EQ(TRecordBuilder().SetRun(cfBandCode, cfOffset, "2,1").Set(cfPower, "0").Text(), "2,1,,,,,0,");
    EXPECT_EQ(TRecordBuilder().SetRun(cfBandCode, cfOffset, "").Text(), ",,,,,,");
    EXPECT_EQ(TRecordBuilder().SetRun(cfReceiveFrequency, cfStep, "a,b,c").Text(cfShift), ",a,b,c,");
    // A field set inside a run is dropped by the run set after it.
    EXPECT_EQ(TRecordBuilder().Set(cfStep, "9").SetRun(cfReceiveFrequency, cfShift, "1").Text(cfReverse), ",1,");
}

TEST(RecordBuilder, FieldsOfARecordTextMatchTheDocument)
{
    TChannelDocument doc;
    doc.SetVfoRecord(1, kVfo1);
    for (int field = -1; field <= 19; ++field)
        EXPECT_EQ(RecordTextField(kVfo1, field), doc.GetRecordField(rkVfo, 1, field)) << field;
    EXPECT_EQ(RecordTextField(kVfo1, cfOffset), "000600000");
    EXPECT_EQ(RecordTextField(QString(), cfLabel), "");
}

TEST(RecordBuilder, SlotRangesAgreeWithTheLabels)
{
    EXPECT_EQ(MemorySlotLabel(kLastNumberedSlot), "180");
    EXPECT_EQ(MemorySlotLabel(kFirstLuSlot), "L1");
    EXPECT_EQ(MemorySlotLabel(kLastLuSlot), "U6");
    EXPECT_EQ(MemorySlotLabel(kPrSlot), "PR");
    EXPECT_EQ(kMemorySlots, kPrSlot);
    EXPECT_TRUE(IsNamedSlot(1) && IsNamedSlot(180) && IsNamedSlot(193));
    EXPECT_FALSE(IsNamedSlot(181) || IsNamedSlot(192) || IsNamedSlot(0) || IsNamedSlot(194));
}
