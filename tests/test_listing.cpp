// The document listing: page layout, record line format, the plain text
// form and the command-line tool's "list" command (text and PDF).
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "listing/Listing.h"
#include "support/TestSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString kCaption = QStringLiteral("VXL-R381 [Untitled]");

QString MemoryRecord(int slot, const QString &frequency)
{
    return MemorySlotLabel(slot) + QLatin1Char(',') + frequency + QStringLiteral(",0,0,0,0,0,,09,,09,,0,,,,,");
}

// Memory slots 1..count hold 145.000 MHz channels; everything else is empty.
TChannelDocument DocumentWithMemories(int count)
{
    TChannelDocument doc;
    doc.SetRadioType(QStringLiteral("0,2,00,1,1,,"));
    for (int slot = 1; slot <= count; ++slot)
        doc.SetMemoryRecord(slot, MemoryRecord(slot, QStringLiteral("00145000000")));
    return doc;
}

const TListingLine *Find(const QList<TListingLine> &lines, const QString &text)
{
    for (const TListingLine &line : lines)
        if (line.text == text)
            return &line;
    return nullptr;
}

int PageCount(const QList<TListingLine> &lines)
{
    return lines.isEmpty() ? 0 : lines.last().page + 1;
}

// Every page starts with the caption on line 0, nothing goes below line 59,
// and no two lines share a position.
void ExpectWellFormedPages(const QList<TListingLine> &lines)
{
    QSet<QPair<int, int>> used;
    for (int i = 0; i < lines.size(); ++i) {
        const TListingLine &line = lines.at(i);
        EXPECT_GE(line.line, 0);
        EXPECT_LT(line.line, 60) << line.text.toStdString();
        EXPECT_FALSE(used.contains({line.page, line.line}))
            << "page " << line.page << " line " << line.line;
        used.insert({line.page, line.line});
        const bool opensPage = i == 0 || lines.at(i - 1).page != line.page;
        EXPECT_EQ(opensPage, line.kind == TListingLine::PageHeader) << i;
        if (opensPage) {
            EXPECT_EQ(line.line, 0);
            EXPECT_EQ(line.text, kCaption);
            EXPECT_EQ(line.page, i == 0 ? 0 : lines.at(i - 1).page + 1);
        }
    }
}

} // namespace

TEST(ListingLayout, CommentDecidesWhereTheMemorySectionStarts)
{
    const TChannelDocument doc = DocumentWithMemories(1);

    const QList<TListingLine> plain = BuildListing(doc, QString(), kCaption);
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_EQ(plain.first().text, kCaption);
    EXPECT_EQ(plain.first().line, 0);
    EXPECT_EQ(Find(plain, QStringLiteral("[Comment]")), nullptr);
    ASSERT_NE(Find(plain, QStringLiteral("[Memory Channel]")), nullptr);
    EXPECT_EQ(Find(plain, QStringLiteral("[Memory Channel]"))->line, 2);
    ASSERT_GE(plain.size(), 3);
    EXPECT_EQ(plain.at(2).line, 3);
    EXPECT_TRUE(plain.at(2).text.startsWith(QStringLiteral("001 145.000MHz")));

    const QList<TListingLine> commented = BuildListing(doc, QStringLiteral("Field day"), kCaption);
    ASSERT_GE(commented.size(), 4);
    EXPECT_EQ(commented.at(1).text, QStringLiteral("[Comment]"));
    EXPECT_EQ(commented.at(1).line, 2);
    EXPECT_EQ(commented.at(2).text, QStringLiteral("Field day"));
    EXPECT_EQ(commented.at(2).line, 3);
    EXPECT_EQ(commented.at(3).text, QStringLiteral("[Memory Channel]"));
    EXPECT_EQ(commented.at(3).line, 5);
    ExpectWellFormedPages(commented);
}

