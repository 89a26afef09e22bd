// TChannelTableModel: the document's memory slots 1..193 as a table, one
// row per slot (row r is slot r + 1) and one column per field. It reads the
// document on every request. Every change goes through the channel table
// rules, then the host: Modified, the lists redrawn and one named undo
// step. The view is told only of the rows whose slots changed: the model
// remembers the records the rows last showed (shared text, no copying) and
// what else the cells read.
#pragma once

#include "data/ChannelTableRules.h"
#include "data/CsvImport.h"

#include <QAbstractTableModel>
#include <QStringList>

class TDocumentHost;

class TChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Roles besides the standard ones.
    enum Role {
        SortRole = Qt::UserRole + 1, // value the column sorts by
        SlotRole,                    // memory slot 1..193
    };
    static constexpr const char *kSlotsMimeType = "application/x-vxl-r381-slots";

    explicit TChannelTableModel(TDocumentHost &host, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Rows are dragged as their slot numbers and dropped as a move.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    static int SlotOfRow(int row) { return row + 1; }
    static int RowOfSlot(int slot) { return slot - 1; }

    // The document may have changed (an editor, a paste, a read, undo, or
    // the table's own change): the rows whose slots changed since the view
    // was last told are redrawn, each run of neighbouring rows at once.
    void Reload();

    // Changes. Each returns whether the document changed; the outcome
    // (notes, or the reason of a refusal) goes out as Outcome.
    TEditResult EditCell(int slot, int column, const QString &text);
    bool BulkEdit(const QList<int> &slotList, const TBulkEdit &edit);
    bool Swap(int a, int b);
    bool Move(const QList<int> &slotList, int target);
    // A drop's outcomes: into free slots (nothing else moves), or inserted
    // at a channel, the channels from there on moving down.
    bool Place(const QList<int> &slotList, int target);
    bool InsertAt(const QList<int> &slotList, int target);
    bool Shift(const QList<int> &slotList, int direction);
    bool InsertEmpty(int slot, int count = 1);
    bool DeleteCloseGap(const QList<int> &slotList);
    // CSV text of the slots (header and one row per channel).
    QByteArray CopyCsv(const QList<int> &slotList) const;
    // Pastes CSV text: at firstSlot and the slots after it, or, when
    // firstSlot is 0, at the Location each row names.
    bool PasteCsv(const QByteArray &csv, int firstSlot);
    // The two halves of PasteCsv, for a window that asks between them:
    // what each row would become, and storing a plan as one step.
    TCsvImportPlan PlanPaste(const QByteArray &csv, int firstSlot) const;
    bool ApplyPaste(const TCsvImportPlan &plan);

    // Where the last move, swap, insert or delete left its records.
    QList<int> LastSlots() const { return lastSlots_; }

signals:
    // What a change did: refused (with the reason), or the notes of an
    // adjusted or partly applied change; empty notes for a plain success.
    void Outcome(bool refused, const QString &text);
    // A typed cell value was refused; nothing changed.
    void CellRefused(int slot, int column, const QString &reason);
    // Rows were dropped onto a channel: the user chooses between a swap and
    // an insert (the model asks nobody itself).
    void DropNeedsChoice(const QList<int> &slotList, int target);

private:
    // Stores the step when the memory slots changed since the view was
    // last told; false when they did not.
    bool Finish(const QString &name);
    bool SlotsChanged() const;
    // What the Offset column reads besides the row's record: the radio
    // type, the band limits and the VFO records (their offsets).
    QString OffsetSources() const;

    TDocumentHost &host_;
    QList<int> lastSlots_;
    QStringList shown_;     // record of each slot as the rows show it, by row
    QString shownSources_;  // OffsetSources() as the Offset column shows it
};
