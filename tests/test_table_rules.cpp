// The channel table's rules: cell texts and sort keys, cell edits through
// the memory editor's rules, bulk edits, moving and renumbering slots, find.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/ChannelTableRules.h"
#include "data/FrequencyRules.h"
#include "data/MemoryChannel.h"

#include <gtest/gtest.h>

namespace {

TChannelDocument DefaultDocument(const QString &type = QString::fromLatin1(kDefaultRadioType))
{
    TChannelDocument doc;
    doc.SetRadioType(type);
    for (int band = 0; band < 5; ++band)
        doc.SetBandLimit(band, BandPresent(doc, band) ? DefaultBandLimit(band) : QString());
    doc.ResetDocument();
    return doc;
}

// Stores a channel built by the editor's rules.
void Put(TChannelDocument &doc, int slot, const QString &rx, const QString &name = QString(),
         const QString &tx = QString(), QChar shift = QLatin1Char('0'))
{
    TMemoryChannelEntry entry;
    entry.rxText = rx;
    entry.txText = tx;
    entry.stepCode = QStringLiteral("3");
    entry.shift = shift;
    entry.name = name;
    const TMemoryRecordResult built = CommitMemoryChannel(doc, slot, entry);
    ASSERT_EQ(built.error, TMemoryRecordResult::None);
    doc.SetMemoryRecord(slot, built.record);
}

QString Field(const TChannelDocument &doc, int slot, int field) { return doc.GetRecordField(rkMemory, slot, field); }

// A record the memory editor would load and store back unchanged (the
// editor rounds the frequencies again and keeps only tone codes).
void ExpectEditorRecord(const TChannelDocument &doc, int slot)
{
    TMemoryChannelEntry entry = LoadMemoryChannel(doc, slot);
    entry.rxAsStored = entry.txAsStored = false;
    const TMemoryRecordResult again = CommitMemoryChannel(doc, slot, entry);
    ASSERT_EQ(again.error, TMemoryRecordResult::None);
    EXPECT_EQ(again.record, doc.Record(rkMemory, slot)) << "slot " << slot;
}

} // namespace

TEST(TableColumns, CellsShowTheRecordAndEmptySlotsOnlyTheirLabel)
{
    TChannelDocument doc = DefaultDocument();
    Put(doc, 5, QStringLiteral("145.0125"), QStringLiteral("RPT"), QString(), QLatin1Char('2'));
    EXPECT_EQ(TableCellText(doc, 5, tcChannel), QStringLiteral("005"));
    EXPECT_EQ(TableCellText(doc, 5, tcReceive), QStringLiteral("145.0125"));
    EXPECT_EQ(TableCellText(doc, 5, tcStep), QStringLiteral("12.5kHz"));
    EXPECT_EQ(TableCellText(doc, 5, tcShift), QStringLiteral("Minus"));
    EXPECT_EQ(TableCellText(doc, 5, tcOffset), QStringLiteral("0.60"));
    EXPECT_EQ(TableCellText(doc, 5, tcToneMode), QStringLiteral("Off"));
    EXPECT_EQ(TableCellText(doc, 5, tcToneFrequency), QStringLiteral("88.5Hz"));
    EXPECT_EQ(TableCellText(doc, 5, tcName), QStringLiteral("RPT"));
    EXPECT_EQ(TableCellText(doc, 6, tcChannel), QStringLiteral("006"));
    for (int column = tcReceive; column < tcColumnCount; ++column)
        EXPECT_TRUE(TableCellText(doc, 6, column).isEmpty());
    EXPECT_EQ(TableCellText(doc, 193, tcChannel), QStringLiteral("PR"));
}

TEST(TableColumns, CellsThatNeverTakeAValueAreReadOnlyAndSayWhy)
{
    TChannelDocument doc = DefaultDocument();
    Put(doc, 5, QStringLiteral("145.000"), QString(), QString(), QLatin1Char('1'));
    Put(doc, 7, QStringLiteral("145.000"), QString(), QStringLiteral("144.500"));
    Put(doc, 181, QStringLiteral("145.000"));
    Put(doc, 193, QStringLiteral("145.000"));
    struct Case {
        int slot;
        int column;
        const char *reason; // start of the tooltip; null: the cell takes typing
        bool box;           // a flag cell shows a check box
    };
    const Case cases[] = {
        {5, tcOffset, "A memory channel shifts by its band's VFO offset", false},
        {5, tcChannel, "A channel's number is its slot", false},
        {5, tcReceive, nullptr, false},
        {5, tcLockOut, nullptr, true},
        {5, tcReverse, nullptr, true},
        {7, tcReverse, "A split channel has no reverse", true},
        {181, tcLockOut, "Lock Out applies to channels 001..180 only.", false},
        {181, tcTransmit, "Only channels 001..180 can be split.", false},
        {181, tcName, "Channels L1..U6 carry no name.", false},
        {181, tcReverse, nullptr, true},
        {193, tcLockOut, "Lock Out applies to channels 001..180 only.", false},
        {193, tcName, nullptr, false},
        {6, tcReceive, nullptr, false},
        {6, tcName, "Slot 006 is empty", false},
        {6, tcLockOut, "Slot 006 is empty", false},
    };
    for (const Case &c : cases) {
        const QString why = TableCellReadOnlyReason(doc, c.slot, c.column);
        EXPECT_EQ(TableCellEditable(doc, c.slot, c.column), c.reason == nullptr) << c.slot << " " << c.column;
        if (c.reason)
            EXPECT_TRUE(why.startsWith(QLatin1String(c.reason))) << qPrintable(why);
        else
            EXPECT_TRUE(why.isEmpty()) << qPrintable(why);
        EXPECT_EQ(TableCellShowsFlag(doc, c.slot, c.column), c.box) << c.slot << " " << c.column;
    }
    EXPECT_TRUE(TableColumnReadOnlyReason(tcOffset).contains(QStringLiteral("VFO editor")));
    EXPECT_TRUE(TableColumnReadOnlyReason(tcName).isEmpty());
}

