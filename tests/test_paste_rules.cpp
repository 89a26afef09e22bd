// Paste rules without any window: what a copied record becomes in each kind
// of target row, which targets refuse it, and the step, shift, offset and
// power adjustments.
#include "data/ChannelDocument.h"
#include "data/PasteRules.h"
#include "support/RadioImage.h"

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// A named split channel on 145 MHz with the transmit frequency in band.
const QString kSplit = QStringLiteral("010,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C");

TPasteTarget Memory(int slot) { return {rkMemory, slot, -1}; }
TPasteTarget Vfo(int band) { return {rkVfo, band + 1, band}; }
TPasteTarget Call(int row) { return {rkCall, row, -1}; }
TPasteTarget Dtmf(int row) { return {rkDtmf, row, -1}; }

class PasteRulesTest : public ::testing::Test {
protected:
    void SetUp() override { SetRadio(QLatin1String(kAllBandsType)); }

    void SetRadio(const QString &type, const QString &limits = QLatin1String(kAllBandsLimits))
    {
        doc.SetRadioType(type);
        doc.ParseBandLimits(limits);
    }

    QString Paste(const QString &copied, const TPasteTarget &target) const
    {
        return PastedRecord(doc, copied, target);
    }

    TChannelDocument doc;
};

} // namespace

TEST_F(PasteRulesTest, MemoryTargetsKeepWhatTheirSlotCanHold)
{
    EXPECT_EQ(Paste(kSplit, Memory(20)), "020,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C");
    EXPECT_EQ(Paste(kSplit, Memory(180)), "180,00145000000,0,0,1,1,0,,09,,12,,1,,00145600000,0,,AB.C");
    // L/U slots: no split, no name, lock-out "0"; PR: no split, a name. A
    // split channel would transmit elsewhere there: it is not pasted.
    const QString simplex = QStringLiteral("010,00145000000,0,0,1,1,0,,09,,12,,1,,,,,AB.C");
    EXPECT_EQ(Paste(simplex, Memory(181)), "L1,00145000000,0,0,1,1,0,,09,,12,,0,,,,,");
    EXPECT_EQ(Paste(simplex, Memory(192)), "U6,00145000000,0,0,1,1,0,,09,,12,,0,,,,,");
    EXPECT_EQ(Paste(simplex, Memory(193)), "PR,00145000000,0,0,1,1,0,,09,,12,,0,,,,,AB.C");
    for (int slot : {181, 192, 193}) {
        EXPECT_EQ(Paste(kSplit, Memory(slot)), "") << slot;
        EXPECT_EQ(SplitPasteProblem(doc, kSplit, Memory(slot)),
                  MemorySlotLabel(slot) + " cannot hold the split channel 145.000/145.600 MHz");
    }
    // Outside the memory list.
    EXPECT_EQ(Paste(kSplit, Memory(0)), "");
    EXPECT_EQ(Paste(kSplit, Memory(194)), "");
}

TEST_F(PasteRulesTest, InvalidNamesAndLockOutValuesAreNotCarried)
{
    const QString copied = QStringLiteral("011,00145000000,0,0,0,0,0,,09,,09,,x,,,,,abc");
    EXPECT_EQ(Paste(copied, Memory(5)), "005,00145000000,0,0,0,0,0,,09,,09,,0,,,,,");
    EXPECT_EQ(Paste(copied, Memory(193)), "PR,00145000000,0,0,0,0,0,,09,,09,,0,,,,,");
    // Fields 7, 9 and 13 are rebuilt empty whatever the copy held.
    EXPECT_EQ(Paste(QStringLiteral("011,00145000000,0,0,0,0,0,A,09,B,09,,1,C,,,,"), Memory(5)),
              "005,00145000000,0,0,0,0,0,,09,,09,,1,,,,,");
}

