// Field-by-field comparison of two documents.
#include "DocumentDiff.h"

#include "BandPlan.h"
#include "ChannelDocument.h"
#include "RecordFields.h"
#include "FrequencyRules.h"

#include <QList>

namespace {

struct TFieldText {
    QString name;
    QString value;  // what is shown
    QString detail; // shown in brackets when the values agree but this differs
};

bool IsDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString FrequencyText(const QString &field)
{
    if (field.isEmpty())
        return QStringLiteral("none");
    if (field.size() == 11 && IsDigits(field))
        return FormatFrequency(field) + QStringLiteral(" MHz");
    return field;
}

QString StepValue(const QString &code)
{
    const QString text = StepTextOfCode(code);
    if (text.isEmpty())
        return code.isEmpty() ? QStringLiteral("none") : code;
    return QString(text).replace(QStringLiteral("kHz"), QStringLiteral(" kHz"));
}

QString ShiftValue(const QString &code, bool split)
{
    if (split)
        return QStringLiteral("split");
    if (code == QLatin1String("1"))
        return QStringLiteral("plus");
    if (code == QLatin1String("2"))
        return QStringLiteral("minus");
    if (code == QLatin1String("3"))
        return QStringLiteral("-7.6 MHz");
    return QStringLiteral("simplex");
}

QString OnOff(const QString &flag)
{
    return flag == QLatin1String("1") ? QStringLiteral("on") : QStringLiteral("off");
}

QString ToneHz(const QString &code)
{
    QString text = ToneTextOfCode(code);
    if (text.isEmpty())
        return code;
    text.chop(2);
    return text + QStringLiteral(" Hz");
}

TFieldText ToneField(const QString &name, const QString &flag, const QString &code)
{
    const QString hz = ToneHz(code);
    return {name, flag == QLatin1String("1") ? hz : QStringLiteral("off"), hz};
}

QString Shown(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("none") : text;
}

bool HasData(const TChannelDocument &doc, int kind, int index)
{
    return !doc.Record(kind, index).isEmpty();
}

QList<TFieldText> FieldsOf(const TChannelDocument &doc, int kind, int index, TDiffScope scope)
{
    auto field = [&](ChannelField number) { return doc.GetRecordField(kind, index, number); };
    QList<TFieldText> fields;
    const bool split = !field(cfTransmitFrequency).isEmpty();
    fields.append({QStringLiteral("Frequency"), FrequencyText(field(cfReceiveFrequency)), {}});
    fields.append({QStringLiteral("Step"), StepValue(field(cfStep)), {}});
    fields.append({QStringLiteral("Shift"), ShiftValue(field(cfShift), split), {}});
    if (kind != rkVfo)
        fields.append({QStringLiteral("Tx Frequency"), FrequencyText(field(cfTransmitFrequency)), {}});
    if (scope == TDiffScope::Whole)
        fields.append({QStringLiteral("Reverse"), OnOff(field(cfReverse)), {}});
    fields.append(ToneField(QStringLiteral("Tone"), field(cfToneOn), field(cfToneCode)));
    fields.append(ToneField(QStringLiteral("CTCSS"), field(cfCtcssOn), field(cfCtcssCode)));
    if (kind == rkVfo) {
        const QString offset = field(cfOffset);
        fields.append({QStringLiteral("Offset"),
                       offset.size() == 9 && IsDigits(offset) ? FormatOffset(offset) + QStringLiteral(" MHz") : Shown(offset),
                       {}});
        const QString power = field(cfPower);
        const QString powerText = power.size() == 1 && IsDigits(power) ? PowerText(power.toInt()) : QString();
        fields.append({QStringLiteral("Power"), powerText.isEmpty() ? Shown(power) : powerText, {}});
    }
    if (kind == rkMemory) {
        fields.append({QStringLiteral("Lock Out"), OnOff(field(cfLockOut)), {}});
        fields.append({QStringLiteral("Name"), Shown(field(cfName)), {}});
    }
    return fields;
}

// "Frequency 145.500 MHz, Step 12.5 kHz, ..." without the fields that hold
// nothing.
QString Summary(const QList<TFieldText> &fields)
{
    QStringList parts;
    for (const TFieldText &f : fields) {
        if (f.value != QLatin1String("none") && f.value != QLatin1String("off"))
            parts << f.name + QLatin1Char(' ') + f.value;
    }
    return parts.join(QStringLiteral(", "));
}

// The differing fields of one slot ("Name: A -> B; Tone: off -> 88.5 Hz"),
// or empty.
QString CompareSlot(const TChannelDocument &a, const TChannelDocument &b, int kind, int index, TDiffScope scope)
{
    const bool inA = HasData(a, kind, index);
    const bool inB = HasData(b, kind, index);
    if (!inA && !inB)
        return QString();
    if (kind == rkDtmf) {
        const QString codeA = a.GetRecordField(kind, index, dfCode);
        const QString codeB = b.GetRecordField(kind, index, dfCode);
        if (inA == inB && codeA == codeB)
            return QString();
        auto shown = [](bool present, const QString &code) {
            return present ? (code.isEmpty() ? QStringLiteral("(no code)") : code) : QStringLiteral("empty");
        };
        return shown(inA, codeA) + QStringLiteral(" -> ") + shown(inB, codeB);
    }
    const QList<TFieldText> fieldsA = FieldsOf(a, kind, index, scope);
    const QList<TFieldText> fieldsB = FieldsOf(b, kind, index, scope);
    if (!inA)
        return QStringLiteral("empty -> ") + Summary(fieldsB);
    if (!inB)
        return Summary(fieldsA) + QStringLiteral(" -> empty");
    QStringList parts;
    for (int i = 0; i < fieldsA.size() && i < fieldsB.size(); ++i) {
        const TFieldText &fa = fieldsA.at(i);
        const TFieldText &fb = fieldsB.at(i);
        if (fa.value != fb.value)
            parts << QStringLiteral("%1: %2 -> %3").arg(fa.name, fa.value, fb.value);
        else if (fa.detail != fb.detail)
            parts << QStringLiteral("%1: %2 (%3) -> %2 (%4)").arg(fa.name, fa.value, fa.detail, fb.detail);
    }
    if (parts.isEmpty() && scope == TDiffScope::Whole && a.Record(kind, index) != b.Record(kind, index))
        parts << QStringLiteral("Record: %1 -> %2").arg(a.Record(kind, index), b.Record(kind, index));
    return parts.join(QStringLiteral("; "));
}

} // namespace

