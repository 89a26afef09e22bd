// Document comparison: what differs, in human terms, slot by slot, and the
// command-line diff with its exit codes.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/CsvExport.h"
#include "data/DataFile.h"
#include "data/DocumentDiff.h"
#include "support/CliRun.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

TChannelDocument MakeDocument()
{
    TChannelDocument doc;
    doc.SetRadioType(QString::fromLatin1(kDefaultRadioType));
    for (int band = 0; band < kBandLimitSlots; ++band)
        doc.SetBandLimit(band, BandPresent(doc, band) ? DefaultBandLimit(band) : QString());
    doc.ResetDocument();
    doc.SetMemoryRecord(5, QStringLiteral("005,00145600000,0,2,0,0,0,,09,,09,,0,,,,,GB3XX"));
    doc.SetMemoryRecord(6, QStringLiteral("006,00145012500,1,0,0,0,0,,09,,09,,0,,00146012500,1,,"));
    doc.SetDtmfRecord(4, QStringLiteral("04,#123"));
    return doc;
}

QStringList Diff(const TChannelDocument &a, const TChannelDocument &b, TDiffScope scope = TDiffScope::Whole,
                 const QString &commentA = {}, const QString &commentB = {})
{
    return DiffDocuments(a, commentA, b, commentB, scope);
}

} // namespace

TEST(DocumentDiff, EqualDocumentsGiveNothing)
{
    EXPECT_TRUE(Diff(MakeDocument(), MakeDocument()).isEmpty());
    EXPECT_TRUE(Diff(MakeDocument(), MakeDocument(), TDiffScope::Whole, "Club", "Club").isEmpty());
}

