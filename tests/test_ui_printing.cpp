// "&Print...": the missing-printer message, the print dialog, and a real
// print into a PDF file whose text and line grid are read back.
// "Export Listing as PDF...": the same pages without a printer.
#include "data/ChannelDocument.h"
#include "print/ListingPages.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TMainForm>();
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            return Dialogs::Answer::Ok;
        });
        Dialogs::SetPrinterPresence([] { return true; });
        ASSERT_TRUE(dir.isValid());
        pdfPath = dir.filePath(QStringLiteral("listing.pdf"));
    }
    void TearDown() override
    {
        Dialogs::ResetResponders();
        form.reset();
    }

    // The print dialog is confirmed with a PDF file as the printer.
    void PrintToPdf()
    {
        Dialogs::SetPrintResponder([this](QPrinter *printer) {
            ++dialogs;
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath);
            return true;
        });
        form->Print1Click();
    }

    // Runs a poppler tool; skips the test when it is not installed.
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

    // The printed lines of each PDF page as pdftotext reads them (blank
    // lines dropped, the typeface's ligatures spelt out).
    QList<QStringList> PageLines(const QString &path)
    {
        QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        text.replace(QChar(0xFB00), QStringLiteral("ff")).replace(QChar(0xFB01), QStringLiteral("fi"))
            .replace(QChar(0xFB02), QStringLiteral("fl"));
        QList<QStringList> pages;
        for (const QString &chunk : text.split(QLatin1Char('\f'))) {
            QStringList lines;
            for (const QString &line : chunk.split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty())
                    lines.append(line.trimmed());
            if (!lines.isEmpty())
                pages.append(lines);
        }
        return pages;
    }

    void FillDocument()
    {
        TChannelDocument &doc = form->Document();
        for (int slot = 1; slot <= kMemorySlots; ++slot)
            doc.SetMemoryRecord(slot, MemorySlotLabel(slot)
                                          + QStringLiteral(",00145000000,0,0,0,1,0,,09,,09,,0,,,,,"));
        doc.SetDtmfRecord(4, QStringLiteral("04,#123"));
        form->SetComment(QStringLiteral("Contest"));
    }

    std::unique_ptr<TMainForm> form;
    std::vector<Dialogs::MessageRequest> messages;
    int dialogs = 0;
    QTemporaryDir dir;
    QString pdfPath;
};

} // namespace

// Without a printer the message offers the same pages as a PDF file: No
// prints nothing, Yes runs Export Listing as PDF.
TEST_F(PrintingTest, NoPrinterOffersThePdfAndACancelledDialogPrintsNothing)
{
    Dialogs::SetPrinterPresence([] { return false; });
    int fileDialogs = 0;
    Dialogs::SetFileResponder([&](const Dialogs::FileRequest &request) {
        ++fileDialogs;
        EXPECT_EQ(request.defaultSuffix, QStringLiteral("pdf"));
        return pdfPath;
    });
    for (const Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Yes}) {
        messages.clear();
        Dialogs::SetMessageResponder([&](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            return answer;
        });
        PrintToPdf();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("There is no default printer.\n")))
            << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains(QStringLiteral("PDF")));
        EXPECT_EQ(messages[0].caption, QStringLiteral("VXL-R381"));
        EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::YesNo);
        EXPECT_EQ(dialogs, 0);
        EXPECT_EQ(fileDialogs, answer == Dialogs::Answer::Yes ? 1 : 0);
        EXPECT_EQ(QFile::exists(pdfPath), answer == Dialogs::Answer::Yes);
    }
    QFile::remove(pdfPath);
    Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
        messages.push_back(request);
        return Dialogs::Answer::Ok;
    });

    messages.clear();
    Dialogs::SetPrinterPresence([] { return true; });
    Dialogs::SetPrintResponder([this](QPrinter *printer) {
        ++dialogs;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        return false;
    });
    form->Print1Click();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QFile::exists(pdfPath));
}

