// The channel table's columns and its changes of memory slots, all through
// the memory editor's record rules.
#include "ChannelTableRules.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "CsvExport.h"
#include "FrequencyRules.h"
#include "RecordFields.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString kOn = QStringLiteral("On");

bool HasChannel(const QString &record) { return record.size() >= 2; }

bool HasChannel(const TChannelDocument &doc, int slot)
{
    return HasChannel(doc.Record(rkMemory, slot));
}

bool ValidSlot(int slot) { return slot >= kFirstMemorySlot && slot <= kLastMemorySlot; }

// 0: 001..180, 1: L1..U6, 2: PR. Records move freely within a class.
int SlotClass(int slot)
{
    if (IsNumberedSlot(slot))
        return 0;
    return IsLuSlot(slot) ? 1 : 2;
}

qint64 DigitsHz(const QString &digits)
{
    if (digits.isEmpty())
        return -1;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    return ok ? value : -1;
}

// Band of an 11-digit record frequency.
int BandOfRecordFrequency(const TChannelDocument &doc, const QString &record)
{
    return BandOfFrequency(doc, record.mid(2));
}

// "12.5kHz", "12.5 kHz", "88.5Hz", "145.5MHz" -> the number before the unit.
QString NumberPart(QString text, const QString &unit)
{
    text = text.trimmed();
    if (text.endsWith(unit, Qt::CaseInsensitive))
        text.chop(unit.size());
    return text.trimmed();
}

std::optional<bool> ParseFlag(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("1") || t == QLatin1String("on") || t == QLatin1String("yes")
        || t == QLatin1String("true") || t == QLatin1String("x"))
        return true;
    if (t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("off") || t == QLatin1String("no")
        || t == QLatin1String("false"))
        return false;
    return std::nullopt;
}

QString Label(int slot) { return MemorySlotLabel(slot); }

QString Relabel(const QString &record, int slot)
{
    const int comma = record.indexOf(QLatin1Char(','));
    return Label(slot) + (comma < 0 ? QString() : record.mid(comma));
}

TMemoryChannelEntry EntryOfRecord(const TChannelDocument &doc, const QString &record, int slot)
{
    auto field = [&](int n) { return RecordTextField(record, n); };
    TMemoryChannelEntry entry;
    const QString rx = field(cfReceiveFrequency);
    entry.rxText = rx.isEmpty() ? BandDefaultFrequency(doc, 1) : FormatFrequency(rx);
    const QString stepCode = field(cfStep);
    int step = stepCode.isEmpty() ? -1 : StepListPosOfCode(stepCode);
    if (step < 0 || step >= EditorStepTexts().size())
        step = BandDefaultStep(doc, 1);
    entry.stepPosition = step;
    const QString shift = field(cfShift);
    const QString tx = field(cfTransmitFrequency);
    if (shift == QLatin1String("1") || shift == QLatin1String("2") || shift == QLatin1String("3")) {
        entry.shift = shift.at(0);
    } else {
        entry.shift = QLatin1Char('0');
        if (!tx.isEmpty())
            entry.txText = FormatFrequency(tx);
    }
    entry.reverse = tx.isEmpty() && field(cfReverse) == QLatin1String("1");
    entry.ctcss = field(cfCtcssOn) == QLatin1String("1");
    entry.tone = !entry.ctcss && field(cfToneOn) == QLatin1String("1");
    const int toneCount = EditorToneTexts().size();
    auto tonePosition = [&](const QString &code) {
        const int position = ToneListPosOfCode(code);
        return position < 0 || position >= toneCount ? ToneListPosOfCode(QString()) : position;
    };
    entry.tonePosition = tonePosition(field(cfToneCode));
    entry.ctcssPosition = tonePosition(field(cfCtcssCode));
    // What the lists cannot show, and the frequencies, go back as they are
    // unless a change clears them here.
    entry.rxAsStored = !rx.isEmpty();
    entry.txAsStored = !tx.isEmpty();
    entry.stepCode = stepCode;
    entry.toneCode = field(cfToneCode);
    entry.ctcssCode = field(cfCtcssCode);
    entry.lockOut = field(cfLockOut) == QLatin1String("1");
    entry.name = IsNamedSlot(slot) ? field(cfName) : QString();
    return entry;
}

// Editor step list position of a typed step ("12.5", "12.5kHz"), -1 if none.
int StepPositionOfText(const QString &text)
{
    const QString number = NumberPart(text, QStringLiteral("kHz"));
    bool ok = false;
    const double khz = number.toDouble(&ok);
    if (!ok)
        return -1;
    const QStringList steps = EditorStepTexts();
    for (int position = 0; position < steps.size(); ++position) {
        if (std::fabs(StepSizeHz(position) / 1000.0 - khz) < 0.001)
            return position;
    }
    return -1;
}

// Editor tone list position of a typed tone ("88.5", "88.5Hz"), -1 if none.
int TonePositionOfText(const QString &text)
{
    const QString number = NumberPart(text, QStringLiteral("Hz"));
    bool ok = false;
    const double hz = number.toDouble(&ok);
    if (!ok)
        return -1;
    const QStringList tones = EditorToneTexts();
    for (int position = 0; position < tones.size(); ++position) {
        QString t = tones[position];
        t.chop(2);
        if (std::fabs(t.toDouble() - hz) < 0.05)
            return position;
    }
    return -1;
}

