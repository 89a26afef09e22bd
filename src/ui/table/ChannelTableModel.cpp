#include "ChannelTableModel.h"

#include "data/ChannelDocument.h"
#include "data/CsvExport.h"
#include "data/CsvFormat.h"
#include "data/CsvImport.h"
#include "data/DocumentHost.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include <algorithm>

namespace {

QString Label(int slot) { return MemorySlotLabel(slot); }

// "005" for one slot, "3 Channels" for more.
QString SlotsName(const QList<int> &slotList)
{
    return slotList.size() == 1 ? Label(slotList.first()) : TChannelTableModel::tr("%1 Channels").arg(slotList.size());
}

QList<int> SlotsOfMime(const QMimeData *data)
{
    QList<int> slotList;
    if (!data || !data->hasFormat(QLatin1String(TChannelTableModel::kSlotsMimeType)))
        return slotList;
    QDataStream stream(data->data(QLatin1String(TChannelTableModel::kSlotsMimeType)));
    stream >> slotList;
    return slotList;
}

// The CSV text without its Location column, so that its rows go to the
// chosen slot and the ones after it.
QByteArray WithoutLocation(const QByteArray &csv)
{
    TCsvTable table;
    QString error;
    if (!ReadCsv(csv, &table, &error))
        return csv;
    int column = -1;
    for (int i = 0; i < table.header.size(); ++i) {
        if (table.header[i].compare(QLatin1String("Location"), Qt::CaseInsensitive) == 0)
            column = i;
    }
    if (column < 0)
        return csv;
    QByteArray out;
    QStringList header = table.header;
    header.removeAt(column);
    out += CsvLine(header, table.separator);
    for (QStringList row : table.rows) {
        if (column < row.size())
            row.removeAt(column);
        out += CsvLine(row, table.separator);
    }
    return out;
}

} // namespace

TChannelTableModel::TChannelTableModel(TDocumentHost &host, QObject *parent)
    : QAbstractTableModel(parent), host_(host)
{
    const TChannelDocument &doc = host_.Document();
    shown_.reserve(kMemorySlots);
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        shown_ << doc.Record(rkMemory, slot);
    shownSources_ = OffsetSources();
}

int TChannelTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kMemorySlots;
}

int TChannelTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : tcColumnCount;
}

QVariant TChannelTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int slot = SlotOfRow(index.row());
    const int column = index.column();
    const TChannelDocument &doc = host_.Document();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return TableCellText(doc, slot, column);
    case Qt::CheckStateRole:
        // Flags of a channel show as check boxes; empty rows, and flags
        // the slot cannot have, show none.
        if (TableCellShowsFlag(doc, slot, column))
            return TableCellText(doc, slot, column).isEmpty() ? Qt::Unchecked : Qt::Checked;
        return QVariant();
    case Qt::ToolTipRole: {
        // A cell that takes no typing says why.
        const QString reason = TableCellReadOnlyReason(doc, slot, column);
        return reason.isEmpty() ? QVariant() : QVariant(reason);
    }
    case Qt::TextAlignmentRole:
        if (column == tcReceive || column == tcTransmit || column == tcOffset)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case SortRole:
        return TableSortKey(doc, slot, column);
    case SlotRole:
        return slot;
    }
    return QVariant();
}

QVariant TChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return TableColumnTitle(section);
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) {
        const QString reason = TableColumnReadOnlyReason(section);
        return reason.isEmpty() ? QVariant() : QVariant(reason);
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return Label(SlotOfRow(section));
    return QVariant();
}

Qt::ItemFlags TChannelTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    const int slot = SlotOfRow(index.row());
    if (TableCellEditable(host_.Document(), slot, index.column()))
        flags |= TableColumnIsFlag(index.column()) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return flags;
}

bool TChannelTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    QString text;
    if (role == Qt::CheckStateRole)
        text = value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    else if (role == Qt::EditRole)
        text = value.toString();
    else
        return false;
    return EditCell(SlotOfRow(index.row()), index.column(), text).status != TEditStatus::Refused;
}

// ---------------------------------------------------------------- changes

bool TChannelTableModel::SlotsChanged() const
{
    const TChannelDocument &doc = host_.Document();
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        if (doc.Record(rkMemory, slot) != shown_[RowOfSlot(slot)])
            return true;
    }
    return false;
}

QString TChannelTableModel::OffsetSources() const
{
    const TChannelDocument &doc = host_.Document();
    QStringList sources{doc.RadioType()};
    for (int band = 0; band < kBandLimitSlots; ++band)
        sources << doc.Record(rkBandLimit, band);
    for (int band = 0; band < kVfoSlots; ++band)
        sources << doc.Record(rkVfo, band);
    return sources.join(QLatin1Char('\n'));
}