TEST_F(PrintingTest, PrintsTheListingIntoAPdfFile)
{
    TChannelDocument &doc = form->Document();
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        doc.SetMemoryRecord(slot, MemorySlotLabel(slot)
                                      + QStringLiteral(",00145000000,0,0,0,1,0,,09,,09,,0,,,,,"));
    doc.SetDtmfRecord(4, QStringLiteral("04,#123"));
    form->SetComment(QStringLiteral("Contest"));
    const int modified = form->Modified();
    const QString before = doc.Record(rkMemory, 10);

    PrintToPdf();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(QFile::exists(pdfPath));
    // Printing only reads the document.
    EXPECT_EQ(form->Modified(), modified);
    EXPECT_EQ(doc.Record(rkMemory, 10), before);

    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdfPath});
    const QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    if (text.isEmpty() || info.isEmpty())
        GTEST_SKIP() << "poppler's pdftotext and pdfinfo are needed to read the PDF back";

    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+VXL-R381\\s*\\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\s*\\n")))) << info.toStdString();

    // The comment moves the memory list down by three lines: 54 memory
    // lines on the first page, then 58 per page; the last page holds the
    // rest and the other sections.
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 4);
    const QString caption = form->Caption();
    ASSERT_FALSE(caption.isEmpty());
    for (int p = 0; p < 4; ++p) {
        const QStringList lines = pages.at(p).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.first().trimmed(), caption) << "page " << p + 1;
    }
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("[Comment]")));
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("Contest")));
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("001 145.000MHz 5kHz T:88.5Hz")));
    EXPECT_TRUE(pages.at(0).contains(QStringLiteral("054 145.000MHz")));
    EXPECT_FALSE(pages.at(0).contains(QStringLiteral("055 145.000MHz")));
    EXPECT_TRUE(pages.at(1).contains(QStringLiteral("055 145.000MHz")));
    EXPECT_TRUE(pages.at(3).contains(QStringLiteral("PR 145.000MHz")));
    EXPECT_TRUE(pages.at(3).contains(QStringLiteral("[VFO]")));
    EXPECT_TRUE(text.contains(QStringLiteral("04 #123")));
}

