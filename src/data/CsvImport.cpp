// CSV import planning: each row becomes a memory editor entry and goes
// through CommitMemoryChannel, after the checks only a file needs (location,
// band of this radio, tone modes and values the radio lacks).
#include "CsvImport.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "RecordFields.h"
#include "CsvExport.h"
#include "CsvFormat.h"
#include "FrequencyRules.h"
#include "Hertz.h"
#include "MemoryChannel.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>

namespace {

constexpr qint64 kMinus76Hz = 7600000;

// Column positions of the header, by lower-case name (-1 when absent).
class TColumns {
public:
    explicit TColumns(const QStringList &header)
    {
        for (int i = 0; i < header.size(); ++i) {
            const QString name = header.at(i).trimmed().toLower();
            if (!name.isEmpty() && !index_.contains(name))
                index_.insert(name, i);
        }
    }
    bool Has(const char *name) const { return index_.contains(QString::fromLatin1(name).toLower()); }
    QString Get(const QStringList &row, const char *name) const { return Raw(row, name).trimmed(); }
    // Untrimmed, for names, where spaces count.
    QString Raw(const QStringList &row, const char *name) const
    {
        const int i = index_.value(QString::fromLatin1(name).toLower(), -1);
        return i >= 0 && i < row.size() ? row.at(i) : QString();
    }

private:
    QHash<QString, int> index_;
};

// A decimal number with '.' or ',' as the decimal mark (spreadsheets of
// many countries write a comma); the text with '.' or empty when it is not
// such a number.
QString DecimalText(QString text)
{
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    int dots = 0;
    int digits = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('.'))
            ++dots;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else
            return QString();
    }
    return dots <= 1 && digits > 0 ? text : QString();
}

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Tone table code 1..39 of a frequency in Hz; 0 when none is that close.
int ToneCodeOfHz(double hertz)
{
    for (int code = 1; code <= 39; ++code) {
        QString text = ToneText(code);
        text.chop(2);
        if (std::fabs(text.toDouble() - hertz) < 0.05)
            return code;
    }
    return 0;
}

// Editor step list position of a step size in Hz; -1 when not offered.
int StepPositionOfHz(qint64 hertz)
{
    for (int pos = 0; pos < 8; ++pos) {
        if (StepSizeHz(pos) == hertz)
            return pos;
    }
    return -1;
}

QString StepName(int pos)
{
    return EditorStepTexts().value(pos).replace(QStringLiteral("kHz"), QStringLiteral(" kHz"));
}

// The step for a channel when the file names none or one the editors do
// not offer: the editor's default step when the receive frequency and the
// transmit frequency of a split channel lie on it, else the largest offered
// step both lie on, else the default.
int ChooseStep(const TChannelDocument &doc, qint64 rxHz, qint64 txHz)
{
    return StepForFrequencies(BandDefaultStep(doc, 1), rxHz, txHz);
}

bool StepHolds(int pos, qint64 rxHz, qint64 txHz)
{
    return StepHoldsFrequencies(pos, rxHz, txHz);
}

// The comment our export gives a Minus Shift that the -7.6 MHz shift would
// otherwise be read as (same transmit frequency): the name of the memory
// editor's choice.
bool IsMinusShiftComment(const QString &comment)
{
    return comment.compare(QLatin1String(kCsvMinusShiftComment), Qt::CaseInsensitive) == 0;
}

