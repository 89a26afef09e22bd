// The channel table's rules: what each column of a memory slot shows and
// sorts by, and every change the table makes to memory slots (one cell, a
// bulk edit of many slots, moving, swapping, inserting and deleting slots).
// Every record these functions store is built by the memory channel's
// commit (CommitMemoryChannel), so the table never stores a record the editor would
// refuse. A change touches only what it names: a step or tone code the
// editor's lists cannot show (30 kHz, 100 kHz, 69.4 Hz) stays unless its
// own column is changed, and the frequencies are clamped and rounded only
// by a change of a frequency or of the step.
#pragma once

#include "MemoryChannel.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class TChannelDocument;

// Columns of the channel table, left to right.
enum TTableColumn {
    tcChannel = 0,       // slot label "001".."180", "L1".."U6", "PR"
    tcReceive,           // receive frequency, MHz
    tcStep,              // "12.5kHz"
    tcShift,             // "Simplex", "Plus", "Minus", "-7.6MHz", "Split"
    tcOffset,            // offset the shift uses, MHz (the band's VFO offset)
    tcReverse,           // "On" / ""
    tcToneMode,          // "Off", "Tone", "CTCSS"
    tcToneFrequency,     // "88.5Hz"
    tcCtcssFrequency,    // "88.5Hz"
    tcTransmit,          // split transmit frequency, MHz
    tcLockOut,           // "On" / ""
    tcName,
    tcColumnCount
};

// Header text of a column.
QString TableColumnTitle(int column);
// Whether a column takes a yes/no value (shown as a check box).
bool TableColumnIsFlag(int column);

// Text a cell shows; empty slots show only their label.
QString TableCellText(const TChannelDocument &doc, int slot, int column);
// Value a column sorts by: numbers for frequencies, steps and tones, text
// otherwise. Empty slots sort after every channel in ascending order.
QVariant TableSortKey(const TChannelDocument &doc, int slot, int column);
// Whether the cell can be edited (the label and the offset never; lock-out
// only on 001..180, split only on 001..180, name on 001..180 and PR).
bool TableCellEditable(const TChannelDocument &doc, int slot, int column);
// Why a cell takes no typing (for its tooltip); empty when it does.
QString TableCellReadOnlyReason(const TChannelDocument &doc, int slot, int column);
// Why a column as a whole never takes a value (for its header's tooltip);
// empty for the columns that do.
QString TableColumnReadOnlyReason(int column);
// Whether a flag cell shows a check box: a channel's Reverse, and the
// Lock Out of channels 001..180 (L1..U6 and PR have none).
bool TableCellShowsFlag(const TChannelDocument &doc, int slot, int column);
// The values a list column offers for one slot's cell: the -7.6MHz Shift
// only where the radio type has it and the channel is at 300 MHz or more.
// Empty for the columns that are typed.
QStringList TableCellChoices(const TChannelDocument &doc, int slot, int column);
// The same for a change of many channels at once (Bulk Edit): what the
// radio type allows on some channel.
QStringList TableColumnChoices(const TChannelDocument &doc, int column);

// Where the table window goes: beside the anchor (the main window's frame)
// on the side with room for size within the available screen area; where
// neither side has room, against the screen edge of the roomier side,
// covering as little of the anchor as it can. The size is bounded by the
// available area.
QRect TableWindowPlacement(const QRect &available, const QRect &anchor, const QSize &size);

enum class TEditStatus {
    Applied,   // stored as typed
    Adjusted,  // stored with the changes the notes name
    Refused,   // nothing stored; the reason says why
    Unchanged, // the record would stay as it is
};

struct TEditResult {
    TEditStatus status = TEditStatus::Unchanged;
    QString reason;      // why refused
    QStringList notes;   // what was adjusted
    QString record;      // the record to store (Applied/Adjusted)
};

// Plans the edit of one cell: text as typed (for flag columns "1", "0",
// "On", "Off", "Yes", "No"). Does not touch the document.
TEditResult PlanCellEdit(const TChannelDocument &doc, int slot, int column, const QString &text);
// Plans and stores it (unless refused or unchanged).
TEditResult ApplyCellEdit(TChannelDocument &doc, int slot, int column, const QString &text);

