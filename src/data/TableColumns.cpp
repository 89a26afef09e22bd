// The channel table's columns: what each cell of a memory slot shows,
// sorts by and whether it takes typing; and the find box's match.
#include "ChannelTableRules.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "CsvExport.h"
#include "FrequencyRules.h"
#include "RecordFields.h"
#include "TableRulesCommon.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <limits>

using namespace tablerules;

QString TableColumnTitle(int column)
{
    switch (column) {
    case tcChannel: return QCoreApplication::translate("TableRules", "Channel");
    case tcReceive: return QCoreApplication::translate("TableRules", "Rx Frequency");
    case tcStep: return QCoreApplication::translate("TableRules", "Step");
    case tcShift: return QCoreApplication::translate("TableRules", "Shift");
    case tcOffset: return QCoreApplication::translate("TableRules", "Offset");
    case tcReverse: return QCoreApplication::translate("TableRules", "Reverse");
    case tcToneMode: return QCoreApplication::translate("TableRules", "Tone/CTCSS");
    case tcToneFrequency: return QCoreApplication::translate("TableRules", "Tone Frequency");
    case tcCtcssFrequency: return QCoreApplication::translate("TableRules", "CTCSS Frequency");
    case tcTransmit: return QCoreApplication::translate("TableRules", "Tx Frequency");
    case tcLockOut: return QCoreApplication::translate("TableRules", "Lock Out");
    case tcName: return QCoreApplication::translate("TableRules", "Name");
    }
    return QString();
}

bool TableColumnIsFlag(int column)
{
    return column == tcReverse || column == tcLockOut;
}

namespace {

// Offset the channel's shift uses; none for simplex and split.
std::optional<THz> RecordShiftOffset(const TChannelDocument &doc, const TChannelRecordView &view)
{
    const std::optional<TShift> shift = view.Shift();
    if (shift == TShift::Minus76)
        return THz(7600000);
    if (shift != TShift::Plus && shift != TShift::Minus)
        return std::nullopt;
    return THz(MemoryShiftOffsetHz(doc, BandOfFrequency(doc, view.Field(cfReceiveFrequency).mid(2))));
}

} // namespace

