// Data file: exact written form, round trips and malformed files.
#include "data/ChannelDocument.h"
#include "data/DataFile.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

const char *const kType = "0,2,00,1,1,,";

TChannelDocument FreshDoc()
{
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(kType));
    doc.ResetDocument();
    return doc;
}

// Every slot of every channel kind, to compare two documents.
QStringList AllRecords(const TChannelDocument &doc)
{
    QStringList records;
    for (int kind : {rkMemory, rkVfo, rkCall, rkDtmf}) {
        const int first = TChannelDocument::FirstIndex(kind);
        for (int i = first; i < first + TChannelDocument::SlotCount(kind); ++i)
            records << QStringLiteral("%1/%2:%3").arg(kind).arg(i).arg(doc.Record(kind, i));
    }
    return records;
}

TChannelDocument Load(const QByteArray &content, QString *comment = nullptr)
{
    TChannelDocument doc = FreshDoc();
    ReadDataFile(content, doc, comment);
    return doc;
}

// A file with the given record lines under their section headers.
QByteArray File(const QByteArray &body)
{
    return QByteArray("COMMENT\r\nhello\r\n") + body;
}

} // namespace

TEST(DataFileWrite, NewDocumentWritesTheExactFile)
{
    const TChannelDocument doc = FreshDoc();
    const QByteArray expected =
        "COMMENT\r\n"
        "my radio\r\n"
        "MEMORY\r\n"
        "001\t00144000000\t0\t0\t0\t0\t0\t\t09\t\t09\t\t0\t\t\t\t\t\r\n"
        "CALL\r\n"
        "0\t00144000000\t0\t0\t0\t0\t0\t\t09\t\t09\t\t\t\t\t\t\t\r\n"
        "1\t00440000000\t6\t0\t0\t0\t0\t\t09\t\t09\t\t\t\t\t\t\t\r\n"
        "VFO\r\n"
        "1\t00118000000\t3\t0\t0\t0\t0\t\t09\t\t09\t000600000\t\t\t\t\t\t\r\n"
        "2\t00144000000\t0\t0\t0\t0\t0\t\t09\t\t09\t000600000\t\t\t\t\t0\t\r\n"
        "6\t00440000000\t6\t0\t0\t0\t0\t\t09\t\t09\t005000000\t\t\t\t\t0\t\r\n"
        "DTMF\r\n";
    EXPECT_EQ(WriteDataFile(doc, QStringLiteral("my radio")), expected);
}

TEST(DataFileWrite, ShortRecordsAreLeftOutButEmptyDtmfCodesKept)
{
    TChannelDocument doc;
    doc.SetMemoryRecord(5, QStringLiteral("005,"));    // 4 characters: not written
    doc.SetMemoryRecord(6, QStringLiteral("006,1"));   // 5 characters: written
    doc.SetCallRecord(0, QStringLiteral("0,12"));
    doc.SetVfoRecord(2, QStringLiteral("5,123"));
    doc.SetDtmfRecord(5, QStringLiteral("05,"));
    doc.SetDtmfRecord(6, QStringLiteral("0"));
    // An empty slot 1 is written as its bare label.
    const QByteArray expected = "COMMENT\r\n\r\nMEMORY\r\n001\r\n006\t1\r\nCALL\r\nVFO\r\n5\t123\r\n"
                                "DTMF\r\n05\t\r\n";
    EXPECT_EQ(WriteDataFile(doc, QString()), expected);
}

TEST(DataFileWrite, CommentAndRecordsCannotBreakTheLineStructure)
{
    TChannelDocument doc;
    doc.SetMemoryRecord(1, QStringLiteral("001,00145000000\nMEMORY"));
    const QByteArray out = WriteDataFile(doc, QStringLiteral("line\r\nVFO"));
    EXPECT_EQ(out, "COMMENT\r\nline  VFO\r\nMEMORY\r\n001\t00145000000 MEMORY\r\nCALL\r\nVFO\r\nDTMF\r\n");
}

