// Comma-separated text as spreadsheets and other radio programming tools
// write it: comma, semicolon or tab separators, quoted fields (quotes doubled
// inside), UTF-8 (or Latin-1) text, or UTF-16 or UTF-32 text with its byte
// order mark, CR LF, LF or CR line ends.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Limits that keep any input cheap to read and to show: a larger input is
// refused, and reading stops after so many rows. A field longer than any
// channel needs, or a non-blank field beyond the last column, refuses the
// whole input (naming its line and column) rather than losing data; blank
// fields beyond the last column hold nothing and are dropped.
constexpr qsizetype kCsvMaxBytes = 16 * 1024 * 1024;
constexpr int kCsvMaxRows = 5000;
constexpr int kCsvMaxColumns = 256;
constexpr int kCsvMaxFieldChars = 1024;

struct TCsvTable {
    QChar separator = QLatin1Char(',');
    QStringList header;        // first non-empty row, fields trimmed
    QList<QStringList> rows;   // every later row that holds a non-blank field
    QList<int> rowLines;       // line number (1-based) where each row starts
    bool truncated = false;    // reading stopped at kCsvMaxRows
};

// Reads CSV text. The separator is the one of ',', ';' and tab that occurs
// most often outside quotes in the first row (',' before ';' before tab on a
// tie). Fails on an input
// larger than kCsvMaxBytes, one without any row, text that is not valid in
// the encoding its byte order mark names, and a field beyond the limits
// above; *error then says why ("line 3, column 5 (Name): ...").
bool ReadCsv(const QByteArray &data, TCsvTable *table, QString *error);

// One CSV line with CR LF: fields holding the separator, a quote, a line
// break or leading or trailing spaces are quoted.
QByteArray CsvLine(const QStringList &fields, QChar separator = QLatin1Char(','));