std::optional<QChar> ParseShift(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t.isEmpty() || t == QLatin1String("simplex") || t == QLatin1String("0") || t == QLatin1String("off"))
        return QLatin1Char('0');
    if (t == QLatin1String("plus") || t == QLatin1String("+") || t == QLatin1String("1")
        || t == QLatin1String("plus shift"))
        return QLatin1Char('1');
    if (t == QLatin1String("minus") || t == QLatin1String("-") || t == QLatin1String("2")
        || t == QLatin1String("minus shift"))
        return QLatin1Char('2');
    if (t == QLatin1String("-7.6") || t == QLatin1String("-7.6mhz") || t == QLatin1String("3")
        || t == QLatin1String("-7.6mhz shift"))
        return QLatin1Char('3');
    return std::nullopt;
}

std::optional<int> ParseToneMode(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t.isEmpty() || t == QLatin1String("off") || t == QLatin1String("none") || t == QLatin1String("0"))
        return 0;
    if (t == QLatin1String("tone") || t == QLatin1String("t") || t == QLatin1String("1"))
        return 1;
    if (t == QLatin1String("ctcss") || t == QLatin1String("ct") || t == QLatin1String("tsql")
        || t == QLatin1String("2"))
        return 2;
    return std::nullopt;
}

QString ShiftText(QChar shift)
{
    switch (shift.unicode()) {
    case '1': return QStringLiteral("Plus");
    case '2': return QStringLiteral("Minus");
    case '3': return QStringLiteral("-7.6MHz");
    }
    return QStringLiteral("Simplex");
}

// Why a -7.6 MHz shift cannot be set on a receive frequency; empty if it can.
QString Minus76Refusal(const TChannelDocument &doc, const QString &rxText)
{
    if (!Minus76ShiftOffered(doc))
        return QStringLiteral("This radio type offers no -7.6MHz Shift.");
    QString rx = rxText;
    if (!NormalizeFrequencyText(rx) || BandOfFrequency(doc, rx) < 2)
        return QStringLiteral("The -7.6MHz Shift needs a frequency of 300 MHz or more.");
    return QString();
}

// Display text of a normalized 9-digit frequency.
QString ShownFrequency(const QString &normalized)
{
    return FormatFrequency(QStringLiteral("00") + normalized);
}

// Why a split transmit frequency cannot go with a receive frequency (both
// as typed); empty when it can. The radio transmits a split channel in the
// band of its receive frequency, within that band's limits: a transmit
// frequency anywhere else is refused, never moved to where it would fit.
QString SplitRefusal(const TChannelDocument &doc, const QString &rxText, const QString &txText)
{
    QString rx = rxText;
    QString tx = txText;
    if (!NormalizeFrequencyText(rx) || !NormalizeFrequencyText(tx))
        return QString(); // the record rules refuse the text itself
    const int band = BandOfFrequency(doc, rx);
    if (BandOfFrequency(doc, tx) != band)
        return QStringLiteral("Tx %1 MHz is not in the band of Rx %2 MHz.").arg(ShownFrequency(tx), ShownFrequency(rx));
    int lower = 0;
    int upper = 0;
    BandLimitsMHz(doc, band, lower, upper);
    const int mhz = tx.left(3).toInt();
    if (mhz < lower || mhz > upper)
        return QStringLiteral("Tx %1 MHz is outside the band limits %2-%3 MHz.").arg(ShownFrequency(tx)).arg(lower).arg(upper);
    // The cellular telephone ranges the 800 MHz variant cannot use.
    if (BandForcesStep(doc, band) && doc.GetRecordField(rkRadioType, 0, tfOption800) == QLatin1String("2")
        && ((mhz >= 824 && mhz <= 848) || (mhz >= 866 && mhz <= 893)))
        return QStringLiteral("Tx %1 MHz lies in a range this radio does not use.").arg(ShownFrequency(tx));
    return QString();
}

// Offset in Hz of a typed offset in MHz; -1 when it is no number.
qint64 OffsetHzOfText(const QString &text)
{
    QString t = NumberPart(text, QStringLiteral("MHz"));
    static const QRegularExpression number(QStringLiteral("^\\d*\\.?\\d*$"));
    if (t.isEmpty() || !number.match(t).hasMatch() || t == QLatin1String("."))
        return -1;
    const int dot = t.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? t : t.left(dot);
    const QString fraction = (dot < 0 ? QString() : t.mid(dot + 1)).left(6).leftJustified(6, QLatin1Char('0'));
    if (whole.size() > 4)
        return -1;
    return (whole.isEmpty() ? 0 : whole.toLongLong()) * 1000000 + fraction.toLongLong();
}

QString MhzText(qint64 hz)
{
    return QString::number(hz / 1000000) + QLatin1Char('.')
        + QString::number((hz % 1000000) / 10000).rightJustified(2, QLatin1Char('0'));
}

// Offset in Hz that a channel's shift uses; -1 for simplex and split.
qint64 ShiftOffsetHz(const TChannelDocument &doc, QChar shift, const QString &rxText)
{
    if (shift == QLatin1Char('3'))
        return 7600000;
    if (shift != QLatin1Char('1') && shift != QLatin1Char('2'))
        return -1;
    QString rx = rxText;
    if (!NormalizeFrequencyText(rx))
        return -1;
    return MemoryShiftOffsetHz(doc, BandOfFrequency(doc, rx));
}