TEST(DataFileRoundTrip, FullDocumentReadsBackUnchanged)
{
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(kType));
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        QString record = QStringLiteral("%1,00145%2,3,1,0,1,0,,03,,39,,1,,00145600000,3,,")
                             .arg(MemorySlotLabel(slot))
                             .arg(slot * 1000, 6, 10, QLatin1Char('0'));
        if (slot <= 180 || slot == 193)
            record += QStringLiteral("N.%1").arg(slot);
        doc.SetMemoryRecord(slot, record);
    }
    doc.SetCallRecord(0, QStringLiteral("0,00146000000,5,2,1,0,1,,09,,12,,,,00146600000,5,,"));
    doc.SetCallRecord(1, QStringLiteral("1,00435000000,6,1,0,0,0,,09,,09,,,,,,,"));
    for (int band = 0; band < kVfoSlots; ++band)
        doc.SetVfoRecord(band, QStringLiteral("%1,00%2000000,3,0,0,0,0,,09,,09,005000000,,,,,%3,")
                                   .arg(QLatin1String("12568").at(band))
                                   .arg(QLatin1String("118145340440870").mid(band * 3, 3))
                                   .arg(band == 1 || band == 3 ? QStringLiteral("2") : QString()));
    for (int i = 0; i < kDtmfSlots; ++i)
        doc.SetDtmfRecord(i, QStringLiteral("0%1,%2").arg(i).arg(QStringLiteral("0123456789ABCD*#").left(i * 2)));
    doc.SetDtmfRecord(9, QStringLiteral("09,0123456789ABCD*#"));
    // The comment keeps its tabs and commas; Latin-1 text survives.
    const QString comment = QStringLiteral("Club\trepeaters, %1").arg(QChar(0xE9));

    const QByteArray bytes = WriteDataFile(doc, comment);
    QString readComment;
    TChannelDocument loaded;
    loaded.SetRadioType(QLatin1String(kType));
    loaded.ResetDocument();
    ReadDataFile(bytes, loaded, &readComment);
    EXPECT_EQ(readComment, comment);
    EXPECT_EQ(AllRecords(loaded), AllRecords(doc));

    // Writing again gives the same bytes.
    EXPECT_EQ(WriteDataFile(loaded, readComment), bytes);
}

TEST(DataFileRead, SlotsComeFromTheFirstField)
{
    const TChannelDocument doc = Load(File(
        "MEMORY\r\n"
        "002\tA\r\n"
        "193\tB\r\n"
        "PR\tC\r\n"          // 193 again: replaces the earlier line
        "U6\tD\r\n"
        "L1\tE\r\n"
        "7abc\tF\r\n"        // leading digits: slot 7
        "CALL\r\n"
        "0\tG\r\n"
        "1\tH\r\n"
        "X\tI\r\n"           // anything but "0" goes to CALL 1
        "VFO\r\n"
        "5\tJ\r\n"           // 300 MHz band, even if the radio lacks it
        "6\tK\r\n"
        "9\tL\r\n"           // unknown code: band 4
        "DTMF\r\n"
        "03\t123\r\n"
        "9\t#\r\n"));
    EXPECT_EQ(doc.Record(rkMemory, 2), "002,A");
    EXPECT_EQ(doc.Record(rkMemory, 193), "PR,C");
    EXPECT_EQ(doc.Record(rkMemory, 192), "U6,D");
    EXPECT_EQ(doc.Record(rkMemory, 181), "L1,E");
    EXPECT_EQ(doc.Record(rkMemory, 7), "7abc,F");
    EXPECT_EQ(doc.Record(rkCall, 0), "0,G");
    EXPECT_EQ(doc.Record(rkCall, 1), "X,I");
    EXPECT_EQ(doc.Record(rkVfo, 2), "5,J");
    EXPECT_EQ(doc.Record(rkVfo, 3), "6,K");
    EXPECT_EQ(doc.Record(rkVfo, 4), "9,L");
    EXPECT_EQ(doc.Record(rkDtmf, 3), "03,123");
    EXPECT_EQ(doc.Record(rkDtmf, 9), "9,#");
    // Slots no line names keep their defaults.
    EXPECT_EQ(doc.Record(rkMemory, 1), "001,00144000000,0,0,0,0,0,,09,,09,,0,,,,,");
    EXPECT_EQ(doc.Record(rkVfo, 1), "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,");
}

