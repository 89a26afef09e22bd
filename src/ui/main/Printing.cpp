// "&Print...": draws the document listing on the printer, 60 lines a page.
#include "MainForm.h"

#include "listing/Listing.h"
#include "ui/seam/Dialogs.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr int kLeftEdge = 200;      // printer pixels
constexpr int kFontGap = 5;         // font height is the line pitch less this

} // namespace

void TMainForm::Print1Click()
{
    if (!Dialogs::HasPrinter()) {
        Dialogs::Message(this, QStringLiteral("There is no default printer."), Dialogs::Icon::Warning);
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    if (!Dialogs::PrintDialog(this, &printer))
        return;
    printer.setDocName(QStringLiteral("VXL-R381"));

    const QList<TListingLine> lines = BuildListing(document_, Comment(), Caption());

    QPainter painter;
    if (!painter.begin(&printer)) {
        Dialogs::ShowException(this, QStringLiteral("The printer could not be opened."));
        return;
    }
    const int pitch = printer.height() / kListingLinesPerPage;
    QFont font = painter.font();
    font.setPixelSize(qMax(1, pitch - kFontGap));
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();

    int page = 0;
    for (const TListingLine &line : lines) {
        if (line.page != page) {
            if (!printer.newPage()) {
                painter.end();
                Dialogs::ShowException(this, QStringLiteral("The listing could not be printed."));
                return;
            }
            page = line.page;
        }
        // Each line has its top at line x pitch.
        painter.drawText(kLeftEdge, line.line * pitch + ascent, line.text);
    }
    if (!painter.end())
        Dialogs::ShowException(this, QStringLiteral("The listing could not be printed."));
}
