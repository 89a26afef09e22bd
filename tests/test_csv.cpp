// CSV interchange: the reader's dialects, the export layout, the import's
// row-by-row outcomes under the memory editor's rules, a round trip over
// generated documents and the command-line export and import.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/CsvExport.h"
#include "data/CsvFormat.h"
#include "data/CsvImport.h"
#include "data/DataFile.h"
#include "data/FrequencyRules.h"
#include "data/MemoryChannel.h"
#include "support/CliRun.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <ostream>
#include <random>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const char *const kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// A document of the radio type with the default band limits of its bands
// and its default records.
TChannelDocument MakeDocument(const QString &type = QLatin1String(kDefaultRadioType))
{
    TChannelDocument doc;
    doc.SetRadioType(type);
    for (int band = 0; band < kBandLimitSlots; ++band)
        doc.SetBandLimit(band, BandPresent(doc, band) ? DefaultBandLimit(band) : QString());
    doc.ResetDocument();
    return doc;
}

TChannelDocument EmptyMemory(const QString &type = QLatin1String(kDefaultRadioType))
{
    TChannelDocument doc = MakeDocument(type);
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        doc.ClearMemoryRecord(slot);
    return doc;
}

const TCsvRowResult *RowAtLine(const TCsvImportPlan &plan, int line)
{
    for (const TCsvRowResult &row : plan.rows) {
        if (row.line == line)
            return &row;
    }
    return nullptr;
}

std::string Notes(const TCsvRowResult *row)
{
    return row ? row->notes.join(QStringLiteral(" | ")).toStdString() : std::string("(no row)");
}

} // namespace

// ---------------------------------------------------------------------------
// The memory editor's commit as a core function: the records the editor
// writes for the same control values.

