// "&Print...": draws the document listing on the printer, 60 lines a page.
// "Export Listing as PDF...": the same pages into a PDF file, without a
// printer.
#include "MainForm.h"

#include "data/DataFile.h"
#include "listing/Listing.h"
#include "print/ListingPages.h"
#include "ui/seam/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

void TMainForm::Print1Click()
{
    if (!Dialogs::HasPrinter()) {
        // The same pages need no printer as a PDF file: offered at once.
        if (Dialogs::Message(this,
                             tr("There is no default printer.") + QLatin1Char('\n')
                                 + tr("Export the listing as a PDF file instead?"),
                             Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
            == Dialogs::Answer::Yes)
            ExportPdf1Click();
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    if (!Dialogs::PrintDialog(this, &printer))
        return;
    printer.setDocName(QStringLiteral("VXL-R381"));

    const QList<TListingLine> lines = BuildListing(document_, Comment(), Caption());

    // The print system makes the copies where it can; otherwise (a PDF file
    // chosen in the dialog, a system without CUPS) the pages are repeated
    // here. The page order is always the program's to honour.
    const bool systemCopies = printer.supportsMultipleCopies();
    const QList<int> sequence = ListingPageSequence(
        ListingPageCount(lines), systemCopies ? 1 : printer.copyCount(),
        systemCopies || printer.collateCopies(), printer.pageOrder() == QPrinter::LastPageFirst);

    switch (DrawListingPages(&printer, lines, sequence)) {
    case TPagesResult::Done:
        break;
    case TPagesResult::OpenFailed:
        Dialogs::ShowException(this, tr("The printer could not be opened."));
        break;
    case TPagesResult::PageFailed:
        Dialogs::ShowException(this, tr("The listing could not be printed."));
        break;
    }
}

void TMainForm::ExportPdf1Click()
{
    Dialogs::FileRequest request;
    request.save = true;
    request.confirmOverwrite = true;
    request.caption = tr("Export Listing as PDF");
    request.folder = folder_;
    const QString base = QFileInfo(fileName_).completeBaseName();
    request.fileName = (base.isEmpty() ? QStringLiteral("Untitled") : base) + QStringLiteral(".pdf");
    request.filter = tr("PDF files (*.pdf);;All files (*)");
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = Dialogs::FileDialog(this, request);
    if (path.isEmpty())
        return;

    QByteArray pdf;
    if (!ListingPdf(BuildListing(document_, Comment(), Caption()), &pdf)) {
        Dialogs::ShowException(this, tr("The listing could not be exported."));
        return;
    }
    if (!SaveFileAtomically(path, pdf)) {
        Dialogs::Message(this,
                         tr("The listing could not be exported.\n%1: the file could not be written.")
                             .arg(QDir::toNativeSeparators(path)),
                         Dialogs::Icon::Warning);
    }
}
