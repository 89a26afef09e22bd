// The document listing: the comment and every memory channel, VFO, CALL
// channel and DTMF memory that holds data, laid out on pages of 60 lines.
// The printer draws these lines; the command-line tool prints their text.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TChannelDocument;

constexpr int kListingLinesPerPage = 60;

struct TListingLine {
    enum Kind {
        PageHeader,   // the window caption on line 0 of every page
        SectionTitle, // "[Comment]", "[Memory Channel]", "[VFO]", ...
        Body,         // the comment text, a record line or a DTMF line
    };
    int page = 0; // 0-based
    int line = 0; // 0..59 on its page
    Kind kind = Body;
    QString text;
};

// Every line of the listing in drawing order, with its page and line.
// Labels of the UHF band follow the document's radio type.
QList<TListingLine> BuildListing(const TChannelDocument &doc, const QString &comment,
                                 const QString &caption);

// One record line of a memory, VFO or CALL record (kind rkMemory, rkVfo or
// rkCall), or the line of a DTMF memory (rkDtmf).
QString ListingRecordLine(const TChannelDocument &doc, int kind, int index);

// The listing body as plain text lines: no page headers, one blank line
// before every section title but the first line.
QStringList ListingText(const TChannelDocument &doc, const QString &comment);