TEST(MemoryRecord, BuildsWhatTheMemoryEditorWrites)
{
    const TChannelDocument doc = MakeDocument();
    TMemoryChannelEntry entry;
    entry.rxText = QStringLiteral("145.5");
    entry.stepCode = QStringLiteral("3");
    entry.shift = QLatin1Char('1');
    entry.reverse = true;
    entry.tone = true;
    entry.toneCode = QStringLiteral("13"); // 100.0 Hz
    entry.ctcssCode = QStringLiteral("01"); // 67.0 Hz
    entry.lockOut = true;
    entry.name = QStringLiteral("AB.C");
    TMemoryRecordResult result = CommitMemoryChannel(doc, 5, entry);
    EXPECT_EQ(result.record, QStringLiteral("005,00145500000,3,1,1,1,0,,13,,01,,1,,,,,AB.C"));
    EXPECT_FALSE(result.adjusted);

    // With the air band a split transmit frequency is clamped into the
    // receive frequency's band and rounded to its step; Reverse is dropped.
    TMemoryChannelEntry split;
    split.rxText = QStringLiteral("130.000");
    split.txText = QStringLiteral("145.000");
    split.stepCode = QStringLiteral("3");
    split.reverse = true;
    result = CommitMemoryChannel(doc, 3, split);
    EXPECT_EQ(result.record, QStringLiteral("003,00130000000,3,0,0,0,0,,09,,09,,0,,00135987500,3,,"));
    EXPECT_TRUE(result.adjusted);

    TMemoryChannelEntry rounded;
    rounded.rxText = QStringLiteral("145.0037");
    rounded.stepCode = QStringLiteral("0");
    result = CommitMemoryChannel(doc, 193, rounded);
    // The nearer channel of the step, not simply the one below.
    EXPECT_EQ(result.record, QStringLiteral("PR,00145005000,0,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_TRUE(result.adjusted);

    TMemoryChannelEntry bad;
    bad.rxText = QStringLiteral("1.2.3");
    EXPECT_EQ(CommitMemoryChannel(doc, 1, bad).error, TMemoryRecordResult::InvalidFrequency);
    bad.rxText = QStringLiteral("145");
    bad.name = QStringLiteral("ABCDEFGH");
    EXPECT_EQ(CommitMemoryChannel(doc, 1, bad).error, TMemoryRecordResult::InvalidName);
    EXPECT_TRUE(CommitMemoryChannel(doc, 1, bad).record.isEmpty());
}

// ---------------------------------------------------------------------------
// Reader

TEST(CsvReader, ReadsQuotedFieldsSeparatorsAndLineEnds)
{
    TCsvTable table;
    QString error;
    ASSERT_TRUE(ReadCsv("\xEF\xBB\xBFLocation;Name;Frequency\r\n"
                        "1;\"GB3, \"\"XX\"\"\";145,500000\r\n"
                        "\r\n"
                        "2;\"two\nlines\";146\n"
                        "3;last;147",
                        &table, &error));
    EXPECT_EQ(table.separator, QLatin1Char(';'));
    EXPECT_EQ(table.header, QStringList({"Location", "Name", "Frequency"}));
    ASSERT_EQ(table.rows.size(), 3);
    EXPECT_EQ(table.rows.at(0), QStringList({"1", "GB3, \"XX\"", "145,500000"}));
    EXPECT_EQ(table.rows.at(1), QStringList({"2", "two\nlines", "146"}));
    EXPECT_EQ(table.rows.at(2), QStringList({"3", "last", "147"}));
    // Blank lines are skipped; a quoted line break moves the next row down.
    EXPECT_EQ(table.rowLines, QList<int>({2, 4, 6}));

    ASSERT_TRUE(ReadCsv("a,b\rc,d\r", &table, &error));
    EXPECT_EQ(table.separator, QLatin1Char(','));
    EXPECT_EQ(table.rows, QList<QStringList>({{"c", "d"}}));

    // Tab-separated, as spreadsheets put rows on the clipboard: commas and
    // semicolons inside the fields are text.
    ASSERT_TRUE(ReadCsv("Location\tName\tFrequency\r\n1\tGB3, XX;\t145,5\r\n", &table, &error));
    EXPECT_EQ(table.separator, QLatin1Char('\t'));
    EXPECT_EQ(table.header, QStringList({"Location", "Name", "Frequency"}));
    EXPECT_EQ(table.rows, QList<QStringList>({{"1", "GB3, XX;", "145,5"}}));

    // Latin-1 bytes that are not UTF-8 keep their letters.
    ASSERT_TRUE(ReadCsv("Name\n\xE9t\xE9\n", &table, &error));
    EXPECT_EQ(table.rows.at(0).at(0), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
}

TEST(CsvReader, RefusesEmptyAndOversizedInputAndStopsAtTheRowLimit)
{
    TCsvTable table;
    QString error;
    EXPECT_FALSE(ReadCsv("", &table, &error));
    EXPECT_FALSE(ReadCsv("\r\n ,  \n", &table, &error));
    EXPECT_FALSE(ReadCsv(QByteArray(kCsvMaxBytes + 1, 'x'), &table, &error));
    EXPECT_TRUE(error.contains("16 MiB")) << error.toStdString();

    QByteArray many = "Location,Frequency\n";
    for (int i = 0; i < kCsvMaxRows + 10; ++i)
        many += "1,145\n";
    ASSERT_TRUE(ReadCsv(many, &table, &error));
    EXPECT_EQ(table.rows.size(), kCsvMaxRows);
    EXPECT_TRUE(table.truncated);

    // An unclosed quote takes the rest of the input into one field.
    ASSERT_TRUE(ReadCsv("a,b\n\"open,x\ny,z\n", &table, &error));
    ASSERT_EQ(table.rows.size(), 1);
    EXPECT_EQ(table.rows.at(0).at(0), QStringLiteral("open,x\ny,z\n"));

    // Beyond the last column and the longest field nothing is dropped
    // silently: the input is refused, naming the line and the column.
    // Blank fields beyond the last column hold nothing and go.
    const QByteArray longName(kCsvMaxFieldChars + 1, 'N');
    const struct {
        QByteArray csv;
        const char *error; // empty: read
    } limits[] = {
        {"a\nx" + QByteArray(100000, ',') + "y\n", "line 2, column 100001: more than 256 columns"},
        {"a\nx" + QByteArray(kCsvMaxColumns - 1, ',') + "y\n", ""},
        {"a\nx" + QByteArray(100000, ',') + " \n", ""},
        {"a" + QByteArray(kCsvMaxColumns, ',') + "Location\n", "line 1, column 257: more than 256 columns"},
        {"Location,Name\n\n1," + longName.chopped(1) + "\n", ""},
        {"Location,Name\n\n1," + longName + "\n", "line 3, column 2 (Name): a field longer than 1024 characters"},
        {"Location,Name\n1,\"x\n" + longName + "\"\n", "line 2, column 2 (Name): a field longer than 1024 characters"},
        {longName + "\n", "line 1, column 1: a field longer than 1024 characters"},
    };
    for (const auto &c : limits) {
        SCOPED_TRACE(c.csv.left(40).toStdString());
        EXPECT_EQ(ReadCsv(c.csv, &table, &error), *c.error == 0);
        if (*c.error) {
            EXPECT_EQ(error, QLatin1String(c.error));
            EXPECT_TRUE(table.header.isEmpty() && table.rows.isEmpty());
        } else {
            ASSERT_EQ(table.rows.size(), 1);
            EXPECT_LE(table.rows.at(0).size(), kCsvMaxColumns);
        }
    }
}

TEST(CsvReader, ReadsUtf16AndUtf32TextByItsByteOrderMark)
{
    const QString text = QString::fromUtf8("Location,Name,Frequency\r\n1,\"Caf\xC3\xA9 \xE2\x82\xAC\",145.5\r\n");
    const struct {
        QStringConverter::Encoding encoding;
        QByteArray mark;
    } encodings[] = {
        {QStringConverter::Utf16LE, "\xFF\xFE"},
        {QStringConverter::Utf16BE, "\xFE\xFF"},
        {QStringConverter::Utf32LE, QByteArray("\xFF\xFE\x00\x00", 4)},
        {QStringConverter::Utf32BE, QByteArray("\x00\x00\xFE\xFF", 4)},
    };
    const TChannelDocument doc = MakeDocument();
    for (const auto &e : encodings) {
        SCOPED_TRACE(e.mark.toHex().toStdString());
        QStringEncoder encoder(e.encoding);
        const QByteArray bytes = e.mark + QByteArray(encoder.encode(text));
        TCsvTable table;
        QString error;
        ASSERT_TRUE(ReadCsv(bytes, &table, &error)) << error.toStdString();
        EXPECT_EQ(table.header, QStringList({"Location", "Name", "Frequency"}));
        EXPECT_EQ(table.rows, QList<QStringList>({{"1", QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"), "145.5"}}));
        const TCsvImportPlan plan = PlanCsvImport(bytes, doc);
        ASSERT_TRUE(plan.ok) << plan.error.toStdString();
        EXPECT_TRUE(plan.rows.at(0).record.startsWith("001,00145500000,")) << plan.rows.at(0).record.toStdString();
    }
    // Text its mark does not fit is refused, naming the encoding.
    TCsvTable table;
    QString error;
    EXPECT_FALSE(ReadCsv(QByteArray("\xFF\xFEL\0o\0c", 7), &table, &error));
    EXPECT_TRUE(error.contains("not valid UTF-16LE text")) << error.toStdString();
}

TEST(CsvReader, LineQuotesWhatNeedsQuoting)
{
    EXPECT_EQ(CsvLine({"1", "A,B", "say \"hi\"", " pad", ""}),
              QByteArray("1,\"A,B\",\"say \"\"hi\"\"\",\" pad\",\r\n"));
    EXPECT_EQ(CsvLine({"a;b", "c"}, QLatin1Char(';')), QByteArray("\"a;b\";c\r\n"));
}

// ---------------------------------------------------------------------------
// Export

TEST(CsvExport, WritesTheGenericLayout)
{
    // Variant 3 with sub-variant 00 offers the -7.6 MHz shift.
    TChannelDocument doc = EmptyMemory(QStringLiteral("0,3,00,1,1,,"));
    doc.SetVfoRecord(1, QStringLiteral("2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,"));
    doc.SetMemoryRecord(1, QStringLiteral("001,00145500000,0,0,0,0,0,,09,,09,,0,,,,,GB3XX"));
    doc.SetMemoryRecord(2, QStringLiteral("002,00145600000,3,2,1,1,0,,13,,09,,1,,,,,RPT.2"));
    doc.SetMemoryRecord(3, QStringLiteral("003,00145012500,1,0,0,0,1,,09,,15,,0,,00146012500,1,,"));
    doc.SetMemoryRecord(4, QStringLiteral("004,00439000000,6,3,0,0,0,,01,,39,,0,,,,,"));
    doc.SetMemoryRecord(5, QStringLiteral("005,00433000000,8,1,0,0,0,,02,,09,,0,,,,,"));
    doc.SetMemoryRecord(6, QStringLiteral("006,00118100000,3,0,0,0,0,,09,,09,,0,,,,,TOWER"));
    doc.SetMemoryRecord(181, QStringLiteral("L1,00145000000,0,0,0,0,0,,09,,09,,0,,,,,"));
    doc.SetMemoryRecord(193, QStringLiteral("PR,00145000000,0,0,0,0,0,,09,,09,,0,,,,,HOME"));

    const QList<QByteArray> lines = ExportCsv(doc).split('\n');
    ASSERT_EQ(lines.size(), 10); // header, eight rows, and the end after the last CR LF
    EXPECT_EQ(lines.at(0), QByteArray(kHeader) + '\r');
    const QByteArray tail = ",023,NN,023,Tone->Tone,FM,";
    EXPECT_EQ(lines.at(1), "1,GB3XX,145.500000,,0.000000,,88.5,88.5" + tail + "5.00,,,,,,,\r");
    EXPECT_EQ(lines.at(2), "2,RPT.2,145.600000,-,0.600000,Tone,100.0,88.5" + tail + "12.50,S,,,,,,\r");
    EXPECT_EQ(lines.at(3), "3,,145.012500,split,146.012500,TSQL,88.5,107.2" + tail + "6.25,,,,,,,\r");
    EXPECT_EQ(lines.at(4), "4,,439.000000,-,7.600000,,67.0,250.3" + tail + "25.00,,,,,,,\r");
    // Code 02 is the table's 69.4 Hz; 50 kHz is step code 8. The UHF VFO
    // of this radio type shifts by 1.6 MHz.
    EXPECT_EQ(lines.at(5), "5,,433.000000,+,1.600000,,69.4,88.5" + tail + "50.00,,,,,,,\r");
    // The radio receives the air band in AM.
    EXPECT_EQ(lines.at(6), "6,TOWER,118.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,12.50,,,,,,,\r");
    EXPECT_EQ(lines.at(7), "181,,145.000000,,0.000000,,88.5,88.5" + tail + "5.00,,,,,,,\r");
    EXPECT_EQ(lines.at(8), "193,HOME,145.000000,,0.000000,,88.5,88.5" + tail + "5.00,,,,,,,\r");

    // One slot: the header and its row, as the clipboard carries it.
    const QByteArray one = ExportCsv(doc, {2});
    EXPECT_EQ(one.count('\n'), 2);
    EXPECT_TRUE(one.contains("\r\n2,RPT.2,")) << one.constData();
    // An empty slot gives only the header.
    EXPECT_EQ(ExportCsv(doc, {10}), QByteArray(kHeader) + "\r\n");
}

// ---------------------------------------------------------------------------
// Import

TEST(CsvImport, AppliesRowsWrittenByAnotherTool)
{
    const TChannelDocument doc = MakeDocument();
    const QByteArray csv = QByteArray(kHeader) + "\n"
        "0,SIMPLEX,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,,,,,\n"
        "5,GB3XX,145.600000,-,0.600000,Tone,103.5,88.5,023,NN,023,Tone->Tone,FM,12.50,S,5W,note,,,,\n"
        "6,UHF,439.000000,-,5.000000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,25.00,,,,,,,\n"
        "7,SPLIT,145.012500,split,146.012500,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,,,,,,\n"
        "L1,,144.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        "pr,HOME,145.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n";
    const TCsvImportPlan plan = PlanCsvImport(csv, doc);
    ASSERT_TRUE(plan.ok) << plan.error.toStdString();
    ASSERT_EQ(plan.rows.size(), 6);

    // Location 0 (tools that count from zero) is outside 1..193.
    EXPECT_EQ(plan.rows.at(0).status, TCsvRowStatus::Refused);
    EXPECT_TRUE(plan.rows.at(0).notes.join(' ').contains("out of range")) << Notes(&plan.rows.at(0));
    for (int i = 1; i < 6; ++i)
        EXPECT_EQ(plan.rows.at(i).status, TCsvRowStatus::Applied) << i << Notes(&plan.rows.at(i));
    EXPECT_EQ(plan.rows.at(1).record, QStringLiteral("005,00145600000,3,2,0,1,0,,14,,09,,1,,,,,GB3XX"));
    EXPECT_EQ(plan.rows.at(2).record, QStringLiteral("006,00439000000,6,2,0,0,1,,09,,19,,0,,,,,UHF"));
    EXPECT_EQ(plan.rows.at(3).record, QStringLiteral("007,00145012500,1,0,0,0,0,,09,,09,,0,,00146012500,1,,SPLIT"));
    EXPECT_EQ(plan.rows.at(4).slot, 181);
    EXPECT_EQ(plan.rows.at(4).record, QStringLiteral("L1,00144500000,0,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(plan.rows.at(5).slot, 193);
    EXPECT_EQ(plan.rows.at(5).record, QStringLiteral("PR,00145000000,0,0,0,0,0,,09,,09,,0,,,,,HOME"));

    // Applying stores the five records and keeps every other slot.
    TChannelDocument target = MakeDocument();
    target.SetMemoryRecord(9, QStringLiteral("009,00146000000,0,0,0,0,0,,09,,09,,0,,,,,KEEP"));
    EXPECT_EQ(ApplyCsvImport(plan, target), 5);
    EXPECT_EQ(target.Record(rkMemory, 5), plan.rows.at(1).record);
    EXPECT_EQ(target.GetRecordField(rkMemory, 9, 17), QStringLiteral("KEEP"));
    EXPECT_EQ(target.Record(rkMemory, 1), MakeDocument().Record(rkMemory, 1));

    const QStringList report = CsvImportReport(plan);
    EXPECT_TRUE(report.first().startsWith("line 2: refused: Location 0")) << report.first().toStdString();
    EXPECT_EQ(report.at(2), QStringLiteral("line 4, 006: applied"));
    EXPECT_EQ(report.last(), QStringLiteral("5 applied, 0 adjusted, 1 refused"));
}

TEST(CsvImport, ReadsSpreadsheetDialectsAndShortHeaders)
{
    const TChannelDocument doc = MakeDocument();
    // A European spreadsheet: BOM, semicolons, decimal commas, CR LF, a
    // quoted name with the separator, columns in another order, an extra
    // column and no DTCS, mode or D-STAR columns.
    const QByteArray spreadsheet = "\xEF\xBB\xBF" "Frequency;Location;Extra;Name;Tone;rToneFreq\r\n"
                                   "145,525;10;x;\"AB;C\";Tone;77,0\r\n"
                                   "\"145,5\";11;;;;\r\n";
    TCsvImportPlan plan = PlanCsvImport(spreadsheet, doc);
    ASSERT_TRUE(plan.ok) << plan.error.toStdString();
    ASSERT_EQ(plan.rows.size(), 2);
    EXPECT_EQ(plan.rows.at(0).status, TCsvRowStatus::Adjusted);
    EXPECT_TRUE(plan.rows.at(0).notes.join(' ').contains("Name \"AB;C\" -> \"ABC\"")) << Notes(&plan.rows.at(0));
    EXPECT_EQ(plan.rows.at(0).record, QStringLiteral("010,00145525000,0,0,0,1,0,,05,,09,,0,,,,,ABC"));
    EXPECT_EQ(plan.rows.at(1).status, TCsvRowStatus::Applied) << Notes(&plan.rows.at(1));
    EXPECT_EQ(plan.rows.at(1).record, QStringLiteral("011,00145500000,0,0,0,0,0,,09,,09,,0,,,,,"));

    // An older file that stops after Comment and lacks RxDtcsCode,
    // CrossMode and Power; LF line ends.
    const QByteArray older = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                             "DtcsPolarity,Mode,TStep,Skip,Comment\n"
                             "12,OLD,145.775000,-,0.600000,TSQL,88.5,94.8,023,NN,FM,25.00,,\n";
    plan = PlanCsvImport(older, doc);
    ASSERT_TRUE(plan.ok);
    ASSERT_EQ(plan.rows.size(), 1);
    EXPECT_EQ(plan.rows.at(0).status, TCsvRowStatus::Applied) << Notes(&plan.rows.at(0));
    EXPECT_EQ(plan.rows.at(0).record, QStringLiteral("012,00145775000,6,2,0,0,1,,09,,11,,0,,,,,OLD"));

    // A wide sheet: the key columns and the Name far to the right.
    QByteArray wide;
    for (int i = 1; i <= 62; ++i)
        wide += "Extra" + QByteArray::number(i) + ",";
    wide += "Location,Frequency,Name\n" + QByteArray(62, ',') + "5,145.5,HOME\n";
    plan = PlanCsvImport(wide, doc);
    ASSERT_TRUE(plan.ok) << plan.error.toStdString();
    ASSERT_EQ(plan.rows.size(), 1);
    EXPECT_EQ(plan.rows.at(0).status, TCsvRowStatus::Applied) << Notes(&plan.rows.at(0));
    EXPECT_EQ(plan.rows.at(0).record, QStringLiteral("005,00145500000,0,0,0,0,0,,09,,09,,0,,,,,HOME"));

    // Without a step the editor's default is kept when the frequency lies
    // on it, else the largest step it lies on.
    plan = PlanCsvImport("Location,Frequency\n1,145.0125\n2,145.525\n", doc);
    ASSERT_EQ(plan.rows.size(), 2);
    EXPECT_EQ(plan.rows.at(0).record.section(',', 2, 2), QStringLiteral("3")); // 12.5 kHz
    EXPECT_EQ(plan.rows.at(1).record.section(',', 2, 2), QStringLiteral("0")); // 5 kHz default
}

TEST(CsvImport, RefusesWhatTheRadioLacksAndSaysWhy)
{
    // Air band present, no 300 MHz and no 800 MHz band.
    const TChannelDocument doc = MakeDocument();
    const QByteArray csv = QByteArray(kHeader) + "\n"
        /* 2 */ "1,DTCS,145.500000,,0.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 3 */ "2,CROSS,145.500000,,0.000000,Cross,88.5,88.5,023,NN,023,DTCS->Tone,FM,5.00,,,,,,,\n"
        /* 4 */ "3,GHZ,1296.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 5 */ "4,LOW,50.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 6 */ "5,EIGHT,851.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,,,,,,\n"
        /* 7 */ "194,OUT,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 8 */ "X9,BAD,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 9 */ "6,NUM,145.5.0,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 10 */ "7,FIRST,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 11 */ "7,AGAIN,145.600000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 12 */ "8,DSTAR,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,DV,5.00,,,,CQCQCQ,,,\n"
        /* 13 */ "9,ODD,145.500000,,0.000000,Tone,159.8,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 14 */ "U1,SPLIT,145.500000,split,146.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 15 */ "10,XBAND,145.500000,split,435.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 16 */ "11,OFF,145.500000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 17 */ "12,STEP,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,abc,,,,,,,\n"
        /* 18 */ "13,AIR,125.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,,,,,,\n"
        /* 19 */ "14,THREE,340.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,,,,,,\n"
        // Repeater and marine rows whose offset is not the VFO offset of
        // their band (0.6 MHz VHF, 5 MHz UHF) need a split channel, which
        // L1..U6 and PR cannot be; a transmit frequency in another band or
        // beyond the band's upper limit cannot be one either.
        /* 20 */ "L1,RPT,441.300000,+,4.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 21 */ "PR,MARINE,160.650000,-,4.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 22 */ "U6,,145.200,-,1.0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 23 */ "15,XBAND,145.500000,+,290.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n"
        /* 24 */ "16,EDGE,172.000000,+,4.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\n";
    const TCsvImportPlan plan = PlanCsvImport(csv, doc);
    ASSERT_TRUE(plan.ok);
    struct Expect {
        int line;
        TCsvRowStatus status;
        const char *note;
    } expected[] = {
        {2, TCsvRowStatus::Refused, "no DTCS"},
        {3, TCsvRowStatus::Refused, "cross tone"},
        {4, TCsvRowStatus::Refused, "not in a band of this radio"},
        {5, TCsvRowStatus::Refused, "not in a band of this radio"},
        {6, TCsvRowStatus::Refused, "not in a band of this radio"},
        {7, TCsvRowStatus::Refused, "out of range"},
        {8, TCsvRowStatus::Refused, "not a number or a label"},
        {9, TCsvRowStatus::Refused, "not a number"},
        {10, TCsvRowStatus::Applied, ""},
        {11, TCsvRowStatus::Refused, "duplicate Location 007 (already on line 10)"},
        {12, TCsvRowStatus::Refused, "Mode \"DV\""},
        {13, TCsvRowStatus::Refused, "159.8 Hz is not a tone"},
        {14, TCsvRowStatus::Refused, "U1 cannot be a split channel"},
        {15, TCsvRowStatus::Refused, "not in the band of"},
        {16, TCsvRowStatus::Refused, "cannot inhibit"},
        {17, TCsvRowStatus::Refused, "TStep \"abc\" is not a number"},
        {18, TCsvRowStatus::Applied, ""},
        {19, TCsvRowStatus::Refused, "340.000000 MHz is not in a band of this radio"},
        {20, TCsvRowStatus::Refused, "L1 cannot be a split channel (transmit 445.900 MHz)"},
        {21, TCsvRowStatus::Refused, "PR cannot be a split channel (transmit 156.050 MHz)"},
        {22, TCsvRowStatus::Refused, "U6 cannot be a split channel (transmit 144.200 MHz)"},
        {23, TCsvRowStatus::Refused, "transmit frequency 435.500 MHz is not in the band of"},
        {24, TCsvRowStatus::Refused, "transmit frequency 176.600 MHz is not in the band of"},
    };
    ASSERT_EQ(plan.rows.size(), int(std::size(expected)));
    for (const Expect &e : expected) {
        const TCsvRowResult *row = RowAtLine(plan, e.line);
        ASSERT_NE(row, nullptr) << e.line;
        EXPECT_EQ(row->status, e.status) << "line " << e.line << ": " << Notes(row);
        EXPECT_TRUE(row->notes.join(' ').contains(QLatin1String(e.note))) << "line " << e.line << ": " << Notes(row);
        EXPECT_EQ(row->record.isEmpty(), e.status == TCsvRowStatus::Refused) << e.line;
    }

    // The 125 MHz row on a radio without the air band, the 340 MHz row on
    // one with the 300 MHz band.
    const TCsvImportPlan noAir = PlanCsvImport(csv, MakeDocument(QStringLiteral("0,2,00,0,0,0,0")));
    EXPECT_EQ(RowAtLine(noAir, 18)->status, TCsvRowStatus::Refused);
    const TCsvImportPlan with300 = PlanCsvImport(csv, MakeDocument(QStringLiteral("0,2,00,1,1,1,0")));
    EXPECT_EQ(RowAtLine(with300, 19)->status, TCsvRowStatus::Applied) << Notes(RowAtLine(with300, 19));
    // 851 MHz on a radio with the 800 MHz band but without the cellular
    // ranges is refused there too; 860 MHz is taken.
    const TChannelDocument cellular = MakeDocument(QStringLiteral("0,2,00,1,1,0,2"));
    const TCsvImportPlan eight = PlanCsvImport("Location,Frequency,TStep\n1,830.0,12.5\n2,860.0,12.5\n", cellular);
    EXPECT_EQ(eight.rows.at(0).status, TCsvRowStatus::Refused);
    EXPECT_EQ(eight.rows.at(1).status, TCsvRowStatus::Applied) << Notes(&eight.rows.at(1));
}

TEST(CsvImport, AdjustsAsTheEditorsDoButNeverMovesTheTransmitFrequency)
{
    // Variant 3 (the -7.6 MHz shift), air band, 300 MHz band, 800 MHz band;
    // the VFO offsets are 0.6 MHz (VHF) and 1.6 MHz (UHF).
    const TChannelDocument doc = MakeDocument(QStringLiteral("0,3,00,1,1,1,1"));
    const QByteArray csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,TStep,Skip\n"
        /* 2 */ "1,lower,145.0037,,0,,88.5,88.5,FM,5.00,\n"
        /* 3 */ "2,TOOLONGNAME,145.5,+,1.000000,,88.5,88.5,FM,5.00,\n"
        /* 4 */ "3,,145.5,,0,TSQL,88.5,69.4,FM,5.00,P\n"
        /* 5 */ "4,,145.5,,0,,159.8,88.5,NFM,5.00,\n"
        /* 6 */ "5,,145.5,,0,,88.5,88.5,FM,30.00,\n"
        /* 7 */ "6,,851.0,,0,,88.5,88.5,FM,5.00,\n"
        /* 8 */ "7,,439.0,-,7.6,,88.5,88.5,FM,25.00,\n"
        /* 9 */ "8,,145.5,-,7.6,,88.5,88.5,FM,5.00,\n"
        /* 10 */ "L2,NAME,145.5,,0,,88.5,88.5,FM,5.00,S\n"
        /* 11 */ "9,,145.0,split,146.0037,,88.5,88.5,FM,5.00,\n"
        /* 12 */ "10,RPT,441.300000,+,4.600000,,88.5,88.5,FM,5.00,\n"
        /* 13 */ "11,MARINE,160.650000,-,4.600000,,88.5,88.5,FM,25.00,\n"
        /* 14 */ "12,,145.200,-,1.0,,88.5,88.5,FM,,\n"
        /* 15 */ "13,,145.2,-,0.6,,88.5,88.5,FM,5.00,\n"
        /* 16 */ "14,,433.0,+,1.6,,88.5,88.5,FM,25.00,\n"
        /* 17 */ "15,,145.0037,+,0.6,,88.5,88.5,FM,5.00,\n"
        /* 18 */ "16,,145.0037,split,146.0,,88.5,88.5,FM,5.00,\n"
        /* 19 */ "17,TOWER,118.100,,0,,88.5,88.5,AM,12.50,\n"
        /* 20 */ "18,,145.5,,0,,88.5,88.5,AM,5.00,\n"
        /* 21 */ "19,,439.0,+,0,,88.5,88.5,FM,25.00,\n"
        /* 22 */ "20,,145.6125,,0,,88.5,88.5,FM,5.00,\n"
        /* 23 */ "21,,159.4725,,0,,88.5,88.5,FM,12.50,\n"
        /* 24 */ "22,,145.5,,0,,88.5,88.5,FM,99999999999999999999999,\n"
        /* 25 */ "23,,145.5,,0,,88.5,88.5,FM,9223372036854775.808,\n";
    const TCsvImportPlan plan = PlanCsvImport(csv, doc);
    ASSERT_TRUE(plan.ok);
    struct Expect {
        int line;
        TCsvRowStatus status;
        const char *note;
        const char *recordStart;
    } expected[] = {
        // No step holds 145.0037 MHz: the nearest frequency on the step
        // (not the one below), said in the report.
        {2, TCsvRowStatus::Adjusted, "Frequency 145.0037 MHz -> 145.005 MHz: no step of the radio holds it",
         "001,00145005000,0,0,"},
        // A memory channel shifts by the VFO offset of its band: any other
        // offset is held as a split channel with the same transmit frequency.
        {3, TCsvRowStatus::Adjusted, "stored as a split channel: transmit 146.500 MHz",
         "002,00145500000,0,0,0,0,0,,09,,09,,0,,00146500000,0,,TOOLONG"},
        {4, TCsvRowStatus::Adjusted, "69.4 Hz is not in the editors' tone list: 71.9 Hz", "003,00145500000,0,0,0,0,1,,09,,03,,0,"},
        {5, TCsvRowStatus::Adjusted, "Mode NFM", "004,00145500000,0,0,0,0,0,,09,,09,"},
        {6, TCsvRowStatus::Adjusted, "TStep 30.00 kHz is not offered: 12.5 kHz", "005,00145500000,3,"},
        {7, TCsvRowStatus::Adjusted, "TStep 5 kHz -> 6.25 kHz on the 800 MHz band", "006,00851000000,1,"},
        {8, TCsvRowStatus::Applied, "", "007,00439000000,6,3,"},
        // -7.6 MHz below 300 MHz is no -7.6 MHz shift, but a split channel.
        {9, TCsvRowStatus::Applied, "stored as a split channel: transmit 137.900 MHz",
         "008,00145500000,0,0,0,0,0,,09,,09,,0,,00137900000,0,,"},
        {10, TCsvRowStatus::Adjusted, "L2 has no name", "L2,00145500000,0,0,0,0,0,,09,,09,,0,,,,,"},
        {11, TCsvRowStatus::Refused, "transmit frequency 146.0037 MHz would become 146.005 MHz", ""},
        // A repeater, a marine channel (ship transmits 156.050 MHz) and a
        // 1 MHz shift: exactly the transmit frequency the row asks for.
        {12, TCsvRowStatus::Applied, "stored as a split channel: transmit 445.900 MHz",
         "010,00441300000,0,0,0,0,0,,09,,09,,0,,00445900000,0,,RPT"},
        {13, TCsvRowStatus::Applied, "stored as a split channel: transmit 156.050 MHz",
         "011,00160650000,6,0,0,0,0,,09,,09,,0,,00156050000,6,,MARINE"},
        {14, TCsvRowStatus::Applied, "stored as a split channel: transmit 144.200 MHz",
         "012,00145200000,3,0,0,0,0,,09,,09,,0,,00144200000,3,,"},
        // The band's own offset stays a Minus or Plus Shift.
        {15, TCsvRowStatus::Applied, "", "013,00145200000,0,2,0,0,0,,09,,09,,0,,,,,"},
        {16, TCsvRowStatus::Applied, "", "014,00433000000,6,1,0,0,0,,09,,09,,0,,,,,"},
        // A shifted channel moves with its receive frequency, to the nearest.
        {17, TCsvRowStatus::Adjusted, "Frequency 145.0037 MHz -> 145.005 MHz", "015,00145005000,0,1,"},
        // The receive frequency of a split channel may be rounded to the
        // nearest: it still transmits where the row says.
        {18, TCsvRowStatus::Adjusted, "Frequency 145.0037 MHz -> 145.005 MHz",
         "016,00145005000,0,0,0,0,0,,09,,09,,0,,00146000000,0,,"},
        // AM is the air band's mode; elsewhere the radio uses FM.
        {19, TCsvRowStatus::Applied, "", "017,00118100000,3,0,0,0,0,,09,,09,,0,,,,,TOWER"},
        {20, TCsvRowStatus::Adjusted, "Mode AM", "018,00145500000,0,0,"},
        // A shift of nothing transmits on the receive frequency.
        {21, TCsvRowStatus::Applied, "stored as simplex", "019,00439000000,6,0,0,0,0,,09,,09,,0,,,,,"},
        // A named step that does not hold the frequency gives way to one
        // that does; the channel keeps its frequency.
        {22, TCsvRowStatus::Adjusted, "TStep 5 kHz does not hold 145.6125 MHz: 12.5 kHz", "020,00145612500,3,"},
        // 2.5 kHz off every step: the nearest on the named 12.5 kHz step,
        // 2.5 kHz away, not 10 kHz below.
        {23, TCsvRowStatus::Adjusted, "Frequency 159.4725 MHz -> 159.475 MHz", "021,00159475000,3,"},
        // Steps far beyond any integer in Hz are simply not offered.
        {24, TCsvRowStatus::Adjusted, "TStep 99999999999999999999999 kHz is not offered: 12.5 kHz", "022,00145500000,3,"},
        {25, TCsvRowStatus::Adjusted, "TStep 9223372036854775.808 kHz is not offered: 12.5 kHz", "023,00145500000,3,"},
    };
    ASSERT_EQ(plan.rows.size(), int(std::size(expected)));
    for (const Expect &e : expected) {
        const TCsvRowResult *row = RowAtLine(plan, e.line);
        ASSERT_NE(row, nullptr) << e.line;
        EXPECT_EQ(row->status, e.status) << "line " << e.line << ": " << Notes(row);
        EXPECT_TRUE(row->notes.join(' ').contains(QLatin1String(e.note))) << "line " << e.line << ": " << Notes(row);
        EXPECT_EQ(row->notes.isEmpty(), *e.note == 0) << "line " << e.line << ": " << Notes(row);
        // Only the 851 MHz row (line 7) is on the 800 MHz band.
        if (e.line != 7)
            EXPECT_FALSE(row->notes.join(' ').contains(QLatin1String("800 MHz band"))) << "line " << e.line << ": " << Notes(row);
        EXPECT_EQ(row->record.isEmpty(), e.status == TCsvRowStatus::Refused) << "line " << e.line;
        if (e.status != TCsvRowStatus::Refused) {
            EXPECT_TRUE(row->record.startsWith(QLatin1String(e.recordStart)))
                << "line " << e.line << ": " << row->record.toStdString();
        }
        EXPECT_TRUE(IsValidMemoryName(row->record.section(',', 17)));
    }
    EXPECT_TRUE(RowAtLine(plan, 3)->record.endsWith(",TOOLONG"));
    EXPECT_TRUE(RowAtLine(plan, 4)->notes.join(' ').contains("Skip P"));
    EXPECT_TRUE(RowAtLine(plan, 10)->notes.join(' ').contains("L2 has no lock-out"));
    // The unused 159.8 Hz tone falls back to 88.5 Hz with a note.
    EXPECT_TRUE(RowAtLine(plan, 5)->notes.join(' ').contains("rToneFreq 159.8 Hz (not used)"));
}

TEST(CsvImport, RefusesFilesWithoutTheKeyColumnsAndNeverStoresMoreThanTheSlots)
{
    const TChannelDocument doc = MakeDocument();
    TCsvImportPlan plan = PlanCsvImport("Name,Frequency\nA,145.5\n", doc);
    EXPECT_FALSE(plan.ok);
    EXPECT_EQ(plan.error, QStringLiteral("no Location column in the first row"));
    plan = PlanCsvImport("Channel;Freq\n1;145.5\n", doc);
    EXPECT_FALSE(plan.ok);
    EXPECT_EQ(plan.error, QStringLiteral("no Location and Frequency columns in the first row"));
    EXPECT_FALSE(PlanCsvImport("", doc).ok);
    TChannelDocument untouched = doc;
    EXPECT_EQ(ApplyCsvImport(plan, untouched), 0);

    // 400 rows for 1..400, then every slot again: at most the 193 slots.
    QByteArray many = "Location,Frequency\n";
    for (int i = 1; i <= 400; ++i)
        many += QByteArray::number(i) + ",145.5\n";
    for (int i = 1; i <= 193; ++i)
        many += QByteArray::number(i) + ",146.5\n";
    plan = PlanCsvImport(many, doc);
    ASSERT_TRUE(plan.ok);
    EXPECT_EQ(plan.StoredCount(), kMemorySlots);
    EXPECT_EQ(plan.Count(TCsvRowStatus::Refused), 400 + 193 - kMemorySlots);
    TChannelDocument target = doc;
    EXPECT_EQ(ApplyCsvImport(plan, target), kMemorySlots);
    EXPECT_EQ(target.GetRecordField(rkMemory, 193, 1), QStringLiteral("00145500000"));
}

TEST(CsvImport, PlacesRowsWithoutLocationFromAFirstSlot)
{
    // Text pasted at a selected row: no Location column, rows from slot 179
    // on, across the numbered channels into L1; a Location column wins.
    const TChannelDocument doc = MakeDocument();
    const QByteArray pasted = "Name,Frequency\nA,145.5\nB,145.6\nC,145.7\n";
    TCsvImportPlan plan = PlanCsvImport(pasted, doc, 179);
    ASSERT_TRUE(plan.ok);
    ASSERT_EQ(plan.rows.size(), 3);
    EXPECT_EQ(plan.rows.at(0).slot, 179);
    EXPECT_EQ(plan.rows.at(1).slot, 180);
    EXPECT_EQ(plan.rows.at(2).slot, 181);
    EXPECT_EQ(plan.rows.at(2).status, TCsvRowStatus::Adjusted); // L1 takes no name
    // Only the first two stay within the numbered channels: the window asks
    // before the third goes on into L1.
    EXPECT_EQ(CsvRowsWithinNumbered(plan), 2);
    plan = PlanCsvImport("Frequency\n145.5\n145.6\n", doc, 193);
    EXPECT_EQ(plan.rows.at(0).status, TCsvRowStatus::Applied);
    EXPECT_EQ(plan.rows.at(1).status, TCsvRowStatus::Refused);
    EXPECT_EQ(plan.rows.at(1).notes, QStringList({"no memory slot after PR"}));
    EXPECT_EQ(CsvRowsWithinNumbered(plan), 2); // started in L1..PR: no question
    plan = PlanCsvImport("Location,Frequency\n7,145.5\nL1,145.6\n", doc, 180);
    EXPECT_EQ(plan.rows.at(0).slot, 7);
    EXPECT_EQ(CsvRowsWithinNumbered(plan), 2); // rows that name L1 go there
    EXPECT_FALSE(PlanCsvImport(pasted, doc, 194).ok);
}

TEST(CsvImport, SurvivesArbitraryBytes)
{
    const TChannelDocument doc = MakeDocument();
    std::mt19937 random(1381);
    const QByteArray alphabet = "Location,Frequency;\"\r\n 0123456789.-+SsplitTSQLToneDTCS\xEF\xBB\xBF\xFF";
    for (int round = 0; round < 300; ++round) {
        QByteArray data = round % 2 ? "Location,Frequency,Duplex,Offset,Tone,TStep,Name\n" : QByteArray();
        const int size = int(random() % 400);
        for (int i = 0; i < size; ++i)
            data += alphabet.at(int(random() % alphabet.size()));
        const TCsvImportPlan plan = PlanCsvImport(data, doc);
        TChannelDocument target = doc;
        EXPECT_LE(ApplyCsvImport(plan, target), kMemorySlots);
        for (const TCsvRowResult &row : plan.rows) {
            if (row.status != TCsvRowStatus::Refused) {
                EXPECT_TRUE(IsValidMemoryName(row.record.section(',', 17))) << row.record.toStdString();
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Round trip over generated documents

namespace {

// A document filled as the memory editor fills it: random channels in the
// radio's bands with every field the editor can set.
TChannelDocument GeneratedDocument(std::mt19937 &random, const QString &type)
{
    TChannelDocument doc = EmptyMemory(type);
    QList<int> bands;
    for (int band = 0; band < kBandLimitSlots; ++band) {
        if (BandPresent(doc, band))
            bands << band;
    }
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QString nameChars = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ");
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        if (pick(10) == 0)
            continue; // some slots stay empty
        const int band = bands.at(pick(int(bands.size())));
        int lower = 0;
        int upper = 0;
        BandLimitsMHz(doc, band, lower, upper);
        // At least one step above the lower limit, so rounding down stays
        // in the band.
        auto frequency = [&]() { return qint64(lower + pick(upper - lower + 1)) * 1000000 + 50000 + pick(950000); };
        const qint64 hz = frequency();
        TMemoryChannelEntry entry;
        entry.rxText = CsvMegahertz(hz);
        entry.stepCode = StepCodeOfListPos(pick(8));
        const bool numbered = slot <= 180;
        if (numbered && pick(5) == 0) {
            entry.txText = CsvMegahertz(frequency());
        } else {
            const bool minus76 = Minus76ShiftOffered(doc) && hz >= 300000000;
            entry.shift = QLatin1Char("0123"[pick(minus76 ? 4 : 3)]);
            entry.reverse = false; // a CSV row cannot carry it
        }
        switch (pick(3)) {
        case 1:
            entry.tone = true;
            break;
        case 2:
            entry.ctcss = true;
            break;
        default:
            break;
        }
        entry.toneCode = ToneCodeOfListPos(pick(38));
        entry.ctcssCode = ToneCodeOfListPos(pick(38));
        entry.lockOut = numbered && pick(2) == 0;
        if (numbered || slot == 193) {
            const int letters = pick(8);
            QString name;
            for (int i = 0; i < letters; ++i) {
                name += nameChars.at(pick(int(nameChars.size())));
                if (i + 1 < letters && pick(4) == 0)
                    name += QLatin1Char('.');
            }
            entry.name = name;
        }
        const TMemoryRecordResult built = CommitMemoryChannel(doc, slot, entry);
        EXPECT_EQ(built.error, TMemoryRecordResult::None) << slot;
        doc.SetMemoryRecord(slot, built.record);
    }
    return doc;
}

// Fields a CSV row carries: label, frequency, step, shift, tone and CTCSS
// with their codes, lock-out, split frequency and its step, name.
const int kCsvFields[] = {0, 1, 2, 3, 5, 6, 8, 10, 12, 14, 15, 17};

} // namespace

TEST(CsvRoundTrip, ExportThenImportGivesBackEveryCarriedField)
{
    const QString types[] = {
        QString::fromLatin1(kDefaultRadioType), QStringLiteral("0,3,00,1,1,1,1"), QStringLiteral("0,3,05,1,0,0,2"),
        QStringLiteral("0,0,00,1,0,1,1"), QStringLiteral("0,1,05,1,1,0,0"),
    };
    std::mt19937 random(20240381);
    for (const QString &type : types) {
        for (int round = 0; round < 8; ++round) {
            SCOPED_TRACE(type.toStdString() + " round " + std::to_string(round));
            const TChannelDocument source = GeneratedDocument(random, type);
            const QByteArray csv = ExportCsv(source);
            const TCsvImportPlan plan = PlanCsvImport(csv, source);
            ASSERT_TRUE(plan.ok);
            for (const TCsvRowResult &row : plan.rows)
                EXPECT_EQ(row.status, TCsvRowStatus::Applied) << row.line << ": " << Notes(&row);

            TChannelDocument target = EmptyMemory(type);
            ApplyCsvImport(plan, target);
            for (int slot = 1; slot <= kMemorySlots; ++slot) {
                EXPECT_EQ(target.Record(rkMemory, slot).isEmpty(), source.Record(rkMemory, slot).isEmpty()) << slot;
                for (int field : kCsvFields) {
                    EXPECT_EQ(target.GetRecordField(rkMemory, slot, field), source.GetRecordField(rkMemory, slot, field))
                        << "slot " << slot << " field " << field << ": " << source.Record(rkMemory, slot).toStdString();
                }
            }
        }
    }
}

TEST(CsvRoundTrip, ExportThenImportKeepsTheShiftCode)
{
    // A Minus Shift on a band whose VFO offset is 7.6 MHz transmits where
    // the -7.6 MHz shift does; both must still come back as they were.
    // Variant 3 with sub-variant 00 offers the -7.6 MHz shift, variant 2
    // does not.
    const QString uhfVfo76 = QStringLiteral("6,00430000000,6,0,0,0,0,,09,,09,007600000,,,,,0,");
    struct Case {
        const char *type;
        bool vfo76;          // the UHF VFO offset is 7.6 MHz
        const char *record;  // memory slot 1
    } cases[] = {
        {"0,3,00,1,1,,", true, "001,00439000000,6,0,0,0,0,,09,,09,,0,,,,,"},
        {"0,3,00,1,1,,", true, "001,00439000000,6,1,0,0,0,,09,,09,,0,,,,,"},
        {"0,3,00,1,1,,", true, "001,00439000000,6,2,0,0,0,,09,,09,,0,,,,,"},
        {"0,3,00,1,1,,", true, "001,00439000000,6,3,0,0,0,,09,,09,,0,,,,,"},
        {"0,3,00,1,1,,", true, "001,00439000000,6,0,0,0,0,,09,,09,,0,,00431400000,6,,"},
        {"0,3,00,1,1,,", false, "001,00439000000,6,2,0,0,0,,09,,09,,0,,,,,"},
        {"0,3,00,1,1,,", false, "001,00439000000,6,3,0,0,0,,09,,09,,0,,,,,"},
        {"0,3,00,1,1,,", false, "001,00145000000,3,2,0,0,0,,09,,09,,0,,,,,"},
        {"0,2,00,1,1,,", true, "001,00439000000,6,0,0,0,0,,09,,09,,0,,,,,"},
        {"0,2,00,1,1,,", true, "001,00439000000,6,1,0,0,0,,09,,09,,0,,,,,"},
        {"0,2,00,1,1,,", true, "001,00439000000,6,2,0,0,0,,09,,09,,0,,,,,"},
        {"0,2,00,1,1,,", false, "001,00439000000,6,2,0,0,0,,09,,09,,0,,,,,"},
        {"0,2,00,1,1,,", false, "001,00145000000,0,1,0,0,0,,09,,09,,0,,,,,"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.type) + (c.vfo76 ? " VFO 7.6 " : " ") + c.record);
        TChannelDocument source = EmptyMemory(QLatin1String(c.type));
        if (c.vfo76)
            source.SetVfoRecord(3, uhfVfo76);
        source.SetMemoryRecord(1, QLatin1String(c.record));
        const TCsvImportPlan plan = PlanCsvImport(ExportCsv(source), source);
        ASSERT_TRUE(plan.ok);
        ASSERT_EQ(plan.rows.size(), 1);
        EXPECT_EQ(plan.rows.at(0).status, TCsvRowStatus::Applied) << Notes(&plan.rows.at(0));
        EXPECT_EQ(plan.rows.at(0).record, QLatin1String(c.record));
    }
}

// ---------------------------------------------------------------------------
// Command line

namespace {

class CliCsvTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CliPath().isEmpty());
        ASSERT_TRUE(dir.isValid());
        ClearStoredSettings();
    }
    void TearDown() override { ClearStoredSettings(); }

    QString Path(const QString &name) const { return dir.filePath(name); }
    QString Write(const QString &name, const QByteArray &content) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return Path(name);
    }
    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CliCsvTest, ExportAndImportThroughFilesAndStandardStreams)
{
    TChannelDocument doc = MakeDocument();
    doc.SetMemoryRecord(5, QStringLiteral("005,00145600000,3,2,0,1,0,,14,,09,,1,,,,,GB3XX"));
    doc.SetDtmfRecord(3, QStringLiteral("03,#123"));
    const QString in = Write(QStringLiteral("in.381"), WriteDataFile(doc, QStringLiteral("Club")));

    const CliRunResult exported = RunCliTool({"export", in, Path("out.csv")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.constData();
    EXPECT_EQ(Read(Path("out.csv")), ExportCsv(doc));
    const CliRunResult toStdout = RunCliTool({"export", "-", "-"}, WriteDataFile(doc, QString()));
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err.constData();
    EXPECT_EQ(toStdout.out, ExportCsv(doc));

    // Every row applied: exit 0, the report on standard error.
    const CliRunResult imported = RunCliTool({"import", Path("out.csv"), Path("back.381")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.constData();
    EXPECT_TRUE(imported.err.contains("line 3, 005: applied")) << imported.err.constData();
    TChannelDocument back = MakeDocument();
    QString comment;
    ReadDataFile(Read(Path("back.381")), back, &comment);
    EXPECT_EQ(back.Record(rkMemory, 5), doc.Record(rkMemory, 5));
    EXPECT_TRUE(back.Record(rkDtmf, 3).isEmpty());

    // --into keeps the base file's other content; standard input and
    // output; commas or tabs between the fields.
    for (const char *csv : {"Location,Frequency,Name\n7,146.5,NEW\n", "Location\tFrequency\tName\n7\t146.5\tNEW\n"}) {
        SCOPED_TRACE(csv);
        const CliRunResult into = RunCliTool({"import", "-", "-", "--into", in}, csv);
        EXPECT_EQ(into.exitCode, 0) << into.err.constData();
        TChannelDocument merged = MakeDocument();
        ReadDataFile(into.out, merged, &comment);
        EXPECT_EQ(comment, QStringLiteral("Club"));
        EXPECT_EQ(merged.Record(rkDtmf, 3), QStringLiteral("03,#123"));
        EXPECT_EQ(merged.Record(rkMemory, 5), doc.Record(rkMemory, 5));
        EXPECT_EQ(merged.GetRecordField(rkMemory, 7, 17), QStringLiteral("NEW"));
    }
}

TEST_F(CliCsvTest, ImportExitCodesAndWhenTheOutputIsWritten)
{
    // Some rows adjusted or refused: exit 1, the file written.
    const QString mixed = Write(QStringLiteral("mixed.csv"), "Location,Frequency,TStep\n1,145.5,30\n2,999.0,\n3,145.5,\n");
    CliRunResult result = RunCliTool({"import", mixed, Path("mixed.381")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("line 2, 001: adjusted: ")) << result.err.constData();
    EXPECT_TRUE(result.err.contains("line 3, 002: refused: ")) << result.err.constData();
    EXPECT_TRUE(result.err.contains("1 applied, 1 adjusted, 1 refused")) << result.err.constData();
    EXPECT_TRUE(QFile::exists(Path("mixed.381")));

    // Nothing applied: exit 1, no file, and an old one kept as it was.
    const QString refused = Write(QStringLiteral("refused.csv"), "Location,Frequency\n0,145.5\n");
    Write(QStringLiteral("old.381"), "OLD");
    result = RunCliTool({"import", refused, Path("old.381")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(Read(Path("old.381")), QByteArray("OLD"));

    // A file without the key columns, a missing file, a wrong output name:
    // exit 2 with the file and the reason.
    const QString noColumns = Write(QStringLiteral("plain.csv"), "Name,Freq\nA,145\n");
    result = RunCliTool({"import", noColumns, Path("x.381")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.startsWith("vxl-r381-cli: File Open error.\n" + noColumns.toLocal8Bit()
                                      + ": no Location and Frequency columns"))
        << result.err.constData();
    result = RunCliTool({"import", Path("missing.csv"), Path("x.381")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains(": No such file or directory")) << result.err.constData();
    result = RunCliTool({"import", mixed, Path("x.txt")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains("x.txt: not a .381 file")) << result.err.constData();
    EXPECT_FALSE(QFile::exists(Path("x.381")));
    EXPECT_FALSE(QFile::exists(Path("x.txt")));
}

TEST_F(CliCsvTest, ImportFollowsTheStoredRadioType)
{
    // Without the 300 MHz band a 340 MHz row is refused; with it, taken.
    const QString csv = Write(QStringLiteral("three.csv"), "Location,Frequency,TStep\n1,340.0,12.5\n");
    SetStoredValue(QStringLiteral("Type"), QStringLiteral("0,2,00,1,0,0,0"));
    CliRunResult result = RunCliTool({"import", csv, Path("a.381")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("not in a band of this radio")) << result.err.constData();
    SetStoredValue(QStringLiteral("Type"), QStringLiteral("0,2,00,1,1,1,0"));
    result = RunCliTool({"import", csv, Path("b.381")});
    EXPECT_EQ(result.exitCode, 0) << result.err.constData();
}