TEST_F(PasteRulesTest, VfoTargetsGetOffsetAndPowerOfTheirBand)
{
    // A memory record gets the default offset of its band and power "0".
    EXPECT_EQ(Paste(kSplit, Vfo(1)), "2,00145000000,0,0,1,1,0,,09,,12,000600000,,,,,0,");
    const QString uhf = QStringLiteral("6,00435000000,6,1,0,0,0,,09,,09,001600000,,,,,2,");
    EXPECT_EQ(Paste(uhf, Vfo(3)), uhf);
    // A VFO row takes its own band only.
    EXPECT_EQ(Paste(kSplit, Vfo(3)), "");
    EXPECT_EQ(Paste(uhf, Vfo(1)), "");
    EXPECT_EQ(Paste(uhf, TPasteTarget{rkVfo, 9, -1}), "");
    // Bands without power.
    EXPECT_EQ(Paste(QStringLiteral("021,00120000000,3,0,0,0,0,,09,,09,,0,,,,,"), Vfo(0)),
              "1,00120000000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    EXPECT_EQ(Paste(QStringLiteral("023,00870000000,3,0,0,0,0,,09,,09,,0,,,,,"), Vfo(4)),
              "8,00870000000,3,0,0,0,0,,09,,09,005000000,,,,,,");
}

TEST_F(PasteRulesTest, VfoBandCodeComesFromTheTargetRecordWhenItHasOne)
{
    doc.SetVfoRecord(3, QStringLiteral("6,00435000000,6,0,0,0,0,,09,,09,005000000,,,,,0,"));
    EXPECT_TRUE(Paste(QStringLiteral("020,00435000000,6,0,0,0,0,,09,,09,,0,,,,,"), Vfo(3)).startsWith("6,"));
    doc.SetVfoRecord(3, QString());
    EXPECT_TRUE(Paste(QStringLiteral("020,00435000000,6,0,0,0,0,,09,,09,,0,,,,,"), Vfo(3)).startsWith("6,"));
}

TEST_F(PasteRulesTest, CallTargetsTakeTheirBandsAndKeepASplit)
{
    EXPECT_EQ(Paste(kSplit, Call(1)), "0,00145000000,0,0,1,1,0,,09,,12,,,,00145600000,0,,");
    EXPECT_EQ(Paste(kSplit, Call(2)), "");
    const QString uhf = QStringLiteral("031,00435000000,6,0,0,0,0,,09,,09,,0,,00440000000,6,,");
    EXPECT_EQ(Paste(uhf, Call(1)), "");
    EXPECT_EQ(Paste(uhf, Call(2)), "1,00435000000,6,0,0,0,0,,09,,09,,,,00440000000,6,,");
    EXPECT_EQ(Paste(uhf, Call(3)), "");

    // Air band to VHF, 300 and 800 MHz to UHF only when the radio has them.
    const QString air = QStringLiteral("030,00120000000,3,0,0,0,0,,09,,09,,0,,,,,");
    const QString b300 = QStringLiteral("032,00340000000,3,0,0,0,0,,09,,09,,0,,,,,");
    const QString b800 = QStringLiteral("033,00870000000,3,0,0,0,0,,09,,09,,0,,,,,");
    EXPECT_EQ(Paste(air, Call(1)), "0,00120000000,3,0,0,0,0,,09,,09,,,,,,,");
    EXPECT_NE(Paste(b300, Call(2)), "");
    EXPECT_NE(Paste(b800, Call(2)), "");
    SetRadio(QStringLiteral("0,2,00,1,0,0,2"));
    EXPECT_EQ(Paste(air, Call(1)), "");
    EXPECT_EQ(Paste(b300, Call(2)), "");
    EXPECT_EQ(Paste(b800, Call(2)), "");
}