QString TableCellText(const TChannelDocument &doc, int slot, int column)
{
    if (!ValidSlot(slot))
        return QString();
    if (column == tcChannel)
        return Label(slot);
    const QString record = doc.Record(rkMemory, slot);
    const TChannelRecordView view(record);
    if (!view.HasChannel())
        return QString();
    switch (column) {
    case tcReceive:
        return FormatFrequency(view.Field(cfReceiveFrequency));
    case tcStep:
        return StepTextOfCode(view.StepCode());
    case tcShift: {
        const std::optional<TShift> shift = view.Shift();
        if (shift && *shift != TShift::Simplex)
            return ShiftText(ShiftCode(*shift));
        return view.IsSplit() ? QStringLiteral("Split") : ShiftText(QLatin1Char('0'));
    }
    case tcOffset: {
        const std::optional<THz> offset = RecordShiftOffset(doc, view);
        return offset ? offset->MhzFixed(2) : QString();
    }
    case tcReverse:
        return view.Reverse() ? kOn : QString();
    case tcToneMode:
        if (view.CtcssOn())
            return QStringLiteral("CTCSS");
        return view.ToneOn() ? QStringLiteral("Tone") : QStringLiteral("Off");
    case tcToneFrequency:
        return ToneTextOfCode(view.ToneCode());
    case tcCtcssFrequency:
        return ToneTextOfCode(view.CtcssCode());
    case tcTransmit:
        return view.IsSplit() ? FormatFrequency(view.Field(cfTransmitFrequency)) : QString();
    case tcLockOut:
        return IsNumberedSlot(slot) && view.LockOut() ? kOn : QString();
    case tcName:
        return IsNamedSlot(slot) ? view.Name() : QString();
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
    const TChannelRecordView view(record);
    if (!view.HasChannel())
        return QVariant(); // sorts after every value
    switch (column) {
    case tcReceive:
        return view.Receive().value_or(THz(-1)).Value();
    case tcTransmit:
        return view.Transmit().value_or(THz(std::numeric_limits<qint64>::max())).Value();
    case tcStep: {
        const int position = StepListPosOfCode(view.StepCode());
        return position < 0 ? std::numeric_limits<int>::max() : StepSizeHz(position);
    }
    case tcToneFrequency:
    case tcCtcssFrequency: {
        const QString code = column == tcToneFrequency ? view.ToneCode() : view.CtcssCode();
        return code.isEmpty() ? 9 : code.toInt();
    }
    case tcReverse:
    case tcLockOut:
        return TableCellText(doc, slot, column).isEmpty() ? 0 : 1;
    case tcOffset:
        return RecordShiftOffset(doc, view).value_or(THz(-1)).Value();
    default:
        return TableCellText(doc, slot, column);
    }
}

bool TableCellEditable(const TChannelDocument &doc, int slot, int column)
{
    return TableCellReadOnlyReason(doc, slot, column).isEmpty();
}

QString TableColumnReadOnlyReason(int column)
{
    switch (column) {
    case tcChannel:
        return QCoreApplication::translate("TableRules", "A channel's number is its slot: drag the row, or use Move Up, Move Down or Swap.");
    case tcOffset:
        return QCoreApplication::translate("TableRules", "A memory channel shifts by its band's VFO offset; change it in the VFO editor.");
    }
    return QString();
}

QString TableCellReadOnlyReason(const TChannelDocument &doc, int slot, int column)
{
    if (!ValidSlot(slot) || column < 0 || column >= tcColumnCount)
        return QCoreApplication::translate("TableRules", "There is no such cell.");
    const QString always = TableColumnReadOnlyReason(column);
    if (!always.isEmpty())
        return always;
    if (!HasChannel(doc, slot)) {
        if (column == tcReceive)
            return QString();
        return QCoreApplication::translate("TableRules", "Slot %1 is empty: enter a receive frequency first.").arg(Label(slot));
    }
    switch (column) {
    case tcTransmit:
        if (!IsNumberedSlot(slot))
            return QCoreApplication::translate("TableRules", "Only channels 001..180 can be split.");
        break;
    case tcLockOut:
        if (!IsNumberedSlot(slot))
            return QCoreApplication::translate("TableRules", "Lock Out applies to channels 001..180 only.");
        break;
    case tcName:
        if (!IsNamedSlot(slot))
            return QCoreApplication::translate("TableRules", "Channels L1..U6 carry no name.");
        break;
    case tcReverse:
        if (!doc.GetRecordField(rkMemory, slot, cfTransmitFrequency).isEmpty())
            return QCoreApplication::translate("TableRules", "A split channel has no reverse; clear its Tx Frequency first.");
        break;
    }
    return QString();
}

bool TableCellShowsFlag(const TChannelDocument &doc, int slot, int column)
{
    if (!TableColumnIsFlag(column) || !ValidSlot(slot) || !HasChannel(doc, slot))
        return false;
    return column != tcLockOut || IsNumberedSlot(slot);
}

QStringList TableColumnChoices(const TChannelDocument &doc, int column)
{
    switch (column) {
    case tcStep:
        return EditorStepTexts();
    case tcShift: {
        QStringList shifts;
        for (QChar code : {u'0', u'1', u'2'})
            shifts << ShiftText(code);
        if (Minus76ShiftOffered(doc))
            shifts << ShiftText(QLatin1Char('3'));
        return shifts;
    }
    case tcToneMode:
        return {QStringLiteral("Off"), QStringLiteral("Tone"), QStringLiteral("CTCSS")};
    case tcToneFrequency:
    case tcCtcssFrequency:
        return EditorToneTexts();
    }
    return {};
}

QStringList TableCellChoices(const TChannelDocument &doc, int slot, int column)
{
    QStringList choices = TableColumnChoices(doc, column);
    if (column == tcShift && ValidSlot(slot) && HasChannel(doc, slot)
        && !Minus76Refusal(doc, LoadMemoryChannel(doc, slot).rxText).isEmpty())
        choices.removeAll(ShiftText(QLatin1Char('3')));
    return choices;
}

QRect TableWindowPlacement(const QRect &available, const QRect &anchor, const QSize &wanted)
{
    const QSize size = wanted.boundedTo(available.size());
    const int roomRight = available.right() - anchor.right();
    const int roomLeft = anchor.left() - available.left();
    int x = 0;
    if (roomRight >= size.width())
        x = anchor.right() + 1;
    else if (roomLeft >= size.width())
        x = anchor.left() - size.width();
    else if (roomRight >= roomLeft)
        x = available.right() + 1 - size.width();
    else
        x = available.left();
    const int y = qBound(available.top(), anchor.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

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
