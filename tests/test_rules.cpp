// Frequency, offset and name rules.
#include "data/ChannelDocument.h"
#include "data/ChannelRecord.h"
#include "data/Hertz.h"
#include "data/FrequencyRules.h"

#include <gtest/gtest.h>

namespace {

TChannelDocument DocWithType(const char *type)
{
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(type));
    for (int band = 0; band < kBandLimitSlots; ++band) {
        static const char *limits[] = {"00118,00135", "00136,00173", "00300,00399",
                                       "00410,00469", "00800,00999"};
        doc.SetBandLimit(band, QLatin1String(limits[band]));
    }
    return doc;
}

QString Normalized(const char *text)
{
    QString value = QLatin1String(text);
    return NormalizeFrequencyText(value) ? value : QStringLiteral("FAIL");
}

QString NormalizedOffset(const char *text)
{
    QString value = QLatin1String(text);
    return NormalizeOffsetText(value) ? value : QStringLiteral("FAIL");
}

struct Clamped {
    QString freq;
    bool adjusted;
    int step;
};

Clamped Clamp(const TChannelDocument &doc, const char *normalized, int band, int step)
{
    Clamped result{QLatin1String(normalized), false, step};
    result.adjusted = ClampAndRoundFrequency(doc, result.freq, band, result.step);
    return result;
}

} // namespace

TEST(RulesNormalizeFrequency, TextsBecomeNineDigits)
{
    EXPECT_EQ(Normalized("144"), "144000000");
    EXPECT_EQ(Normalized("144.0"), "144000000");
    EXPECT_EQ(Normalized("144."), "144000000");
    EXPECT_EQ(Normalized("0145.5"), "145500000");
    EXPECT_EQ(Normalized("000145.5"), "145500000");
    EXPECT_EQ(Normalized("144.12345"), "144123450");
    EXPECT_EQ(Normalized("144.123456"), "144123456");
    EXPECT_EQ(Normalized("144.1234567"), "144123456");
    EXPECT_EQ(Normalized("0144"), "144000000");
    EXPECT_EQ(Normalized("100"), "100000000");
    EXPECT_EQ(Normalized("999"), "999000000");
}

TEST(RulesNormalizeFrequency, OutOfRangeTextsSaturate)
{
    for (const char *small : {"14.5", "", "0.5", ".5", "99.9", "99", "0", "000.5", "."})
        EXPECT_EQ(Normalized(small), "000000000") << small;
    for (const char *large : {"1445", "1000", "1000.5", "99999999999999999999999",
                              "123456789012345678901234567890.5"})
        EXPECT_EQ(Normalized(large), "999999990") << large;
}

TEST(RulesNormalizeFrequency, MalformedTextIsRefusedUnchanged)
{
    for (const char *bad : {"1.2.3", "..", "144..0", "14a", "-144", "144 ", "1e3"}) {
        QString value = QLatin1String(bad);
        EXPECT_FALSE(NormalizeFrequencyText(value)) << bad;
        EXPECT_EQ(value, QLatin1String(bad));
    }
}

TEST(RulesBand, FirstDigitsChooseTheBand)
{
    const TChannelDocument air = DocWithType("0,2,00,1,1,,");
    const TChannelDocument noAir = DocWithType("0,2,00,1,,,");
    EXPECT_EQ(BandOfFrequency(air, QStringLiteral("135995000")), 0);
    EXPECT_EQ(BandOfFrequency(air, QStringLiteral("136000000")), 1);
    EXPECT_EQ(BandOfFrequency(air, QStringLiteral("129.000")), 0);
    EXPECT_EQ(BandOfFrequency(air, QStringLiteral("000000000")), 0);
    EXPECT_EQ(BandOfFrequency(air, QStringLiteral("199000000")), 1);
    EXPECT_EQ(BandOfFrequency(noAir, QStringLiteral("135995000")), 1);
    EXPECT_EQ(BandOfFrequency(noAir, QStringLiteral("000000000")), 1);
    EXPECT_EQ(BandOfFrequency(air, QStringLiteral("250000000")), 1);

    const TChannelDocument all = DocWithType("0,2,00,1,1,1,2");
    EXPECT_EQ(BandOfFrequency(all, QStringLiteral("340000000")), 2);
    EXPECT_EQ(BandOfFrequency(noAir, QStringLiteral("340000000")), 3);
    EXPECT_EQ(BandOfFrequency(all, QStringLiteral("440000000")), 3);
    EXPECT_EQ(BandOfFrequency(all, QStringLiteral("799000000")), 3);
    EXPECT_EQ(BandOfFrequency(all, QStringLiteral("860000000")), 4);
    EXPECT_EQ(BandOfFrequency(all, QStringLiteral("999999990")), 4);
    EXPECT_EQ(BandOfFrequency(DocWithType("0,2,00,1,,,1"), QStringLiteral("870000000")), 4);
    EXPECT_EQ(BandOfFrequency(DocWithType("0,2,00,1,,,3"), QStringLiteral("870000000")), 3);
    EXPECT_EQ(BandOfFrequency(noAir, QStringLiteral("999999990")), 3);

    // List labels work as well (the status bar passes them).
    EXPECT_EQ(BandOfFrequency(air, QStringLiteral("118MHz")), 0);
    EXPECT_EQ(BandOfFrequency(all, QStringLiteral("800MHz")), 4);

    // Short or foreign texts still give a valid band.
    for (const char *odd : {"", "1", "x", "13"}) {
        const int band = BandOfFrequency(air, QLatin1String(odd));
        EXPECT_TRUE(band >= 0 && band <= 4) << odd;
    }
}