TEST_F(PasteRulesTest, FrequenciesOutsideTheBandLimitsAreRefused)
{
    // Absent band: its empty limit record admits nothing.
    SetRadio(QLatin1String(kAllBandsType), QStringLiteral("00136,00173,00410,00469"));
    EXPECT_EQ(Paste(QStringLiteral("030,00120000000,3,0,0,0,0,,09,,09,,0,,,,,"), Memory(1)), "");
    EXPECT_NE(Paste(QStringLiteral("030,00173000000,3,0,0,0,0,,09,,09,,0,,,,,"), Memory(1)), "");
    EXPECT_EQ(Paste(QStringLiteral("030,00174000000,3,0,0,0,0,,09,,09,,0,,,,,"), Memory(1)), "");
    // Receive frequencies that are not 11 digits.
    EXPECT_EQ(Paste(QStringLiteral("030,0014500000,3,0,0,0,0,,09,,09,,0,,,,,"), Memory(1)), "");
    EXPECT_EQ(Paste(QStringLiteral("030,0014500000x,3,0,0,0,0,,09,,09,,0,,,,,"), Memory(1)), "");
    EXPECT_EQ(Paste(QStringLiteral("030,,3,0,0,0,0,,09,,09,,0,,,,,,,,,,"), Memory(1)), "");
}

TEST_F(PasteRulesTest, ASplitChannelIsPastedOnlyWhereItKeepsItsTransmitFrequency)
{
    // Another band, another step: dropping the split would make the channel
    // transmit on its receive frequency, so it is not pasted, and why.
    const QString crossBand = QStringLiteral("014,00145000000,0,0,0,0,0,,09,,09,,0,,00435000000,0,,");
    EXPECT_EQ(Paste(crossBand, Memory(14)), "");
    EXPECT_EQ(SplitPasteProblem(doc, crossBand, Memory(14)),
              "the split channel 145.000/435.000 MHz transmits outside the band it receives in");
    const QString otherStep = QStringLiteral("015,00145000000,0,0,0,0,0,,09,,09,,0,,00146000000,3,,");
    EXPECT_EQ(Paste(otherStep, Memory(15)), "");
    EXPECT_EQ(SplitPasteProblem(doc, otherStep, Memory(15)),
              "the split channel 145.000/146.000 MHz has a transmit step unlike its receive step");
    EXPECT_EQ(Paste(crossBand, TPasteTarget{rkCall, 1, -1}), "");
    // 30 kHz on both sides: both become 10 kHz, so the pair survives.
    EXPECT_EQ(Paste(QStringLiteral("012,00145000000,7,0,0,0,0,,09,,09,,0,,00145600000,7,,"), Memory(12)),
              "012,00145000000,2,0,0,0,0,,09,,09,,0,,00145600000,2,,");
    EXPECT_EQ(Paste(QStringLiteral("015,00145000000,0,0,0,0,0,,09,,09,,0,,garbage,0,,"), Memory(15)), "");
}

TEST_F(PasteRulesTest, StepCodesFollowTheReceiveBand)
{
    const char *const elsewhere[][2] = {{"0", "0"}, {"2", "2"}, {"5", "5"}, {"7", "2"}, {"8", "8"}, {"9", "8"}, {"", ""}};
    for (const auto &step : elsewhere) {
        EXPECT_EQ(PasteStepCode(QLatin1String(step[0]), 1), QLatin1String(step[1])) << step[0];
        EXPECT_EQ(PasteSplitStepCode(QLatin1String(step[0])), QLatin1String(step[1])) << step[0];
    }
    const char *const band800[][2] = {{"0", "0"}, {"2", "3"}, {"3", "3"}, {"5", "6"}, {"6", "6"}, {"7", "6"}, {"9", "6"}};
    for (const auto &step : band800)
        EXPECT_EQ(PasteStepCode(QLatin1String(step[0]), 4), QLatin1String(step[1])) << step[0];
}

TEST_F(PasteRulesTest, Minus76ShiftNeedsVariantThree)
{
    EXPECT_EQ(PasteShiftCode(QStringLiteral("3"), doc), "0");
    EXPECT_EQ(PasteShiftCode(QStringLiteral("2"), doc), "2");
    EXPECT_EQ(PasteShiftCode(QStringLiteral("1"), doc), "1");
    SetRadio(QStringLiteral("0,3,00,1,0,0,1"));
    EXPECT_EQ(PasteShiftCode(QStringLiteral("3"), doc), "3");
    EXPECT_EQ(Paste(QStringLiteral("016,00435000000,6,3,0,0,0,,09,,09,,0,,,,,"), Memory(16)),
              "016,00435000000,6,3,0,0,0,,09,,09,,0,,,,,");
}

