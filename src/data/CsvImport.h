// CSV import of memory channels through the memory editor's rules. The plan
// reads the rows and decides, row by row, what each one becomes without
// touching the document; applying it stores the records, so a window can
// show the report first and apply on OK as one step.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class TChannelDocument;

// A row is never stored with another transmit frequency than the one it
// asks for: a change that would move it refuses the row.
enum class TCsvRowStatus {
    Applied,  // stored as written; notes, if any, say how the channel holds
              // it (an offset other than the band's as a split channel)
    Adjusted, // stored with the changes its notes name
    Refused,  // not stored; the notes say why
};

struct TCsvRowResult {
    int line = 0;          // line of the file where the row starts (1-based)
    int slot = 0;          // memory slot 1..193; 0 when the location is unusable
    TCsvRowStatus status = TCsvRowStatus::Applied;
    QStringList notes;     // what was changed or how it is held, or why the row was refused
    QString record;        // the record text to store (not for refused rows)
};

struct TCsvImportPlan {
    bool ok = false;       // false: the file as a whole cannot be read
    QString error;         // why, when !ok
    QList<TCsvRowResult> rows;
    bool truncated = false; // the file had more rows than are read
    // Slot of the first row when the rows go in order from a chosen slot
    // (text without a Location column); 0 when each row names its own.
    int firstSlot = 0;

    int Count(TCsvRowStatus status) const;
    // Rows that store a record.
    int StoredCount() const { return Count(TCsvRowStatus::Applied) + Count(TCsvRowStatus::Adjusted); }
};

// Reads CSV text (',', ';' or tab, quotes, byte order mark, any line end, any
// column order; Location and Frequency columns required) and plans every
// row under the document's radio type, band limits and VFO offsets. With a
// first slot (1..193), text without a Location column is taken too and its
// rows go to that slot and the ones after it, as text pasted from a
// spreadsheet at the selected row.
TCsvImportPlan PlanCsvImport(const QByteArray &csv, const TChannelDocument &doc, int firstSlot = 0);

// A paste from a numbered channel stops at 180 unless the user agrees to
// go on into L1..PR: how many of the plan's rows, from the first, fit in
// the numbered channels (all of them when the rows name their Locations or
// start at L1..PR).
int CsvRowsWithinNumbered(const TCsvImportPlan &plan);
// The question asked before such a paste: which rows do not fit and which
// slot (and what it holds) each would replace, and what Yes (paste them
// all), No (paste only the rows that fit) and Cancel (paste nothing) do.
QString CsvOverflowQuestion(const TCsvImportPlan &plan, const TChannelDocument &doc);

// Stores the record of every applied or adjusted row; slots that no row
// names keep their content. Returns the number of slots written.
int ApplyCsvImport(const TCsvImportPlan &plan, TChannelDocument &doc);

// The report, one line per row: "line 3, 005: applied" (with its notes
// when it has any), "line 4, 006: adjusted: ...", "line 5: refused: ...",
// and a closing count line.
QStringList CsvImportReport(const TCsvImportPlan &plan);