TEST(DataFileRead, LinesWithoutASlotLabelDisturbNoSlot)
{
    TChannelDocument doc;
    doc.SetMemoryRecord(181, QStringLiteral("L1,00145000000"));
    const TChannelDocument before = doc;
    for (const char *line : {"ZZ\tA", "pr\tA", " ", "memory", "\t00145000000"}) {
        TChannelDocument loaded = before;
        QString comment;
        ReadDataFile(File(QByteArray("MEMORY\r\n") + line + "\r\n"), loaded, &comment);
        for (int slot = 1; slot <= kMemorySlots; ++slot)
            EXPECT_EQ(loaded.Record(rkMemory, slot), before.Record(rkMemory, slot)) << line << " slot " << slot;
    }
}

TEST(DataFileRoundTrip, EmptiedSlotOneStaysEmpty)
{
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(kDefaultRadioType));
    doc.ResetDocument();
    ASSERT_FALSE(doc.Record(rkMemory, 1).isEmpty());
    doc.ClearMemoryRecord(1);
    doc.SetMemoryRecord(2, QStringLiteral("002,00145500000,5,0,0,0,0,,09,,09,,0,,,,,"));
    const QByteArray file = WriteDataFile(doc, QString());
    EXPECT_TRUE(file.contains("MEMORY\r\n001\r\n002\t"));
    // Loaded the way the editor loads a file: reset first, then read.
    TChannelDocument loaded;
    loaded.SetRadioType(QLatin1String(kDefaultRadioType));
    loaded.ResetDocument();
    QString comment;
    ReadDataFile(file, loaded, &comment);
    EXPECT_TRUE(loaded.Record(rkMemory, 1).isEmpty());
    EXPECT_EQ(loaded.Record(rkMemory, 2), doc.Record(rkMemory, 2));
    // A file without any line for slot 1 still loads the default channel.
    TChannelDocument old;
    old.SetRadioType(QLatin1String(kDefaultRadioType));
    old.ResetDocument();
    ReadDataFile("COMMENT\r\n\r\nMEMORY\r\n002\tA\r\n", old, &comment);
    EXPECT_FALSE(old.Record(rkMemory, 1).isEmpty());
}

TEST(DataFileRead, TellsWhetherTheContentIsADataFile)
{
    TChannelDocument doc;
    QString comment;
    EXPECT_TRUE(ReadDataFile("COMMENT\r\n\r\nMEMORY\r\n", doc, &comment));
    EXPECT_FALSE(ReadDataFile(QByteArray(), doc, &comment));
    EXPECT_FALSE(ReadDataFile("COMMENT\r\nx\r\nmemory\r\nCALL\r\n", doc, &comment));
    EXPECT_FALSE(ReadDataFile(QByteArray(300, '\x9c'), doc, &comment));
}

TEST(DataFileRead, LineEndsOfEveryKind)
{
    const QByteArray lf = "x\nc1\nMEMORY\n003\tA\nDTMF\n01\t5";
    QString comment;
    TChannelDocument doc = Load(lf, &comment);
    EXPECT_EQ(comment, "c1");
    EXPECT_EQ(doc.Record(rkMemory, 3), "003,A");
    EXPECT_EQ(doc.Record(rkDtmf, 1), "01,5"); // last line without a line end

    doc = Load("x\r\nc1\r\nMEMORY\r\n003\tA\nDTMF\r\n01\t5\r");
    EXPECT_EQ(doc.Record(rkMemory, 3), "003,A");
    EXPECT_EQ(doc.Record(rkDtmf, 1), "01,5");

    // A lone CR inside a line is part of it, not a line end.
    doc = Load("x\r\nc\r\nMEMORY\r\n003\tA\rB\r\n");
    EXPECT_EQ(doc.Record(rkMemory, 3), "003,A\rB");
}