TEST(ListingLayout, FullMemoryListRepeatsTheCaptionOnEveryPage)
{
    const TChannelDocument doc = DocumentWithMemories(kMemorySlots);
    const QList<TListingLine> lines = BuildListing(doc, QString(), kCaption);
    ExpectWellFormedPages(lines);

    // The memory lines, in slot order: 57 on the first page (lines 3..59),
    // then 58 per page from line 2.
    QList<TListingLine> memory;
    for (const TListingLine &line : lines)
        if (line.kind == TListingLine::Body)
            memory.append(line);
    ASSERT_EQ(memory.size(), kMemorySlots);
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        EXPECT_TRUE(memory.at(slot - 1).text.startsWith(MemorySlotLabel(slot) + QLatin1Char(' ')));
    EXPECT_EQ(memory.at(0).page, 0);
    EXPECT_EQ(memory.at(0).line, 3);
    EXPECT_EQ(memory.at(56).line, 59);
    EXPECT_EQ(memory.at(57).page, 1);
    EXPECT_EQ(memory.at(57).line, 2);
    EXPECT_EQ(memory.at(114).page, 1);
    EXPECT_EQ(memory.at(114).line, 59);
    EXPECT_EQ(memory.at(115).page, 2);
    EXPECT_EQ(memory.at(115).line, 2);
    EXPECT_EQ(memory.last().text, QStringLiteral("PR 145.000MHz 5kHz"));
    EXPECT_EQ(memory.last().page, 3);
    EXPECT_EQ(memory.last().line, 21);

    // The remaining sections follow on the last page, one blank line apart,
    // and an empty DTMF section still has its title.
    const TListingLine *vfo = Find(lines, QStringLiteral("[VFO]"));
    const TListingLine *call = Find(lines, QStringLiteral("[CALL Channel]"));
    const TListingLine *dtmf = Find(lines, QStringLiteral("[DTMF Memory]"));
    ASSERT_TRUE(vfo && call && dtmf);
    EXPECT_EQ(vfo->page, 3);
    EXPECT_EQ(vfo->line, 23);
    EXPECT_EQ(call->line, 25);
    EXPECT_EQ(dtmf->line, 27);
    EXPECT_EQ(lines.last().text, QStringLiteral("[DTMF Memory]"));
    EXPECT_EQ(PageCount(lines), 4);
}

TEST(ListingLayout, SectionTitleMovesToANewPageFromLine58)
{
    // 54 memory lines leave line 57 free: it stays blank and "[VFO]" goes
    // to line 58 of the same page.
    {
        const QList<TListingLine> lines = BuildListing(DocumentWithMemories(54), QString(), kCaption);
        ExpectWellFormedPages(lines);
        const TListingLine *vfo = Find(lines, QStringLiteral("[VFO]"));
        ASSERT_NE(vfo, nullptr);
        EXPECT_EQ(vfo->page, 0);
        EXPECT_EQ(vfo->line, 58);
        for (const TListingLine &line : lines)
            EXPECT_FALSE(line.page == 0 && line.line == 57) << line.text.toStdString();
        // The next section's title cannot fit either: a new page, line 2.
        const TListingLine *call = Find(lines, QStringLiteral("[CALL Channel]"));
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(call->page, 1);
        EXPECT_EQ(call->line, 2);
    }
    // 55 memory lines leave line 58 as the next line: "[VFO]" goes to line
    // 2 of a new page and line 1 stays blank.
    {
        const QList<TListingLine> lines = BuildListing(DocumentWithMemories(55), QString(), kCaption);
        ExpectWellFormedPages(lines);
        const TListingLine *vfo = Find(lines, QStringLiteral("[VFO]"));
        ASSERT_NE(vfo, nullptr);
        EXPECT_EQ(vfo->page, 1);
        EXPECT_EQ(vfo->line, 2);
        for (const TListingLine &line : lines)
            EXPECT_FALSE(line.page == 1 && line.line == 1) << line.text.toStdString();
    }
}

TEST(ListingLayout, PageCheckRunsBeforeEmptySlotsToo)
{
    // 57 records fill the first page; the empty slots after them still
    // start a second page, which then carries only its caption until the
    // next section title.
    const QList<TListingLine> lines = BuildListing(DocumentWithMemories(57), QString(), kCaption);
    ExpectWellFormedPages(lines);
    const TListingLine *vfo = Find(lines, QStringLiteral("[VFO]"));
    ASSERT_NE(vfo, nullptr);
    EXPECT_EQ(vfo->page, 1);
    EXPECT_EQ(vfo->line, 3);
}