TEST_F(PrintingTest, LinesSitOnAGridOfSixtyPerPage)
{
    form->SetComment(QString());
    PrintToPdf();
    ASSERT_TRUE(QFile::exists(pdfPath));
    const QString boxes = Poppler(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (boxes.isEmpty())
        GTEST_SKIP() << "poppler's pdftotext is needed to read the PDF back";

    // Page height and the top of the first word of each printed line.
    const QRegularExpression pageRe(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    const QRegularExpression wordRe(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const auto page = pageRe.match(boxes);
    ASSERT_TRUE(page.hasMatch());
    const double pageHeight = page.captured(2).toDouble();

    QMap<QString, QPair<double, double>> firstWord; // text -> (x, y)
    double fontHeight = 0;
    auto it = wordRe.globalMatch(boxes);
    while (it.hasNext()) {
        const auto word = it.next();
        if (!firstWord.contains(word.captured(4)))
            firstWord.insert(word.captured(4), {word.captured(1).toDouble(), word.captured(2).toDouble()});
        if (word.captured(4) == QLatin1String("[Memory"))
            fontHeight = word.captured(3).toDouble() - word.captured(2).toDouble();
    }
    ASSERT_TRUE(firstWord.contains(QStringLiteral("[Memory")));
    ASSERT_TRUE(firstWord.contains(QStringLiteral("001")));
    ASSERT_TRUE(firstWord.contains(QStringLiteral("[VFO]")));

    // Default radio: memory 001 only, so "[Memory Channel]" is on line 2,
    // 001 on line 3 and "[VFO]" on line 5, all at the same left edge.
    const double memoryY = firstWord.value(QStringLiteral("[Memory")).second;
    const double recordY = firstWord.value(QStringLiteral("001")).second;
    const double vfoY = firstWord.value(QStringLiteral("[VFO]")).second;
    const double pitch = recordY - memoryY;
    EXPECT_GT(pitch, 0);
    EXPECT_NEAR(vfoY - memoryY, 3 * pitch, 0.2 * pitch);
    // The line pitch is a sixtieth of the page (less the printer margins).
    EXPECT_GT(pitch, pageHeight / 60 * 0.8);
    EXPECT_LT(pitch, pageHeight / 60 * 1.01);
    // The font is a little smaller than the pitch.
    EXPECT_GT(fontHeight, 0);
    EXPECT_LT(fontHeight, pitch * 1.2);
    EXPECT_NEAR(firstWord.value(QStringLiteral("001")).first, firstWord.value(QStringLiteral("[Memory")).first, 0.5);
    EXPECT_NEAR(firstWord.value(QStringLiteral("[VFO]")).first, firstWord.value(QStringLiteral("[Memory")).first, 0.5);
}

TEST(ListingPageOrder, CopiesCollationAndReverseOrder)
{
    EXPECT_EQ(ListingPageSequence(3, 1, true, false), (QList<int>{0, 1, 2}));
    EXPECT_EQ(ListingPageSequence(3, 1, false, true), (QList<int>{2, 1, 0}));
    EXPECT_EQ(ListingPageSequence(3, 2, true, false), (QList<int>{0, 1, 2, 0, 1, 2}));
    EXPECT_EQ(ListingPageSequence(3, 2, false, false), (QList<int>{0, 0, 1, 1, 2, 2}));
    EXPECT_EQ(ListingPageSequence(2, 2, true, true), (QList<int>{1, 0, 1, 0}));
    EXPECT_EQ(ListingPageSequence(2, 0, true, false), (QList<int>{0, 1}));
    EXPECT_TRUE(ListingPageSequence(0, 3, true, false).isEmpty());
}

TEST_F(PrintingTest, ExportWritesThePrintedPagesWithoutAPrinter)
{
    ASSERT_TRUE(form->ExportPdf1);
    const QList<QAction *> items = form->File1->actions();
    ASSERT_TRUE(items.contains(form->ExportPdf1));
    EXPECT_EQ(items.indexOf(form->ExportPdf1), items.indexOf(form->Print1) + 1);
    EXPECT_EQ(form->ExportPdf1->text().remove(QLatin1Char('&')), QStringLiteral("Export Listing as PDF..."));

    FillDocument();
    const int modified = form->Modified();
    Dialogs::SetPrinterPresence([] { return false; });
    const QString exportPath = dir.filePath(QStringLiteral("export.pdf"));
    std::vector<Dialogs::FileRequest> requests;
    Dialogs::SetFileResponder([&](const Dialogs::FileRequest &request) {
        requests.push_back(request);
        return exportPath;
    });
    Dialogs::SetPrintResponder([this](QPrinter *) { ++dialogs; return false; });
    form->ExportPdf1->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(form->Modified(), modified);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_TRUE(requests[0].confirmOverwrite);
    EXPECT_EQ(requests[0].fileName, QStringLiteral("Untitled.pdf"));
    EXPECT_EQ(requests[0].defaultSuffix, QStringLiteral("pdf"));
    ASSERT_TRUE(QFile::exists(exportPath));

    // The same document printed into a PDF file through the printer.
    Dialogs::SetPrinterPresence([] { return true; });
    PrintToPdf();
    ASSERT_TRUE(QFile::exists(pdfPath));

    const QString info = Poppler(QStringLiteral("pdfinfo"), {exportPath});
    if (info.isEmpty())
        GTEST_SKIP() << "poppler's pdftotext and pdfinfo are needed to read the PDF back";
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+VXL-R381\\s*\\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\s*\\n")))) << info.toStdString();
    const QList<QStringList> exported = PageLines(exportPath);
    const QList<QStringList> printed = PageLines(pdfPath);
    ASSERT_EQ(exported.size(), 4);
    EXPECT_EQ(exported, printed);
    EXPECT_EQ(exported.at(0).first(), form->Caption());
    EXPECT_EQ(exported.at(0).at(1), QStringLiteral("[Comment]"));
    EXPECT_EQ(exported.at(3).last(), QStringLiteral("04 #123"));
}

TEST_F(PrintingTest, ExportCancelledOrUnwritableLeavesNoFile)
{
    Dialogs::SetFileResponder([](const Dialogs::FileRequest &) { return QString(); });
    form->ExportPdf1Click();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    const QString blocked = dir.filePath(QStringLiteral("no-such-folder/listing.pdf"));
    Dialogs::SetFileResponder([&](const Dialogs::FileRequest &) { return blocked; });
    form->ExportPdf1Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("The listing could not be exported.\n")));
    EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(blocked)));
    EXPECT_EQ(messages[0].caption, QStringLiteral("VXL-R381"));
    EXPECT_FALSE(QFile::exists(blocked));
}

TEST_F(PrintingTest, PrintIntoAFileHonoursCopiesAndReverseOrder)
{
    FillDocument();
    Dialogs::SetPrintResponder([this](QPrinter *printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        printer->setPageOrder(QPrinter::LastPageFirst);
        printer->setCopyCount(2);
        printer->setCollateCopies(true);
        return true;
    });
    form->Print1Click();
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(QFile::exists(pdfPath));
    const QList<QStringList> pages = PageLines(pdfPath);
    if (pages.isEmpty())
        GTEST_SKIP() << "poppler's pdftotext is needed to read the PDF back";

    // A PDF file makes no copies itself: two collated sets, last page first.
    ASSERT_EQ(pages.size(), 8);
    for (int set = 0; set < 2; ++set) {
        EXPECT_TRUE(pages.at(set * 4).contains(QStringLiteral("[VFO]"))) << set;
        EXPECT_TRUE(pages.at(set * 4 + 3).contains(QStringLiteral("[Comment]"))) << set;
    }
}