TEST(RulesClamp, RoundsDownToTheStepAndClampsToTheLimits)
{
    const TChannelDocument doc = DocWithType("0,2,00,1,1,,");
    Clamped c = Clamp(doc, "145003700", 1, 0);
    EXPECT_EQ(c.freq, "145000000");
    EXPECT_TRUE(c.adjusted);

    c = Clamp(doc, "145000000", 1, 0);
    EXPECT_EQ(c.freq, "145000000");
    EXPECT_FALSE(c.adjusted);

    c = Clamp(doc, "180000000", 1, 0);
    EXPECT_EQ(c.freq, "173995000");
    EXPECT_TRUE(c.adjusted);

    c = Clamp(doc, "145012500", 1, 3);
    EXPECT_EQ(c.freq, "145012500");
    EXPECT_FALSE(c.adjusted);
    c = Clamp(doc, "145006250", 1, 1);
    EXPECT_EQ(c.freq, "145006250");
    EXPECT_FALSE(c.adjusted);
    c = Clamp(doc, "145030000", 1, 7);
    EXPECT_EQ(c.freq, "145000000");
    EXPECT_TRUE(c.adjusted);

    // Too small an entry goes to the lower limit, too large to the upper one.
    c = Clamp(doc, "000000000", 1, 0);
    EXPECT_EQ(c.freq, "136000000");
    EXPECT_TRUE(c.adjusted);
    c = Clamp(doc, "000000000", 0, 3);
    EXPECT_EQ(c.freq, "118000000");
    EXPECT_TRUE(c.adjusted);
    c = Clamp(doc, "999999990", 3, 6);
    EXPECT_EQ(c.freq, "469975000");
    EXPECT_TRUE(c.adjusted);

    // The edges themselves are inside.
    c = Clamp(doc, "173995000", 1, 0);
    EXPECT_FALSE(c.adjusted);
    c = Clamp(doc, "136000000", 1, 0);
    EXPECT_FALSE(c.adjusted);
}

TEST(RulesClamp, FollowsTheDocumentsBandLimits)
{
    TChannelDocument doc = DocWithType("0,2,00,1,1,,");
    doc.ParseBandLimits(QStringLiteral("00144,00148,00430,00440"));
    Clamped c = Clamp(doc, "150000000", 1, 0);
    EXPECT_EQ(c.freq, "148995000");
    EXPECT_TRUE(c.adjusted);

    // A band the radio named no edges for keeps its usual limits instead
    // of clamping everything to zero.
    c = Clamp(doc, "125000000", 0, 3);
    EXPECT_EQ(c.freq, "125000000");
    EXPECT_FALSE(c.adjusted);
    c = Clamp(doc, "100000000", 0, 3);
    EXPECT_EQ(c.freq, "118000000");
    EXPECT_TRUE(c.adjusted);
}