// The note an offset gets when it is not the one the channel shifts by;
// empty when it is.
QString OffsetRefusal(const TChannelDocument &doc, const TMemoryChannelEntry &entry, const QString &text)
{
    const qint64 wanted = OffsetHzOfText(text);
    if (wanted < 0)
        return QStringLiteral("Invalid Offset.\nPlease check and try again.");
    const qint64 used = ShiftOffsetHz(doc, entry.shift, entry.rxText);
    if (used < 0)
        return QStringLiteral("A simplex or split channel has no offset; choose Plus or Minus Shift first.");
    if (wanted == used)
        return QString();
    if (entry.shift == QLatin1Char('3'))
        return QStringLiteral("The -7.6MHz Shift always shifts by 7.60 MHz.");
    return QStringLiteral("A memory channel shifts by the VFO offset of its band, %1 MHz; "
                          "change that offset in the VFO editor.")
        .arg(MhzText(used));
}

QString ErrorText(TMemoryRecordResult::Error error)
{
    return error == TMemoryRecordResult::InvalidName
        ? QStringLiteral("Invalid Memory name.\nPlease check and try again.")
        : QStringLiteral("Invalid Frequency.\nPlease check and try again.");
}

// Puts a record into a slot, rebuilding it for the slot's class when it
// comes from another one.
void PlaceRecord(TChannelDocument &doc, const QString &record, int from, int to, QStringList &notes)
{
    if (!HasChannel(record)) {
        doc.ClearMemoryRecord(to);
        return;
    }
    if (SlotClass(from) == SlotClass(to)) {
        doc.SetMemoryRecord(to, Relabel(record, to));
        return;
    }
    TMemoryChannelEntry entry = EntryOfRecord(doc, record, from);
    QStringList dropped;
    if (!IsNumberedSlot(to)) {
        if (!entry.txText.isEmpty())
            dropped << QStringLiteral("split");
        entry.txText.clear();
        if (entry.lockOut)
            dropped << QStringLiteral("lock-out");
        entry.lockOut = false;
    }
    if (!IsNamedSlot(to)) {
        if (!entry.name.isEmpty())
            dropped << QStringLiteral("name");
        entry.name.clear();
    }
    const TMemoryRecordResult built = BuildMemoryRecord(doc, to, entry);
    if (built.error != TMemoryRecordResult::None) {
        // Records read from the document always rebuild; keep the text.
        doc.SetMemoryRecord(to, Relabel(record, to));
        return;
    }
    doc.SetMemoryRecord(to, built.record);
    if (!dropped.isEmpty())
        notes << QStringLiteral("%1: %2 dropped (from %3)").arg(Label(to), dropped.join(QStringLiteral(", ")), Label(from));
}

QList<int> SortedUnique(const QList<int> &slotList)
{
    QList<int> sorted = slotList;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

bool AllNumbered(const QList<int> &slotList)
{
    return std::all_of(slotList.begin(), slotList.end(), [](int s) { return IsNumberedSlot(s); });
}

// Columns that change as the direct result of editing another one and
// are named by that edit's own notes.
bool Consequence(int edited, int other)
{
    switch (edited) {
    case tcReceive: return other == tcTransmit;
    case tcShift: return other == tcTransmit;
    case tcTransmit: return other == tcShift || other == tcReverse;
    }
    return false;
}

const QString kNumberedOnly = QStringLiteral("Only channels 001..180 move, insert and close up; "
                                             "use Swap for L1..U6 and PR.");

} // namespace

// ---------------------------------------------------------------- columns

QString TableColumnTitle(int column)
{
    switch (column) {
    case tcChannel: return QStringLiteral("Channel");
    case tcReceive: return QStringLiteral("Rx Frequency");
    case tcStep: return QStringLiteral("Step");
    case tcShift: return QStringLiteral("Shift");
    case tcOffset: return QStringLiteral("Offset");
    case tcReverse: return QStringLiteral("Reverse");
    case tcToneMode: return QStringLiteral("Tone/CTCSS");
    case tcToneFrequency: return QStringLiteral("Tone Frequency");
    case tcCtcssFrequency: return QStringLiteral("CTCSS Frequency");
    case tcTransmit: return QStringLiteral("Tx Frequency");
    case tcLockOut: return QStringLiteral("Lock Out");
    case tcName: return QStringLiteral("Name");
    }
    return QString();
}

bool TableColumnIsFlag(int column)
{
    return column == tcReverse || column == tcLockOut;
}

QString TableCellText(const TChannelDocument &doc, int slot, int column)
{
    if (!ValidSlot(slot))
        return QString();
    if (column == tcChannel)
        return Label(slot);
    const QString record = doc.Record(rkMemory, slot);
    if (!HasChannel(record))
        return QString();
    auto field = [&](int n) { return RecordTextField(record, n); };
    switch (column) {
    case tcReceive:
        return FormatFrequency(field(cfReceiveFrequency));
    case tcStep:
        return StepTextOfCode(field(cfStep));
    case tcShift: {
        const QString shift = field(cfShift);
        if (shift == QLatin1String("1") || shift == QLatin1String("2") || shift == QLatin1String("3"))
            return ShiftText(shift.at(0));
        return field(cfTransmitFrequency).isEmpty() ? ShiftText(QLatin1Char('0')) : QStringLiteral("Split");
    }
    case tcOffset: {
        const QString shift = field(cfShift);
        if (shift == QLatin1String("3"))
            return MhzText(7600000);
        if (shift != QLatin1String("1") && shift != QLatin1String("2"))
            return QString();
        return MhzText(MemoryShiftOffsetHz(doc, BandOfRecordFrequency(doc, field(cfReceiveFrequency))));
    }
    case tcReverse:
        return field(cfReverse) == QLatin1String("1") ? kOn : QString();
    case tcToneMode:
        if (field(cfCtcssOn) == QLatin1String("1"))
            return QStringLiteral("CTCSS");
        return field(cfToneOn) == QLatin1String("1") ? QStringLiteral("Tone") : QStringLiteral("Off");
    case tcToneFrequency:
        return ToneTextOfCode(field(cfToneCode));
    case tcCtcssFrequency:
        return ToneTextOfCode(field(cfCtcssCode));
    case tcTransmit: {
        const QString tx = field(cfTransmitFrequency);
        return tx.isEmpty() ? QString() : FormatFrequency(tx);
    }
    case tcLockOut:
        return IsNumberedSlot(slot) && field(cfLockOut) == QLatin1String("1") ? kOn : QString();
    case tcName:
        return IsNamedSlot(slot) ? field(cfName) : QString();
    }
    return QString();
}