TEST_F(PasteRulesTest, VfoOffsetAndPowerDefaults)
{
    EXPECT_EQ(PasteVfoOffset(QStringLiteral("001234000"), QStringLiteral("6"), doc), "001234000");
    EXPECT_EQ(PasteVfoOffset(QString(), QStringLiteral("1"), doc), "000600000");
    EXPECT_EQ(PasteVfoOffset(QStringLiteral("12345"), QStringLiteral("2"), doc), "000600000");
    EXPECT_EQ(PasteVfoOffset(QString(), QStringLiteral("6"), doc), "005000000");
    EXPECT_EQ(PasteVfoOffset(QStringLiteral("00123400x"), QStringLiteral("8"), doc), "005000000");
    SetRadio(QStringLiteral("0,3,00,1,0,0,0"));
    EXPECT_EQ(PasteVfoOffset(QString(), QStringLiteral("6"), doc), "001600000");
    EXPECT_EQ(PasteVfoOffset(QString(), QStringLiteral("2"), doc), "000600000");

    EXPECT_EQ(PasteVfoPower(QStringLiteral("2"), QStringLiteral("2")), "2");
    EXPECT_EQ(PasteVfoPower(QStringLiteral("3"), QStringLiteral("6")), "0");
    EXPECT_EQ(PasteVfoPower(QStringLiteral("12"), QStringLiteral("6")), "0");
    EXPECT_EQ(PasteVfoPower(QStringLiteral("1"), QStringLiteral("1")), "");
    EXPECT_EQ(PasteVfoPower(QStringLiteral("1"), QStringLiteral("5")), "");
}

TEST_F(PasteRulesTest, DtmfRecordsGoToDtmfRowsOnly)
{
    EXPECT_EQ(Paste(QStringLiteral("07,12*#"), Dtmf(3)), "02,12*#");
    EXPECT_EQ(Paste(QStringLiteral("07,"), Dtmf(10)), "09,");
    EXPECT_EQ(Paste(QStringLiteral("07,0123456789ABCD*#"), Dtmf(1)), "00,0123456789ABCD*#");
    EXPECT_EQ(Paste(QStringLiteral("07,12"), Dtmf(0)), "");
    EXPECT_EQ(Paste(QStringLiteral("07,12"), Dtmf(11)), "");
    EXPECT_EQ(Paste(QStringLiteral("07,12"), Memory(1)), "");
    EXPECT_EQ(Paste(kSplit, Dtmf(1)), "");
    EXPECT_EQ(Paste(QString(), Dtmf(1)), "");
}

TEST_F(PasteRulesTest, ResultsOverTheTargetCapacityAreRefused)
{
    // A code that makes the record one character too long for its slot.
    EXPECT_EQ(Paste(QStringLiteral("1,23456789012345678"), Dtmf(1)), "");
    EXPECT_EQ(Paste(QStringLiteral("1,2345678901234567"), Dtmf(1)), "00,2345678901234567");
    const QString longTones =
        QStringLiteral("011,00145000000,0,0,0,0,0,,%1,,%1,,0,,,,,").arg(QString(40, QLatin1Char('1')));
    EXPECT_EQ(Paste(longTones, Memory(1)), "");
}

TEST_F(PasteRulesTest, ChannelResultsAlwaysHoldEighteenFields)
{
    const TPasteTarget targets[] = {Memory(1), Memory(181), Memory(193), Vfo(1), Vfo(3), Call(1)};
    for (const TPasteTarget &target : targets) {
        const QString record = Paste(kSplit, target);
        if (!record.isEmpty())
            EXPECT_EQ(record.count(QLatin1Char(',')), 17) << target.kind << '/' << target.row;
    }
}
