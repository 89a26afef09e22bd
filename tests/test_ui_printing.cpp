// "&Print...": the missing-printer message, the print dialog, and a real
// print into a PDF file whose text and line grid are read back.
#include "data/ChannelDocument.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QFile>
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

    std::unique_ptr<TMainForm> form;
    std::vector<Dialogs::MessageRequest> messages;
    int dialogs = 0;
    QTemporaryDir dir;
    QString pdfPath;
};

} // namespace

TEST_F(PrintingTest, NoPrinterOrCancelledDialogPrintsNothing)
{
    Dialogs::SetPrinterPresence([] { return false; });
    PrintToPdf();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("There is no default printer."));
    EXPECT_EQ(messages[0].caption, QStringLiteral("VXL-R381"));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Warning);
    EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(QFile::exists(pdfPath));

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