TEST(TableColumns, ListsOfferOnlyWhatTheRowCanTake)
{
    // -7.6MHz: only where the radio type has it, and at 300 MHz or more.
    struct Case {
        const char *type;
        const char *rx;
        bool minus76;
    };
    const Case cases[] = {
        {"0,3,00,1,1,,", "430.000", true},
        {"0,3,00,1,1,,", "145.000", false},
        {"0,3,05,1,1,,", "430.000", false},
        {kDefaultRadioType, "430.000", false},
    };
    const QStringList plain{"Simplex", "Plus", "Minus"};
    for (const Case &c : cases) {
        TChannelDocument doc = DefaultDocument(QLatin1String(c.type));
        Put(doc, 5, QLatin1String(c.rx));
        EXPECT_EQ(TableCellChoices(doc, 5, tcShift), c.minus76 ? plain + QStringList{"-7.6MHz"} : plain)
            << c.type << " " << c.rx;
        // Bulk Edit offers what the radio type allows on some channel.
        const bool typeHasIt = QLatin1String(c.type) == QLatin1String("0,3,00,1,1,,");
        EXPECT_EQ(TableColumnChoices(doc, tcShift).contains(QStringLiteral("-7.6MHz")), typeHasIt) << c.type;
    }
    TChannelDocument doc = DefaultDocument();
    EXPECT_EQ(TableCellChoices(doc, 1, tcStep), EditorStepTexts());
    EXPECT_EQ(TableCellChoices(doc, 1, tcToneMode), (QStringList{"Off", "Tone", "CTCSS"}));
    EXPECT_TRUE(TableCellChoices(doc, 1, tcName).isEmpty());
    EXPECT_TRUE(TableCellChoices(doc, 1, tcOffset).isEmpty());
}