TEST(ListingLines, RecordLinePiecesInOrder)
{
    TChannelDocument doc;
    doc.SetRadioType(QStringLiteral("0,2,00,1,1,,"));

    // Every optional piece at once.
    doc.SetMemoryRecord(12, QStringLiteral(
        "012,00145125000,3,2,1,1,1,,09,,02,000600000,1,,00146125000,3,2,AB.C"));
    EXPECT_EQ(ListingRecordLine(doc, rkMemory, 12),
              QStringLiteral("012 145.125MHz 12.5kHz - R T:88.5Hz CT:69.4Hz Offset:0.60MHz "
                             "TX:146.125MHz Name:AB.C RF:Low *"));
    // None of them.
    doc.SetMemoryRecord(1, QStringLiteral("001,00144000000,0,0,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(ListingRecordLine(doc, rkMemory, 1), QStringLiteral("001 144.000MHz 5kHz"));
    // Plus shift, -7.6 shift, sub-kilohertz frequency, one-character
    // offset and transmit fields are not printed.
    doc.SetMemoryRecord(2, QStringLiteral("002,00145006250,1,1,0,0,0,,09,,09,0,0,,0,,,"));
    EXPECT_EQ(ListingRecordLine(doc, rkMemory, 2), QStringLiteral("002 145.00625MHz 6.25kHz +"));
    doc.SetMemoryRecord(193, QStringLiteral("PR,00433000000,9,3,0,0,0,,09,,09,,0,,,,,"));
    EXPECT_EQ(ListingRecordLine(doc, rkMemory, 193), QStringLiteral("PR 433.000MHz 100kHz -7.6"));

    // VFO labels come from the band code; the UHF label from the market code.
    doc.SetVfoRecord(3, QStringLiteral("6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,"));
    doc.SetVfoRecord(0, QStringLiteral("1,00118000000,3,0,0,0,0,,09,,09,000600000,,,,,,"));
    doc.SetVfoRecord(4, QStringLiteral("8,00870000000,3,0,0,0,0,,09,,09,010000000,,,,,3,"));
    EXPECT_EQ(ListingRecordLine(doc, rkVfo, 3),
              QStringLiteral("440MHz 440.000MHz 25kHz Offset:5.00MHz RF:High"));
    EXPECT_EQ(ListingRecordLine(doc, rkVfo, 0), QStringLiteral("118MHz 118.000MHz 12.5kHz Offset:0.60MHz"));
    EXPECT_EQ(ListingRecordLine(doc, rkVfo, 4),
              QStringLiteral("800MHz 870.000MHz 12.5kHz Offset:10.00MHz RF:EL"));
    doc.SetCallRecord(0, QStringLiteral("0,00144000000,0,0,0,1,0,,13,,09,,,,,,,"));
    doc.SetCallRecord(1, QStringLiteral("1,00440000000,6,0,0,0,0,,09,,09,,,,00445000000,6,,"));
    EXPECT_EQ(ListingRecordLine(doc, rkCall, 0), QStringLiteral("144MHz 144.000MHz 5kHz T:100.0Hz"));
    EXPECT_EQ(ListingRecordLine(doc, rkCall, 1), QStringLiteral("440MHz 440.000MHz 25kHz TX:445.000MHz"));

    doc.SetRadioType(QStringLiteral("0,1,00,1,1,,"));
    EXPECT_TRUE(ListingRecordLine(doc, rkVfo, 3).startsWith(QStringLiteral("430MHz ")));
    EXPECT_TRUE(ListingRecordLine(doc, rkCall, 1).startsWith(QStringLiteral("430MHz ")));
    EXPECT_TRUE(ListingRecordLine(doc, rkCall, 0).startsWith(QStringLiteral("144MHz ")));

    // An unknown band code is printed as it is stored.
    doc.SetVfoRecord(2, QStringLiteral("7,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,"));
    EXPECT_TRUE(ListingRecordLine(doc, rkVfo, 2).startsWith(QStringLiteral("7 340.000MHz")));

    doc.SetDtmfRecord(3, QStringLiteral("03,123*#ABCD"));
    EXPECT_EQ(ListingRecordLine(doc, rkDtmf, 3), QStringLiteral("03 123*#ABCD"));
}

TEST(ListingLines, OnlySlotsWithDataAreListed)
{
    TChannelDocument doc;
    doc.SetRadioType(QStringLiteral("0,2,00,1,1,,"));
    doc.SetMemoryRecord(5, QStringLiteral("005,1,0,0,0,0,0,,09,,09,,0,,,,,")); // no frequency
    doc.SetMemoryRecord(6, QStringLiteral("006,00145000000,0,0,0,0,0,,09,,09,,0,,,,,"));
    doc.SetMemoryRecord(7, QStringLiteral("007,00145,x,0,0,1,0,,99,,,,0,,,,,")); // damaged: still no crash
    doc.SetDtmfRecord(1, QStringLiteral("01,"));
    doc.SetDtmfRecord(2, QStringLiteral("02,5"));

    QStringList bodies;
    for (const TListingLine &line : BuildListing(doc, QString(), kCaption))
        if (line.kind == TListingLine::Body)
            bodies << line.text;
    ASSERT_EQ(bodies.size(), 3);
    EXPECT_EQ(bodies.at(0), QStringLiteral("006 145.000MHz 5kHz"));
    EXPECT_TRUE(bodies.at(1).startsWith(QStringLiteral("007 ")));
    EXPECT_EQ(bodies.at(2), QStringLiteral("02 5"));
}

TEST(ListingText, SectionsWithoutPageHeaders)
{
    TChannelDocument doc = DocumentWithMemories(kMemorySlots);
    doc.SetVfoRecord(1, QStringLiteral("2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,"));
    doc.SetCallRecord(0, QStringLiteral("0,00144000000,0,0,0,0,0,,09,,09,,,,,,,"));
    doc.SetDtmfRecord(9, QStringLiteral("09,0123"));

    const QStringList text = ListingText(doc, QStringLiteral("Club net"));
    QStringList expected{QStringLiteral("[Comment]"), QStringLiteral("Club net"), QString(),
                         QStringLiteral("[Memory Channel]")};
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        expected << MemorySlotLabel(slot) + QStringLiteral(" 145.000MHz 5kHz");
    expected << QString() << QStringLiteral("[VFO]")
             << QStringLiteral("144MHz 144.000MHz 5kHz Offset:0.60MHz RF:High") << QString()
             << QStringLiteral("[CALL Channel]") << QStringLiteral("144MHz 144.000MHz 5kHz")
             << QString() << QStringLiteral("[DTMF Memory]") << QStringLiteral("09 0123");
    EXPECT_EQ(text, expected);

    const QStringList plain = ListingText(TChannelDocument(), QString());
    EXPECT_EQ(plain, (QStringList{QStringLiteral("[Memory Channel]"), QString(), QStringLiteral("[VFO]"),
                                  QString(), QStringLiteral("[CALL Channel]"), QString(),
                                  QStringLiteral("[DTMF Memory]")}));
}

#ifdef VXL_CLI_PATH
namespace {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the tool; `withoutDisplay` takes away every display and platform
// setting, as on a server or in a plain terminal session.
CliResult RunCli(const QStringList &args, bool withoutDisplay = false)
{
    QProcess process;
    if (withoutDisplay) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(VXL_CLI_PATH), args);
    CliResult result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void StoreRadioType(const QString &type)
{
    ClearStoredSettings();
    QSettings settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
    settings.setValue(QStringLiteral("Type"), type);
    settings.sync();
}

QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

} // namespace

TEST(CliList, PrintsTheListingBodyUnderTheStoredRadioType)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray content =
        "COMMENT\r\nRepeaters\r\n"
        "MEMORY\r\n002\t00145500000\t0\t2\t0\t1\t0\t\t13\t\t09\t\t1\t\t\t\t\tRPT.1\r\n"
        "CALL\r\n1\t00433000000\t6\t0\t0\t0\t0\t\t09\t\t09\t\t\t\t\t\t\t\r\n"
        "VFO\r\n6\t00433000000\t6\t0\t0\t0\t0\t\t09\t\t09\t005000000\t\t\t\t\t1\t\r\n"
        "DTMF\r\n04\t#123\r\n";
    const QString path = WriteFile(dir, QStringLiteral("net.381"), content);

    // Market code 1, no optional bands: the UHF band is "430MHz" and the
    // file's records replace the default ones of that radio type.
    StoreRadioType(QStringLiteral("0,1,00,1,0,0,0"));
    const CliResult result = RunCli({QStringLiteral("list"), path});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    const QString expected = QStringLiteral(
        "[Comment]\nRepeaters\n\n"
        "[Memory Channel]\n"
        "001 144.000MHz 12.5kHz\n"
        "002 145.500MHz 5kHz - T:100.0Hz Name:RPT.1 *\n\n"
        "[VFO]\n"
        "144MHz 144.000MHz 12.5kHz Offset:0.60MHz RF:High\n"
        "430MHz 433.000MHz 25kHz Offset:5.00MHz RF:Mid\n\n"
        "[CALL Channel]\n"
        "144MHz 144.000MHz 12.5kHz\n"
        "430MHz 433.000MHz 25kHz\n\n"
        "[DTMF Memory]\n"
        "04 #123\n");
    EXPECT_EQ(QString::fromLocal8Bit(result.out), expected);
    EXPECT_TRUE(result.err.isEmpty()) << result.err.constData();

    // Market code 2 labels the same records "440MHz".
    StoreRadioType(QStringLiteral("0,2,00,1,0,0,0"));
    const CliResult relabelled = RunCli({QStringLiteral("list"), path});
    ASSERT_EQ(relabelled.exitCode, 0);
    EXPECT_TRUE(relabelled.out.contains("440MHz 433.000MHz 25kHz Offset:5.00MHz RF:Mid\n"));
    EXPECT_FALSE(relabelled.out.contains("430MHz"));
    ClearStoredSettings();
}

TEST(CliList, RefusesWhatItCannotOpen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString wrongExtension = WriteFile(dir, QStringLiteral("net.txt"), "COMMENT\r\n\r\n");

    for (const QStringList &args : {QStringList{QStringLiteral("list"), wrongExtension},
                                    QStringList{QStringLiteral("list"), dir.filePath(QStringLiteral("missing.381"))}}) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains("File Open error.")) << result.err.constData();
    }
    for (const QStringList &args : {QStringList{QStringLiteral("list")},
                                    QStringList{QStringLiteral("list"), QStringLiteral("--pdf")},
                                    QStringList{QStringLiteral("list"), QStringLiteral("--pdf"), wrongExtension},
                                    QStringList{QStringLiteral("list"), QStringLiteral("a.381"), QStringLiteral("b.381")},
                                    QStringList{QStringLiteral("list"), QStringLiteral("--bogus"), QStringLiteral("a.381")}}) {
        const CliResult usage = RunCli(args);
        EXPECT_EQ(usage.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(usage.out.isEmpty());
        EXPECT_TRUE(usage.err.contains("usage: vxl-r381-cli list [--pdf OUT.pdf] IN.381")) << usage.err.constData();
    }

    // A PDF that cannot be written: the message names the file, nothing is left.
    const QString good = WriteFile(dir, QStringLiteral("net.381"), "COMMENT\r\n\r\n");
    const QString blocked = dir.filePath(QStringLiteral("missing-folder/out.pdf"));
    const CliResult unwritable = RunCli({QStringLiteral("list"), QStringLiteral("--pdf"), blocked, good}, true);
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_TRUE(unwritable.err.contains("The listing could not be exported.\n")) << unwritable.err.constData();
    EXPECT_TRUE(unwritable.err.contains(QDir::toNativeSeparators(blocked).toLocal8Bit()));
    EXPECT_FALSE(QFileInfo::exists(blocked));
}