bool TChannelTableModel::Finish(const QString &name)
{
    if (!SlotsChanged())
        return false;
    host_.SetModified(1);
    // The main window passes its redraw on to Reload; a host that does not
    // leaves it to the call below, which then finds the rows.
    host_.RefreshGrids();
    host_.RecordChange(name);
    Reload();
    return true;
}

void TChannelTableModel::Reload()
{
    const TChannelDocument &doc = host_.Document();
    int first = -1; // first row of the run of changed rows being collected
    for (int row = 0; row <= kMemorySlots; ++row) {
        bool changed = false;
        if (row < kMemorySlots) {
            const QString record = doc.Record(rkMemory, SlotOfRow(row));
            changed = record != shown_[row];
            if (changed)
                shown_[row] = record;
        }
        if (changed && first < 0)
            first = row;
        if (!changed && first >= 0) {
            emit dataChanged(index(first, 0), index(row - 1, tcColumnCount - 1));
            first = -1;
        }
    }
    const QString sources = OffsetSources();
    if (sources != shownSources_) {
        shownSources_ = sources;
        emit dataChanged(index(0, tcOffset), index(kMemorySlots - 1, tcOffset));
    }
}

TEditResult TChannelTableModel::EditCell(int slot, int column, const QString &text)
{
    const TEditResult result = ApplyCellEdit(host_.Document(), slot, column, text);
    switch (result.status) {
    case TEditStatus::Refused:
        emit CellRefused(slot, column, result.reason);
        break;
    case TEditStatus::Unchanged:
        break;
    default:
        Finish(tr("Edit %1 %2").arg(Label(slot), TableColumnTitle(column)));
        emit Outcome(false, result.notes.isEmpty()
                                ? QString()
                                : tr("%1 %2 adjusted: %3")
                                      .arg(Label(slot), TableColumnTitle(column), result.notes.join(QStringLiteral("; "))));
        break;
    }
    return result;
}

bool TChannelTableModel::BulkEdit(const QList<int> &slotList, const TBulkEdit &edit)
{
    const TBulkResult result = ApplyBulkEdit(host_.Document(), slotList, edit);
    if (!result.refusal.isEmpty()) {
        emit Outcome(true, result.refusal);
        return false;
    }
    const bool changed = Finish(edit.Name() + QLatin1Char(' ') + SlotsName(slotList));
    emit Outcome(false, tr("%1 channel(s) changed").arg(result.changed)
                            + (result.notes.isEmpty() ? QString() : QStringLiteral("; ") + result.notes.join(QStringLiteral("; "))));
    return changed;
}

bool TChannelTableModel::Swap(int a, int b)
{
    const TSlotResult result = SwapSlots(host_.Document(), a, b);
    if (!result.ok) {
        emit Outcome(true, result.reason);
        return false;
    }
    lastSlots_ = result.slotList;
    const bool changed = Finish(tr("Swap %1 and %2").arg(Label(a), Label(b)));
    emit Outcome(false, result.notes.join(QStringLiteral("; ")));
    return changed;
}

bool TChannelTableModel::Move(const QList<int> &slotList, int target)
{
    const TSlotResult result = MoveSlots(host_.Document(), slotList, target);
    if (!result.ok) {
        emit Outcome(true, result.reason);
        return false;
    }
    lastSlots_ = result.slotList;
    return Finish(tr("Move %1").arg(SlotsName(slotList)));
}

bool TChannelTableModel::Place(const QList<int> &slotList, int target)
{
    const TSlotResult result = PlaceSlots(host_.Document(), slotList, target);
    if (!result.ok) {
        emit Outcome(true, result.reason);
        return false;
    }
    lastSlots_ = result.slotList;
    const bool changed = Finish(tr("Move %1 to %2").arg(SlotsName(slotList), Label(target)));
    emit Outcome(false, result.notes.join(QStringLiteral("; ")));
    return changed;
}

bool TChannelTableModel::InsertAt(const QList<int> &slotList, int target)
{
    const TSlotResult result = InsertSlotsAt(host_.Document(), slotList, target);
    if (!result.ok) {
        emit Outcome(true, result.reason);
        return false;
    }
    lastSlots_ = result.slotList;
    return Finish(tr("Insert %1 at %2").arg(SlotsName(slotList), Label(target)));
}

