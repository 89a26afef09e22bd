// Record texts: field extraction and assembly.
#include "RecordFields.h"

QString RecordTextField(const QString &record, int field)
{
    if (field < 0 || record.isEmpty())
        return QString();
    if (field > cfLastChannelField)
        field = cfLastChannelField;

    // Walk to the start of the wanted field without splitting the whole text.
    int start = 0;
    for (int i = 0; i < field; ++i) {
        const int comma = record.indexOf(QLatin1Char(','), start);
        if (comma < 0)
            return QString();
        start = comma + 1;
    }
    const int end = record.indexOf(QLatin1Char(','), start);
    return end < 0 ? record.mid(start) : record.mid(start, end - start);
}

TRecordBuilder &TRecordBuilder::Set(int field, const QString &text)
{
    if (field >= 0 && field < kFields) {
        fields_[field] = text;
        runEnd_[field] = 0;
    }
    return *this;
}

TRecordBuilder &TRecordBuilder::SetRun(int first, int last, const QString &text)
{
    if (first < 0 || first >= kFields || last < first)
        return *this;
    last = qMin(last, kFields - 1);
    fields_[first] = text;
    runEnd_[first] = last;
    for (int field = first + 1; field <= last; ++field) {
        fields_[field].clear();
        runEnd_[field] = 0;
    }
    return *this;
}

QString TRecordBuilder::Text(int lastField) const
{
    lastField = qMin(lastField, kFields - 1);
    QString text;
    for (int field = 0; field <= lastField;) {
        if (field > 0)
            text += QLatin1Char(',');
        text += fields_[field];
        field = runEnd_[field] > field ? runEnd_[field] + 1 : field + 1;
    }
    return text;
}

bool IsDigitText(const QString &text, int length)
{
    if (text.size() != length)
        return false;
    for (QChar c : text)
        if (!IsDecimalDigit(c))
            return false;
    return true;
}