// Makes a name valid as the editor's name field does with what is typed
// (upper case; only 0-9, A-Z, '.' and space) and then cuts what the name
// rule does not allow: leading dots, double dots, more than seven
// characters besides the dots.
QString FitName(const QString &text)
{
    QString name;
    int letters = 0;
    for (QChar c : text.toUpper()) {
        const bool dot = c == QLatin1Char('.');
        const bool allowed = dot || c == QLatin1Char(' ') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        if (!allowed)
            continue;
        if (dot) {
            if (name.isEmpty() || name.endsWith(QLatin1Char('.')) || letters >= 7)
                continue;
            name.append(c);
        } else {
            if (letters >= 7)
                break;
            name.append(c);
            ++letters;
        }
    }
    if (letters == 7 && name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name;
}

class TRowPlanner {
public:
    // nextSlot: where rows go when the text has no Location column (0: the
    // column is required).
    TRowPlanner(const TChannelDocument &doc, const TColumns &columns, int nextSlot)
        : doc_(doc), columns_(columns), nextSlot_(columns.Has("Location") ? 0 : nextSlot)
    {
    }

    void Plan(const QStringList &row, TCsvRowResult &result)
    {
        result_ = &result;
        changed_ = false;
        if (!Location(row) || !Build(row)) {
            result.status = TCsvRowStatus::Refused;
            result.record.clear();
        } else {
            result.status = changed_ ? TCsvRowStatus::Adjusted : TCsvRowStatus::Applied;
        }
    }

private:
    QString Get(const QStringList &row, const char *name) const { return columns_.Get(row, name); }
    // Something of the row the record does not hold as written.
    void Note(const QString &text)
    {
        result_->notes.append(text);
        changed_ = true;
    }
    // How the record holds what the row asks for, when that is not plain
    // from the row (the row is still stored as written).
    void Inform(const QString &text) { result_->notes.append(text); }
    bool Refuse(const QString &text)
    {
        result_->notes = {text};
        return false;
    }

    bool Location(const QStringList &row)
    {
        if (nextSlot_ > 0) {
            if (nextSlot_ > kMemorySlots)
                return Refuse(QCoreApplication::translate("CsvImport", "no memory slot after PR"));
            result_->slot = nextSlot_++;
            return true;
        }
        const QString text = Get(row, "Location");
        if (text.isEmpty())
            return Refuse(QCoreApplication::translate("CsvImport", "no Location"));
        int slot = 0;
        bool number = false;
        const int value = text.toInt(&number);
        if (number) {
            if (value < 1 || value > kMemorySlots)
                return Refuse(QCoreApplication::translate("CsvImport", "Location %1 is out of range (1..193, L1..U6, PR)").arg(text));
            slot = value;
        } else {
            slot = MemorySlotOfLabel(text.toUpper());
            if (slot <= kLastNumberedSlot)
                return Refuse(QCoreApplication::translate("CsvImport", "Location %1 is not a number or a label L1..U6, PR").arg(Quoted(text)));
        }
        if (seen_.contains(slot)) {
            return Refuse(QCoreApplication::translate("CsvImport", "duplicate Location %1 (already on line %2)")
                              .arg(MemorySlotLabel(slot))
                              .arg(seen_.value(slot)));
        }
        seen_.insert(slot, result_->line);
        result_->slot = slot;
        return true;
    }

    // Tone mode and the tone list positions; false when refused.
    bool Tones(const QStringList &row, TMemoryChannelEntry &entry)
    {
        const QString mode = Get(row, "Tone");
        if (mode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0)
            entry.tone = true;
        else if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0)
            entry.ctcss = true;
        else if (mode.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0
                 || mode.compare(QLatin1String("DTCS-R"), Qt::CaseInsensitive) == 0)
            return Refuse(QCoreApplication::translate("CsvImport", "Tone %1: this radio has no DTCS").arg(mode));
        else if (mode.compare(QLatin1String("Cross"), Qt::CaseInsensitive) == 0)
            return Refuse(QCoreApplication::translate("CsvImport", "Tone Cross (%1): this radio has no cross tone modes")
                              .arg(Get(row, "CrossMode")));
        else if (mode.compare(QLatin1String("TSQL-R"), Qt::CaseInsensitive) == 0)
            return Refuse(QCoreApplication::translate("CsvImport", "Tone TSQL-R: this radio has no reverse tone squelch"));
        else if (!mode.isEmpty())
            return Refuse(QCoreApplication::translate("CsvImport", "Tone %1 is not a tone mode").arg(Quoted(mode)));

        return ToneCode(row, "rToneFreq", entry.tone, entry.toneCode)
            && ToneCode(row, "cToneFreq", entry.ctcss, entry.ctcssCode);
    }

    bool ToneCode(const QStringList &row, const char *column, bool used, QString &code)
    {
        const QString text = Get(row, column);
        code = ToneCodeOfListPos(ToneListPosOfCode(QString())); // 88.5 Hz, the editors' choice for an empty code
        if (text.isEmpty())
            return true;
        const QString number = DecimalText(text);
        if (number.isEmpty())
            return Refuse(QStringLiteral("%1 %2 is not a number").arg(QLatin1String(column), Quoted(text)));
        const int tableCode = ToneCodeOfHz(number.toDouble());
        if (tableCode == 0) {
            if (used)
                return Refuse(QStringLiteral("%1 %2 Hz is not a tone of this radio").arg(QLatin1String(column), text));
            Note(QStringLiteral("%1 %2 Hz (not used) is not a tone of this radio: 88.5 Hz").arg(QLatin1String(column), text));
            return true;
        }
        code = ToneCodeOfListPos(ToneListPosOfCode(QStringLiteral("%1").arg(tableCode, 2, 10, QLatin1Char('0'))));
        if (tableCode == 2)
            Note(QStringLiteral("%1 69.4 Hz is not in the editors' tone list: 71.9 Hz").arg(QLatin1String(column)));
        return true;
    }

    bool Build(const QStringList &row)
    {
        const int slot = result_->slot;
        TMemoryChannelEntry entry;

        // Receive frequency: a number in a band of this radio.
        const QString freqText = Get(row, "Frequency");
        qint64 rxHz = THz::OfMhzText(freqText).value_or(THz(-1)).Value();
        if (rxHz < 0)
            return Refuse(QCoreApplication::translate("CsvImport", "Frequency %1 is not a number").arg(Quoted(freqText)));
        entry.rxText = CsvMegahertz(rxHz);
        QString normalized = entry.rxText;
        NormalizeFrequencyText(normalized);
        const int band = BandOfFrequency(doc_, normalized);
        if (!InBand(rxHz, band))
            return Refuse(QCoreApplication::translate("CsvImport", "Frequency %1 MHz is not in a band of this radio").arg(freqText));

        // Shift, split and offset: the transmit frequency the row asks for,
        // then the way a memory channel holds exactly that frequency. A
        // Plus or Minus Shift moves by the VFO offset of the band; any other
        // offset can only be held as a split channel.
        const QString duplex = Get(row, "Duplex");
        const QString offsetText = Get(row, "Offset");
        const qint64 vfoOffset = MemoryShiftOffsetHz(doc_, band);
        qint64 txHz = rxHz;
        if (duplex.compare(QLatin1String("split"), Qt::CaseInsensitive) == 0) {
            txHz = THz::OfMhzText(offsetText).value_or(THz(-1)).Value();
            if (txHz < 0)
                return Refuse(QCoreApplication::translate("CsvImport", "Offset %1 is not a number").arg(Quoted(offsetText)));
            if (!SplitChannel(entry, txHz, band, freqText, QString()))
                return false;
        } else if (duplex == QLatin1String("+") || duplex == QLatin1String("-")) {
            const bool plus = duplex == QLatin1String("+");
            qint64 offset = vfoOffset;
            if (!offsetText.isEmpty()) {
                offset = THz::OfMhzText(offsetText).value_or(THz(-1)).Value();
                if (offset < 0)
                    return Refuse(QCoreApplication::translate("CsvImport", "Offset %1 is not a number").arg(Quoted(offsetText)));
            }
            txHz = plus ? rxHz + offset : rxHz - offset;
            // The -7.6 MHz shift keeps its transmit frequency whatever the
            // VFO offset is set to later, so it is taken before a Minus
            // Shift by the same 7.6 MHz, unless the row is marked as a
            // Minus Shift (our export does that where both would do).
            const bool minus76 = !plus && !offsetText.isEmpty() && offset == kMinus76Hz && Minus76ShiftOffered(doc_)
                && normalized.at(0) > QLatin1Char('2');
            if (minus76 && !(offset == vfoOffset && IsMinusShiftComment(Get(row, "Comment")))) {
                entry.shift = QLatin1Char('3');
            } else if (offset == vfoOffset) {
                entry.shift = plus ? QLatin1Char('1') : QLatin1Char('2');
            } else if (offset == 0) {
                Inform(QCoreApplication::translate("CsvImport", "stored as simplex: transmit %1").arg(THz(txHz).MhzWithUnit()));
            } else {
                const QString why = QCoreApplication::translate("CsvImport", "a memory channel shifts by the VFO offset of its band, %1 MHz, "
                                                   "not by Offset %2 MHz")
                                        .arg(CsvMegahertz(vfoOffset), offsetText);
                if (!SplitChannel(entry, txHz, band, freqText, why))
                    return false;
                Inform(QCoreApplication::translate("CsvImport", "stored as a split channel: transmit %1 (%2)").arg(THz(txHz).MhzWithUnit(), why));
            }
        } else if (duplex.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
            return Refuse(QCoreApplication::translate("CsvImport", "Duplex off: this radio cannot inhibit transmitting"));
        } else if (!duplex.isEmpty()) {
            return Refuse(QCoreApplication::translate("CsvImport", "Duplex %1 is not a shift").arg(Quoted(duplex)));
        }

        // Step; without a usable one, one that holds both frequencies of a
        // split channel.
        const qint64 splitTxHz = entry.txText.isEmpty() ? rxHz : txHz;
        const QString stepText = Get(row, "TStep");
        int requestedStep = -1;
        int stepPosition = 0;
        if (!stepText.isEmpty()) {
            const QString number = DecimalText(stepText);
            if (number.isEmpty())
                return Refuse(QCoreApplication::translate("CsvImport", "TStep %1 is not a number").arg(Quoted(stepText)));
            // Rounded to Hz only within range: a huge TStep (1e23 kHz)
            // overflows the conversion, and is no offered step anyway.
            const double kilohertz = number.toDouble();
            requestedStep = kilohertz <= 1e6 ? StepPositionOfHz(qRound64(kilohertz * 1000.0)) : -1;
            if (requestedStep < 0) {
                stepPosition = ChooseStep(doc_, rxHz, splitTxHz);
                Note(QCoreApplication::translate("CsvImport", "TStep %1 kHz is not offered: %2").arg(stepText, StepName(stepPosition)));
            } else {
                stepPosition = requestedStep;
            }
        } else {
            stepPosition = ChooseStep(doc_, rxHz, splitTxHz);
        }
        // A named step that does not hold the frequencies gives way to one
        // that does: a channel keeps its frequency rather than its step.
        if (!StepHolds(stepPosition, rxHz, splitTxHz)) {
            const int holding = ChooseStep(doc_, rxHz, splitTxHz);
            if (holding != stepPosition && StepHolds(holding, rxHz, splitTxHz)) {
                Note(QCoreApplication::translate("CsvImport", "TStep %1 does not hold %2: %3")
                         .arg(StepName(stepPosition), THz(rxHz).MhzWithUnit(), StepName(holding)));
                stepPosition = holding;
            }
        }
        // No step of the radio holds the receive frequency: the nearest one
        // on the step, never simply the one below, and the report says so.
        // A shifted or simplex channel's transmit frequency moves with it
        // (it is the receive frequency shifted); a split channel's named
        // transmit frequency never moves: if the step cannot hold it, the
        // row is refused below.
        if (!StepHolds(stepPosition, rxHz, rxHz)) {
            const qint64 size = StepSizeHz(stepPosition);
            const qint64 nearest = (rxHz + size / 2) / size * size;
            Note(QCoreApplication::translate("CsvImport", "Frequency %1 -> %2: no step of the radio holds it, the nearest on the %3 step")
                     .arg(THz(rxHz).MhzWithUnit(), THz(nearest).MhzWithUnit(), StepName(stepPosition)));
            if (entry.txText.isEmpty())
                txHz += nearest - rxHz;
            rxHz = nearest;
            entry.rxText = CsvMegahertz(rxHz);
        }

        if (!Tones(row, entry))
            return false;

        // Mode: the radio has one mode per band, AM on the air band and FM
        // elsewhere.
        const QString mode = Get(row, "Mode");
        const bool bandMode = mode.compare(QLatin1String("FM"), Qt::CaseInsensitive) == 0
            || (band == 0 && mode.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0);
        if (!mode.isEmpty() && !bandMode) {
            if (mode.compare(QLatin1String("NFM"), Qt::CaseInsensitive) == 0
                || mode.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0)
                Note(QCoreApplication::translate("CsvImport", "Mode %1: the radio chooses the mode by band").arg(mode));
            else
                return Refuse(QCoreApplication::translate("CsvImport", "Mode %1 is not available on this radio").arg(Quoted(mode)));
        }

        // Lock-out.
        const QString skip = Get(row, "Skip");
        if (skip.compare(QLatin1String("S"), Qt::CaseInsensitive) == 0) {
            if (slot <= kLastNumberedSlot)
                entry.lockOut = true;
            else
                Note(QCoreApplication::translate("CsvImport", "Skip S: %1 has no lock-out").arg(MemorySlotLabel(slot)));
        } else if (skip.compare(QLatin1String("P"), Qt::CaseInsensitive) == 0) {
            Note(QCoreApplication::translate("CsvImport", "Skip P: this radio has no priority scan marks"));
        } else if (!skip.isEmpty()) {
            return Refuse(QCoreApplication::translate("CsvImport", "Skip %1 is not S or P").arg(Quoted(skip)));
        }

        // Name.
        const QString name = columns_.Raw(row, "Name");
        if (!name.isEmpty()) {
            if (slot > kLastNumberedSlot && slot != kPrSlot) {
                Note(QCoreApplication::translate("CsvImport", "Name %1: %2 has no name").arg(Quoted(name), MemorySlotLabel(slot)));
            } else {
                entry.name = FitName(name);
                if (entry.name != name)
                    Note(QCoreApplication::translate("CsvImport", "Name %1 -> %2").arg(Quoted(name), Quoted(entry.name)));
            }
        }

        entry.stepCode = StepCodeOfListPos(stepPosition);
        const TMemoryRecordResult built = CommitMemoryChannel(doc_, slot, entry);
        if (built.error != TMemoryRecordResult::None)
            return Refuse(QCoreApplication::translate("CsvImport", "the channel cannot be built"));
        if (requestedStep >= 0 && built.stepPosition != stepPosition) {
            Note(QCoreApplication::translate("CsvImport", "TStep %1 -> %2 on the 800 MHz band")
                     .arg(StepName(stepPosition), StepName(built.stepPosition)));
        }
        // Where the stored channel transmits: rounding to the step must not
        // move that, so such a row is refused; the receive frequency of a
        // split channel may be rounded.
        const qint64 storedRx = THz::OfDigits(built.rxRecord).value_or(THz(-1)).Value();
        qint64 storedTx = storedRx;
        if (!entry.txText.isEmpty())
            storedTx = THz::OfDigits(built.txRecord).value_or(THz(-1)).Value();
        else if (entry.shift == QLatin1Char('1'))
            storedTx = storedRx + vfoOffset;
        else if (entry.shift == QLatin1Char('2'))
            storedTx = storedRx - vfoOffset;
        else if (entry.shift == QLatin1Char('3'))
            storedTx = storedRx - kMinus76Hz;
        if (storedTx != txHz) {
            return Refuse(QCoreApplication::translate("CsvImport", "transmit frequency %1 would become %2 on the %3 step")
                              .arg(THz(txHz).MhzWithUnit(), THz(storedTx).MhzWithUnit(), StepName(built.stepPosition)));
        }
        if (storedRx != rxHz)
            Note(QCoreApplication::translate("CsvImport", "Frequency %1 -> %2 (rounded to the step)").arg(THz(rxHz).MhzWithUnit(), THz(storedRx).MhzWithUnit()));
        result_->record = built.record;
        return true;
    }

    // Makes the entry a split channel transmitting on txHz: only slots
    // 001..180 can be one, and its transmit frequency must lie in the band of
    // its receive frequency. why: what made the row need one, for a refusal.
    bool SplitChannel(TMemoryChannelEntry &entry, qint64 txHz, int band, const QString &freqText, const QString &why)
    {
        const int slot = result_->slot;
        if (slot > kLastNumberedSlot) {
            QString text = QCoreApplication::translate("CsvImport", "%1 cannot be a split channel (transmit %2)").arg(MemorySlotLabel(slot), THz(txHz).MhzWithUnit());
            if (!why.isEmpty())
                text += QStringLiteral("; ") + why;
            return Refuse(text);
        }
        if (!InBand(txHz, band)) {
            return Refuse(QCoreApplication::translate("CsvImport", "transmit frequency %1 is not in the band of Frequency %2 MHz")
                              .arg(THz(txHz).MhzWithUnit(), freqText));
        }
        entry.txText = CsvMegahertz(txHz);
        return true;
    }

    // Whether a frequency lies in the band's limits and, on the 800 MHz
    // band of a radio that excludes them, outside the cellular ranges.
    bool InBand(qint64 hertz, int band) const
    {
        int lower = 0;
        int upper = 0;
        BandLimitsMHz(doc_, band, lower, upper);
        const qint64 mhz = hertz / 1000000;
        if (mhz < lower || mhz > upper)
            return false;
        if (band == 4 && doc_.GetRecordField(rkRadioType, 0, tfOption800) == QLatin1String("2"))
            return !((mhz >= 824 && mhz <= 848) || (mhz >= 866 && mhz <= 893));
        return true;
    }

    const TChannelDocument &doc_;
    const TColumns &columns_;
    TCsvRowResult *result_ = nullptr;
    QHash<int, int> seen_; // slot -> line of the row that took it
    bool changed_ = false; // the row is not stored as written
    int nextSlot_ = 0;
};

} // namespace