QVariant TableSortKey(const TChannelDocument &doc, int slot, int column)
{
    if (!ValidSlot(slot))
        return QVariant();
    if (column == tcChannel)
        return slot;
    const QString record = doc.Record(rkMemory, slot);
    if (!HasChannel(record))
        return QVariant(); // sorts after every value
    auto field = [&](int n) { return RecordTextField(record, n); };
    switch (column) {
    case tcReceive:
        return DigitsHz(field(cfReceiveFrequency));
    case tcTransmit: {
        const qint64 hz = DigitsHz(field(cfTransmitFrequency));
        return hz < 0 ? std::numeric_limits<qint64>::max() : hz;
    }
    case tcStep: {
        const int position = StepListPosOfCode(field(cfStep));
        return position < 0 ? std::numeric_limits<int>::max() : StepSizeHz(position);
    }
    case tcToneFrequency:
    case tcCtcssFrequency: {
        const QString code = field(column == tcToneFrequency ? cfToneCode : cfCtcssCode);
        return code.isEmpty() ? 9 : code.toInt();
    }
    case tcReverse:
    case tcLockOut:
        return TableCellText(doc, slot, column).isEmpty() ? 0 : 1;
    case tcOffset: {
        const QString shift = field(cfShift);
        if (shift == QLatin1String("3"))
            return qint64(7600000);
        if (shift != QLatin1String("1") && shift != QLatin1String("2"))
            return qint64(-1);
        return MemoryShiftOffsetHz(doc, BandOfRecordFrequency(doc, field(cfReceiveFrequency)));
    }
    default:
        return TableCellText(doc, slot, column);
    }
}

bool TableCellEditable(const TChannelDocument &doc, int slot, int column)
{
    if (!ValidSlot(slot) || column == tcChannel || column < 0 || column >= tcColumnCount)
        return false;
    if (!HasChannel(doc, slot))
        return column == tcReceive;
    switch (column) {
    case tcTransmit:
    case tcLockOut:
        return IsNumberedSlot(slot);
    case tcName:
        return IsNamedSlot(slot);
    case tcOffset: {
        const QString shift = doc.GetRecordField(rkMemory, slot, cfShift);
        return shift == QLatin1String("1") || shift == QLatin1String("2");
    }
    case tcReverse:
        return doc.GetRecordField(rkMemory, slot, cfTransmitFrequency).isEmpty();
    default:
        return true;
    }
}

TMemoryChannelEntry EntryOfSlot(const TChannelDocument &doc, int slot)
{
    return EntryOfRecord(doc, doc.Record(rkMemory, slot), slot);
}

// ---------------------------------------------------------------- cell edit

