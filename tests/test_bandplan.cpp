// Band plan: bands of each variant, value tables, default records.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"

#include <gtest/gtest.h>

namespace {

TChannelDocument ResetWithType(const char *type)
{
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(type));
    doc.ResetDocument();
    return doc;
}

// Every channel slot that holds something, for "nothing else is filled".
int FilledSlots(const TChannelDocument &doc)
{
    int filled = 0;
    for (int kind : {rkMemory, rkVfo, rkCall, rkDtmf}) {
        const int first = TChannelDocument::FirstIndex(kind);
        for (int i = first; i < first + TChannelDocument::SlotCount(kind); ++i)
            filled += doc.Record(kind, i).isEmpty() ? 0 : 1;
    }
    return filled;
}

struct VariantDefaults {
    const char *type;
    const char *memory1;
    const char *vfo1;
    const char *call0;
    const char *vfo3;
    const char *call1;
};

// Only bands 1 and 3 (fields 4..6 empty), so the VHF and UHF rows stand alone.
const VariantDefaults kVariants[] = {
    {"0,0,00,1,,,", "001,00145000000,5,0,0,0,0,,09,,09,,0,,,,,",
     "2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00145000000,5,0,0,0,0,,09,,09,,,,,,,",
     "6,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,0,", "1,00433000000,5,0,0,0,0,,09,,09,,,,,,,"},
    {"0,1,00,1,,,", "001,00144000000,3,0,0,0,0,,09,,09,,0,,,,,",
     "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00144000000,3,0,0,0,0,,09,,09,,,,,,,",
     "6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", "1,00430000000,6,0,0,0,0,,09,,09,,,,,,,"},
    {"0,1,05,1,,,", "001,00144000000,3,0,0,0,0,,09,,09,,0,,,,,",
     "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00144000000,3,0,0,0,0,,09,,09,,,,,,,",
     "6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", "1,00430000000,6,0,0,0,0,,09,,09,,,,,,,"},
    {"0,2,00,1,,,", "001,00144000000,0,0,0,0,0,,09,,09,,0,,,,,",
     "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00144000000,0,0,0,0,0,,09,,09,,,,,,,",
     "6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", "1,00440000000,6,0,0,0,0,,09,,09,,,,,,,"},
    {"0,3,05,1,,,", "001,00144000000,3,0,0,0,0,,09,,09,,0,,,,,",
     "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00144000000,3,0,0,0,0,,09,,09,,,,,,,",
     "6,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", "1,00432000000,6,0,0,0,0,,09,,09,,,,,,,"},
    {"0,3,00,1,,,", "001,00144000000,3,0,0,0,0,,09,,09,,0,,,,,",
     "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,", "0,00144000000,3,0,0,0,0,,09,,09,,,,,,,",
     "6,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", "1,00430000000,6,0,0,0,0,,09,,09,,,,,,,"},
};

} // namespace

TEST(BandPlanDefaults, EveryVariantGetsItsVhfAndUhfRecords)
{
    for (const VariantDefaults &v : kVariants) {
        SCOPED_TRACE(v.type);
        const TChannelDocument doc = ResetWithType(v.type);
        EXPECT_EQ(doc.Record(rkMemory, 1), v.memory1);
        EXPECT_EQ(doc.Record(rkVfo, 1), v.vfo1);
        EXPECT_EQ(doc.Record(rkCall, 0), v.call0);
        EXPECT_EQ(doc.Record(rkVfo, 3), v.vfo3);
        EXPECT_EQ(doc.Record(rkCall, 1), v.call1);
        EXPECT_EQ(FilledSlots(doc), 5);
    }
}