// A bulk edit: every value set applies to each chosen slot that holds a
// channel. Parts a slot cannot take (lock-out on L1..PR, a -7.6 MHz shift
// below 300 MHz) are skipped for that slot with a note.
struct TBulkEdit {
    std::optional<int> stepPosition;       // editor step list position 0..7
    std::optional<QChar> shift;            // '0' simplex, '1', '2', '3'
    std::optional<int> toneMode;           // 0 off, 1 tone, 2 CTCSS
    std::optional<int> tonePosition;       // editor tone list position 0..37
    std::optional<int> ctcssPosition;
    std::optional<bool> lockOut;
    bool clear = false;                    // empty the slots (everything else ignored)

    bool IsEmpty() const;
    // "Set Step", "Clear", "Bulk Edit": names the undo step.
    QString Name() const;
};

struct TBulkResult {
    int changed = 0;          // slots whose record changed
    QStringList notes;        // "005: ..." per slot part that was skipped or adjusted
    QString refusal;          // the edit as a whole is refused (nothing changed)
};

// A frequency of a slot that a bulk edit's step moves (rounded to it).
struct TFrequencyMove {
    int slot = 0;
    bool transmit = false;    // the split transmit frequency, else the receive frequency
    QString before;           // display texts, MHz
    QString after;
};

// What a bulk edit's step would do to the frequencies of the chosen slots.
// The split transmit frequency is never moved by a step: a slot whose
// transmit frequency the step cannot hold keeps its step (and both its
// frequencies), with a note; the rest of the edit still applies to it.
struct TBulkPlan {
    QList<TFrequencyMove> moves;     // frequencies applying the edit moves
    QList<TFrequencyMove> stepKept;  // per slot that keeps its step: the Tx move it avoids
};

// Plans a bulk edit without touching the document (empty when it sets no step).
TBulkPlan PlanBulkEdit(const TChannelDocument &doc, const QList<int> &slotList, const TBulkEdit &edit);

TBulkResult ApplyBulkEdit(TChannelDocument &doc, const QList<int> &slotList, const TBulkEdit &edit);

// Moving and renumbering slots. Records keep everything but their label;
// a record that lands in a slot of another class (001..180, L1..U6, PR) is
// rebuilt for it by the editor's rules (split, name and lock-out dropped
// where the slot has none) with a note.
struct TSlotResult {
    bool ok = false;
    QString reason;           // why refused
    QStringList notes;
    QList<int> slotList;         // where the moved records are now (selection to show)
};

// Swaps the records of two slots 1..193.
TSlotResult SwapSlots(TChannelDocument &doc, int a, int b);

// What dropping the chosen slots onto slot target does.
enum class TDropKind {
    Nothing, // dropped onto itself
    Place,   // the target (and the slots after it, for more than one) is free: PlaceSlots
    Ask,     // the target holds a channel: swap (one slot) or insert here, as the user chooses
};
TDropKind DropKindOf(const TChannelDocument &doc, const QList<int> &slotList, int target);
// Puts the records of the chosen slots on target and the slots after it,
// which must be empty or among the chosen; the chosen slots left behind are
// empty and nothing else moves (a channel's number is what the user dials).
TSlotResult PlaceSlots(TChannelDocument &doc, const QList<int> &slotList, int target);
// Puts the records of the chosen slots (all within 1..180) on target and
// the slots after it; the channels from target on move down into the
// nearest empty slots (the chosen slots count as empty once their records
// left them). Refused when 1..180 has no room for them.
TSlotResult InsertSlotsAt(TChannelDocument &doc, const QList<int> &slotList, int target);
// Moves the records of the chosen slots (all within 1..180) so that they
// stand together, in slot order, before slot target (181: after 180); the
// slots in between close up. Used by Move Up and Move Down.
TSlotResult MoveSlots(TChannelDocument &doc, const QList<int> &slotList, int target);
// Moves the chosen slots one place up (-1) or down (+1). Refused at the
// edge of 1..180 and for slots outside it.
TSlotResult ShiftSlots(TChannelDocument &doc, const QList<int> &slotList, int direction);
// Inserts count empty slots at slot (1..180): slot..180-count move down.
// Refused when that would push a channel past 180.
TSlotResult InsertEmptySlots(TChannelDocument &doc, int slot, int count = 1);
// Empties the chosen slots (1..180) and closes the gap: the later channels
// move up, the freed slots at the end of 1..180 are empty.
TSlotResult DeleteAndCloseGap(TChannelDocument &doc, const QList<int> &slotList);

// Find: whether a slot matches the text typed into the find box. A text of
// digits and at most one '.' is a frequency: it matches a receive or
// transmit frequency that equals it or whose display starts with it; any
// other text matches names that contain it (ignoring case).
bool SlotMatchesFind(const TChannelDocument &doc, int slot, const QString &query);
