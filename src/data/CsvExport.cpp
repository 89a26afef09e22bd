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
    int hertz = 0;
    if (code.size() == 1 && IsDecimalDigit(code.at(0)))
        hertz = kStepHzOfCode[code.at(0).unicode() - '0'];
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
    return THz(qMax<qint64>(0, hertz)).MhzFixed(6);
}

qint64 MemoryShiftOffsetHz(const TChannelDocument &doc, int band)
{
    const std::optional<THz> stored = THz::OfDigits(doc.GetRecordField(rkVfo, band, cfOffset));
    if (stored)
        return stored->Value();
    QString text = BandDefaultOffset(band);
    NormalizeOffsetText(text);
    return THz::OfDigits(text).value_or(THz(0)).Value();
}

QStringList CsvRowOfSlot(const TChannelDocument &doc, int slot)
{
    if (slot < 1 || slot > kMemorySlots)
        return {};
    const QString record = doc.Record(rkMemory, slot);
    const TChannelRecordView view(record);
    const std::optional<THz> rx = view.Receive();
    if (!rx)
        return {};

    // Shift: the offset the radio shifts by; a Minus Shift by a VFO offset
    // of 7.6 MHz is marked, as import reads a plain "-" 7.6 MHz row as the
    // -7.6 MHz shift where the radio offers it.
    QString duplex;
    QString comment;
    qint64 offset = 0;
    const std::optional<THz> tx = view.Transmit();
    const std::optional<TShift> shift = view.Shift();
    const QString frequency = view.Field(cfReceiveFrequency).mid(2);
    const int band = BandOfFrequency(doc, frequency);
    if (tx) {
        duplex = QStringLiteral("split");
        offset = tx->Value();
    } else if (shift == TShift::Plus || shift == TShift::Minus) {
        duplex = shift == TShift::Plus ? QStringLiteral("+") : QStringLiteral("-");
        offset = MemoryShiftOffsetHz(doc, band);
        if (shift == TShift::Minus && offset == 7600000 && Minus76ShiftOffered(doc)
            && frequency.left(1) > QLatin1String("2"))
            comment = QLatin1String(kCsvMinusShiftComment);
    } else if (shift == TShift::Minus76) {
        duplex = QStringLiteral("-");
        offset = 7600000;
    }

    QString tone;
    if (view.CtcssOn())
        tone = QStringLiteral("TSQL");
    else if (view.ToneOn())
        tone = QStringLiteral("Tone");

    // Names belong to slots 1..180 and PR; lock-out to 1..180.
    const QString name = IsNamedSlot(slot) ? view.Name() : QString();
    const QString skip = IsNumberedSlot(slot) && view.LockOut() ? QStringLiteral("S") : QString();

    return {
        QString::number(slot),
        name,
        CsvMegahertz(rx->Value()),
        duplex,
        CsvMegahertz(offset),
        tone,
        ToneHz(view.ToneCode()),
        ToneHz(view.CtcssCode()),
        QStringLiteral("023"),
        QStringLiteral("NN"),
        QStringLiteral("023"),
        QStringLiteral("Tone->Tone"),
        band == 0 ? QStringLiteral("AM") : QStringLiteral("FM"), // the air band is received in AM
        StepKhz(doc, view.StepCode()),
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