namespace {

// Runs a poppler tool; an empty result when it is missing or fails.
QString Poppler(const QString &tool, const QStringList &args)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The printed lines of each PDF page, as pdftotext reads them (ligatures
// of the typeface spelt out, blank lines dropped).
QList<QStringList> PdfPageLines(const QString &pdfPath)
{
    QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    text.replace(QChar(0xFB00), QStringLiteral("ff")).replace(QChar(0xFB01), QStringLiteral("fi"))
        .replace(QChar(0xFB02), QStringLiteral("fl")).replace(QChar(0xFB03), QStringLiteral("ffi"))
        .replace(QChar(0xFB04), QStringLiteral("ffl"));
    QList<QStringList> pages;
    const QStringList chunks = text.split(QLatin1Char('\f'));
    for (const QString &chunk : chunks) {
        QStringList lines;
        for (const QString &line : chunk.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                lines.append(line.trimmed());
        if (!lines.isEmpty())
            pages.append(lines);
    }
    return pages;
}

} // namespace

TEST(CliList, PdfHoldsThePrintedPagesOfAFullDocumentWithoutDisplayOrPrinter)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    StoreRadioType(QStringLiteral("0,2,00,1,1,,"));

    // Every memory slot, VFO, CALL channel and DTMF memory holds data, with
    // tones, shifts, offsets, split frequencies, names and lock-outs.
    TChannelDocument doc;
    doc.SetRadioType(QStringLiteral("0,2,00,1,1,,"));
    doc.ResetDocument();
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        const bool uhf = slot % 3 == 0;
        doc.SetMemoryRecord(slot, MemorySlotLabel(slot) + QLatin1Char(',')
                                      + (uhf ? QStringLiteral("00438") : QStringLiteral("00145"))
                                      + QString::number(slot % 100).rightJustified(3, QLatin1Char('0'))
                                      + QStringLiteral("000")
                                      + QStringLiteral(",%1,%2,0,%3,%4,,%5,,%6,%7,%8,,,,%9,CH%10")
                                            .arg(uhf ? 6 : 3).arg(slot % 3).arg(slot % 2).arg((slot / 2) % 2)
                                            .arg(slot % 39 + 1, 2, 10, QLatin1Char('0'))
                                            .arg((slot + 7) % 39 + 1, 2, 10, QLatin1Char('0'))
                                            .arg(slot % 4 == 0 ? QStringLiteral("005000000") : QString())
                                            .arg(slot % 5 == 0 ? 1 : 0).arg(slot % 4).arg(slot));
    }
    for (int d = 0; d < 10; ++d)
        doc.SetDtmfRecord(d, QStringLiteral("%1,%2#%3").arg(d, 2, 10, QLatin1Char('0')).arg(d * 111).arg(d));
    const QString comment = QStringLiteral("Full club memory");
    const QString path = WriteFile(dir, QStringLiteral("full club.381"), WriteDataFile(doc, comment));
    const QString pdfPath = dir.filePath(QStringLiteral("full club.pdf"));