TEST(BandPlanDefaults, DefaultRadioTypeMakesTheDocumentedNewDocument)
{
    const TChannelDocument doc = ResetWithType(kDefaultRadioType);
    EXPECT_EQ(doc.GetRecordField(rkMemory, 1, 1), "00144000000");
    EXPECT_EQ(doc.GetRecordField(rkMemory, 1, 2), "0");
    EXPECT_EQ(doc.GetRecordField(rkVfo, 1, 1), "00144000000");
    EXPECT_EQ(doc.GetRecordField(rkVfo, 3, 1), "00440000000");
    EXPECT_EQ(doc.GetRecordField(rkVfo, 3, 11), "005000000");
    EXPECT_EQ(doc.GetRecordField(rkCall, 1, 1), "00440000000");
    EXPECT_EQ(doc.Record(rkVfo, 0), "1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    EXPECT_TRUE(doc.Record(rkVfo, 2).isEmpty());
    EXPECT_TRUE(doc.Record(rkVfo, 4).isEmpty());
    EXPECT_EQ(BandLabel(doc, 3), "440MHz");
    EXPECT_EQ(FilledSlots(doc), 6);
}

TEST(BandPlanDefaults, OptionalBandsFollowTheirOwnFields)
{
    // Unknown variant: no VHF/UHF records, the optional bands still appear.
    TChannelDocument doc = ResetWithType("0,9,00,1,1,1,1");
    EXPECT_TRUE(doc.Record(rkMemory, 1).isEmpty());
    EXPECT_TRUE(doc.Record(rkVfo, 1).isEmpty());
    EXPECT_TRUE(doc.Record(rkVfo, 3).isEmpty());
    EXPECT_TRUE(doc.Record(rkCall, 0).isEmpty());
    EXPECT_TRUE(doc.Record(rkCall, 1).isEmpty());
    EXPECT_EQ(doc.Record(rkVfo, 0), "1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    EXPECT_EQ(doc.Record(rkVfo, 2), "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
    EXPECT_EQ(doc.Record(rkVfo, 4), "8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
    EXPECT_EQ(DefaultUhfFrequency(doc), "430.000");
    EXPECT_EQ(DefaultVhfStep(doc), 3);

    // Variant 3 takes 1.6 MHz offsets on the 300 and 800 MHz bands.
    doc = ResetWithType("0,3,00,1,,1,1");
    EXPECT_EQ(doc.Record(rkVfo, 2), "5,00340000000,3,0,0,0,0,,09,,09,001600000,,,,,,");
    EXPECT_EQ(doc.Record(rkVfo, 4), "8,00870000000,3,0,0,0,0,,09,,09,001600000,,,,,,");
    EXPECT_TRUE(doc.Record(rkVfo, 0).isEmpty());

    // 800 MHz option 2: 860 MHz, always 5 MHz offset.
    doc = ResetWithType("0,3,00,1,,,2");
    EXPECT_EQ(doc.Record(rkVfo, 4), "8,00860000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
    EXPECT_EQ(BandLabel(doc, 4), "800MHz");
    EXPECT_TRUE(BandPresent(doc, 4));
    EXPECT_EQ(Default800Frequency(doc), "860.000");

    // Option 3 means no 800 MHz band at all.
    doc = ResetWithType("0,2,00,1,,,3");
    EXPECT_TRUE(doc.Record(rkVfo, 4).isEmpty());
    EXPECT_FALSE(BandPresent(doc, 4));
    EXPECT_EQ(Default800Frequency(doc), "870.000");
}

TEST(BandPlanDefaults, ApplyingDefaultsNeverEmptiesASlot)
{
    TChannelDocument doc;
    doc.SetRadioType(QStringLiteral("0,9,00,1,,,"));
    doc.SetVfoRecord(2, QStringLiteral("5,00350000000"));
    doc.SetMemoryRecord(1, QStringLiteral("001,00146000000"));
    ApplyDefaultRecords(doc);
    EXPECT_EQ(doc.Record(rkVfo, 2), "5,00350000000");
    EXPECT_EQ(doc.Record(rkMemory, 1), "001,00146000000");
}

TEST(BandPlanDefaults, EditorDefaultsByVariant)
{
    struct Row {
        const char *type;
        const char *vhf;
        const char *uhf;
        int vhfStep;
        int uhfStep;
    };
    const Row rows[] = {
        {"0,0,00,1,,,", "145.000", "433.000", 5, 5}, {"0,1,00,1,,,", "144.000", "430.000", 3, 6},
        {"0,1,05,1,,,", "144.000", "432.000", 3, 6}, {"0,2,05,1,,,", "144.000", "440.000", 0, 6},
        {"0,3,05,1,,,", "144.000", "432.000", 3, 6}, {"0,3,00,1,,,", "144.000", "430.000", 3, 6},
        {"", "144.000", "430.000", 3, 6},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.type);
        TChannelDocument doc;
        doc.SetRadioType(QLatin1String(row.type));
        EXPECT_EQ(DefaultVhfFrequency(doc), row.vhf);
        EXPECT_EQ(DefaultUhfFrequency(doc), row.uhf);
        EXPECT_EQ(DefaultVhfStep(doc), row.vhfStep);
        EXPECT_EQ(DefaultUhfStep(doc), row.uhfStep);
    }
}

TEST(BandPlanBands, PresenceLabelsAndCodes)
{
    TChannelDocument doc;
    doc.SetRadioType(QStringLiteral("0,1,00,1,,,"));
    EXPECT_FALSE(BandPresent(doc, 0));
    EXPECT_TRUE(BandPresent(doc, 1));
    EXPECT_FALSE(BandPresent(doc, 2));
    EXPECT_TRUE(BandPresent(doc, 3));
    EXPECT_FALSE(BandPresent(doc, 4));
    EXPECT_FALSE(BandPresent(doc, 5));
    EXPECT_EQ(BandLabel(doc, 3), "430MHz");

    doc.SetRadioType(QStringLiteral("0,2,00,1,1,1,1"));
    for (int band = 0; band < 5; ++band)
        EXPECT_TRUE(BandPresent(doc, band)) << band;
    const char *labels[] = {"118MHz", "144MHz", "300MHz", "440MHz", "800MHz"};
    const char *codes[] = {"1", "2", "5", "6", "8"};
    const char *limits[] = {"00118,00135", "00136,00173", "00300,00399", "00410,00469",
                            "00800,00999"};
    for (int band = 0; band < 5; ++band) {
        EXPECT_EQ(BandLabel(doc, band), labels[band]);
        EXPECT_EQ(BandCode(band), codes[band]);
        EXPECT_EQ(BandOfCode(QLatin1Char(codes[band][0])), band);
        EXPECT_EQ(DefaultBandLimit(band), limits[band]);
    }
    EXPECT_EQ(BandOfCode(QLatin1Char('3')), -1);
    EXPECT_EQ(BandCode(5), "");
    EXPECT_EQ(DefaultBandLimit(-1), "");
}

TEST(BandPlanTables, TonesAndSteps)
{
    // The table jumps from 192.8 to 203.5 Hz; code 2 exists only in the table.
    EXPECT_EQ(ToneText(32), "192.8Hz");
    EXPECT_EQ(ToneText(33), "203.5Hz");
    EXPECT_EQ(ToneText(39), "250.3Hz");
    EXPECT_EQ(ToneText(40), "");
    EXPECT_EQ(ToneTextOfCode(QStringLiteral("02")), "69.4Hz");
    EXPECT_EQ(ToneTextOfCode(QString()), "88.5Hz");
    EXPECT_EQ(ToneTextOfCode(QStringLiteral("x1")), "");
    const QStringList tones = EditorToneTexts();
    ASSERT_EQ(tones.size(), 38);
    EXPECT_EQ(tones.at(1), "71.9Hz");
    EXPECT_EQ(tones.at(7), "88.5Hz");
    EXPECT_EQ(tones.last(), "250.3Hz");

    // Codes 7 and 9 have no list position; list position 7 is 50 kHz.
    EXPECT_EQ(StepText(7), "30kHz");
    EXPECT_EQ(StepText(8), "50kHz");
    EXPECT_EQ(StepText(10), "");
    EXPECT_EQ(EditorStepTexts().size(), 8);
    EXPECT_EQ(EditorStepTexts().at(7), "50kHz");
    EXPECT_EQ(StepSizeHz(1), 6250);
    EXPECT_EQ(StepSizeHz(7), 50000);
    EXPECT_EQ(StepSizeHz(8), 0);
    EXPECT_EQ(StepSizeHz(-1), 0);
}