TEditResult PlanCellEdit(const TChannelDocument &doc, int slot, int column, const QString &typed)
{
    TEditResult result;
    auto refuse = [&](const QString &reason) {
        result.status = TEditStatus::Refused;
        result.reason = reason;
        return result;
    };
    if (!ValidSlot(slot) || column < 0 || column >= tcColumnCount)
        return refuse(QStringLiteral("There is no such cell."));
    const QString text = typed.trimmed();
    if (column == tcChannel)
        return refuse(QStringLiteral("A channel's number cannot be typed over; move the row instead."));
    const QString before = doc.Record(rkMemory, slot);
    const bool wasEmpty = !HasChannel(before);
    if (wasEmpty && column != tcReceive)
        return refuse(QStringLiteral("Slot %1 is empty: enter a receive frequency first.").arg(Label(slot)));

    TMemoryChannelEntry entry = EntryOfSlot(doc, slot);
    QStringList notes;
    switch (column) {
    case tcReceive: {
        const QString rx = NumberPart(text, QStringLiteral("MHz"));
        if (rx.isEmpty()) {
            if (wasEmpty)
                return result; // nothing typed into an empty row
            return refuse(QStringLiteral("Enter a receive frequency; use Clear to empty a slot."));
        }
        if (!entry.txText.isEmpty()) {
            const QString why = SplitRefusal(doc, rx, entry.txText);
            if (!why.isEmpty())
                return refuse(why + QStringLiteral("\nChange or clear the Tx frequency first."));
        }
        if (wasEmpty) {
            // A new channel takes a step that holds the frequency typed.
            QString hz = rx;
            if (NormalizeFrequencyText(hz))
                entry.stepPosition = StepForFrequencies(entry.stepPosition, hz.toLongLong(), hz.toLongLong());
        }
        entry.rxText = rx;
        // The split frequency goes through the band's rules again; should
        // that move it, the edit is refused below.
        entry.rxAsStored = entry.txAsStored = false;
        // A -7.6 MHz shift goes with the band: it falls back to simplex below 300 MHz.
        if (entry.shift == QLatin1Char('3') && !Minus76Refusal(doc, rx).isEmpty()) {
            entry.shift = QLatin1Char('0');
            notes << QStringLiteral("-7.6MHz Shift needs 300 MHz or more: now Simplex");
        }
        break;
    }
    case tcStep: {
        const int position = StepPositionOfText(text);
        if (position < 0)
            return refuse(QStringLiteral("Invalid Step.\nChoose one of %1.").arg(EditorStepTexts().join(QStringLiteral(", "))));
        entry.stepPosition = position;
        entry.stepCode.clear();
        entry.rxAsStored = entry.txAsStored = false; // rounded to the new step
        break;
    }
    case tcShift: {
        if (text.compare(QLatin1String("split"), Qt::CaseInsensitive) == 0)
            return refuse(QStringLiteral("To split a channel, enter its transmit frequency in the Tx Frequency column."));
        const std::optional<QChar> shift = ParseShift(text);
        if (!shift)
            return refuse(QStringLiteral("Invalid Shift.\nChoose Simplex, Plus, Minus or -7.6MHz."));
        if (*shift == QLatin1Char('3')) {
            const QString why = Minus76Refusal(doc, entry.rxText);
            if (!why.isEmpty())
                return refuse(why);
        }
        if (!entry.txText.isEmpty() && *shift != QLatin1Char('0')) {
            notes << QStringLiteral("split transmit frequency %1 MHz dropped").arg(entry.txText);
            entry.txText.clear();
        }
        entry.shift = *shift;
        break;
    }
    case tcOffset: {
        const QString why = OffsetRefusal(doc, entry, text);
        if (!why.isEmpty())
            return refuse(why);
        return result; // the offset the channel already uses
    }
    case tcReverse: {
        const std::optional<bool> on = ParseFlag(text);
        if (!on)
            return refuse(QStringLiteral("Reverse is On or Off."));
        if (*on && !entry.txText.isEmpty())
            return refuse(QStringLiteral("A split channel has no reverse."));
        entry.reverse = *on;
        break;
    }
    case tcToneMode: {
        const std::optional<int> mode = ParseToneMode(text);
        if (!mode)
            return refuse(QStringLiteral("Tone/CTCSS is Off, Tone or CTCSS."));
        entry.tone = *mode == 1;
        entry.ctcss = *mode == 2;
        break;
    }
    case tcToneFrequency:
    case tcCtcssFrequency: {
        const int position = TonePositionOfText(text);
        if (position < 0)
            return refuse(QStringLiteral("Invalid tone frequency.\nChoose one of %1.")
                              .arg(EditorToneTexts().join(QStringLiteral(", "))));
        (column == tcToneFrequency ? entry.tonePosition : entry.ctcssPosition) = position;
        (column == tcToneFrequency ? entry.toneCode : entry.ctcssCode).clear();
        break;
    }
    case tcTransmit: {
        if (!IsNumberedSlot(slot))
            return refuse(QStringLiteral("Only channels 001..180 can be split."));
        const QString tx = NumberPart(text, QStringLiteral("MHz"));
        if (tx.isEmpty()) {
            if (entry.txText.isEmpty())
                return result;
            entry.txText.clear(); // no longer split: simplex
            break;
        }
        const QString why = SplitRefusal(doc, entry.rxText, tx);
        if (!why.isEmpty())
            return refuse(why);
        // The channel transmits exactly where the user typed: a step that
        // cannot hold both frequencies gives way to one that can, and where
        // none can, the entry is refused rather than rounded.
        QString rxHzText = entry.rxText;
        QString txHzText = tx;
        const bool stepKept = entry.stepCode == QLatin1String("7") || entry.stepCode == QLatin1String("9");
        if (NormalizeFrequencyText(rxHzText) && NormalizeFrequencyText(txHzText) && !stepKept) {
            const qint64 rxHz = rxHzText.toLongLong();
            const qint64 txHz = txHzText.toLongLong();
            if (!StepHoldsFrequencies(entry.stepPosition, rxHz, txHz)) {
                const int holding = StepForFrequencies(entry.stepPosition, rxHz, txHz);
                if (!StepHoldsFrequencies(holding, rxHz, txHz))
                    return refuse(QStringLiteral("Tx %1 MHz lies on no step of the radio together with Rx %2 MHz.")
                                      .arg(FormatFrequency(QStringLiteral("00") + txHzText),
                                           FormatFrequency(QStringLiteral("00") + rxHzText)));
                notes << QStringLiteral("step set to %1, which holds both frequencies")
                             .arg(EditorStepTexts().value(holding));
                entry.stepPosition = holding;
                entry.stepCode.clear();
            }
        }
        if (entry.shift != QLatin1Char('0'))
            notes << QStringLiteral("%1 replaced by the split").arg(ShiftText(entry.shift));
        if (entry.reverse)
            notes << QStringLiteral("reverse turned off");
        entry.txText = tx;
        entry.txAsStored = false;
        entry.shift = QLatin1Char('0');
        entry.reverse = false;
        break;
    }
    case tcLockOut: {
        if (!IsNumberedSlot(slot))
            return refuse(QStringLiteral("Lock Out applies to channels 001..180 only."));
        const std::optional<bool> on = ParseFlag(text);
        if (!on)
            return refuse(QStringLiteral("Lock Out is On or Off."));
        entry.lockOut = *on;
        break;
    }
    case tcName: {
        if (!IsNamedSlot(slot))
            return refuse(QStringLiteral("Channels L1..U6 carry no name."));
        const QString upper = MemoryNameInCapitals(text);
        if (!IsValidMemoryName(upper))
            return refuse(QStringLiteral("Invalid Memory name.\nPlease check and try again.\n"
                                         "Up to 7 characters A-Z, 0-9 and space, each may be followed by one '.'."));
        if (upper != text)
            notes << QStringLiteral("name written in capitals: %1").arg(upper);
        entry.name = upper;
        break;
    }
    }

    const TMemoryRecordResult built = BuildMemoryRecord(doc, slot, entry);
    if (built.error != TMemoryRecordResult::None)
        return refuse(ErrorText(built.error));
    // Where the radio transmits changes only by typing the Tx frequency.
    const QString txBefore = RecordTextField(before, cfTransmitFrequency);
    if (column != tcTransmit && !txBefore.isEmpty() && !built.txRecord.isEmpty() && built.txRecord != txBefore)
        return refuse(QStringLiteral("This change would move the split Tx frequency %1 MHz to %2 MHz.")
                          .arg(FormatFrequency(txBefore), FormatFrequency(built.txRecord)));
    if (built.stepPosition != entry.stepPosition)
        notes << QStringLiteral("step set to %1 on this band").arg(EditorStepTexts().value(built.stepPosition));
    if (built.adjusted) {
        QString what = QStringLiteral("Frequency is rounded.");
        what += QStringLiteral(" Rx %1 MHz").arg(FormatFrequency(built.rxRecord));
        if (!built.txRecord.isEmpty())
            what += QStringLiteral(", Tx %1 MHz").arg(FormatFrequency(built.txRecord));
        notes << what;
    }
    // Anything else the editor's rules changed in other columns (a tone
    // the editor's list lacks, a stray field) is named too.
    if (!wasEmpty) {
        TChannelDocument probe;
        probe.SetRadioType(doc.RadioType());
        probe.SetMemoryRecord(slot, built.record);
        for (int other = tcReceive; other < tcColumnCount; ++other) {
            if (other == column || other == tcOffset)
                continue;
            const QString was = TableCellText(doc, slot, other);
            const QString now = TableCellText(probe, slot, other);
            if (was == now || Consequence(column, other))
                continue;
            notes << QStringLiteral("%1 %2 -> %3")
                         .arg(TableColumnTitle(other), was.isEmpty() ? QStringLiteral("(none)") : was,
                              now.isEmpty() ? QStringLiteral("(none)") : now);
        }
    }
    notes.removeDuplicates();
    result.record = built.record;
    result.notes = notes;
    if (built.record == before && notes.isEmpty())
        result.status = TEditStatus::Unchanged;
    else
        result.status = notes.isEmpty() ? TEditStatus::Applied : TEditStatus::Adjusted;
    return result;
}

