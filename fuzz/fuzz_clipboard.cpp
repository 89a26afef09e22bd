// Fuzz target: the clipboard record check must take any payload without
// crashing, and every text it admits must have the shape the paste rules
// rely on: a channel record of 18 fields with an 11-digit frequency inside
// a band of the radio, or a DTMF record that fits its slot.
#include "data/ChannelDocument.h"
#include "data/ClipboardRecordCheck.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char *what, const QString &text)
{
    std::fprintf(stderr, "clipboard check failed: %s: \"%s\"\n", what, text.toLatin1().constData());
    std::abort();
}

bool AllDigits(const QString &text, int length)
{
    if (text.size() != length)
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Radio types and limits the first input byte chooses from.
struct Radio {
    const char *type;
    const char *limits;
};
const Radio kRadios[] = {
    {"0,2,00,1,1,,", "00118,00135,00136,00173,00410,00469"},
    {"0,2,00,1,1,1,1", "00118,00135,00136,00173,00300,00399,00410,00469,00800,00999"},
    {"0,3,05,1,0,0,2", "00136,00173,00410,00469,00800,00999"},
    {"", ""},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const Radio &radio = kRadios[data[0] % (sizeof kRadios / sizeof kRadios[0])];
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(radio.type));
    doc.ParseBandLimits(QLatin1String(radio.limits));

    // The payload as the main window decodes it: up to the first NUL, tabs
    // read as commas.
    QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    QString text = QString::fromLatin1(bytes);
    text.replace(QLatin1Char('\t'), QLatin1Char(','));

    const QString problem = ClipboardRecordProblem(doc, text);
    if (problem.isEmpty() != IsValidClipboardRecord(doc, text))
        Fail("problem text and verdict disagree", text);
    if (!problem.isEmpty() || text.isEmpty())
        return 0;

    if (text.size() > kRecordCapacity)
        Fail("admitted text longer than a record", text);
    const QStringList fields = text.split(QLatin1Char(','));
    if (text.size() < kClipboardChannelMinLength) {
        if (fields.size() != 2 || text.size() > kDtmfCapacity)
            Fail("admitted DTMF record of the wrong shape", text);
        return 0;
    }
    if (fields.size() != kLastField + 1)
        Fail("admitted channel record without 18 fields", text);
    if (!AllDigits(fields.at(1), 11))
        Fail("admitted receive frequency not 11 digits", text);
    if (!fields.at(14).isEmpty() && !AllDigits(fields.at(14), 11))
        Fail("admitted transmit frequency not 11 digits", text);
    // The MHz digits lie inside some band limit of the radio.
    const int mhz = fields.at(1).mid(2, 3).toInt();
    bool inside = false;
    for (int band = 0; band < kBandLimitSlots; ++band) {
        if (doc.Record(rkBandLimit, band).isEmpty())
            continue;
        const int lower = doc.GetRecordField(rkBandLimit, band, 0).toInt();
        const int upper = doc.GetRecordField(rkBandLimit, band, 1).toInt();
        inside |= mhz >= lower && mhz <= upper;
    }
    if (!inside)
        Fail("admitted frequency outside every band limit", text);
    return 0;
}