int TCsvImportPlan::Count(TCsvRowStatus status) const
{
    int count = 0;
    for (const TCsvRowResult &row : rows)
        count += row.status == status ? 1 : 0;
    return count;
}

TCsvImportPlan PlanCsvImport(const QByteArray &csv, const TChannelDocument &doc, int firstSlot)
{
    TCsvImportPlan plan;
    TCsvTable table;
    if (!ReadCsv(csv, &table, &plan.error))
        return plan;
    const TColumns columns(table.header);
    QStringList missing;
    const bool placed = firstSlot >= 1 && firstSlot <= kMemorySlots;
    if (!columns.Has("Location") && !placed)
        missing << QStringLiteral("Location");
    if (!columns.Has("Frequency"))
        missing << QStringLiteral("Frequency");
    if (!missing.isEmpty()) {
        plan.error = QCoreApplication::translate("CsvImport", "no %1 %2 in the first row")
                         .arg(missing.join(QCoreApplication::translate("CsvImport", " and ")),
                              missing.size() > 1 ? QCoreApplication::translate("CsvImport", "columns") : QCoreApplication::translate("CsvImport", "column"));
        return plan;
    }
    plan.ok = true;
    plan.truncated = table.truncated;
    plan.firstSlot = placed && !columns.Has("Location") ? firstSlot : 0;
    TRowPlanner planner(doc, columns, placed ? firstSlot : 0);
    for (int i = 0; i < table.rows.size(); ++i) {
        TCsvRowResult result;
        result.line = table.rowLines.at(i);
        planner.Plan(table.rows.at(i), result);
        plan.rows.append(result);
    }
    return plan;
}