TEditResult ApplyCellEdit(TChannelDocument &doc, int slot, int column, const QString &text)
{
    TEditResult result = PlanCellEdit(doc, slot, column, text);
    if ((result.status == TEditStatus::Applied || result.status == TEditStatus::Adjusted)
        && result.record != doc.Record(rkMemory, slot))
        doc.SetMemoryRecord(slot, result.record);
    return result;
}

// ---------------------------------------------------------------- bulk edit

bool TBulkEdit::IsEmpty() const
{
    return !clear && !stepPosition && !shift && !offset && !toneMode && !tonePosition && !ctcssPosition
        && !lockOut;
}

QString TBulkEdit::Name() const
{
    if (clear)
        return QStringLiteral("Clear");
    QStringList parts;
    if (stepPosition) parts << QStringLiteral("Step");
    if (shift) parts << QStringLiteral("Shift");
    if (offset) parts << QStringLiteral("Offset");
    if (toneMode) parts << QStringLiteral("Tone/CTCSS");
    if (tonePosition) parts << QStringLiteral("Tone Frequency");
    if (ctcssPosition) parts << QStringLiteral("CTCSS Frequency");
    if (lockOut) parts << QStringLiteral("Lock Out");
    if (parts.size() == 1)
        return QStringLiteral("Set ") + parts.first();
    return QStringLiteral("Bulk Edit");
}

