// Page layout and line format of the document listing.
#include "Listing.h"

#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/FrequencyRules.h"

namespace {

// Band indexes of the 144 MHz and the 430/440 MHz bands.
constexpr int kVhfBand = 1;
constexpr int kUhfBand = 3;
// A section title is pushed to the next page when fewer than two lines
// (the blank line and the title) are left on this one.
constexpr int kLastSectionStartLine = 57;

QString Field(const TChannelDocument &doc, int kind, int index, int field)
{
    return doc.GetRecordField(kind, index, field);
}

// Tone text of a tone code field; an empty code means 88.5 Hz (code 9),
// a code the table does not hold is shown as it is stored.
QString ToneOf(const QString &code)
{
    if (code.isEmpty())
        return ToneText(9);
    const QString text = ToneTextOfCode(code);
    return text.isEmpty() ? code : text;
}

QString StepOf(const QString &code)
{
    const QString text = StepTextOfCode(code);
    return text.isEmpty() ? code : text;
}

QString RecordLabel(const TChannelDocument &doc, int kind, int index)
{
    const QString f0 = Field(doc, kind, index, 0);
    if (kind == rkVfo) {
        const int band = f0.size() == 1 ? BandOfCode(f0.at(0)) : -1;
        return band >= 0 ? BandLabel(doc, band) : f0;
    }
    if (kind == rkCall)
        return BandLabel(doc, f0 == QLatin1String("0") ? kVhfBand : kUhfBand);
    return f0;
}

// Builds the pages: a caption on line 0 of each, lines 0..59 used.
class PageWriter {
public:
    PageWriter(QList<TListingLine> &out, const QString &caption) : out_(out), caption_(caption)
    {
        Put(0, TListingLine::PageHeader, caption_);
        next_ = 2;
    }

    int Next() const { return next_; }
    void SetNext(int line) { next_ = line; }

    void Put(int line, TListingLine::Kind kind, const QString &text)
    {
        out_.append(TListingLine{page_, line, kind, text});
    }
    // Appends at the next line and moves on.
    void Append(TListingLine::Kind kind, const QString &text) { Put(next_++, kind, text); }

    void NewPage(int nextLine)
    {
        ++page_;
        Put(0, TListingLine::PageHeader, caption_);
        next_ = nextLine;
    }
    // Runs before every slot: a full page continues on the next one.
    void CheckPage()
    {
        if (next_ >= kListingLinesPerPage)
            NewPage(2);
    }
    // A blank line and the title of the next section.
    void Section(const QString &title)
    {
        if (next_ > kLastSectionStartLine)
            NewPage(1);
        ++next_;
        Append(TListingLine::SectionTitle, title);
    }

private:
    QList<TListingLine> &out_;
    QString caption_;
    int page_ = 0;
    int next_ = 0;
};

void ListChannels(PageWriter &pages, const TChannelDocument &doc, int kind, int first, int last)
{
    for (int index = first; index <= last; ++index) {
        pages.CheckPage();
        if (Field(doc, kind, index, 1).size() > 1)
            pages.Append(TListingLine::Body, ListingRecordLine(doc, kind, index));
    }
}

} // namespace

QString ListingRecordLine(const TChannelDocument &doc, int kind, int index)
{
    auto field = [&](int n) { return Field(doc, kind, index, n); };

    if (kind == rkDtmf)
        return field(dfNumber) + QLatin1Char(' ') + field(dfCode);

    QString line = RecordLabel(doc, kind, index);
    line += QLatin1Char(' ') + FormatFrequency(field(cfReceiveFrequency)) + QLatin1String("MHz");
    line += QLatin1Char(' ') + StepOf(field(cfStep));

    const QString shift = field(cfShift);
    if (shift == QLatin1String("1"))
        line += QLatin1String(" +");
    else if (shift == QLatin1String("2"))
        line += QLatin1String(" -");
    else if (shift == QLatin1String("3"))
        line += QLatin1String(" -7.6");

    if (field(cfReverse) == QLatin1String("1"))
        line += QLatin1String(" R");
    if (field(cfToneOn) == QLatin1String("1"))
        line += QLatin1String(" T:") + ToneOf(field(cfToneCode));
    if (field(cfCtcssOn) == QLatin1String("1"))
        line += QLatin1String(" CT:") + ToneOf(field(cfCtcssCode));

    const QString offset = field(cfOffset);
    if (offset.size() > 1)
        line += QLatin1String(" Offset:") + FormatOffset(offset) + QLatin1String("MHz");
    const QString transmit = field(cfTransmitFrequency);
    if (transmit.size() > 1)
        line += QLatin1String(" TX:") + FormatFrequency(transmit) + QLatin1String("MHz");
    const QString name = field(cfName);
    if (!name.isEmpty())
        line += QLatin1String(" Name:") + name;

    static const char *const kPower[] = {" RF:High", " RF:Mid", " RF:Low", " RF:EL"};
    const QString power = field(cfPower);
    if (power.size() == 1 && power.at(0) >= QLatin1Char('0') && power.at(0) <= QLatin1Char('3'))
        line += QLatin1String(kPower[power.at(0).unicode() - '0']);

    if (field(cfLockOut) == QLatin1String("1"))
        line += QLatin1String(" *");
    return line;
}

QList<TListingLine> BuildListing(const TChannelDocument &doc, const QString &comment,
                                 const QString &caption)
{
    QList<TListingLine> lines;
    PageWriter pages(lines, caption);

    if (!comment.isEmpty()) {
        pages.Put(2, TListingLine::SectionTitle, QStringLiteral("[Comment]"));
        pages.Put(3, TListingLine::Body, comment);
        pages.SetNext(5);
    }

    pages.Append(TListingLine::SectionTitle, QStringLiteral("[Memory Channel]"));
    ListChannels(pages, doc, rkMemory, 1, kMemorySlots);

    pages.Section(QStringLiteral("[VFO]"));
    ListChannels(pages, doc, rkVfo, 0, kVfoSlots - 1);

    pages.Section(QStringLiteral("[CALL Channel]"));
    ListChannels(pages, doc, rkCall, 0, kCallSlots - 1);

    pages.Section(QStringLiteral("[DTMF Memory]"));
    for (int index = 0; index < kDtmfSlots; ++index) {
        pages.CheckPage();
        if (!Field(doc, rkDtmf, index, 1).isEmpty())
            pages.Append(TListingLine::Body, ListingRecordLine(doc, rkDtmf, index));
    }
    return lines;
}

QStringList ListingText(const TChannelDocument &doc, const QString &comment)
{
    QStringList text;
    for (const TListingLine &line : BuildListing(doc, comment, QString())) {
        if (line.kind == TListingLine::PageHeader)
            continue;
        if (line.kind == TListingLine::SectionTitle && !text.isEmpty())
            text.append(QString());
        text.append(line.text);
    }
    return text;
}