TEST(DocumentDiff, NamesEachChangedFieldOfAMemoryChannel)
{
    const TChannelDocument a = MakeDocument();
    TChannelDocument b = MakeDocument();
    b.SetMemoryRecord(5, QStringLiteral("005,00145600000,0,2,0,1,0,,09,,09,,0,,,,,GB3YY"));
    EXPECT_EQ(Diff(a, b), QStringList({"005 Tone: off -> 88.5 Hz; Name: GB3XX -> GB3YY"}));

    b = MakeDocument();
    b.SetMemoryRecord(5, QStringLiteral("005,00145625000,6,1,1,0,1,,09,,13,,1,,,,,"));
    EXPECT_EQ(Diff(a, b), QStringList({"005 Frequency: 145.600 MHz -> 145.625 MHz; Step: 5 kHz -> 25 kHz; "
                                       "Shift: minus -> plus; Reverse: off -> on; CTCSS: off -> 100.0 Hz; "
                                       "Lock Out: off -> on; Name: GB3XX -> none"}));

    // Split: the transmit frequency and the shift kind.
    b = MakeDocument();
    b.SetMemoryRecord(6, QStringLiteral("006,00145012500,1,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(Diff(a, b), QStringList({"006 Shift: split -> simplex; Tx Frequency: 146.0125 MHz -> none"}));

    // A tone that is off but stored with another frequency.
    b = MakeDocument();
    b.SetMemoryRecord(5, QStringLiteral("005,00145600000,0,2,0,0,0,,13,,09,,0,,,,,GB3XX"));
    EXPECT_EQ(Diff(a, b), QStringList({"005 Tone: off (88.5 Hz) -> off (100.0 Hz)"}));

    // Only the unused fields differ: the record texts are shown.
    b = MakeDocument();
    b.SetMemoryRecord(5, QStringLiteral("005,00145600000,0,2,0,0,0,X,09,,09,,0,,,,,GB3XX"));
    EXPECT_EQ(Diff(a, b).value(0).left(12), QStringLiteral("005 Record: "));
}

TEST(DocumentDiff, ChannelsAddedAndRemoved)
{
    const TChannelDocument a = MakeDocument();
    TChannelDocument b = MakeDocument();
    b.ClearMemoryRecord(5);
    b.SetMemoryRecord(193, QStringLiteral("PR,00145500000,0,0,0,0,0,,09,,09,,0,,,,,HOME"));
    EXPECT_EQ(Diff(a, b), QStringList({
                              "005: Frequency 145.600 MHz, Step 5 kHz, Shift minus, Name GB3XX -> empty",
                              "PR: empty -> Frequency 145.500 MHz, Step 5 kHz, Shift simplex, Name HOME",
                          }));
}

TEST(DocumentDiff, CoversVfoCallDtmfAndTheComment)
{
    const TChannelDocument a = MakeDocument();
    TChannelDocument b = MakeDocument();
    ASSERT_EQ(a.Record(rkVfo, 3), QStringLiteral("6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,"));
    b.SetVfoRecord(3, QStringLiteral("6,00440000000,6,0,0,0,0,,09,,09,001600000,,,,,2,"));
    b.SetCallRecord(0, QString(a.Record(rkCall, 0)).replace(QStringLiteral("00144000000"), QStringLiteral("00145000000")));
    b.SetDtmfRecord(4, QStringLiteral("04,#124"));
    b.SetDtmfRecord(9, QStringLiteral("09,"));
    const QStringList lines = Diff(a, b, TDiffScope::Whole, "Club", "Club\tnet");
    EXPECT_EQ(lines, QStringList({
                         "VFO 440MHz Offset: 5.00 MHz -> 1.60 MHz; Power: High -> Low",
                         "CALL 144MHz Frequency: 144.000 MHz -> 145.000 MHz",
                         "DTMF 04: #123 -> #124",
                         "DTMF 09: empty -> (no code)",
                         "Comment: Club -> Club\tnet",
                     }))
        << lines.join('\n').toStdString();
}

TEST(DocumentDiff, CsvScopeComparesOnlyWhatARowCarries)
{
    const TChannelDocument a = MakeDocument();
    TChannelDocument b = MakeDocument();
    b.SetMemoryRecord(5, QStringLiteral("005,00145600000,0,2,1,0,0,,09,,09,,0,,,,,GB3XX")); // Reverse on
    b.SetVfoRecord(1, QString());
    b.SetDtmfRecord(4, QString());
    EXPECT_TRUE(Diff(a, b, TDiffScope::CsvFields, "x", "y").isEmpty());
    EXPECT_EQ(Diff(a, b, TDiffScope::Whole).size(), 3);
}

// ---------------------------------------------------------------------------
// Command line

namespace {

class CliDiffTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(CliPath().isEmpty());
        ASSERT_TRUE(dir.isValid());
        ClearStoredSettings();
    }
    QString Write(const QString &name, const QByteArray &content) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return dir.filePath(name);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CliDiffTest, ExitCodesFollowDiff)
{
    const TChannelDocument a = MakeDocument();
    TChannelDocument b = MakeDocument();
    b.SetMemoryRecord(5, QStringLiteral("005,00145600000,0,2,0,1,0,,09,,09,,0,,,,,GB3YY"));
    const QString fileA = Write("a.381", WriteDataFile(a, "Club"));
    const QString fileB = Write("b.381", WriteDataFile(b, "Club"));

    CliRunResult result = RunCliTool({"diff", fileA, fileA});
    EXPECT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_TRUE(result.out.isEmpty());

    result = RunCliTool({"diff", fileA, fileB});
    EXPECT_EQ(result.exitCode, 1) << result.err.constData();
    EXPECT_EQ(result.out, QByteArray("005 Tone: off -> 88.5 Hz; Name: GB3XX -> GB3YY\n"));

    // A CSV on one side: memory channels only, so the DTMF memory and the
    // VFOs the CSV cannot hold do not count; standard input works.
    const QString csvA = Write("a.csv", ExportCsv(a));
    result = RunCliTool({"diff", fileA, csvA});
    EXPECT_EQ(result.exitCode, 0) << result.out.constData() << result.err.constData();
    result = RunCliTool({"diff", "-", fileB}, ExportCsv(a));
    EXPECT_EQ(result.exitCode, 1) << result.err.constData();
    EXPECT_EQ(result.out, QByteArray("005 Tone: off -> 88.5 Hz; Name: GB3XX -> GB3YY\n"));

    // Control characters from a file are shown escaped.
    const QString odd = Write("odd.381", WriteDataFile(a, QString::fromLatin1("Club\x1b[2J")));
    result = RunCliTool({"diff", fileA, odd});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QByteArray("Comment: Club -> Club\\x1b[2J\n"));
}

TEST_F(CliDiffTest, ErrorsExitWithTwo)
{
    const QString fileA = Write("a.381", WriteDataFile(MakeDocument(), QString()));
    const QString text = Write("notes.txt", "hello");
    struct Case {
        QStringList args;
        QByteArray message;
    } cases[] = {
        {{"diff", fileA}, "missing argument B"},
        {{"diff", fileA, dir.filePath("missing.381")}, "missing.381: No such file or directory"},
        {{"diff", fileA, dir.path()}, ": is a directory"},
        {{"diff", fileA, text}, "notes.txt: not a .381 or .csv file"},
        {{"diff", "-", "-"}, "both be standard input"},
        {{"diff", fileA, Write("bad.csv", "just,text\n1,2\n")}, "bad.csv: no Location and Frequency columns"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRunResult result = RunCliTool(c.args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.constData();
    }
}
