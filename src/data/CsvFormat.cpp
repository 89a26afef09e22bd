// CSV reading and writing.
#include "CsvFormat.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

const QChar kQuote = QLatin1Char('"');
const QChar kCr = QLatin1Char('\r');
const QChar kLf = QLatin1Char('\n');

// Text of the bytes. A UTF-32 or UTF-16 byte order mark names its
// encoding, and text not valid in it is refused (*error names the
// encoding). Otherwise UTF-8 (without its byte order mark), or Latin-1 when
// the bytes are not valid UTF-8, so old spreadsheet exports keep their
// accented letters.
bool DecodeText(const QByteArray &data, QString *text, QString *error)
{
    struct TByteOrderMark {
        QByteArrayView bytes;
        QStringConverter::Encoding encoding;
        const char *name;
    };
    // UTF-32LE first: its mark begins with the UTF-16LE one.
    static const TByteOrderMark kMarks[] = {
        {QByteArrayView("\xFF\xFE\x00\x00", 4), QStringConverter::Utf32LE, "UTF-32LE"},
        {QByteArrayView("\x00\x00\xFE\xFF", 4), QStringConverter::Utf32BE, "UTF-32BE"},
        {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE, "UTF-16LE"},
        {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE, "UTF-16BE"},
    };
    for (const TByteOrderMark &mark : kMarks) {
        if (!data.startsWith(mark.bytes))
            continue;
        // Code units are 2 or 4 bytes, as long as the mark.
        const QByteArrayView units = QByteArrayView(data).sliced(mark.bytes.size());
        QStringDecoder decoder(mark.encoding, QStringDecoder::Flag::Stateless);
        *text = decoder.decode(units);
        if (decoder.hasError() || units.size() % mark.bytes.size() != 0) {
            *error = QCoreApplication::translate("CsvFormat", "not valid %1 text (it starts with the %1 byte order mark)")
                         .arg(QLatin1String(mark.name));
            return false;
        }
        return true;
    }

    QByteArrayView bytes(data);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = utf8.decode(bytes);
    if (utf8.hasError())
        *text = QString::fromLatin1(bytes);
    return true;
}

// Separator of the first row: the most frequent of ',', ';' and tab
// outside quotes (in that order on a tie). Spreadsheets put tab-separated
// text on the clipboard; some locales write ';'.
QChar DetectSeparator(const QString &text)
{
    const QChar candidates[] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    int counts[3] = {0, 0, 0};
    bool quoted = false;
    for (QChar c : text) {
        if (c == kQuote) {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == kCr || c == kLf)
                break;
            for (int i = 0; i < 3; ++i)
                counts[i] += c == candidates[i] ? 1 : 0;
        }
    }
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

bool IsBlankRow(const QStringList &fields)
{
    for (const QString &field : fields) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

bool ReadCsv(const QByteArray &data, TCsvTable *table, QString *error)
{
    *table = TCsvTable();
    if (data.size() > kCsvMaxBytes) {
        *error = QCoreApplication::translate("CsvFormat", "larger than %1 MiB").arg(kCsvMaxBytes / (1024 * 1024));
        return false;
    }
    QString text;
    if (!DecodeText(data, &text, error))
        return false;
    const QChar separator = DetectSeparator(text);
    table->separator = separator;

    // One pass over the characters; a quote opens a quoted stretch only at
    // the start of a field, and inside it two quotes stand for one.
    QStringList fields;
    QString field;
    bool quoted = false;
    bool fieldStarted = false; // something (even a quote) is in the field
    int column = 0;            // of the field being read, 0-based
    int line = 1;
    int rowLine = 1;
    bool haveHeader = false;
    QString failure;

    // "line 3, column 5 (Name)": where the field being read starts.
    auto where = [&]() {
        QString place = QCoreApplication::translate("CsvFormat", "line %1, column %2").arg(rowLine).arg(column + 1);
        const QString name = haveHeader ? table->header.value(column) : QString();
        if (!name.isEmpty())
            place += QStringLiteral(" (%1)").arg(name);
        return place;
    };
    // Checked as the field grows, so an oversized one is refused before it
    // is read to its end.
    auto fieldTooLong = [&]() {
        if (field.size() <= kCsvMaxFieldChars)
            return false;
        failure = QCoreApplication::translate("CsvFormat", "%1: a field longer than %2 characters").arg(where()).arg(kCsvMaxFieldChars);
        return true;
    };
    auto endField = [&]() -> bool {
        if (column < kCsvMaxColumns) {
            fields.append(field);
        } else if (!field.trimmed().isEmpty()) {
            failure = QCoreApplication::translate("CsvFormat", "%1: more than %2 columns").arg(where()).arg(kCsvMaxColumns);
            return false;
        }
        ++column;
        field.clear();
        fieldStarted = false;
        return true;
    };
    // False when reading stops: a failure, or the row limit.
    auto endRow = [&]() -> bool {
        if (!endField())
            return false;
        if (!IsBlankRow(fields)) {
            if (!haveHeader) {
                for (QString &name : fields)
                    name = name.trimmed();
                table->header = fields;
                haveHeader = true;
            } else {
                if (table->rows.size() >= kCsvMaxRows) {
                    table->truncated = true;
                    return false;
                }
                table->rows.append(fields);
                table->rowLines.append(rowLine);
            }
        }
        fields.clear();
        column = 0;
        return true;
    };

    const qsizetype n = text.size();
    bool stopped = false;
    for (qsizetype i = 0; i < n && !stopped; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == kQuote) {
                if (i + 1 < n && text.at(i + 1) == kQuote) {
                    field.append(kQuote);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == kLf || (c == kCr && !(i + 1 < n && text.at(i + 1) == kLf)))
                    ++line;
                field.append(c);
            }
            stopped = fieldTooLong();
            continue;
        }
        if (c == kQuote && !fieldStarted) {
            // Spaces before an opening quote are dropped with the quote.
            field.clear();
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            stopped = !endField();
        } else if (c == kCr || c == kLf) {
            if (c == kCr && i + 1 < n && text.at(i + 1) == kLf)
                ++i;
            stopped = !endRow();
            ++line;
            rowLine = line;
        } else {
            field.append(c);
            if (c != QLatin1Char(' '))
                fieldStarted = true;
            stopped = fieldTooLong();
        }
    }
    if (!stopped && (!field.isEmpty() || !fields.isEmpty() || fieldStarted))
        endRow();

    if (!failure.isEmpty()) {
        *error = failure;
        *table = TCsvTable();
        return false;
    }
    if (!haveHeader) {
        *error = QCoreApplication::translate("CsvFormat", "no rows");
        return false;
    }
    return true;
}

QByteArray CsvLine(const QStringList &fields, QChar separator)
{
    QString line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line.append(separator);
        const QString &field = fields.at(i);
        const bool needsQuotes = field.contains(separator) || field.contains(kQuote)
            || field.contains(kCr) || field.contains(kLf)
            || (!field.isEmpty() && (field.front() == QLatin1Char(' ') || field.back() == QLatin1Char(' ')));
        if (needsQuotes) {
            QString escaped = field;
            escaped.replace(kQuote, QStringLiteral("\"\""));
            line += kQuote + escaped + kQuote;
        } else {
            line += field;
        }
    }
    line += QStringLiteral("\r\n");
    return line.toUtf8();
}
