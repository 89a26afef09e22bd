// Differences between two documents in human terms, one line per slot that
// differs: "005 Name: GB3XX -> GB3YY; Tone: off -> 88.5 Hz".
#pragma once

#include <QString>
#include <QStringList>

class TChannelDocument;

enum class TDiffScope {
    Whole,      // every memory slot, VFO, CALL channel, DTMF memory and the comment
    CsvFields,  // memory slots only, and only what a CSV row carries
};

// Lines for the slots that differ from a to b, in the order memory slots,
// VFO bands, CALL channels, DTMF memories, comment; empty when equal.
// Band labels follow a's radio type.
QStringList DiffDocuments(const TChannelDocument &a, const QString &commentA, const TChannelDocument &b,
                          const QString &commentB, TDiffScope scope);