int ApplyCsvImport(const TCsvImportPlan &plan, TChannelDocument &doc)
{
    int written = 0;
    if (!plan.ok)
        return 0;
    for (const TCsvRowResult &row : plan.rows) {
        if (row.status == TCsvRowStatus::Refused || row.slot < 1 || row.slot > kMemorySlots)
            continue;
        doc.SetMemoryRecord(row.slot, row.record);
        ++written;
    }
    return written;
}

QStringList CsvImportReport(const TCsvImportPlan &plan)
{
    QStringList lines;
    if (!plan.ok) {
        lines << plan.error;
        return lines;
    }
    for (const TCsvRowResult &row : plan.rows) {
        QString line = QCoreApplication::translate("CsvImport", "line %1").arg(row.line);
        if (row.slot > 0)
            line += QStringLiteral(", ") + MemorySlotLabel(row.slot);
        switch (row.status) {
        case TCsvRowStatus::Applied:
            line += QCoreApplication::translate("CsvImport", ": applied");
            if (!row.notes.isEmpty())
                line += QStringLiteral(": ") + row.notes.join(QStringLiteral("; "));
            break;
        case TCsvRowStatus::Adjusted:
            line += QCoreApplication::translate("CsvImport", ": adjusted: ") + row.notes.join(QStringLiteral("; "));
            break;
        case TCsvRowStatus::Refused:
            line += QCoreApplication::translate("CsvImport", ": refused: ") + row.notes.join(QStringLiteral("; "));
            break;
        }
        lines << line;
    }
    if (plan.truncated)
        lines << QCoreApplication::translate("CsvImport", "rows after the first %1 were not read").arg(kCsvMaxRows);
    lines << QCoreApplication::translate("CsvImport", "%1 applied, %2 adjusted, %3 refused")
                 .arg(plan.Count(TCsvRowStatus::Applied))
                 .arg(plan.Count(TCsvRowStatus::Adjusted))
                 .arg(plan.Count(TCsvRowStatus::Refused));
    return lines;
}