// The entry of a slot with a bulk edit's values set (the step only when
// withStep); the parts the slot cannot take are named in notes.
static TMemoryChannelEntry BulkEntry(const TChannelDocument &doc, int slot, const TBulkEdit &edit, bool withStep,
                                     QStringList &notes)
{
    const QString label = Label(slot);
    TMemoryChannelEntry entry = EntryOfSlot(doc, slot);
    if (edit.stepPosition && withStep) {
        entry.stepPosition = *edit.stepPosition;
        entry.stepCode.clear();
        entry.rxAsStored = entry.txAsStored = false; // rounded to the new step
    }
    if (edit.shift) {
        const QString why = *edit.shift == QLatin1Char('3') ? Minus76Refusal(doc, entry.rxText) : QString();
        if (!why.isEmpty()) {
            notes << label + QStringLiteral(": shift kept: ") + why;
        } else {
            if (!entry.txText.isEmpty() && *edit.shift != QLatin1Char('0')) {
                notes << label + QStringLiteral(": split transmit frequency %1 MHz dropped").arg(entry.txText);
                entry.txText.clear();
            }
            entry.shift = *edit.shift;
        }
    }
    if (edit.offset) {
        const QString why = OffsetRefusal(doc, entry, *edit.offset);
        if (!why.isEmpty())
            notes << label + QStringLiteral(": offset not set: ") + QString(why).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    if (edit.toneMode) {
        entry.tone = *edit.toneMode == 1;
        entry.ctcss = *edit.toneMode == 2;
    }
    if (edit.tonePosition) {
        entry.tonePosition = *edit.tonePosition;
        entry.toneCode.clear();
    }
    if (edit.ctcssPosition) {
        entry.ctcssPosition = *edit.ctcssPosition;
        entry.ctcssCode.clear();
    }
    if (edit.lockOut) {
        if (IsNumberedSlot(slot))
            entry.lockOut = *edit.lockOut;
        else
            notes << label + QStringLiteral(": no lock-out on this channel");
    }
    return entry;
}

TBulkPlan PlanBulkEdit(const TChannelDocument &doc, const QList<int> &chosen, const TBulkEdit &edit)
{
    TBulkPlan plan;
    if (edit.clear || !edit.stepPosition || *edit.stepPosition < 0 || *edit.stepPosition >= EditorStepTexts().size())
        return plan;
    for (int slot : SortedUnique(chosen)) {
        if (!ValidSlot(slot) || !HasChannel(doc, slot))
            continue;
        const QString before = doc.Record(rkMemory, slot);
        QStringList notes;
        const TMemoryRecordResult built = BuildMemoryRecord(doc, slot, BulkEntry(doc, slot, edit, true, notes));
        if (built.error != TMemoryRecordResult::None)
            continue;
        const QString rx = RecordTextField(before, cfReceiveFrequency);
        const QString tx = RecordTextField(before, cfTransmitFrequency);
        if (!tx.isEmpty() && !built.txRecord.isEmpty() && built.txRecord != tx) {
            plan.stepKept << TFrequencyMove{slot, true, FormatFrequency(tx), FormatFrequency(built.txRecord)};
            continue;
        }
        if (built.rxRecord != rx)
            plan.moves << TFrequencyMove{slot, false, FormatFrequency(rx), FormatFrequency(built.rxRecord)};
    }
    return plan;
}

TBulkResult ApplyBulkEdit(TChannelDocument &doc, const QList<int> &chosen, const TBulkEdit &edit)
{
    TBulkResult result;
    QList<int> slotList;
    for (int slot : SortedUnique(chosen)) {
        if (ValidSlot(slot))
            slotList << slot;
    }
    if (slotList.isEmpty()) {
        result.refusal = QStringLiteral("Select one or more channels first.");
        return result;
    }
    if (edit.IsEmpty()) {
        result.refusal = QStringLiteral("Nothing to change.");
        return result;
    }
    if (edit.stepPosition && (*edit.stepPosition < 0 || *edit.stepPosition >= EditorStepTexts().size())) {
        result.refusal = QStringLiteral("Invalid Step.");
        return result;
    }
    const int toneCount = EditorToneTexts().size();
    if ((edit.tonePosition && (*edit.tonePosition < 0 || *edit.tonePosition >= toneCount))
        || (edit.ctcssPosition && (*edit.ctcssPosition < 0 || *edit.ctcssPosition >= toneCount))) {
        result.refusal = QStringLiteral("Invalid tone frequency.");
        return result;
    }
    if (edit.offset && OffsetHzOfText(*edit.offset) < 0) {
        result.refusal = QStringLiteral("Invalid Offset.\nPlease check and try again.");
        return result;
    }

    QHash<int, TFrequencyMove> kept;
    for (const TFrequencyMove &move : PlanBulkEdit(doc, slotList, edit).stepKept)
        kept.insert(move.slot, move);
    int empty = 0;
    for (int slot : slotList) {
        const QString before = doc.Record(rkMemory, slot);
        if (!HasChannel(before)) {
            ++empty;
            continue;
        }
        if (edit.clear) {
            doc.ClearMemoryRecord(slot);
            ++result.changed;
            continue;
        }
        const QString label = Label(slot);
        const bool keepStep = kept.contains(slot);
        if (keepStep)
            result.notes << label + QStringLiteral(": step kept: it would move the split Tx frequency %1 MHz to %2 MHz")
                                        .arg(kept.value(slot).before, kept.value(slot).after);
        const TMemoryChannelEntry entry = BulkEntry(doc, slot, edit, !keepStep, result.notes);
        const TMemoryRecordResult built = BuildMemoryRecord(doc, slot, entry);
        if (built.error != TMemoryRecordResult::None) {
            result.notes << label + QStringLiteral(": not changed: ") + ErrorText(built.error).section(QLatin1Char('\n'), 0, 0);
            continue;
        }
        if (built.stepPosition != entry.stepPosition)
            result.notes << label + QStringLiteral(": step set to %1 on this band").arg(EditorStepTexts().value(built.stepPosition));
        if (built.adjusted)
            result.notes << label + QStringLiteral(": frequency rounded to the step: %1 MHz").arg(FormatFrequency(built.rxRecord));
        if (built.record != before) {
            doc.SetMemoryRecord(slot, built.record);
            ++result.changed;
        }
    }
    if (empty > 0)
        result.notes << QStringLiteral("%1 empty slot(s) left as they are").arg(empty);
    return result;
}

// ---------------------------------------------------------------- slots

TSlotResult SwapSlots(TChannelDocument &doc, int a, int b)
{
    TSlotResult result;
    if (!ValidSlot(a) || !ValidSlot(b) || a == b) {
        result.reason = QStringLiteral("Choose two different slots to swap.");
        return result;
    }
    const QString ra = doc.Record(rkMemory, a);
    const QString rb = doc.Record(rkMemory, b);
    PlaceRecord(doc, ra, a, b, result.notes);
    PlaceRecord(doc, rb, b, a, result.notes);
    result.ok = true;
    result.slotList = {a, b};
    return result;
}

TSlotResult MoveSlots(TChannelDocument &doc, const QList<int> &chosen, int target)
{
    TSlotResult result;
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !AllNumbered(slotList) || target < 1 || target > kLastNumberedSlot + 1) {
        result.reason = kNumberedOnly;
        return result;
    }
    QStringList records;
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot)
        records << doc.Record(rkMemory, slot);
    QStringList moving, rest;
    int insertAt = 0;
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot) {
        if (slotList.contains(slot)) {
            moving << records[slot - 1];
        } else {
            if (slot < target)
                ++insertAt;
            rest << records[slot - 1];
        }
    }
    QStringList order = rest.mid(0, insertAt) + moving + rest.mid(insertAt);
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot) {
        const QString &record = order[slot - 1];
        if (!HasChannel(record))
            doc.ClearMemoryRecord(slot);
        else
            doc.SetMemoryRecord(slot, Relabel(record, slot));
    }
    result.ok = true;
    for (int i = 0; i < moving.size(); ++i)
        result.slotList << insertAt + 1 + i;
    return result;
}

