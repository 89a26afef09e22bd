// The check every clipboard record passes before it reaches the staging
// buffer: the records the program itself copies pass, the payloads another
// program could place there with bad digits, codes, bands or lengths fail.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/ClipboardRecordCheck.h"
#include "data/DataFile.h"
#include "support/RadioImage.h"

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The default radio: 118, 144 and 430/440 MHz bands with their default
// limits.
TChannelDocument DefaultRadio()
{
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(kDefaultRadioType));
    doc.ParseBandLimits(QStringLiteral("00118,00135,00136,00173,00410,00469"));
    doc.ResetDocument();
    return doc;
}

TChannelDocument AllBandsRadio()
{
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(kAllBandsType));
    doc.ParseBandLimits(QLatin1String(kAllBandsLimits));
    doc.ResetDocument();
    return doc;
}

} // namespace

TEST(ClipboardRecordCheck, EveryRecordTheProgramHoldsPasses)
{
    // Default records of every radio variant, and a populated document of
    // every kind of slot, as copy would put them on the clipboard.
    for (const char *type : {"0,0,00,1,1,,", "0,1,00,1,1,1,1", "0,2,00,1,1,,", "0,3,05,1,0,1,2"}) {
        TChannelDocument doc;
        doc.SetRadioType(QLatin1String(type));
        doc.ParseBandLimits(QLatin1String(kAllBandsLimits));
        doc.ResetDocument();
        for (int slot = 1; slot <= kMemorySlots; ++slot)
            EXPECT_TRUE(IsValidClipboardRecord(doc, doc.Record(rkMemory, slot))) << type << " " << slot;
        for (int band = 0; band < kVfoSlots; ++band)
            EXPECT_EQ(ClipboardRecordProblem(doc, doc.Record(rkVfo, band)), QString()) << type << " " << band;
        for (int i = 0; i < kCallSlots; ++i)
            EXPECT_EQ(ClipboardRecordProblem(doc, doc.Record(rkCall, i)), QString()) << type << " " << i;
    }

    const TChannelDocument doc = PopulatedDocument();
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_EQ(ClipboardRecordProblem(doc, doc.Record(rkMemory, slot)), QString()) << slot;
    for (int band = 0; band < kVfoSlots; ++band)
        EXPECT_EQ(ClipboardRecordProblem(doc, doc.Record(rkVfo, band)), QString()) << band;
    for (int i = 0; i < kCallSlots; ++i)
        EXPECT_EQ(ClipboardRecordProblem(doc, doc.Record(rkCall, i)), QString()) << i;
    for (int i = 0; i < kDtmfSlots; ++i)
        EXPECT_EQ(ClipboardRecordProblem(doc, doc.Record(rkDtmf, i)), QString()) << i;

    // An empty slot copied is an empty text: valid, it pastes nowhere.
    EXPECT_TRUE(IsValidClipboardRecord(doc, QString()));
    // Split pair, name, lock-out, 16-character DTMF code.
    const TChannelDocument radio = DefaultRadio();
    EXPECT_TRUE(IsValidClipboardRecord(radio, QStringLiteral("010,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C")));
    EXPECT_TRUE(IsValidClipboardRecord(radio, QStringLiteral("09,0123456789ABCD*#")));
    EXPECT_TRUE(IsValidClipboardRecord(radio, QStringLiteral("05,")));
    // A name that breaks the name rule does not spoil the record: Paste
    // drops only the name.
    for (const char *name : {"lower", "ABCDEFG.", "ABCDEFGH", ".AB", "A..B"})
        EXPECT_TRUE(IsValidClipboardRecord(radio, QStringLiteral("010,00145000000,0,0,1,1,0,,09,,12,,1,,,,,")
                                                      + QLatin1String(name)))
            << name;
}