    const CliResult result = RunCli({QStringLiteral("list"), QStringLiteral("--pdf"), pdfPath, path}, true);
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_TRUE(result.out.isEmpty());
    ASSERT_TRUE(QFileInfo::exists(pdfPath));

    // The expected pages: the listing the editor prints for this file.
    TChannelDocument loaded;
    LoadSettings(loaded);
    loaded.ResetDocument();
    QString loadedComment;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ReadDataFile(file.readAll(), loaded, &loadedComment);
    const QString caption = QStringLiteral("VXL-R381 [%1]").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    const QList<TListingLine> lines = BuildListing(loaded, loadedComment, caption);
    QList<QStringList> expected(PageCount(lines));
    for (const TListingLine &line : lines)
        expected[line.page].append(line.text.trimmed());
    ASSERT_GE(expected.size(), 4);

    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdfPath});
    if (info.isEmpty())
        GTEST_SKIP() << "poppler's pdfinfo and pdftotext are needed to read the PDF back";
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+VXL-R381\\s*\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\s*\\n").arg(expected.size()))))
        << info.toStdString();

    const QList<QStringList> pages = PdfPageLines(pdfPath);
    ASSERT_EQ(pages.size(), expected.size());
    for (int p = 0; p < pages.size(); ++p)
        EXPECT_EQ(pages.at(p), expected.at(p)) << "page " << p + 1;
    // A few lines spelt out, so the comparison above is not vacuous.
    EXPECT_EQ(pages.at(0).first(), caption);
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("Full club memory")));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("09 999#9")));
    ClearStoredSettings();
}
#endif
