// CSV export of the memory channels.
#include "CsvExport.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "RecordFields.h"
#include "CsvFormat.h"
#include "FrequencyRules.h"
#include "MemoryChannel.h"

namespace {

const char *const kColumns[] = {
    "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power",
    "Comment", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE",
};

// Step sizes in Hz by record step code 0..9.
const int kStepHzOfCode[] = {5000, 6250, 10000, 12500, 15000, 20000, 25000, 30000, 50000, 100000};

// Value of a text made only of digits; -1 otherwise (or when too long).
qint64 DigitsValue(const QString &text)
{
    if (text.isEmpty() || text.size() > 12)
        return -1;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// Tone in Hz of a record tone code ("09" -> "88.5"); a code outside the
// table gives the 88.5 Hz an editor would show.
QString ToneHz(const QString &code)
{
    QString text = ToneTextOfCode(code);
    if (text.isEmpty())
        text = ToneText(9);
    text.chop(2); // "Hz"
    return text;
}

QString StepKhz(const TChannelDocument &doc, const QString &code)
{
    qint64 value = DigitsValue(code);
    int hertz = 0;
    if (value >= 0 && value <= 9)
        hertz = kStepHzOfCode[value];
    else
        hertz = StepSizeHz(BandDefaultStep(doc, 1));
    return QString::number(hertz / 1000.0, 'f', 2);
}

} // namespace

QStringList CsvColumns()
{
    QStringList columns;
    for (const char *name : kColumns)
        columns << QLatin1String(name);
    return columns;
}

QString CsvMegahertz(qint64 hertz)
{
    if (hertz < 0)
        hertz = 0;
    return QStringLiteral("%1.%2").arg(hertz / 1000000).arg(hertz % 1000000, 6, 10, QLatin1Char('0'));
}

qint64 MemoryShiftOffsetHz(const TChannelDocument &doc, int band)
{
    const qint64 stored = DigitsValue(doc.GetRecordField(rkVfo, band, cfOffset));
    if (stored >= 0)
        return stored;
    QString text = BandDefaultOffset(band);
    NormalizeOffsetText(text);
    return qMax<qint64>(0, DigitsValue(text));
}

QStringList CsvRowOfSlot(const TChannelDocument &doc, int slot)
{
    if (slot < 1 || slot > kMemorySlots)
        return {};
    auto field = [&](int number) { return doc.GetRecordField(rkMemory, slot, number); };
    const qint64 rx = DigitsValue(field(1));
    if (rx < 0)
        return {};

    // Shift: the offset the radio shifts by; a Minus Shift by a VFO offset
    // of 7.6 MHz is marked, as import reads a plain "-" 7.6 MHz row as the
    // -7.6 MHz shift where the radio offers it.
    QString duplex;
    QString comment;
    qint64 offset = 0;
    const qint64 tx = DigitsValue(field(14));
    const QString shift = field(3);
    const QString frequency = field(1).mid(2);
    const int band = BandOfFrequency(doc, frequency);
    if (tx >= 0) {
        duplex = QStringLiteral("split");
        offset = tx;
    } else if (shift == QLatin1String("1") || shift == QLatin1String("2")) {
        duplex = shift == QLatin1String("1") ? QStringLiteral("+") : QStringLiteral("-");
        offset = MemoryShiftOffsetHz(doc, band);
        if (shift == QLatin1String("2") && offset == 7600000 && Minus76ShiftOffered(doc)
            && frequency.left(1) > QLatin1String("2"))
            comment = QLatin1String(kCsvMinusShiftComment);
    } else if (shift == QLatin1String("3")) {
        duplex = QStringLiteral("-");
        offset = 7600000;
    }

    QString tone;
    if (field(6) == QLatin1String("1"))
        tone = QStringLiteral("TSQL");
    else if (field(5) == QLatin1String("1"))
        tone = QStringLiteral("Tone");

    // Names belong to slots 1..180 and PR; lock-out to 1..180.
    const bool named = slot <= 180 || slot == kMemorySlots;
    const QString name = named ? field(17) : QString();
    const QString skip = slot <= 180 && field(12) == QLatin1String("1") ? QStringLiteral("S") : QString();

    return {
        QString::number(slot),
        name,
        CsvMegahertz(rx),
        duplex,
        CsvMegahertz(offset),
        tone,
        ToneHz(field(8)),
        ToneHz(field(10)),
        QStringLiteral("023"),
        QStringLiteral("NN"),
        QStringLiteral("023"),
        QStringLiteral("Tone->Tone"),
        band == 0 ? QStringLiteral("AM") : QStringLiteral("FM"), // the air band is received in AM
        StepKhz(doc, field(2)),
        skip,
        QString(),
        comment,
        QString(),
        QString(),
        QString(),
        QString(),
    };
}

QByteArray ExportCsv(const TChannelDocument &doc, const QList<int> &chosenSlots)
{
    QByteArray out = CsvLine(CsvColumns());
    QList<int> chosen = chosenSlots;
    if (chosen.isEmpty()) {
        for (int slot = 1; slot <= kMemorySlots; ++slot)
            chosen.append(slot);
    }
    for (int slot : chosen) {
        const QStringList row = CsvRowOfSlot(doc, slot);
        if (!row.isEmpty())
            out += CsvLine(row);
    }
    return out;
}