TEST(ClipboardRecordCheck, HostileChannelPayloadsFail)
{
    const TChannelDocument doc = DefaultRadio();
    const QString valid = QStringLiteral("002,00145000000,5,0,0,0,0,,09,,09,,0,,,,,");
    ASSERT_TRUE(IsValidClipboardRecord(doc, valid));

    const char *const hostile[] = {
        // Frequencies: all nines (shown as 999.999999), 12345 MHz, above 1 GHz
        // with valid MHz digits, too few and too many digits, a letter.
        "002,99999999999,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,12345000000,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,10145000000,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,0014500000,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,001450000000,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,0014500000X,5,0,0,0,0,,09,,09,,0,,,,,",
        // Step Z, shift 9, reverse 7, tone flags Q/W, tone codes XX/YY.
        "002,00145000000,Z,9,7,Q,W,,XX,,YY,,0,,,,,OK",
        "002,00145000000,Z,0,0,0,0,,09,,09,,0,,,,,",
        "002,00145000000,5,9,0,0,0,,09,,09,,0,,,,,",
        "002,00145000000,5,0,7,0,0,,09,,09,,0,,,,,",
        "002,00145000000,5,0,0,Q,0,,09,,09,,0,,,,,",
        "002,00145000000,5,0,0,0,W,,09,,09,,0,,,,,",
        "002,00145000000,5,0,0,0,0,,XX,,09,,0,,,,,",
        "002,00145000000,5,0,0,0,0,,09,,YY,,0,,,,,",
        "002,00145000000,5,0,0,0,0,,00,,09,,0,,,,,",
        "002,00145000000,5,0,0,0,0,,09,,40,,0,,,,,",
        "002,00145000000,55,0,0,0,0,,09,,09,,0,,,,,",
        // Fields that are always empty, offset, lock-out, power, name.
        "002,00145000000,5,0,0,0,0,X,09,,09,,0,,,,,",
        "002,00145000000,5,0,0,0,0,,09,X,09,,0,,,,,",
        "002,00145000000,5,0,0,0,0,,09,,09,12345,0,,,,,",
        "002,00145000000,5,0,0,0,0,,09,,09,,2,,,,,",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,X,,,,",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,,,,4,",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,,,,,ABCDEFGHIJKLMN",
        // Split transmit frequency 499.999999 MHz outside the 410-469 MHz
        // band, in a band the radio lacks, malformed, without a step, and a
        // split step without a frequency.
        "002,00435000000,6,0,0,0,0,,09,,09,,0,,00499999999,6,,",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,,00340000000,5,,",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,,0014560000,5,,",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,,00145600000,,,",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,,,5,,",
        // Receive frequencies outside the limits or in missing bands.
        "002,00180000000,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,00340000000,5,0,0,0,0,,09,,09,,0,,,,,",
        "002,00870000000,5,0,0,0,0,,09,,09,,0,,,,,",
        // Field counts: two fields, seventeen, nineteen; field 0 of no kind.
        "002,00145000000XXXXXXXXXXXXXXX",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,,,,",
        "002,00145000000,5,0,0,0,0,,09,,09,,0,,,,,,",
        "999,00145000000,5,0,0,0,0,,09,,09,,0,,,,,",
        "X,00145000000,5,0,0,0,0,,09,,09,,0,,,,,",
    };
    for (const char *text : hostile)
        EXPECT_FALSE(IsValidClipboardRecord(doc, QLatin1String(text))) << text;

    // Longer than a slot, and characters outside printable ASCII.
    EXPECT_FALSE(IsValidClipboardRecord(doc, valid + QString(60, QLatin1Char(' '))));
    EXPECT_FALSE(IsValidClipboardRecord(doc, QStringLiteral("002,00145000000,5,0,0,0,0,,09,,09,,0,,,,,\x1b]0;x")));
    EXPECT_FALSE(IsValidClipboardRecord(doc, valid + QChar(0xe9)));
}

TEST(ClipboardRecordCheck, BandsFollowTheRadioTypeAndLimits)
{
    const QString uhf800 = QStringLiteral("002,00870000000,6,0,0,0,0,,09,,09,,0,,,,,");
    const QString band300 = QStringLiteral("002,00340000000,3,0,0,0,0,,09,,09,,0,,,,,");
    EXPECT_FALSE(IsValidClipboardRecord(DefaultRadio(), uhf800));
    EXPECT_FALSE(IsValidClipboardRecord(DefaultRadio(), band300));
    TChannelDocument all = AllBandsRadio();
    EXPECT_TRUE(IsValidClipboardRecord(all, uhf800));
    EXPECT_TRUE(IsValidClipboardRecord(all, band300));
    // A radio read narrows a band: the record no longer fits.
    all.ParseBandLimits(QStringLiteral("00136,00173,00410,00469,00800,00860"));
    EXPECT_FALSE(IsValidClipboardRecord(all, uhf800));
    // The edges themselves are inside.
    EXPECT_TRUE(IsValidClipboardRecord(DefaultRadio(), QStringLiteral("002,00136000000,5,0,0,0,0,,09,,09,,0,,,,,")));
    EXPECT_TRUE(IsValidClipboardRecord(DefaultRadio(), QStringLiteral("002,00469999999,5,0,0,0,0,,09,,09,,0,,,,,")));
    EXPECT_FALSE(IsValidClipboardRecord(DefaultRadio(), QStringLiteral("002,00470000000,5,0,0,0,0,,09,,09,,0,,,,,")));
}

TEST(ClipboardRecordCheck, HostileDtmfPayloadsFail)
{
    const TChannelDocument doc = DefaultRadio();
    const char *const hostile[] = {
        "00,XYZ<>?!", "00,12e4",    "0,123",        "10,123",    "AB,123", "00",
        "00,1,2",     "05,12 34",   "0,0123456789ABCD*#1",
        ",123",       "5,",
    };
    for (const char *text : hostile)
        EXPECT_FALSE(IsValidClipboardRecord(doc, QLatin1String(text))) << text;
    EXPECT_FALSE(IsValidClipboardRecord(doc, QStringLiteral("00,1\x07")));
}