TEST(RulesClamp, EightHundredMegahertzForcesStepsAndSkipsCellular)
{
    const TChannelDocument cellular = DocWithType("0,2,00,1,,,2");
    Clamped c = Clamp(cellular, "830000000", 4, 1);
    EXPECT_EQ(c.freq, "823000000");
    EXPECT_FALSE(c.adjusted);
    c = Clamp(cellular, "870000000", 4, 1);
    EXPECT_EQ(c.freq, "865000000");
    EXPECT_FALSE(c.adjusted);
    c = Clamp(cellular, "849000000", 4, 1);
    EXPECT_EQ(c.freq, "849000000");
    c = Clamp(cellular, "824000000", 4, 1);
    EXPECT_EQ(c.freq, "823000000");
    c = Clamp(cellular, "848999000", 4, 1);
    EXPECT_EQ(c.freq, "823000000");
    c = Clamp(cellular, "893000000", 4, 1);
    EXPECT_EQ(c.freq, "865000000");
    c = Clamp(cellular, "894000000", 4, 1);
    EXPECT_EQ(c.freq, "894000000");

    // Option 1 forces the steps but has no cellular gap.
    const TChannelDocument plain = DocWithType("0,2,00,1,,,1");
    c = Clamp(plain, "830000000", 4, 1);
    EXPECT_EQ(c.freq, "830000000");

    const int forced[8] = {1, 1, 3, 3, 3, 6, 6, 6};
    for (int pos = 0; pos < 8; ++pos) {
        c = Clamp(plain, "851000000", 4, pos);
        EXPECT_EQ(c.step, forced[pos]) << pos;
        c = Clamp(cellular, "851000000", 4, pos);
        EXPECT_EQ(c.step, forced[pos]) << pos;
        // Other bands keep the step.
        c = Clamp(plain, "145000000", 1, pos);
        EXPECT_EQ(c.step, pos);
    }

    // 5 kHz becomes 6.25 kHz before rounding; the forcing alone is no adjustment.
    c = Clamp(plain, "851005000", 4, 0);
    EXPECT_EQ(c.step, 1);
    EXPECT_EQ(c.freq, "851000000");
    EXPECT_TRUE(c.adjusted);
    c = Clamp(plain, "851012500", 4, 0);
    EXPECT_EQ(c.freq, "851012500");
    EXPECT_FALSE(c.adjusted);

    // Without the 800 MHz option band 4 is not forced.
    c = Clamp(DocWithType("0,2,00,1,,,"), "851005000", 4, 0);
    EXPECT_EQ(c.step, 0);
}

TEST(RulesClamp, ResultHasNoLeadingZerosAndOddInputStaysSafe)
{
    TChannelDocument doc = DocWithType("0,2,00,1,1,,");
    doc.SetBandLimit(1, QStringLiteral("00000,00173"));
    Clamped c = Clamp(doc, "000000000", 1, 0);
    EXPECT_EQ(c.freq, "0");
    EXPECT_FALSE(c.adjusted);
    c = Clamp(doc, "099000000", 1, 0);
    EXPECT_EQ(c.freq, "99000000");

    // A bad step position leaves the value unrounded rather than dividing by zero.
    c = Clamp(doc, "145003700", 1, 9);
    EXPECT_EQ(c.freq, "145003700");
    c = Clamp(doc, "145003700", 1, -1);
    EXPECT_EQ(c.freq, "145003700");
}

TEST(RulesFormat, FrequencyAndOffsetDisplay)
{
    EXPECT_EQ(FormatFrequency(QStringLiteral("00145000000")), "145.000");
    EXPECT_EQ(FormatFrequency(QStringLiteral("00145012500")), "145.0125");
    EXPECT_EQ(FormatFrequency(QStringLiteral("00145006250")), "145.00625");
    EXPECT_EQ(FormatFrequency(QStringLiteral("00145123456")), "145.123456");
    EXPECT_EQ(FormatFrequency(QStringLiteral("00145100000")), "145.100");
    // Short or empty texts are still shown without reading past their end.
    EXPECT_EQ(FormatFrequency(QStringLiteral("145000000")), "145.000");
    EXPECT_EQ(FormatFrequency(QString()), "000.000");

    EXPECT_EQ(FormatOffset(QStringLiteral("000600000")), "0.60");
    EXPECT_EQ(FormatOffset(QStringLiteral("005000000")), "5.00");
    EXPECT_EQ(FormatOffset(QStringLiteral("001600000")), "1.60");
    EXPECT_EQ(FormatOffset(QStringLiteral("010000000")), "10.00");
    EXPECT_EQ(FormatOffset(QStringLiteral("029950000")), "29.95");
    EXPECT_EQ(FormatOffset(QString()), "0.00");
}

TEST(RulesFrequency, DecimalCommaIsTheDecimalPoint)
{
    // "145,5" must not become 1455 (and then the top of the UHF band).
    QString text = QStringLiteral("145,5");
    ASSERT_TRUE(NormalizeFrequencyText(text));
    EXPECT_EQ(text, "145500000");
    text = QStringLiteral("145,5.1");
    EXPECT_FALSE(NormalizeFrequencyText(text));
}