bool TChannelTableModel::Shift(const QList<int> &slotList, int direction)
{
    const TSlotResult result = ShiftSlots(host_.Document(), slotList, direction);
    if (!result.ok) {
        emit Outcome(true, result.reason);
        return false;
    }
    lastSlots_ = result.slotList;
    return Finish((direction < 0 ? tr("Move %1 Up") : tr("Move %1 Down")).arg(SlotsName(slotList)));
}

bool TChannelTableModel::InsertEmpty(int slot, int count)
{
    const TSlotResult result = InsertEmptySlots(host_.Document(), slot, count);
    if (!result.ok) {
        emit Outcome(true, result.reason);
        return false;
    }
    lastSlots_ = result.slotList;
    return Finish(tr("Insert Empty Slot %1").arg(Label(slot)));
}

bool TChannelTableModel::DeleteCloseGap(const QList<int> &slotList)
{
    const TSlotResult result = DeleteAndCloseGap(host_.Document(), slotList);
    if (!result.ok) {
        emit Outcome(true, result.reason);
        return false;
    }
    lastSlots_ = result.slotList;
    return Finish(tr("Delete %1 and Close the Gap").arg(SlotsName(slotList)));
}

QByteArray TChannelTableModel::CopyCsv(const QList<int> &slotList) const
{
    return ExportCsv(host_.Document(), slotList);
}

bool TChannelTableModel::PasteCsv(const QByteArray &csv, int firstSlot)
{
    return ApplyPaste(PlanPaste(csv, firstSlot));
}

TCsvImportPlan TChannelTableModel::PlanPaste(const QByteArray &csv, int firstSlot) const
{
    const QByteArray text = firstSlot > 0 ? WithoutLocation(csv) : csv;
    return PlanCsvImport(text, host_.Document(), firstSlot);
}

bool TChannelTableModel::ApplyPaste(const TCsvImportPlan &plan)
{
    if (!plan.ok) {
        emit Outcome(true, plan.error);
        return false;
    }
    if (plan.StoredCount() == 0) {
        emit Outcome(true, tr("No row could be pasted.\n") + CsvImportReport(plan).join(QLatin1Char('\n')));
        return false;
    }
    QList<int> slotList;
    for (const TCsvRowResult &row : plan.rows) {
        if (row.status != TCsvRowStatus::Refused)
            slotList << row.slot;
    }
    ApplyCsvImport(plan, host_.Document());
    lastSlots_ = slotList;
    const bool changed = Finish(tr("Paste %1 Row(s)").arg(plan.StoredCount()));
    const bool clean = plan.Count(TCsvRowStatus::Adjusted) == 0 && plan.Count(TCsvRowStatus::Refused) == 0;
    emit Outcome(false, clean ? QString() : CsvImportReport(plan).join(QStringLiteral("; ")));
    return changed;
}

// ---------------------------------------------------------------- drag and drop

QStringList TChannelTableModel::mimeTypes() const
{
    return {QLatin1String(kSlotsMimeType), QStringLiteral("text/csv"), QStringLiteral("text/plain")};
}

QMimeData *TChannelTableModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> slotList;
    for (const QModelIndex &index : indexes) {
        const int slot = SlotOfRow(index.row());
        if (!slotList.contains(slot))
            slotList << slot;
    }
    std::sort(slotList.begin(), slotList.end());
    auto *data = new QMimeData;
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    stream << slotList;
    data->setData(QLatin1String(kSlotsMimeType), encoded);
    const QByteArray csv = CopyCsv(slotList);
    data->setData(QStringLiteral("text/csv"), csv);
    data->setText(QString::fromUtf8(csv));
    return data;
}

Qt::DropActions TChannelTableModel::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

Qt::DropActions TChannelTableModel::supportedDragActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

bool TChannelTableModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int, int, const QModelIndex &) const
{
    return data && data->hasFormat(QLatin1String(kSlotsMimeType));
}

bool TChannelTableModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                      const QModelIndex &parent)
{
    if (action == Qt::IgnoreAction)
        return true;
    const QList<int> slotList = SlotsOfMime(data);
    if (slotList.isEmpty())
        return false;
    // Rows are dropped onto a row: that row's slot is the target.
    const int target = parent.isValid() ? SlotOfRow(parent.row()) : (row >= 0 && row < kMemorySlots ? SlotOfRow(row) : 0);
    if (target == 0)
        return false;
    switch (DropKindOf(host_.Document(), slotList, target)) {
    case TDropKind::Nothing:
        break;
    case TDropKind::Place:
        Place(slotList, target);
        break;
    case TDropKind::Ask:
        emit DropNeedsChoice(slotList, target);
        break;
    }
    // The rows are moved here; the view must not remove any afterwards.
    return false;
}