TSlotResult ShiftSlots(TChannelDocument &doc, const QList<int> &chosen, int direction)
{
    TSlotResult result;
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !AllNumbered(slotList)) {
        result.reason = kNumberedOnly;
        return result;
    }
    if (direction < 0) {
        if (slotList.first() <= kFirstMemorySlot) {
            result.reason = QStringLiteral("Channel 001 is the first; nothing moves above it.");
            return result;
        }
        return MoveSlots(doc, slotList, slotList.first() - 1);
    }
    if (slotList.last() >= kLastNumberedSlot) {
        result.reason = QStringLiteral("Channel 180 is the last; nothing moves below it.");
        return result;
    }
    return MoveSlots(doc, slotList, slotList.last() + 2);
}

TSlotResult InsertEmptySlots(TChannelDocument &doc, int slot, int count)
{
    TSlotResult result;
    if (!IsNumberedSlot(slot) || count < 1 || slot + count - 1 > kLastNumberedSlot) {
        result.reason = kNumberedOnly;
        return result;
    }
    for (int s = kLastNumberedSlot - count + 1; s <= kLastNumberedSlot; ++s) {
        if (HasChannel(doc, s)) {
            result.reason = QStringLiteral("Slot %1 holds a channel: inserting would push it out of 001..180.\n"
                                           "Delete or move it first.")
                                .arg(Label(s));
            return result;
        }
    }
    for (int s = kLastNumberedSlot; s >= slot + count; --s) {
        const QString record = doc.Record(rkMemory, s - count);
        if (HasChannel(record))
            doc.SetMemoryRecord(s, Relabel(record, s));
        else
            doc.ClearMemoryRecord(s);
    }
    for (int s = slot; s < slot + count; ++s)
        doc.ClearMemoryRecord(s);
    result.ok = true;
    for (int s = slot; s < slot + count; ++s)
        result.slotList << s;
    return result;
}

TSlotResult DeleteAndCloseGap(TChannelDocument &doc, const QList<int> &chosen)
{
    TSlotResult result;
    const QList<int> slotList = SortedUnique(chosen);
    if (slotList.isEmpty() || !AllNumbered(slotList)) {
        result.reason = kNumberedOnly;
        return result;
    }
    QStringList kept;
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot) {
        if (!slotList.contains(slot))
            kept << doc.Record(rkMemory, slot);
    }
    for (int slot = 1; slot <= kLastNumberedSlot; ++slot) {
        const QString record = slot <= kept.size() ? kept[slot - 1] : QString();
        if (HasChannel(record))
            doc.SetMemoryRecord(slot, Relabel(record, slot));
        else
            doc.ClearMemoryRecord(slot);
    }
    result.ok = true;
    result.slotList = {slotList.first()};
    return result;
}

// ---------------------------------------------------------------- find

bool SlotMatchesFind(const TChannelDocument &doc, int slot, const QString &typed)
{
    const QString query = typed.trimmed();
    if (query.isEmpty() || !ValidSlot(slot) || !HasChannel(doc, slot))
        return false;
    static const QRegularExpression frequency(QStringLiteral("^\\d+\\.?\\d*$|^\\.\\d+$"));
    if (frequency.match(query).hasMatch()) {
        QString normalized = query;
        const bool asNumber = NormalizeFrequencyText(normalized);
        for (int field : {int(cfReceiveFrequency), int(cfTransmitFrequency)}) {
            const QString digits = doc.GetRecordField(rkMemory, slot, field);
            if (digits.isEmpty())
                continue;
            if (FormatFrequency(digits).startsWith(query))
                return true;
            if (asNumber && digits == QStringLiteral("00") + normalized)
                return true;
        }
    }
    return TableCellText(doc, slot, tcName).contains(query, Qt::CaseInsensitive);
}
