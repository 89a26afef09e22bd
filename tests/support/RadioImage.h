// Radio memories for the transfer tests: a fully populated document, and
// the command lines a complete write of a document sends, built straight
// from the record texts.
#pragma once

#include "data/ChannelDocument.h"

#include <QString>
#include <QStringList>

// Radio type and band limits of a radio with all five bands.
inline const char *const kAllBandsType = "0,2,00,1,1,1,1";
inline const char *const kAllBandsLimits = "00118,00135,00136,00173,00300,00399,00410,00469,00800,00999";

inline QString Digits(long long value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// Memory record of slot 1..193 with varied fields; slots 1..180 are split
// every fifth slot and named unless divisible by four.
inline QString PopulatedMemoryRecord(int slot)
{
    QStringList f;
    const long long rx = slot % 3 ? 144000000LL + slot * 12500LL : 430000000LL + slot * 25000LL;
    f << MemorySlotLabel(slot) << Digits(rx, 11) << QString::number(slot % 10)
      << QString::number(slot % 4) << QString::number(slot % 2) << QString::number((slot / 2) % 2)
      << QString::number((slot / 3) % 2) << QString() << Digits(slot % 39 + 1, 2) << QString()
      << Digits((slot * 7) % 39 + 1, 2) << QString();
    const bool numbered = slot <= 180;
    f << (numbered ? QString::number((slot / 5) % 2) : QString()) << QString();
    if (numbered && slot % 5 == 0)
        f << Digits(rx + 5000000LL, 11) << QString::number(slot % 10);
    else
        f << QString() << QString();
    f << QString();
    if (slot == 193)
        f << QStringLiteral("HOME");
    else if (numbered && slot % 4)
        f << (slot % 3 ? QStringLiteral("CH%1").arg(slot) : QStringLiteral("A.B %1").arg(slot % 100));
    else
        f << QString();
    return f.join(QLatin1Char(','));
}

// A document that fills every slot of a radio with all bands.
inline TChannelDocument PopulatedDocument()
{
    TChannelDocument doc;
    doc.SetRadioType(QLatin1String(kAllBandsType));
    doc.ParseBandLimits(QLatin1String(kAllBandsLimits));
    for (int slot = 1; slot <= 193; ++slot)
        doc.SetMemoryRecord(slot, PopulatedMemoryRecord(slot));
    doc.SetCallRecord(0, QStringLiteral("0,00145000000,5,0,0,1,0,,12,,09,,,,,,,"));
    doc.SetCallRecord(1, QStringLiteral("1,00433000000,6,0,0,0,1,,09,,21,,,,00438000000,6,,"));
    doc.SetVfoRecord(0, QStringLiteral("1,00118100000,3,0,0,0,0,,09,,09,000000000,,,,,,"));
    doc.SetVfoRecord(1, QStringLiteral("2,00145500000,5,1,0,1,0,,14,,09,000600000,,,,,1,"));
    doc.SetVfoRecord(2, QStringLiteral("5,00310000000,6,0,0,0,0,,09,,09,000000000,,,,,,"));
    doc.SetVfoRecord(3, QStringLiteral("6,00435000000,6,2,0,0,1,,09,,33,005000000,,,,,3,"));
    doc.SetVfoRecord(4, QStringLiteral("8,00850000000,6,0,0,0,0,,09,,09,000000000,,,,,,"));
    const char *codes[] = {"123*#", "0", "A*B#C", "D", "0123456789ABCD*#", "1", "22", "333", "#", "*"};
    for (int n = 0; n < 10; ++n)
        doc.SetDtmfRecord(n, QStringLiteral("0%1,%2").arg(n).arg(QLatin1String(codes[n])));
    return doc;
}

// A radio with every kind of empty item: empty slots (every third numbered
// slot, L2, U4 and PR), slots without a name or a split, a CALL channel
// without a split, no VFO on bands 2 and 4, DTMF memories without a code.
inline TChannelDocument SparseRadioDocument()
{
    TChannelDocument doc = PopulatedDocument();
    for (int slot = 3; slot <= 180; slot += 3)
        doc.ClearMemoryRecord(slot);
    for (int slot : {183, 188, 193})
        doc.ClearMemoryRecord(slot);
    doc.SetCallRecord(0, QStringLiteral("0,00145000000,5,0,0,1,0,,12,,09,,,,,,,"));
    doc.SetVfoRecord(2, QString());
    doc.SetVfoRecord(4, QString());
    for (int n : {3, 7, 9})
        doc.SetDtmfRecord(n, QStringLiteral("0%1,").arg(n));
    return doc;
}

// What a read of SparseRadioDocument() gives: the same, with the missing
// VFOs at the defaults of the radio read.
inline TChannelDocument SparseRadioAfterRead()
{
    TChannelDocument doc = SparseRadioDocument();
    TChannelDocument defaults = doc;
    defaults.ResetDocument();
    for (int band : {2, 4})
        doc.SetVfoRecord(band, defaults.Record(rkVfo, band));
    return doc;
}

// The simulator's ways of answering an empty item, and its line ends.
inline QList<QStringList> EmptyItemReplyForms()
{
    return {{QStringLiteral("--empty-reply"), QStringLiteral("N")},
            {QStringLiteral("--empty-reply"), QStringLiteral("cr")},
            {QStringLiteral("--empty-reply"), QStringLiteral("?")},
            {QStringLiteral("--empty-reply"), QStringLiteral("echo")},
            {QStringLiteral("--empty-reply"), QStringLiteral("N"), QStringLiteral("--crlf")},
            {QStringLiteral("--empty-reply"), QStringLiteral("cr"), QStringLiteral("--crlf")}};
}

// Fields first..last of a record, each preceded by a comma.
inline QString RecordFields(const QString &record, int first, int last)
{
    const QStringList fields = record.split(QLatin1Char(','));
    QString text;
    for (int i = first; i <= last; ++i)
        text += QLatin1Char(',') + (i < fields.size() ? fields.at(i) : QString());
    return text;
}

inline QString RecordField(const QString &record, int field)
{
    return record.section(QLatin1Char(','), field, field);
}

// The command lines (without carriage returns) that a complete write of
// doc sends, in order; the wake-up line is "".
inline QStringList ExpectedWriteCommands(const TChannelDocument &doc)
{
    QStringList lines{QString(), QStringLiteral("AI 0"), QStringLiteral("ID")};
    for (int slot = 1; slot <= 193; ++slot) {
        const QString record = doc.Record(rkMemory, slot);
        const QString label = slot <= 180 ? Digits(slot, 3) : MemorySlotLabel(slot);
        if (RecordField(record, 1).isEmpty()) {
            lines << QStringLiteral("EEP 0C%1,01,00").arg(slot - 1, 2, 16, QLatin1Char('0'));
            continue;
        }
        lines << QStringLiteral("MW 0,0,") + label + RecordFields(record, 1, 12);
        if (slot <= 180) {
            if (!RecordField(record, 14).isEmpty())
                lines << QStringLiteral("MW 0,1,") + label + RecordFields(record, 14, 15);
            lines << QStringLiteral("MNA 0,") + label + QLatin1Char(',') + RecordField(record, 17);
        } else if (slot == 193 && !RecordField(record, 17).isEmpty()) {
            lines << QStringLiteral("MNA 0,PR,") + RecordField(record, 17);
        }
    }
    for (int i = 0; i < 2; ++i) {
        const QString record = doc.Record(rkCall, i);
        if (RecordField(record, 1).isEmpty())
            continue;
        lines << QStringLiteral("CW ") + RecordField(record, 0) + QStringLiteral(",0") + RecordFields(record, 1, 11);
        if (!RecordField(record, 14).isEmpty())
            lines << QStringLiteral("CW ") + RecordField(record, 0) + QStringLiteral(",1") + RecordFields(record, 14, 15);
    }
    for (int band = 0; band < 5; ++band) {
        const QString record = doc.Record(rkVfo, band);
        if (RecordField(record, 1).isEmpty())
            continue;
        lines << QStringLiteral("VW ") + RecordField(record, 0) + RecordFields(record, 1, 11);
        if (band == 1)
            lines << QStringLiteral("PC 0,") + RecordField(record, 16);
        if (band == 3)
            lines << QStringLiteral("PC 1,") + RecordField(record, 16);
    }
    for (int n = 0; n < 10; ++n) {
        const QString code = RecordField(doc.Record(rkDtmf, n), 1);
        if (code.isEmpty()) {
            lines << QStringLiteral("EEP 0CC%1,01,FF").arg(n + 6, 1, 16);
            continue;
        }
        QString radio = code;
        radio.replace(QLatin1Char('*'), QLatin1Char('E')).replace(QLatin1Char('#'), QLatin1Char('F'));
        lines << QStringLiteral("DM ") + RecordField(doc.Record(rkDtmf, n), 0) + QLatin1Char(',') + radio;
    }
    lines << QStringLiteral("PS 0") << QStringLiteral("PS 1");
    return lines;
}

// Whether two documents hold the same channel records (memory, CALL, VFO,
// DTMF); the first difference goes to *difference.
inline bool SameChannels(const TChannelDocument &a, const TChannelDocument &b, QString *difference)
{
    const struct { int kind; int first; int last; } groups[] = {
        {rkMemory, 1, 193}, {rkCall, 0, 1}, {rkVfo, 0, 4}, {rkDtmf, 0, 9}};
    for (const auto &group : groups) {
        for (int i = group.first; i <= group.last; ++i) {
            if (a.Record(group.kind, i) != b.Record(group.kind, i)) {
                *difference = QStringLiteral("kind %1 index %2: \"%3\" != \"%4\"")
                                  .arg(group.kind).arg(i).arg(a.Record(group.kind, i), b.Record(group.kind, i));
                return false;
            }
        }
    }
    return true;
}
