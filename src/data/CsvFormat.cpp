// CSV reading and writing.
#include "CsvFormat.h"

#include <QStringDecoder>

namespace {

const QChar kQuote = QLatin1Char('"');
const QChar kCr = QLatin1Char('\r');
const QChar kLf = QLatin1Char('\n');

// Text of the bytes: UTF-8 (without its byte order mark), or Latin-1 when
// the bytes are not valid UTF-8, so old spreadsheet exports keep their
// accented letters.
QString DecodeText(const QByteArray &data)
{
    QByteArray bytes = data;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

// Separator of the first row: the more frequent of ',' and ';' outside
// quotes.
QChar DetectSeparator(const QString &text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == kQuote) {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == kCr || c == kLf)
                break;
            if (c == QLatin1Char(','))
                ++commas;
            else if (c == QLatin1Char(';'))
                ++semicolons;
        }
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
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
        *error = QStringLiteral("larger than %1 MiB").arg(kCsvMaxBytes / (1024 * 1024));
        return false;
    }
    const QString text = DecodeText(data);
    const QChar separator = DetectSeparator(text);
    table->separator = separator;

    // One pass over the characters; a quote opens a quoted stretch only at
    // the start of a field, and inside it two quotes stand for one.
    QStringList fields;
    QString field;
    bool quoted = false;
    bool fieldStarted = false; // something (even a quote) is in the field
    int line = 1;
    int rowLine = 1;
    bool haveHeader = false;

    auto endField = [&]() {
        if (fields.size() < kCsvMaxFields)
            fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRow = [&]() -> bool {
        endField();
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
        return true;
    };

    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
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
            continue;
        }
        if (c == kQuote && !fieldStarted) {
            // Spaces before an opening quote are dropped with the quote.
            field.clear();
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == kCr || c == kLf) {
            if (c == kCr && i + 1 < n && text.at(i + 1) == kLf)
                ++i;
            if (!endRow())
                return true;
            ++line;
            rowLine = line;
        } else {
            field.append(c);
            if (c != QLatin1Char(' '))
                fieldStarted = true;
        }
    }
    if (!field.isEmpty() || !fields.isEmpty() || fieldStarted)
        endRow();

    if (!haveHeader) {
        *error = QStringLiteral("no rows");
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