QStringList DiffDocuments(const TChannelDocument &a, const QString &commentA, const TChannelDocument &b,
                          const QString &commentB, TDiffScope scope)
{
    QStringList lines;
    auto add = [&](const QString &label, const QString &difference, const QString &separator) {
        if (!difference.isEmpty())
            lines << label + separator + difference;
    };
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        const QString difference = CompareSlot(a, b, rkMemory, slot, scope);
        // "005 Name: A -> B", but "005: empty -> ..." for a whole channel.
        const bool whole = difference.startsWith(QLatin1String("empty ->")) || difference.endsWith(QLatin1String("-> empty"));
        add(MemorySlotLabel(slot), difference, whole ? QStringLiteral(": ") : QStringLiteral(" "));
    }
    if (scope == TDiffScope::CsvFields)
        return lines;

    for (int band = 0; band < kVfoSlots; ++band) {
        const QString difference = CompareSlot(a, b, rkVfo, band, scope);
        const bool whole = difference.startsWith(QLatin1String("empty ->")) || difference.endsWith(QLatin1String("-> empty"));
        add(QStringLiteral("VFO ") + BandLabel(a, band), difference, whole ? QStringLiteral(": ") : QStringLiteral(" "));
    }
    for (int index = 0; index < kCallSlots; ++index) {
        const QString difference = CompareSlot(a, b, rkCall, index, scope);
        const bool whole = difference.startsWith(QLatin1String("empty ->")) || difference.endsWith(QLatin1String("-> empty"));
        add(QStringLiteral("CALL ") + BandLabel(a, index == 0 ? 1 : 3), difference,
            whole ? QStringLiteral(": ") : QStringLiteral(" "));
    }
    for (int index = 0; index < kDtmfSlots; ++index)
        add(QStringLiteral("DTMF %1").arg(index, 2, 10, QLatin1Char('0')), CompareSlot(a, b, rkDtmf, index, scope),
            QStringLiteral(": "));
    if (commentA != commentB)
        lines << QStringLiteral("Comment: %1 -> %2").arg(commentA, commentB);
    return lines;
}