TEST(DataFileRead, HeaderAndCommentLines)
{
    // The first line is skipped whatever it is; the comment is taken
    // unchanged: tabs and every character of it, however long (the comment
    // box's 50 characters are a limit for typing), and written back whole.
    QString comment = QStringLiteral("old");
    TChannelDocument doc = Load(QByteArray("MEMORY\r\n") + "a\tb," + QByteArray(80, 'z') +
                                    "\r\n004\tX\r\nMEMORY\r\n005\tY\r\n",
                                &comment);
    EXPECT_EQ(comment, QStringLiteral("a\tb,") + QString(80, QLatin1Char('z')));
    EXPECT_TRUE(WriteDataFile(doc, comment).startsWith("COMMENT\r\na\tb," + QByteArray(80, 'z') + "\r\n"));
    EXPECT_TRUE(doc.Record(rkMemory, 4).isEmpty()); // before the first section line
    EXPECT_EQ(doc.Record(rkMemory, 5), "005,Y");

    // Files of one line, or none, leave an empty comment and the defaults.
    const TChannelDocument fresh = FreshDoc();
    for (const QByteArray &content : {QByteArray(), QByteArray("COMMENT"), QByteArray("\r\n")}) {
        comment = QStringLiteral("old");
        doc = Load(content, &comment);
        EXPECT_EQ(comment, "");
        EXPECT_EQ(AllRecords(doc), AllRecords(fresh));
    }
    // A NUL byte in the comment line is dropped, the rest of it kept.
    doc = Load(QByteArray("COMMENT\r\nmy\0 radio\0\r\nMEMORY\r\n", 26), &comment);
    EXPECT_EQ(comment, "my radio");

    // No comment wanted: still reads the records.
    doc = Load(File("MEMORY\r\n009\tQ\r\n"), nullptr);
    EXPECT_EQ(doc.Record(rkMemory, 9), "009,Q");
}

TEST(DataFileRead, SectionLinesAreExact)
{
    const TChannelDocument doc =
        Load(File("MEMORY\r\n004\tA\r\nvfo\r\n005\tB\r\n MEMORY\r\nDTMF \r\n006\tC\r\n"));
    // The lower-case and padded lines are lines of the memory section that
    // name no slot: they are ignored.
    EXPECT_EQ(doc.Record(rkMemory, 4), "004,A");
    EXPECT_EQ(doc.Record(rkMemory, 5), "005,B");
    EXPECT_EQ(doc.Record(rkMemory, 6), "006,C");
    EXPECT_TRUE(doc.Record(rkMemory, 181).isEmpty());
    EXPECT_TRUE(doc.Record(rkVfo, 4).isEmpty());
}

TEST(DataFileRead, MalformedLinesDisturbNoOtherSlot)
{
    const QByteArray longMemory = "010\t" + QByteArray(96, 'a'); // 100 characters
    const QByteArray fitMemory = "011\t" + QByteArray(95, 'a');  // 99 characters
    const QByteArray longDtmf = "02\t" + QByteArray(17, '1');    // 20 characters
    const QByteArray fitDtmf = "03\t" + QByteArray(16, '1');     // 19 characters
    QByteArray body = "MEMORY\r\n"
                      "000\tzero\r\n"
                      "194\ttoo high\r\n"
                      "99999999999999999999\toverflow\r\n"
                      "\r\n";
    body.append(QByteArray("012\tbad\0byte\r\n", 14));
    body.append(QByteArray("012\tnul\0\r\n", 10));
    body += longMemory + "\r\n" + fitMemory + "\r\n"
            "CALL\r\n\r\n"
            "VFO\r\n" + QByteArray(100, '2') + "\r\n"
            "DTMF\r\n"
            "10\tx\r\n"
            "-1\tx\r\n"
            "A\tx\r\n"
            "\tx\r\n" +
            longDtmf + "\r\n" + fitDtmf + "\r\n";
    const TChannelDocument doc = Load(File(body));

    TChannelDocument expected = FreshDoc();
    expected.SetMemoryRecord(11, QString::fromLatin1(fitMemory).replace(QLatin1Char('\t'), QLatin1Char(',')));
    expected.SetDtmfRecord(3, QString::fromLatin1(fitDtmf).replace(QLatin1Char('\t'), QLatin1Char(',')));
    EXPECT_EQ(AllRecords(doc), AllRecords(expected));
}
