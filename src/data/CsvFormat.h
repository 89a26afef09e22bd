// Comma-separated text as spreadsheets and other radio programming tools
// write it: comma or semicolon separators, quoted fields (quotes doubled
// inside), an optional UTF-8 byte order mark, CR LF, LF or CR line ends.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Limits that keep any input cheap to read: a larger input is refused, and
// reading stops after so many rows or keeps so many fields of a row.
constexpr qsizetype kCsvMaxBytes = 16 * 1024 * 1024;
constexpr int kCsvMaxRows = 5000;
constexpr int kCsvMaxFields = 64;

struct TCsvTable {
    QChar separator = QLatin1Char(',');
    QStringList header;        // first non-empty row, fields trimmed
    QList<QStringList> rows;   // every later row that holds a non-blank field
    QList<int> rowLines;       // line number (1-based) where each row starts
    bool truncated = false;    // reading stopped at kCsvMaxRows
};

// Reads CSV text. The separator is the one of ',' and ';' that occurs more
// often outside quotes in the first row (',' on a tie). Fails only on an
// input larger than kCsvMaxBytes or without any row; *error then says why.
bool ReadCsv(const QByteArray &data, TCsvTable *table, QString *error);

// One CSV line with CR LF: fields holding the separator, a quote, a line
// break or leading or trailing spaces are quoted.
QByteArray CsvLine(const QStringList &fields, QChar separator = QLatin1Char(','));
