#include "ListingPages.h"

#include "listing/Listing.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

int ListingPageCount(const QList<TListingLine> &lines)
{
    int pages = 0;
    for (const TListingLine &line : lines)
        pages = qMax(pages, line.page + 1);
    return pages;
}

QList<int> ListingPageSequence(int pageCount, int copies, bool collate, bool reverse)
{
    QList<int> pages;
    for (int p = 0; p < pageCount; ++p)
        pages.append(reverse ? pageCount - 1 - p : p);
    copies = qMax(1, copies);
    QList<int> sequence;
    if (collate) {
        for (int c = 0; c < copies; ++c)
            sequence += pages;
    } else {
        for (int page : pages)
            for (int c = 0; c < copies; ++c)
                sequence.append(page);
    }
    return sequence;
}

TPagesResult DrawListingPages(QPagedPaintDevice *device, const QList<TListingLine> &lines,
                              const QList<int> &sequence)
{
    // The lines of each listing page, in drawing order.
    QList<QList<const TListingLine *>> pages(ListingPageCount(lines));
    for (const TListingLine &line : lines)
        pages[line.page].append(&line);
    QList<int> order = sequence;
    if (order.isEmpty())
        order = ListingPageSequence(int(pages.size()), 1, true, false);

    QPainter painter;
    if (!painter.begin(device))
        return TPagesResult::OpenFailed;
    const int pitch = device->height() / kListingLinesPerPage;
    QFont font = painter.font();
    font.setPixelSize(qMax(1, pitch - kListingFontGap));
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();

    bool first = true;
    for (int page : order) {
        if (page < 0 || page >= pages.size())
            continue;
        if (!first && !device->newPage()) {
            painter.end();
            return TPagesResult::PageFailed;
        }
        first = false;
        // The text's top is at line x pitch: drawText places the baseline.
        for (const TListingLine *line : pages.at(page))
            painter.drawText(kListingLeftEdge, line->line * pitch + ascent, line->text);
    }
    return painter.end() ? TPagesResult::Done : TPagesResult::PageFailed;
}

bool ListingPdf(const QList<TListingLine> &lines, QByteArray *pdf)
{
    pdf->clear();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("VXL-R381"));
        writer.setCreator(QStringLiteral("VXL-R381"));
        writer.setResolution(kListingPdfResolution);
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        writer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        if (DrawListingPages(&writer, lines) != TPagesResult::Done)
            return false;
    }
    buffer.close();
    if (bytes.isEmpty())
        return false;
    *pdf = bytes;
    return true;
}