int CsvRowsWithinNumbered(const TCsvImportPlan &plan)
{
    // Rows placed in order take one slot each, from the first slot on.
    const qsizetype all = plan.rows.size();
    if (!plan.ok || plan.firstSlot < kFirstMemorySlot || plan.firstSlot > kLastNumberedSlot)
        return int(all);
    return int(qMin<qsizetype>(all, kLastNumberedSlot - plan.firstSlot + 1));
}

QString CsvOverflowQuestion(const TCsvImportPlan &plan, const TChannelDocument &doc)
{
    const int fit = CsvRowsWithinNumbered(plan);
    const int over = int(plan.rows.size()) - fit;
    QString text = over == 1 ? QCoreApplication::translate("CsvImport", "1 pasted row would run past channel 180:")
                             : QCoreApplication::translate("CsvImport", "%1 pasted rows would run past channel 180:").arg(over);
    constexpr int kShown = 12;
    for (int i = fit; i < plan.rows.size() && i < fit + kShown; ++i) {
        const TCsvRowResult &row = plan.rows.at(i);
        const int slot = plan.firstSlot + i;
        text += QCoreApplication::translate("CsvImport", "\nline %1").arg(row.line);
        if (slot > kMemorySlots) {
            text += QCoreApplication::translate("CsvImport", ": no channel after PR");
            continue;
        }
        text += QCoreApplication::translate("CsvImport", " would go to %1").arg(MemorySlotLabel(slot));
        const QString held = doc.GetRecordField(rkMemory, slot, cfReceiveFrequency);
        if (held.size() >= 2)
            text += QCoreApplication::translate("CsvImport", ", replacing %1 MHz").arg(FormatFrequency(held));
    }
    if (over > kShown)
        text += QCoreApplication::translate("CsvImport", "\n... and %1 more").arg(over - kShown);
    text += QCoreApplication::translate("CsvImport", "\nYes: paste them into %1..PR as well.\nNo: paste only the %2 row(s) up to 180.\n"
                           "Cancel: paste nothing.")
                .arg(MemorySlotLabel(kLastNumberedSlot + 1))
                .arg(fit);
    return text;
}