TEST(TableLayout, TheWindowOpensBesideTheMainWindowWhereTheScreenHasRoom)
{
    struct Case {
        QRect screen;
        QRect main;
        QSize wanted;
        QRect placed;
    };
    const Case cases[] = {
        // Room on the right, then on the left.
        {{0, 0, 1920, 1080}, {0, 0, 600, 500}, {1000, 700}, {600, 0, 1000, 700}},
        {{0, 0, 1920, 1080}, {1200, 100, 600, 500}, {1000, 700}, {200, 100, 1000, 700}},
        // No room either side: against the edge of the roomier side.
        {{0, 0, 1280, 900}, {0, 0, 600, 500}, {1000, 700}, {280, 0, 1000, 700}},
        {{0, 0, 1280, 900}, {680, 0, 600, 500}, {1000, 700}, {0, 0, 1000, 700}},
        // Never larger than the screen, never below its bottom.
        {{0, 0, 640, 450}, {0, 300, 300, 200}, {1000, 700}, {0, 0, 640, 450}},
        {{0, 0, 1920, 1080}, {0, 800, 600, 200}, {1000, 700}, {600, 380, 1000, 700}},
        // A second screen to the right.
        {{1920, 0, 1920, 1080}, {1920, 0, 600, 500}, {1000, 700}, {2520, 0, 1000, 700}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TableWindowPlacement(c.screen, c.main, c.wanted), c.placed)
            << c.main.x() << "," << c.main.y() << " on " << c.screen.width();
}

TEST(TableColumns, SortKeysAreNumbersAndEmptySlotsComeLast)
{
    TChannelDocument doc = DefaultDocument();
    Put(doc, 2, QStringLiteral("145.5"));
    Put(doc, 3, QStringLiteral("1000")); // clamps to the top of the band
    EXPECT_EQ(TableSortKey(doc, 2, tcReceive).toLongLong(), 145500000);
    EXPECT_LT(TableSortKey(doc, 2, tcReceive).toLongLong(), TableSortKey(doc, 3, tcReceive).toLongLong());
    EXPECT_FALSE(TableSortKey(doc, 4, tcReceive).isValid());
    EXPECT_EQ(TableSortKey(doc, 4, tcChannel).toInt(), 4);
    EXPECT_EQ(TableSortKey(doc, 2, tcStep).toInt(), 12500);
}

TEST(TableCellEdit, AppliedAdjustedAndRefusedAsTheEditorDoes)
{
    TChannelDocument doc = DefaultDocument();
    Put(doc, 5, QStringLiteral("145.000"));

    TEditResult r = ApplyCellEdit(doc, 5, tcReceive, QStringLiteral("145.5"));
    EXPECT_EQ(r.status, TEditStatus::Applied);
    EXPECT_EQ(Field(doc, 5, cfReceiveFrequency), QStringLiteral("00145500000"));

    r = ApplyCellEdit(doc, 5, tcReceive, QStringLiteral("145.5037"));
    EXPECT_EQ(r.status, TEditStatus::Adjusted);
    ASSERT_FALSE(r.notes.isEmpty());
    EXPECT_TRUE(r.notes.join(QString()).contains(QStringLiteral("145.500")));
    EXPECT_EQ(Field(doc, 5, cfReceiveFrequency), QStringLiteral("00145500000"));

    r = ApplyCellEdit(doc, 5, tcReceive, QStringLiteral("180"));
    EXPECT_EQ(r.status, TEditStatus::Adjusted);
    EXPECT_EQ(Field(doc, 5, cfReceiveFrequency), QStringLiteral("00173987500"));

    const QString before = doc.Record(rkMemory, 5);
    r = ApplyCellEdit(doc, 5, tcReceive, QStringLiteral("145..5"));
    EXPECT_EQ(r.status, TEditStatus::Refused);
    EXPECT_TRUE(r.reason.startsWith(QStringLiteral("Invalid Frequency.")));
    EXPECT_EQ(doc.Record(rkMemory, 5), before);

    r = ApplyCellEdit(doc, 5, tcName, QStringLiteral("abcdefgh"));
    EXPECT_EQ(r.status, TEditStatus::Refused);
    EXPECT_TRUE(r.reason.startsWith(QStringLiteral("Invalid Memory name.")));
    r = ApplyCellEdit(doc, 5, tcName, QStringLiteral("home"));
    EXPECT_EQ(r.status, TEditStatus::Adjusted);
    EXPECT_EQ(Field(doc, 5, cfName), QStringLiteral("HOME"));
    // Names are taken as the editor's name box takes them: a..z in capitals,
    // nothing else is turned into a letter.
    for (const char *typed : {"stra\xc3\x9f" "e", "\xef\xac\x81re", "\xc4\xb1n"}) {
        r = ApplyCellEdit(doc, 5, tcName, QString::fromUtf8(typed));
        EXPECT_EQ(r.status, TEditStatus::Refused) << typed;
        EXPECT_TRUE(r.reason.startsWith(QStringLiteral("Invalid Memory name."))) << typed;
    }
    EXPECT_EQ(Field(doc, 5, cfName), QStringLiteral("HOME"));

    // 173.9875 MHz is no multiple of 25 kHz: the coarser step rounds it down.
    EXPECT_EQ(ApplyCellEdit(doc, 5, tcStep, QStringLiteral("25kHz")).status, TEditStatus::Adjusted);
    EXPECT_EQ(Field(doc, 5, cfStep), QStringLiteral("6"));
    EXPECT_EQ(Field(doc, 5, cfReceiveFrequency), QStringLiteral("00173975000"));
    EXPECT_EQ(ApplyCellEdit(doc, 5, tcStep, QStringLiteral("12.5")).status, TEditStatus::Applied);
    EXPECT_EQ(ApplyCellEdit(doc, 5, tcStep, QStringLiteral("7")).status, TEditStatus::Refused);
    EXPECT_EQ(ApplyCellEdit(doc, 5, tcToneMode, QStringLiteral("ctcss")).status, TEditStatus::Applied);
    EXPECT_EQ(ApplyCellEdit(doc, 5, tcCtcssFrequency, QStringLiteral("100")).status, TEditStatus::Applied);
    EXPECT_EQ(Field(doc, 5, cfCtcssCode), QStringLiteral("13"));
    EXPECT_EQ(Field(doc, 5, cfCtcssOn), QStringLiteral("1"));
    // 69.4 Hz is not in the editor's tone list.
    EXPECT_EQ(ApplyCellEdit(doc, 5, tcToneFrequency, QStringLiteral("69.4")).status, TEditStatus::Refused);
    EXPECT_EQ(ApplyCellEdit(doc, 5, tcLockOut, QStringLiteral("1")).status, TEditStatus::Applied);
    EXPECT_EQ(Field(doc, 5, cfLockOut), QStringLiteral("1"));
    EXPECT_EQ(ApplyCellEdit(doc, 5, tcChannel, QStringLiteral("9")).status, TEditStatus::Refused);
    ExpectEditorRecord(doc, 5);
}

TEST(TableCellEdit, SplitShiftReverseAndSlotClasses)
{
    TChannelDocument doc = DefaultDocument();
    Put(doc, 7, QStringLiteral("145.000"));
    EXPECT_EQ(ApplyCellEdit(doc, 7, tcReverse, QStringLiteral("On")).status, TEditStatus::Applied);
    TEditResult r = ApplyCellEdit(doc, 7, tcTransmit, QStringLiteral("144.5"));
    EXPECT_EQ(r.status, TEditStatus::Adjusted); // reverse turned off
    EXPECT_EQ(Field(doc, 7, cfTransmitFrequency), QStringLiteral("00144500000"));
    EXPECT_EQ(Field(doc, 7, cfReverse), QStringLiteral("0"));
    EXPECT_EQ(TableCellText(doc, 7, tcShift), QStringLiteral("Split"));
    EXPECT_EQ(ApplyCellEdit(doc, 7, tcReverse, QStringLiteral("On")).status, TEditStatus::Refused);
    // The radio transmits a split channel in the band of its receive
    // frequency: a Tx frequency elsewhere is refused, never moved into it.
    struct Refusal {
        int column;
        const char *typed;
        const char *reason;
    };
    const Refusal refusals[] = {
        {tcTransmit, "435.0", "Tx 435.000 MHz is not in the band of Rx 145.000 MHz"},
        {tcTransmit, "180", "Tx 180.000 MHz is outside the band limits 136-173 MHz"},
        {tcTransmit, "50", "Tx 000.000 MHz is not in the band of Rx 145.000 MHz"},
        {tcReceive, "435.0", "Tx 144.500 MHz is not in the band of Rx 435.000 MHz"},
        // 144.5037 MHz lies on no step with 145.000: not rounded, refused.
        {tcTransmit, "144.5037", "Tx 144.5037 MHz lies on no step of the radio together with Rx 145.000 MHz"},
    };
    for (const Refusal &c : refusals) {
        const QString split = doc.Record(rkMemory, 7);
        r = ApplyCellEdit(doc, 7, c.column, QString::fromLatin1(c.typed));
        EXPECT_EQ(r.status, TEditStatus::Refused) << c.typed;
        EXPECT_TRUE(r.reason.startsWith(QString::fromLatin1(c.reason))) << c.typed << ": " << qPrintable(r.reason);
        EXPECT_EQ(doc.Record(rkMemory, 7), split) << c.typed;
    }
    // A Tx frequency the step cannot hold takes a step that holds both.
    // (The channel is on the 12.5 kHz step; 144.505 MHz is on 5 kHz.)
    ASSERT_EQ(Field(doc, 7, cfStep), QStringLiteral("3"));
    r = ApplyCellEdit(doc, 7, tcTransmit, QStringLiteral("144.505"));
    EXPECT_EQ(r.status, TEditStatus::Adjusted);
    EXPECT_TRUE(r.notes.join(' ').contains(QStringLiteral("step set to 5kHz"))) << qPrintable(r.notes.join(' '));
    EXPECT_EQ(Field(doc, 7, cfTransmitFrequency), QStringLiteral("00144505000"));
    EXPECT_EQ(Field(doc, 7, cfStep), QStringLiteral("0"));
    EXPECT_EQ(Field(doc, 7, cfReceiveFrequency), QStringLiteral("00145000000"));
    // A shift ends the split.
    r = ApplyCellEdit(doc, 7, tcShift, QStringLiteral("Plus"));
    EXPECT_EQ(r.status, TEditStatus::Adjusted);
    EXPECT_TRUE(Field(doc, 7, cfTransmitFrequency).isEmpty());
    EXPECT_EQ(Field(doc, 7, cfShift), QStringLiteral("1"));
    // The offset is the VFO's: the same is accepted, another refused.
    EXPECT_EQ(ApplyCellEdit(doc, 7, tcOffset, QStringLiteral("0.6")).status, TEditStatus::Unchanged);
    r = ApplyCellEdit(doc, 7, tcOffset, QStringLiteral("1.0"));
    EXPECT_EQ(r.status, TEditStatus::Refused);
    EXPECT_TRUE(r.reason.contains(QStringLiteral("VFO offset")));
    // Transmit frequency, lock-out and name per slot class.
    Put(doc, 181, QStringLiteral("145.000"));
    EXPECT_EQ(ApplyCellEdit(doc, 181, tcTransmit, QStringLiteral("145.5")).status, TEditStatus::Refused);
    EXPECT_EQ(ApplyCellEdit(doc, 181, tcLockOut, QStringLiteral("On")).status, TEditStatus::Refused);
    EXPECT_EQ(ApplyCellEdit(doc, 181, tcName, QStringLiteral("A")).status, TEditStatus::Refused);
    Put(doc, 193, QStringLiteral("145.000"));
    EXPECT_EQ(ApplyCellEdit(doc, 193, tcName, QStringLiteral("PRIO")).status, TEditStatus::Applied);
    EXPECT_EQ(ApplyCellEdit(doc, 193, tcLockOut, QStringLiteral("On")).status, TEditStatus::Refused);
    // -7.6 MHz only where the radio type offers it, and only from 300 MHz.
    EXPECT_EQ(ApplyCellEdit(doc, 7, tcShift, QStringLiteral("-7.6MHz")).status, TEditStatus::Refused);
    TChannelDocument eu = DefaultDocument(QStringLiteral("0,3,00,1,1,,"));
    Put(eu, 1, QStringLiteral("145.000"));
    Put(eu, 2, QStringLiteral("430.000"));
    EXPECT_EQ(ApplyCellEdit(eu, 1, tcShift, QStringLiteral("-7.6MHz")).status, TEditStatus::Refused);
    EXPECT_EQ(ApplyCellEdit(eu, 2, tcShift, QStringLiteral("-7.6MHz")).status, TEditStatus::Applied);
    EXPECT_EQ(Field(eu, 2, cfShift), QStringLiteral("3"));
    for (int slot : {7, 181, 193})
        ExpectEditorRecord(doc, slot);
}

TEST(TableCellEdit, EmptySlotsTakeAFrequencyFirstAndOtherColumnsChangesAreNamed)
{
    TChannelDocument doc = DefaultDocument();
    EXPECT_EQ(ApplyCellEdit(doc, 9, tcName, QStringLiteral("X")).status, TEditStatus::Refused);
    EXPECT_EQ(ApplyCellEdit(doc, 9, tcReceive, QString()).status, TEditStatus::Unchanged);
    EXPECT_TRUE(doc.Record(rkMemory, 9).isEmpty());
    EXPECT_EQ(ApplyCellEdit(doc, 9, tcReceive, QStringLiteral("433.5")).status, TEditStatus::Applied);
    EXPECT_EQ(Field(doc, 9, cfLabel), QStringLiteral("009"));
    ExpectEditorRecord(doc, 9);
    // A new channel takes a step that holds the frequency typed.
    const TEditResult r = ApplyCellEdit(doc, 11, tcReceive, QStringLiteral("145.6125"));
    EXPECT_EQ(r.status, TEditStatus::Applied) << qPrintable(r.notes.join(QStringLiteral("; ")));
    EXPECT_EQ(Field(doc, 11, cfReceiveFrequency), QStringLiteral("00145612500"));
    EXPECT_EQ(Field(doc, 11, cfStep), QStringLiteral("3"));
    ExpectEditorRecord(doc, 11);
}

TEST(TableCellEdit, AnEditChangesOnlyItsColumnEvenWhereTheListsCannotShowTheValue)
{
    TChannelDocument doc = DefaultDocument();
    // A 30 kHz step and 69.4 Hz in both tone fields, as read from a radio:
    // none of the three is offered by the editor's lists; and a frequency
    // off the 5 kHz the editor would round it to.
    const QString odd = QStringLiteral("010,00145012500,7,0,0,1,0,,02,,02,,0,,,,,");
    struct Case {
        int column;
        const char *typed;
        TEditStatus status;
        const char *stored;
    };
    const Case cases[] = {
        {tcName, "A", TEditStatus::Applied, "010,00145012500,7,0,0,1,0,,02,,02,,0,,,,,A"},
        {tcLockOut, "On", TEditStatus::Applied, "010,00145012500,7,0,0,1,0,,02,,02,,1,,,,,"},
        {tcToneMode, "CTCSS", TEditStatus::Applied, "010,00145012500,7,0,0,0,1,,02,,02,,0,,,,,"},
        {tcShift, "Plus", TEditStatus::Applied, "010,00145012500,7,1,0,1,0,,02,,02,,0,,,,,"},
        {tcReverse, "On", TEditStatus::Applied, "010,00145012500,7,0,1,1,0,,02,,02,,0,,,,,"},
        // The channel keeps its 30 kHz step: a typed frequency is rounded
        // only to 5 kHz, which 30 kHz is a multiple of.
        {tcReceive, "145.03", TEditStatus::Applied, "010,00145030000,7,0,0,1,0,,02,,02,,0,,,,,"},
        {tcReceive, "145.0325", TEditStatus::Adjusted, "010,00145030000,7,0,0,1,0,,02,,02,,0,,,,,"},
        {tcTransmit, "144.51", TEditStatus::Applied, "010,00145012500,7,0,0,1,0,,02,,02,,0,,00144510000,7,,"},
        // The edited column takes the choice; the other codes stay.
        {tcToneFrequency, "100", TEditStatus::Applied, "010,00145012500,7,0,0,1,0,,13,,02,,0,,,,,"},
        {tcCtcssFrequency, "100", TEditStatus::Applied, "010,00145012500,7,0,0,1,0,,02,,13,,0,,,,,"},
        {tcToneFrequency, "71.9Hz", TEditStatus::Applied, "010,00145012500,7,0,0,1,0,,03,,02,,0,,,,,"},
        {tcStep, "25", TEditStatus::Adjusted, "010,00145000000,6,0,0,1,0,,02,,02,,0,,,,,"},
    };
    for (const Case &c : cases) {
        doc.SetMemoryRecord(10, odd);
        const TEditResult r = ApplyCellEdit(doc, 10, c.column, QString::fromLatin1(c.typed));
        const QString what = TableColumnTitle(c.column) + QStringLiteral(" = ") + QString::fromLatin1(c.typed);
        EXPECT_EQ(int(r.status), int(c.status)) << qPrintable(what) << ": " << qPrintable(r.reason + r.notes.join(QStringLiteral("; ")));
        EXPECT_EQ(doc.Record(rkMemory, 10).toStdString(), c.stored) << qPrintable(what);
    }
}

TEST(TableBulkEdit, MixedSelectionChangesWhatEachSlotCanTake)
{
    TChannelDocument doc = DefaultDocument();
    Put(doc, 1, QStringLiteral("145.000"));
    Put(doc, 5, QStringLiteral("145.000"), QStringLiteral("SPL"), QStringLiteral("144.000"));
    Put(doc, 181, QStringLiteral("435.000"));
    TBulkEdit edit;
    edit.stepPosition = 6; // 25 kHz
    edit.shift = QLatin1Char('1');
    edit.lockOut = true;
    edit.toneMode = 1;
    edit.tonePosition = 11; // 100.0 Hz (the editor's list lacks 69.4 Hz)
    const TBulkResult r = ApplyBulkEdit(doc, {1, 2, 5, 181}, edit);
    EXPECT_TRUE(r.refusal.isEmpty());
    EXPECT_EQ(r.changed, 3);
    for (int slot : {1, 5, 181}) {
        EXPECT_EQ(Field(doc, slot, cfStep), QStringLiteral("6"));
        EXPECT_EQ(Field(doc, slot, cfShift), QStringLiteral("1"));
        EXPECT_EQ(Field(doc, slot, cfToneOn), QStringLiteral("1"));
        EXPECT_EQ(Field(doc, slot, cfToneCode), QStringLiteral("13"));
        ExpectEditorRecord(doc, slot);
    }
    EXPECT_EQ(Field(doc, 1, cfLockOut), QStringLiteral("1"));
    EXPECT_EQ(Field(doc, 181, cfLockOut), QStringLiteral("0"));
    EXPECT_TRUE(Field(doc, 5, cfTransmitFrequency).isEmpty());
    EXPECT_EQ(Field(doc, 5, cfName), QStringLiteral("SPL"));
    EXPECT_TRUE(doc.Record(rkMemory, 2).isEmpty());
    const QString notes = r.notes.join(QLatin1Char('\n'));
    EXPECT_TRUE(notes.contains(QStringLiteral("005: split")));
    EXPECT_TRUE(notes.contains(QStringLiteral("L1: no lock-out")));
    EXPECT_EQ(edit.Name(), QStringLiteral("Bulk Edit"));

    TBulkEdit clear;
    clear.clear = true;
    EXPECT_EQ(clear.Name(), QStringLiteral("Clear"));
    EXPECT_EQ(ApplyBulkEdit(doc, {1, 5}, clear).changed, 2);
    EXPECT_TRUE(doc.Record(rkMemory, 1).isEmpty());
    EXPECT_FALSE(ApplyBulkEdit(doc, {}, clear).refusal.isEmpty());
    EXPECT_FALSE(ApplyBulkEdit(doc, {181}, TBulkEdit()).refusal.isEmpty());
}

TEST(TableBulkEdit, Minus76FollowsEachChannel)
{
    TChannelDocument doc = DefaultDocument(QStringLiteral("0,3,00,1,1,,"));
    Put(doc, 1, QStringLiteral("145.000"));
    Put(doc, 2, QStringLiteral("430.000"));
    TBulkEdit edit;
    edit.shift = QLatin1Char('3');
    const TBulkResult r = ApplyBulkEdit(doc, {1, 2}, edit);
    EXPECT_EQ(r.changed, 1);
    EXPECT_EQ(Field(doc, 1, cfShift), QStringLiteral("0"));
    EXPECT_EQ(Field(doc, 2, cfShift), QStringLiteral("3"));

    // What the bulk edit does not set stays, also what the lists cannot show.
    doc.SetMemoryRecord(3, QStringLiteral("003,00145012500,7,0,0,1,0,,02,,02,,0,,,,,"));
    TBulkEdit lockOut;
    lockOut.lockOut = true;
    EXPECT_EQ(ApplyBulkEdit(doc, {3}, lockOut).changed, 1);
    EXPECT_EQ(doc.Record(rkMemory, 3), QStringLiteral("003,00145012500,7,0,0,1,0,,02,,02,,1,,,,,"));
}

TEST(TableBulkEdit, TheStepNamesTheFrequenciesItMovesAndNeverMovesASplitTx)
{
    TChannelDocument doc = DefaultDocument();
    Put(doc, 5, QStringLiteral("145.000"), QString(), QStringLiteral("144.5125")); // Tx off 5 kHz
    Put(doc, 6, QStringLiteral("145.0125"), QString(), QStringLiteral("144.500"));
    Put(doc, 7, QStringLiteral("145.100"));
    Put(doc, 12, QStringLiteral("145.7875"));
    TBulkEdit edit;
    edit.stepPosition = 0; // 5 kHz
    const QList<int> chosen{5, 6, 7, 12};
    const TChannelDocument before = doc;

    const TBulkPlan plan = PlanBulkEdit(doc, chosen, edit);
    for (int slot : chosen)
        EXPECT_EQ(doc.Record(rkMemory, slot), before.Record(rkMemory, slot));
    auto text = [](const QList<TFrequencyMove> &moves) {
        QStringList list;
        for (const TFrequencyMove &m : moves)
            list << QStringLiteral("%1 %2 %3 -> %4").arg(m.slot).arg(m.transmit ? "Tx" : "Rx", m.before, m.after);
        return list;
    };
    EXPECT_EQ(text(plan.moves), (QStringList{"6 Rx 145.0125 -> 145.010", "12 Rx 145.7875 -> 145.785"}));
    EXPECT_EQ(text(plan.stepKept), (QStringList{"5 Tx 144.5125 -> 144.510"}));

    const TBulkResult r = ApplyBulkEdit(doc, chosen, edit);
    EXPECT_EQ(Field(doc, 12, cfReceiveFrequency), QStringLiteral("00145785000"));
    EXPECT_EQ(Field(doc, 12, cfStep), QStringLiteral("0"));
    EXPECT_EQ(Field(doc, 6, cfReceiveFrequency), QStringLiteral("00145010000"));
    EXPECT_EQ(Field(doc, 6, cfTransmitFrequency), QStringLiteral("00144500000"));
    // The split Tx frequency the step cannot hold keeps the channel at its step.
    EXPECT_EQ(doc.Record(rkMemory, 5), before.Record(rkMemory, 5));
    EXPECT_TRUE(r.notes.join(QLatin1Char('\n')).contains(QStringLiteral("005: step kept")))
        << qPrintable(r.notes.join(QLatin1Char('\n')));
}

TEST(TableSlots, MoveSwapInsertDeleteKeepRecordsAndRewriteLabels)
{
    TChannelDocument doc = DefaultDocument();
    doc.ClearMemoryRecord(1);
    for (int slot = 1; slot <= 4; ++slot)
        Put(doc, slot, QStringLiteral("145.%1").arg(slot), QStringLiteral("N%1").arg(slot));
    // Drag 1 to before 4: 2 3 1 4.
    TSlotResult r = MoveSlots(doc, {1}, 4);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.slotList, QList<int>{3});
    const QStringList names = {Field(doc, 1, cfName), Field(doc, 2, cfName), Field(doc, 3, cfName), Field(doc, 4, cfName)};
    EXPECT_EQ(names, (QStringList{"N2", "N3", "N1", "N4"}));
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(Field(doc, slot, cfLabel), MemorySlotLabel(slot));
        ExpectEditorRecord(doc, slot);
    }
    // Alt+Down on 3 and 4 at once is refused past 180 but moves here.
    r = ShiftSlots(doc, {3}, +1);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Field(doc, 4, cfName), QStringLiteral("N1"));
    EXPECT_FALSE(ShiftSlots(doc, {1}, -1).ok);
    EXPECT_FALSE(ShiftSlots(doc, {180}, +1).ok);
    EXPECT_FALSE(ShiftSlots(doc, {181}, -1).ok);

    // Insert an empty slot at 2: the rest move down by one.
    r = InsertEmptySlots(doc, 2);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(doc.Record(rkMemory, 2).isEmpty());
    EXPECT_EQ(Field(doc, 3, cfName), QStringLiteral("N3"));
    EXPECT_EQ(Field(doc, 3, cfLabel), QStringLiteral("003"));
    EXPECT_EQ(Field(doc, 5, cfName), QStringLiteral("N1"));
    // Delete 2 and 3 and close the gap.
    r = DeleteAndCloseGap(doc, {2, 3});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Field(doc, 2, cfName), QStringLiteral("N4"));
    EXPECT_EQ(Field(doc, 3, cfName), QStringLiteral("N1"));
    EXPECT_EQ(Field(doc, 3, cfLabel), QStringLiteral("003"));
    EXPECT_TRUE(doc.Record(rkMemory, 4).isEmpty());

    // Insert is refused while 180 holds a channel: nothing is lost.
    Put(doc, 180, QStringLiteral("146.0"));
    const TChannelDocument before = doc;
    r = InsertEmptySlots(doc, 1);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.reason.contains(QStringLiteral("180")));
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_EQ(doc.Record(rkMemory, slot), before.Record(rkMemory, slot));

    // Swap across slot classes rebuilds the record for its new slot.
    Put(doc, 10, QStringLiteral("145.0"), QStringLiteral("SPLIT"), QStringLiteral("144.0"));
    Put(doc, 182, QStringLiteral("435.0"));
    r = SwapSlots(doc, 10, 182);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Field(doc, 182, cfLabel), QStringLiteral("U1"));
    EXPECT_EQ(Field(doc, 182, cfReceiveFrequency), QStringLiteral("00145000000"));
    EXPECT_TRUE(Field(doc, 182, cfName).isEmpty());
    EXPECT_TRUE(Field(doc, 182, cfTransmitFrequency).isEmpty());
    EXPECT_EQ(Field(doc, 10, cfLabel), QStringLiteral("010"));
    EXPECT_EQ(Field(doc, 10, cfReceiveFrequency), QStringLiteral("00435000000"));
    EXPECT_TRUE(r.notes.join(QString()).contains(QStringLiteral("name")));
    ExpectEditorRecord(doc, 182);
    ExpectEditorRecord(doc, 10);
    EXPECT_FALSE(SwapSlots(doc, 10, 10).ok);
    EXPECT_FALSE(MoveSlots(doc, {181}, 1).ok);
}