TEST(RulesOffset, NormalizesToFiftyKilohertzSteps)
{
    EXPECT_EQ(NormalizedOffset("0.6"), "00600000");
    EXPECT_EQ(NormalizedOffset(".6"), "00600000");
    EXPECT_EQ(NormalizedOffset("0.60"), "00600000");
    EXPECT_EQ(NormalizedOffset("1.67"), "01650000");
    EXPECT_EQ(NormalizedOffset("1.64"), "01600000");
    EXPECT_EQ(NormalizedOffset("2.99"), "02950000");
    EXPECT_EQ(NormalizedOffset("29.99"), "29950000");
    EXPECT_EQ(NormalizedOffset("3"), "03000000");
    EXPECT_EQ(NormalizedOffset("30"), "29950000");
    EXPECT_EQ(NormalizedOffset("29"), "29000000");
    EXPECT_EQ(NormalizedOffset("35"), "29950000");
    EXPECT_EQ(NormalizedOffset("35.5"), "29950000");
    EXPECT_EQ(NormalizedOffset("100.5"), "29950000");
    EXPECT_EQ(NormalizedOffset("1234.5"), "29950000");
    EXPECT_EQ(NormalizedOffset("12345.5"), "29950000");
    EXPECT_EQ(NormalizedOffset("5.00"), "05000000");
    EXPECT_EQ(NormalizedOffset("10"), "10000000");
    EXPECT_EQ(NormalizedOffset("005"), "05000000");
    EXPECT_EQ(NormalizedOffset("0005.1"), "05100000");
    EXPECT_EQ(NormalizedOffset(""), "00000000");
    EXPECT_EQ(NormalizedOffset("."), "00000000");
    EXPECT_EQ(NormalizedOffset("99999999999999999999"), "29950000");
    EXPECT_EQ(NormalizedOffset("1.2.3"), "FAIL");
    // A decimal comma is the decimal point.
    EXPECT_EQ(NormalizedOffset("1,5"), "01500000");
    EXPECT_EQ(NormalizedOffset("1,5.5"), "FAIL");
}

TEST(RulesName, MemoryNameRule)
{
    for (const char *good : {"ABC.DEF", "1234567", "A.B.C.D.E.F.G", "ABCDEF.", "", "A B", "A.",
                             "ABC DEF"})
        EXPECT_TRUE(IsValidMemoryName(QLatin1String(good))) << good;
    for (const char *bad : {".ABC", "AB..C", "ABCDEFGH", "ABCDEFG.", "abc", "A-B", ".", "A.B.C.D.E.F.G."})
        EXPECT_FALSE(IsValidMemoryName(QLatin1String(bad))) << bad;
    EXPECT_FALSE(IsValidMemoryName(QString::fromUtf8("\xc3\x84")));
}

