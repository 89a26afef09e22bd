// One cell of the channel table typed over: the slot's entry with that one
// value changed, committed by the memory channel's rules.
#include "ChannelTableRules.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "CsvExport.h"
#include "FrequencyRules.h"
#include "RecordFields.h"
#include "TableRulesCommon.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

using namespace tablerules;

namespace {

// Display text of a normalized 9-digit frequency.
QString ShownFrequency(const QString &normalized)
{
    return FormatFrequency(QStringLiteral("00") + normalized);
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
        return QCoreApplication::translate("TableRules", "Tx %1 MHz is not in the band of Rx %2 MHz.").arg(ShownFrequency(tx), ShownFrequency(rx));
    int lower = 0;
    int upper = 0;
    BandLimitsMHz(doc, band, lower, upper);
    const int mhz = tx.left(3).toInt();
    if (mhz < lower || mhz > upper)
        return QCoreApplication::translate("TableRules", "Tx %1 MHz is outside the band limits %2-%3 MHz.").arg(ShownFrequency(tx)).arg(lower).arg(upper);
    // The cellular telephone ranges the 800 MHz variant cannot use.
    if (BandForcesStep(doc, band) && doc.GetRecordField(rkRadioType, 0, tfOption800) == QLatin1String("2")
        && ((mhz >= 824 && mhz <= 848) || (mhz >= 866 && mhz <= 893)))
        return QCoreApplication::translate("TableRules", "Tx %1 MHz lies in a range this radio does not use.").arg(ShownFrequency(tx));
    return QString();
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


} // namespace

TEditResult PlanCellEdit(const TChannelDocument &doc, int slot, int column, const QString &typed)
{
    TEditResult result;
    auto refuse = [&](const QString &reason) {
        result.status = TEditStatus::Refused;
        result.reason = reason;
        return result;
    };
    if (!ValidSlot(slot) || column < 0 || column >= tcColumnCount)
        return refuse(QCoreApplication::translate("TableRules", "There is no such cell."));
    const QString text = typed.trimmed();
    if (column == tcChannel)
        return refuse(QCoreApplication::translate("TableRules", "A channel's number cannot be typed over; move the row instead."));
    const QString before = doc.Record(rkMemory, slot);
    const bool wasEmpty = !HasChannel(before);
    if (wasEmpty && column != tcReceive)
        return refuse(QCoreApplication::translate("TableRules", "Slot %1 is empty: enter a receive frequency first.").arg(Label(slot)));

    TMemoryChannelEntry entry = LoadMemoryChannel(doc, slot);
    QStringList notes;
    switch (column) {
    case tcReceive: {
        const QString rx = NumberPart(text, QStringLiteral("MHz"));
        if (rx.isEmpty()) {
            if (wasEmpty)
                return result; // nothing typed into an empty row
            return refuse(QCoreApplication::translate("TableRules", "Enter a receive frequency; use Clear to empty a slot."));
        }
        if (!entry.txText.isEmpty()) {
            const QString why = SplitRefusal(doc, rx, entry.txText);
            if (!why.isEmpty())
                return refuse(why + QCoreApplication::translate("TableRules", "\nChange or clear the Tx frequency first."));
        }
        // A new channel (no step code yet) takes a step that holds the
        // frequency typed: the commit chooses it.
        entry.rxText = rx;
        // The split frequency goes through the band's rules again; should
        // that move it, the edit is refused below.
        entry.rxAsStored = entry.txAsStored = false;
        // A -7.6 MHz shift goes with the band: it falls back to simplex below 300 MHz.
        if (entry.shift == QLatin1Char('3') && !Minus76Refusal(doc, rx).isEmpty()) {
            entry.shift = QLatin1Char('0');
            notes << QCoreApplication::translate("TableRules", "-7.6MHz Shift needs 300 MHz or more: now Simplex");
        }
        break;
    }
    case tcStep: {
        const int position = StepPositionOfText(text);
        if (position < 0)
            return refuse(QCoreApplication::translate("TableRules", "Invalid Step.\nChoose one of %1.").arg(EditorStepTexts().join(QStringLiteral(", "))));
        entry.stepCode = StepCodeOfListPos(position);
        entry.rxAsStored = entry.txAsStored = false; // rounded to the new step
        break;
    }
    case tcShift: {
        if (text.compare(QLatin1String("split"), Qt::CaseInsensitive) == 0)
            return refuse(QCoreApplication::translate("TableRules", "To split a channel, enter its transmit frequency in the Tx Frequency column."));
        const std::optional<QChar> shift = ParseShift(text);
        if (!shift)
            return refuse(QCoreApplication::translate("TableRules", "Invalid Shift.\nChoose Simplex, Plus, Minus or -7.6MHz."));
        if (*shift == QLatin1Char('3')) {
            const QString why = Minus76Refusal(doc, entry.rxText);
            if (!why.isEmpty())
                return refuse(why);
        }
        if (!entry.txText.isEmpty() && *shift != QLatin1Char('0')) {
            notes << QCoreApplication::translate("TableRules", "split transmit frequency %1 MHz dropped").arg(entry.txText);
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
            return refuse(QCoreApplication::translate("TableRules", "Reverse is On or Off."));
        if (*on && !entry.txText.isEmpty())
            return refuse(QCoreApplication::translate("TableRules", "A split channel has no reverse."));
        entry.reverse = *on;
        break;
    }
    case tcToneMode: {
        const std::optional<int> mode = ParseToneMode(text);
        if (!mode)
            return refuse(QCoreApplication::translate("TableRules", "Tone/CTCSS is Off, Tone or CTCSS."));
        entry.tone = *mode == 1;
        entry.ctcss = *mode == 2;
        break;
    }
    case tcToneFrequency:
    case tcCtcssFrequency: {
        const int position = TonePositionOfText(text);
        if (position < 0)
            return refuse(QCoreApplication::translate("TableRules", "Invalid tone frequency.\nChoose one of %1.")
                              .arg(EditorToneTexts().join(QStringLiteral(", "))));
        (column == tcToneFrequency ? entry.toneCode : entry.ctcssCode) = ToneCodeOfListPos(position);
        break;
    }
    case tcTransmit: {
        if (!IsNumberedSlot(slot))
            return refuse(QCoreApplication::translate("TableRules", "Only channels 001..180 can be split."));
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
        const int stepPosition = StepListPosOfCode(entry.stepCode);
        const bool stepKept = stepPosition < 0 && !StepTextOfCode(entry.stepCode).isEmpty();
        if (NormalizeFrequencyText(rxHzText) && NormalizeFrequencyText(txHzText) && !stepKept) {
            const qint64 rxHz = rxHzText.toLongLong();
            const qint64 txHz = txHzText.toLongLong();
            const int current = stepPosition < 0 ? BandDefaultStep(doc, 1) : stepPosition;
            if (!StepHoldsFrequencies(current, rxHz, txHz)) {
                const int holding = StepForFrequencies(current, rxHz, txHz);
                if (!StepHoldsFrequencies(holding, rxHz, txHz))
                    return refuse(QCoreApplication::translate("TableRules", "Tx %1 MHz lies on no step of the radio together with Rx %2 MHz.")
                                      .arg(FormatFrequency(QStringLiteral("00") + txHzText),
                                           FormatFrequency(QStringLiteral("00") + rxHzText)));
                notes << QCoreApplication::translate("TableRules", "step set to %1, which holds both frequencies")
                             .arg(EditorStepTexts().value(holding));
                entry.stepCode = StepCodeOfListPos(holding);
            }
        }
        if (entry.shift != QLatin1Char('0'))
            notes << QCoreApplication::translate("TableRules", "%1 replaced by the split").arg(ShiftText(entry.shift));
        if (entry.reverse)
            notes << QCoreApplication::translate("TableRules", "reverse turned off");
        entry.txText = tx;
        entry.txAsStored = false;
        entry.shift = QLatin1Char('0');
        entry.reverse = false;
        break;
    }
    case tcLockOut: {
        if (!IsNumberedSlot(slot))
            return refuse(QCoreApplication::translate("TableRules", "Lock Out applies to channels 001..180 only."));
        const std::optional<bool> on = ParseFlag(text);
        if (!on)
            return refuse(QCoreApplication::translate("TableRules", "Lock Out is On or Off."));
        entry.lockOut = *on;
        break;
    }
    case tcName: {
        if (!IsNamedSlot(slot))
            return refuse(QCoreApplication::translate("TableRules", "Channels L1..U6 carry no name."));
        const QString upper = MemoryNameInCapitals(text);
        if (!IsValidMemoryName(upper))
            return refuse(QCoreApplication::translate("TableRules", "Invalid Memory name.\nPlease check and try again.\n"
                                         "Up to 7 characters A-Z, 0-9 and space, each may be followed by one '.'."));
        if (upper != text)
            notes << QCoreApplication::translate("TableRules", "name written in capitals: %1").arg(upper);
        entry.name = upper;
        break;
    }
    }

    const TMemoryRecordResult built = CommitMemoryChannel(doc, slot, entry);
    if (built.error != TMemoryRecordResult::None)
        return refuse(ErrorText(built.error));
    // Where the radio transmits changes only by typing the Tx frequency.
    const QString txBefore = RecordTextField(before, cfTransmitFrequency);
    if (column != tcTransmit && !txBefore.isEmpty() && !built.txRecord.isEmpty() && built.txRecord != txBefore)
        return refuse(QCoreApplication::translate("TableRules", "This change would move the split Tx frequency %1 MHz to %2 MHz.")
                          .arg(FormatFrequency(txBefore), FormatFrequency(built.txRecord)));
    if (!entry.stepCode.isEmpty() && built.stepCode != entry.stepCode)
        notes << QCoreApplication::translate("TableRules", "step set to %1 on this band").arg(EditorStepTexts().value(built.stepPosition));
    if (built.adjusted) {
        QString what = QCoreApplication::translate("TableRules", "Frequency is rounded.");
        what += QCoreApplication::translate("TableRules", " Rx %1 MHz").arg(FormatFrequency(built.rxRecord));
        if (!built.txRecord.isEmpty())
            what += QCoreApplication::translate("TableRules", ", Tx %1 MHz").arg(FormatFrequency(built.txRecord));
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
