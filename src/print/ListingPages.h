// The listing drawn page by page on a paged device: the printer for
// "&Print..." and the PDF writer for the listing export of the editor and
// of the command-line tool, so a PDF holds exactly the printed pages.
// Needs Qt GUI (fonts, painter), not the widgets.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QPagedPaintDevice;
struct TListingLine;

// Left edge of every line, in device pixels.
constexpr int kListingLeftEdge = 200;
// The font's pixel height is the line pitch less this.
constexpr int kListingFontGap = 5;
// Resolution of the PDF pages: that of a printer in high resolution mode.
constexpr int kListingPdfResolution = 1200;

enum class TPagesResult {
    Done,
    OpenFailed,  // the painter could not begin on the device
    PageFailed,  // a new page could not be started, or the device failed at the end
};

// Number of listing pages the lines fill.
int ListingPageCount(const QList<TListingLine> &lines);

// The order in which listing pages go to the device for a print job of
// `copies` copies: all pages in order, last page first when `reverse`,
// repeated per copy; `collate` repeats the whole set, otherwise each page
// is repeated in place. Copies below 1 count as 1.
QList<int> ListingPageSequence(int pageCount, int copies, bool collate, bool reverse);

// Draws the lines (from BuildListing) onto the device: the line pitch is
// the device height divided by 60, the font height the pitch less 5 pixels,
// and each line has its top at line x pitch and its left edge at 200.
// Every listing page becomes one device page, in the order of `sequence`
// (listing page indices); an empty sequence draws every page once, in order.
TPagesResult DrawListingPages(QPagedPaintDevice *device, const QList<TListingLine> &lines,
                              const QList<int> &sequence = {});

// The listing as a PDF document titled "VXL-R381": A4 pages (Letter where
// the locale measures in US units) at 1200 dots per inch, drawn by
// DrawListingPages. Returns false, leaving *pdf empty, when drawing failed.
bool ListingPdf(const QList<TListingLine> &lines, QByteArray *pdf);