TEST(TableSlots, ADropPlacesIntoFreeSlotsAndAsksOnAChannel)
{
    // Channels on 20..24 named after their slot; 25 and 27 empty, 26 and
    // 28..30 hold channels.
    auto setUp = [] {
        TChannelDocument doc = DefaultDocument();
        for (int slot : {20, 21, 22, 23, 24, 26, 28, 29, 30})
            Put(doc, slot, QStringLiteral("145.%1").arg(slot), QStringLiteral("N%1").arg(slot));
        return doc;
    };
    auto names = [](const TChannelDocument &doc, int from, int to) {
        QStringList list;
        for (int slot = from; slot <= to; ++slot)
            list << (doc.Record(rkMemory, slot).isEmpty() ? QStringLiteral("-") : Field(doc, slot, cfName));
        return list.join(QLatin1Char(' '));
    };
    EXPECT_EQ(names(setUp(), 19, 31), QStringLiteral("- N20 N21 N22 N23 N24 - N26 - N28 N29 N30 -"));

    struct Case {
        QList<int> dragged;
        int target;
        TDropKind kind;
        bool insert;        // Ask: insert here (else swap)
        const char *after;  // names on 19..31 afterwards
        QList<int> landed;
    };
    const Case cases[] = {
        // Onto a free slot: there, and nothing else moves.
        {{20}, 25, TDropKind::Place, false, "- - N21 N22 N23 N24 N20 N26 - N28 N29 N30 -", {25}},
        {{20}, 19, TDropKind::Place, false, "N20 - N21 N22 N23 N24 - N26 - N28 N29 N30 -", {19}},
        {{22, 23}, 31, TDropKind::Place, false, "- N20 N21 - - N24 - N26 - N28 N29 N30 N22", {31, 32}},
        {{20, 21}, 21, TDropKind::Ask, true, "- - N20 N21 N22 N23 N24 N26 - N28 N29 N30 -", {21, 22}},
        // Onto a channel: swap, or insert and push down to the next free slot.
        {{20}, 26, TDropKind::Ask, false, "- N26 N21 N22 N23 N24 - N20 - N28 N29 N30 -", {20, 26}},
        {{20}, 26, TDropKind::Ask, true, "- - N21 N22 N23 N24 - N20 N26 N28 N29 N30 -", {26}},
        {{24}, 21, TDropKind::Ask, true, "- N20 N24 N21 N22 N23 - N26 - N28 N29 N30 -", {21}},
        {{20}, 28, TDropKind::Ask, true, "- - N21 N22 N23 N24 - N26 - N20 N28 N29 N30", {28}},
        {{20}, 20, TDropKind::Nothing, false, "- N20 N21 N22 N23 N24 - N26 - N28 N29 N30 -", {}},
    };
    for (const Case &c : cases) {
        TChannelDocument doc = setUp();
        EXPECT_EQ(DropKindOf(doc, c.dragged, c.target), c.kind) << c.target;
        TSlotResult r;
        if (c.kind == TDropKind::Place)
            r = PlaceSlots(doc, c.dragged, c.target);
        else if (c.kind == TDropKind::Ask)
            r = c.insert ? InsertSlotsAt(doc, c.dragged, c.target) : SwapSlots(doc, c.dragged.first(), c.target);
        if (c.kind != TDropKind::Nothing)
            EXPECT_TRUE(r.ok) << qPrintable(r.reason);
        EXPECT_EQ(names(doc, 19, 31), QLatin1String(c.after)) << c.target;
        EXPECT_EQ(r.slotList, c.landed) << c.target;
        for (int slot = 19; slot <= 32; ++slot) {
            if (!doc.Record(rkMemory, slot).isEmpty()) {
                EXPECT_EQ(Field(doc, slot, cfLabel), MemorySlotLabel(slot));
                ExpectEditorRecord(doc, slot);
            }
        }
    }

    // Refused, with nothing changed: no room to push into, a filled slot
    // in the way of a placement, inserting outside 001..180.
    TChannelDocument doc = setUp();
    for (int slot = 150; slot <= 180; ++slot)
        Put(doc, slot, QStringLiteral("146.0"));
    const TChannelDocument before = doc;
    TSlotResult r = InsertSlotsAt(doc, {20}, 150);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.reason.contains(QStringLiteral("empty slots"))) << qPrintable(r.reason);
    EXPECT_FALSE(PlaceSlots(doc, {20}, 26).ok);
    EXPECT_FALSE(PlaceSlots(doc, {20, 21}, 193).ok);
    EXPECT_FALSE(InsertSlotsAt(doc, {20}, 181).ok);
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_EQ(doc.Record(rkMemory, slot), before.Record(rkMemory, slot)) << slot;
    // A channel placed in a slot of another class is rebuilt for it.
    Put(doc, 10, QStringLiteral("145.0"), QStringLiteral("SPLIT"), QStringLiteral("144.0"));
    doc.ClearMemoryRecord(183);
    r = PlaceSlots(doc, {10}, 183);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(doc.Record(rkMemory, 10).isEmpty());
    EXPECT_TRUE(Field(doc, 183, cfTransmitFrequency).isEmpty());
    EXPECT_TRUE(r.notes.join(QString()).contains(QStringLiteral("split")));
    ExpectEditorRecord(doc, 183);
}

TEST(TableFind, NamesAndFrequencies)
{
    TChannelDocument doc = DefaultDocument();
    Put(doc, 3, QStringLiteral("145.500"), QStringLiteral("HOME"));
    Put(doc, 4, QStringLiteral("145.000"), QString(), QStringLiteral("144.6"));
    EXPECT_TRUE(SlotMatchesFind(doc, 3, QStringLiteral("home")));
    EXPECT_TRUE(SlotMatchesFind(doc, 3, QStringLiteral("om")));
    EXPECT_TRUE(SlotMatchesFind(doc, 3, QStringLiteral("145.5")));
    EXPECT_TRUE(SlotMatchesFind(doc, 3, QStringLiteral("145.500")));
    EXPECT_TRUE(SlotMatchesFind(doc, 3, QStringLiteral("145")));
    EXPECT_FALSE(SlotMatchesFind(doc, 3, QStringLiteral("145.0")));
    EXPECT_TRUE(SlotMatchesFind(doc, 4, QStringLiteral("144.6"))); // transmit frequency
    EXPECT_FALSE(SlotMatchesFind(doc, 5, QStringLiteral("145")));  // empty
    EXPECT_FALSE(SlotMatchesFind(doc, 3, QString()));
}
