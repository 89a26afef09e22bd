// Fuzz target: the data file reader must take any bytes without crashing,
// hanging or writing outside the document, and what it loads must survive
// a write and a second read unchanged.
#include "data/ChannelDocument.h"
#include "data/DataFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const int kKinds[] = {rkMemory, rkVfo, rkCall, rkDtmf};

void Fail(const char *what, int kind, int index)
{
    std::fprintf(stderr, "data file check failed: %s (kind %d, slot %d)\n", what, kind, index);
    std::abort();
}

TChannelDocument FreshDocument()
{
    TChannelDocument doc;
    doc.SetRadioType(QString::fromLatin1(kDefaultRadioType));
    doc.ResetDocument();
    return doc;
}

// Records the writer puts into the file.
bool IsWritten(int kind, const QString &record)
{
    return record.size() > (kind == rkDtmf ? 1 : 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));

    TChannelDocument doc = FreshDocument();
    QString comment;
    ReadDataFile(content, doc, &comment);

    // The comment is the file's second line, kept whole: one line.
    if (comment.contains(QLatin1Char('\n')) || comment.size() > content.size())
        Fail("comment is not one line of the file", 0, 0);
    for (int kind : kKinds) {
        const int first = TChannelDocument::FirstIndex(kind);
        for (int i = first; i < first + TChannelDocument::SlotCount(kind); ++i) {
            if (doc.Record(kind, i).size() > TChannelDocument::Capacity(kind))
                Fail("record longer than its slot", kind, i);
        }
    }
    if (!doc.Record(rkMemory, 0).isEmpty())
        Fail("memory slot 0 written", rkMemory, 0);
    if (doc.RadioType() != QLatin1String(kDefaultRadioType))
        Fail("radio type changed", rkRadioType, 0);
    for (int band = 0; band < kBandLimitSlots; ++band) {
        if (!doc.Record(rkBandLimit, band).isEmpty())
            Fail("band limit changed", rkBandLimit, band);
    }

    // Write and read again: every written record comes back in its slot.
    // (A CR inside a text is written as a space, so such texts are skipped.)
    const QByteArray written = WriteDataFile(doc, comment);
    TChannelDocument again = FreshDocument();
    QString commentAgain;
    ReadDataFile(written, again, &commentAgain);
    if (!comment.contains(QLatin1Char('\r')) && commentAgain != comment)
        Fail("comment changed by a write and read", 0, 0);
    for (int kind : kKinds) {
        const int first = TChannelDocument::FirstIndex(kind);
        for (int i = first; i < first + TChannelDocument::SlotCount(kind); ++i) {
            const QString record = doc.Record(kind, i);
            if (IsWritten(kind, record) && !record.contains(QLatin1Char('\r'))
                && again.Record(kind, i) != record)
                Fail("record changed by a write and read", kind, i);
        }
    }
    return 0;
}