TEST(RulesLists, StepAndToneMappings)
{
    for (int pos = 0; pos < 8; ++pos)
        EXPECT_EQ(StepListPosOfCode(StepCodeOfListPos(pos)), pos);
    EXPECT_EQ(StepCodeOfListPos(7), "8");
    EXPECT_EQ(StepCodeOfListPos(3), "3");
    EXPECT_EQ(StepCodeOfListPos(8), "");
    EXPECT_EQ(StepListPosOfCode(QStringLiteral("8")), 7);
    EXPECT_EQ(StepListPosOfCode(QStringLiteral("0")), 0);
    EXPECT_EQ(StepListPosOfCode(QStringLiteral("9")), -1);
    EXPECT_EQ(StepListPosOfCode(QStringLiteral("7")), -1);
    EXPECT_EQ(StepListPosOfCode(QString()), -1);
    EXPECT_EQ(StepListPosOfCode(QStringLiteral("x")), -1);

    for (int pos = 0; pos < 38; ++pos)
        EXPECT_EQ(ToneListPosOfCode(ToneCodeOfListPos(pos)), pos);
    EXPECT_EQ(ToneCodeOfListPos(0), "01");
    EXPECT_EQ(ToneCodeOfListPos(1), "03");
    EXPECT_EQ(ToneCodeOfListPos(7), "09");
    EXPECT_EQ(ToneCodeOfListPos(37), "39");
    // Code 02 shows as 71.9 Hz and is written back as 03.
    EXPECT_EQ(ToneListPosOfCode(QStringLiteral("02")), 1);
    EXPECT_EQ(ToneCodeOfListPos(ToneListPosOfCode(QStringLiteral("02"))), "03");
    EXPECT_EQ(ToneListPosOfCode(QStringLiteral("01")), 0);
    EXPECT_EQ(ToneListPosOfCode(QString()), 7);
    EXPECT_EQ(ToneListPosOfCode(QStringLiteral("99")), 7);
    EXPECT_EQ(ToneListPosOfCode(QStringLiteral("zz")), 7);
    for (int code = 1; code <= 39; ++code)
        EXPECT_NE(ToneCodeOfListPos(ToneListPosOfCode(QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0')))), "02");
}

TEST(RulesDefaults, EmptyFieldDefaultsByBand)
{
    const TChannelDocument doc = DocWithType("0,2,00,1,1,1,2");
    const char *freqs[] = {"118.000", "144.000", "340.000", "440.000", "860.000"};
    const int steps[] = {3, 0, 3, 6, 3};
    const char *offsets[] = {"0.60", "0.60", "5.00", "5.00", "5.00"};
    for (int band = 0; band < 5; ++band) {
        EXPECT_EQ(BandDefaultFrequency(doc, band), freqs[band]);
        EXPECT_EQ(BandDefaultStep(doc, band), steps[band]);
        EXPECT_EQ(BandDefaultOffset(band), offsets[band]);
    }
    const TChannelDocument v0 = DocWithType("0,0,00,1,,,1");
    EXPECT_EQ(BandDefaultFrequency(v0, 1), "145.000");
    EXPECT_EQ(BandDefaultFrequency(v0, 3), "433.000");
    EXPECT_EQ(BandDefaultFrequency(v0, 4), "870.000");
    EXPECT_EQ(BandDefaultStep(v0, 1), 5);
    EXPECT_EQ(BandDefaultStep(v0, 3), 5);
}

// One hertz type reads what records, users and files write and writes it back.
TEST(RulesHertz, ReadsAndWritesDigitsAndMegahertz)
{
    const struct {
        const char *text;
        qint64 hz; // -1: refused
    } mhz[] = {
        {"145.6125", 145612500}, {"145,6125", 145612500}, {" 430.8 MHz ", 430800000}, {"145", 145000000},
        {".5", 500000}, {"145.12345678", 145123456}, {"1.2.3", -1}, {".", -1}, {"", -1}, {"-1", -1},
        {"1234567.0", -1}, {"99999999999999999999999", -1}, {"14 5", -1},
    };
    for (const auto &c : mhz) {
        const std::optional<THz> hz = THz::OfMhzText(QLatin1String(c.text));
        EXPECT_EQ(hz ? hz->Value() : -1, c.hz) << c.text;
    }
    EXPECT_EQ(THz::OfDigits(QStringLiteral("00145000000"))->Value(), 145000000);
    for (const char *bad : {"", "0014500000x", "1234567890123456", " 1"})
        EXPECT_FALSE(THz::OfDigits(QLatin1String(bad))) << bad;
    EXPECT_EQ(THz(145612500).Digits(11), QStringLiteral("00145612500"));
    EXPECT_EQ(THz(145000000).Mhz(), QStringLiteral("145.000"));
    EXPECT_EQ(THz(145612500).Mhz(), QStringLiteral("145.6125"));
    EXPECT_EQ(THz(-600000).Mhz(), QStringLiteral("-0.600"));
    EXPECT_EQ(THz(7600000).MhzFixed(2), QStringLiteral("7.60"));
    EXPECT_EQ(THz(145612500).MhzFixed(6), QStringLiteral("145.612500"));
}

// A view reads and writes the record text it is given, nothing else.
TEST(RulesChannelRecord, ViewReadsAndWritesTheRecordInPlace)
{
    QString record = QStringLiteral("005,00145000000,3,2,0,1,0,,13,,09,,1,,,,,RPT");
    TChannelRecordText view(record);
    EXPECT_EQ(view.Receive()->Value(), 145000000);
    EXPECT_EQ(view.Shift(), TShift::Minus);
    EXPECT_FALSE(view.IsSplit());
    EXPECT_TRUE(view.ToneOn());
    EXPECT_TRUE(view.LockOut());
    EXPECT_EQ(view.Name(), QStringLiteral("RPT"));
    view.SetTransmit(THz(145600000), QStringLiteral("3"));
    view.SetShift(TShift::Simplex);
    EXPECT_EQ(record, QStringLiteral("005,00145000000,3,0,0,1,0,,13,,09,,1,,00145600000,3,,RPT"));
    QString empty;
    TChannelRecordText(empty).SetName(QStringLiteral("A"));
    EXPECT_EQ(empty, QStringLiteral(",,,,,,,,,,,,,,,,,A"));
}

// Every value the radio's rules forbid is named, each once.
TEST(RulesChannelRecord, RuleBreaksNameEachForbiddenValue)
{
    const TChannelDocument doc = DocWithType("0,2,00,1,1,,");
    const struct {
        int slot;
        const char *record;
        const char *found; // text of the one break expected; "" none
    } cases[] = {
        {1, "001,00145000000,3,0,0,0,0,,09,,09,,0,,,,,RPT", ""},
        {1, "", ""},
        {1, "001,00999625000,3,0,0,0,0,,09,,09,,0,,,,,", "outside the band limits"},
        {1, "001,00145000000,3,9,0,0,0,,09,,09,,0,,,,,", "shift code \"9\""},
        {1, "001,00145000000,3,0,0,0,0,,99,,09,,0,,,,,", "tone code \"99\""},
        {1, "001,00145000000,3,0,0,0,0,,09,,09,,7,,,,,", "lock-out \"7\""},
        {1, "001,00145000000,3,0,0,0,0,,09,,09,,0,,00145600000,0,,", "split step code \"0\""},
        {1, "001,00145000000,3,0,0,0,0,,09,,09,,0,,00435000000,3,,", "not in the band"},
        {1, "001,00145000000,3,0,0,0,0,,09,,09,,0,,,,,call", "name \"call\""},
        {1, "001,00145000000,3,0,0,0,0,,09,,09,,0,,,,,ABCDEFGHIJKL", "name \"ABCDEFGHIJKL\""},
        {181, "L1,00145000000,3,0,0,0,0,,09,,09,,1,,,,,", "lock-out outside"},
        {181, "L1,00145000000,3,0,0,0,0,,09,,09,,0,,,,,AB", "a name outside"},
        {1, "001,00145000000,x,0,2,0,0,,09,,09,,0,,,,,", "step code \"x\""},
    };
    for (const auto &c : cases) {
        const QList<TRuleBreak> breaks = ChannelRuleBreaks(doc, rkMemory, c.slot, QLatin1String(c.record));
        if (*c.found == 0) {
            EXPECT_TRUE(breaks.isEmpty()) << c.record;
            continue;
        }
        ASSERT_FALSE(breaks.isEmpty()) << c.record;
        EXPECT_TRUE(breaks.first().what.contains(QLatin1String(c.found))) << breaks.first().what.toStdString();
    }
    // Empty CALL channels and VFO bands (no frequency) hold nothing to judge.
    EXPECT_TRUE(ChannelRuleBreaks(doc, rkCall, 0, QStringLiteral("0,")).isEmpty());
    EXPECT_TRUE(ChannelRuleBreaks(doc, rkVfo, 1, QStringLiteral("2")).isEmpty());
    // Two faults, two breaks.
    EXPECT_EQ(ChannelRuleBreaks(doc, rkMemory, 1, QStringLiteral("001,00145000000,3,9,0,0,0,,99,,09,,0,,,,,")).size(), 2);
}

// A frequency between two channels of the step goes to the nearer one; the
// band's limits and the clamp stay as they are.
TEST(RulesClamp, RoundsToTheNearerChannelWithinTheBand)
{
    const TChannelDocument doc = DocWithType("0,2,00,1,1,,");
    const struct {
        const char *normalized;
        int band;
        int step;
        const char *result;
    } cases[] = {
        {"145003700", 1, 0, "145005000"}, // 1.3 kHz up, not 3.7 kHz down
        {"145001200", 1, 0, "145000000"},
        {"145002500", 1, 0, "145000000"}, // a tie keeps the lower one
        {"145620000", 1, 3, "145625000"}, // 12.5 kHz step
        {"173998000", 1, 0, "173995000"}, // the upper one would leave the band
        {"180000000", 1, 0, "173995000"}, // clamped as before
        {"100000000", 1, 0, "136000000"},
    };
    for (const auto &c : cases) {
        QString freq = QLatin1String(c.normalized);
        int step = c.step;
        ClampAndRoundToNearest(doc, freq, c.band, step);
        EXPECT_EQ(freq, QLatin1String(c.result)) << c.normalized;
    }
}
