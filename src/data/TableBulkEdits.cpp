// Bulk Edit: values set on many slots at once, each slot committed by the
// memory channel's rules; a step that would move a split transmit
// frequency is kept for that slot.
#include "ChannelTableRules.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "CsvExport.h"
#include "FrequencyRules.h"
#include "RecordFields.h"
#include "TableRulesCommon.h"

#include <QCoreApplication>
#include <QHash>

using namespace tablerules;

bool TBulkEdit::IsEmpty() const
{
    return !clear && !stepPosition && !shift && !toneMode && !tonePosition && !ctcssPosition
        && !lockOut;
}

QString TBulkEdit::Name() const
{
    if (clear)
        return QCoreApplication::translate("TableRules", "Clear");
    QStringList parts;
    if (stepPosition) parts << QCoreApplication::translate("TableRules", "Step");
    if (shift) parts << QCoreApplication::translate("TableRules", "Shift");
    if (toneMode) parts << QCoreApplication::translate("TableRules", "Tone/CTCSS");
    if (tonePosition) parts << QCoreApplication::translate("TableRules", "Tone Frequency");
    if (ctcssPosition) parts << QCoreApplication::translate("TableRules", "CTCSS Frequency");
    if (lockOut) parts << QCoreApplication::translate("TableRules", "Lock Out");
    if (parts.size() == 1)
        return QCoreApplication::translate("TableRules", "Set %1").arg(parts.first());
    return QCoreApplication::translate("TableRules", "Bulk Edit");
}

// The entry of a slot with a bulk edit's values set (the step only when
// withStep); the parts the slot cannot take are named in notes.
static TMemoryChannelEntry BulkEntry(const TChannelDocument &doc, int slot, const TBulkEdit &edit, bool withStep,
                                     QStringList &notes)
{
    const QString label = Label(slot);
    TMemoryChannelEntry entry = LoadMemoryChannel(doc, slot);
    if (edit.stepPosition && withStep) {
        entry.stepCode = StepCodeOfListPos(*edit.stepPosition);
        entry.rxAsStored = entry.txAsStored = false; // rounded to the new step
    }
    if (edit.shift) {
        const QString why = *edit.shift == QLatin1Char('3') ? Minus76Refusal(doc, entry.rxText) : QString();
        if (!why.isEmpty()) {
            notes << label + QCoreApplication::translate("TableRules", ": shift kept: ") + why;
        } else {
            if (!entry.txText.isEmpty() && *edit.shift != QLatin1Char('0')) {
                notes << label + QCoreApplication::translate("TableRules", ": split transmit frequency %1 MHz dropped").arg(entry.txText);
                entry.txText.clear();
            }
            entry.shift = *edit.shift;
        }
    }
    if (edit.toneMode) {
        entry.tone = *edit.toneMode == 1;
        entry.ctcss = *edit.toneMode == 2;
    }
    if (edit.tonePosition) {
        entry.toneCode = ToneCodeOfListPos(*edit.tonePosition);
    }
    if (edit.ctcssPosition) {
        entry.ctcssCode = ToneCodeOfListPos(*edit.ctcssPosition);
    }
    if (edit.lockOut) {
        if (IsNumberedSlot(slot))
            entry.lockOut = *edit.lockOut;
        else
            notes << label + QCoreApplication::translate("TableRules", ": no lock-out on this channel");
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
        const TMemoryRecordResult built = CommitMemoryChannel(doc, slot, BulkEntry(doc, slot, edit, true, notes));
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
        result.refusal = QCoreApplication::translate("TableRules", "Select one or more channels first.");
        return result;
    }
    if (edit.IsEmpty()) {
        result.refusal = QCoreApplication::translate("TableRules", "Nothing to change.");
        return result;
    }
    if (edit.stepPosition && (*edit.stepPosition < 0 || *edit.stepPosition >= EditorStepTexts().size())) {
        result.refusal = QCoreApplication::translate("TableRules", "Invalid Step.");
        return result;
    }
    const int toneCount = EditorToneTexts().size();
    if ((edit.tonePosition && (*edit.tonePosition < 0 || *edit.tonePosition >= toneCount))
        || (edit.ctcssPosition && (*edit.ctcssPosition < 0 || *edit.ctcssPosition >= toneCount))) {
        result.refusal = QCoreApplication::translate("TableRules", "Invalid tone frequency.");
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
            result.notes << label + QCoreApplication::translate("TableRules", ": step kept: it would move the split Tx frequency %1 MHz to %2 MHz")
                                        .arg(kept.value(slot).before, kept.value(slot).after);
        const TMemoryChannelEntry entry = BulkEntry(doc, slot, edit, !keepStep, result.notes);
        const TMemoryRecordResult built = CommitMemoryChannel(doc, slot, entry);
        if (built.error != TMemoryRecordResult::None) {
            result.notes << label + QCoreApplication::translate("TableRules", ": not changed: ") + ErrorText(built.error).section(QLatin1Char('\n'), 0, 0);
            continue;
        }
        if (!entry.stepCode.isEmpty() && built.stepCode != entry.stepCode)
            result.notes << label + QCoreApplication::translate("TableRules", ": step set to %1 on this band").arg(EditorStepTexts().value(built.stepPosition));
        if (built.adjusted)
            result.notes << label + QCoreApplication::translate("TableRules", ": frequency rounded to the step: %1 MHz").arg(FormatFrequency(built.rxRecord));
        if (built.record != before) {
            doc.SetMemoryRecord(slot, built.record);
            ++result.changed;
        }
    }
    if (empty > 0)
        result.notes << QCoreApplication::translate("TableRules", "%1 empty slot(s) left as they are").arg(empty);
    return result;
}
