#include "TableRulesCommon.h"

#include "ChannelDocument.h"
#include "CsvExport.h"
#include "FrequencyRules.h"
#include "RecordFields.h"

#include <QCoreApplication>
#include <algorithm>

namespace tablerules {

const QString kOn = QStringLiteral("On");
QString NumberedOnlyText()
{
    return QCoreApplication::translate("TableRules", "Only channels 001..180 move, insert and close up; "
                                                     "use Swap for L1..U6 and PR.");
}

bool HasChannel(const QString &record) { return record.size() >= 2; }

bool HasChannel(const TChannelDocument &doc, int slot)
{
    return HasChannel(doc.Record(rkMemory, slot));
}

bool ValidSlot(int slot) { return slot >= kFirstMemorySlot && slot <= kLastMemorySlot; }

// 0: 001..180, 1: L1..U6, 2: PR. Records move freely within a class.
int SlotClass(int slot)
{
    if (IsNumberedSlot(slot))
        return 0;
    return IsLuSlot(slot) ? 1 : 2;
}

// "12.5kHz", "12.5 kHz", "88.5Hz", "145.5MHz" -> the number before the unit.
QString NumberPart(QString text, const QString &unit)
{
    text = text.trimmed();
    if (text.endsWith(unit, Qt::CaseInsensitive))
        text.chop(unit.size());
    return text.trimmed();
}

std::optional<bool> ParseFlag(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("1") || t == QLatin1String("on") || t == QLatin1String("yes")
        || t == QLatin1String("true") || t == QLatin1String("x"))
        return true;
    if (t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("off") || t == QLatin1String("no")
        || t == QLatin1String("false"))
        return false;
    return std::nullopt;
}

QString Label(int slot) { return MemorySlotLabel(slot); }

QString Relabel(const QString &record, int slot)
{
    const int comma = record.indexOf(QLatin1Char(','));
    return Label(slot) + (comma < 0 ? QString() : record.mid(comma));
}

QString ShiftText(QChar shift)
{
    switch (shift.unicode()) {
    case '1': return QStringLiteral("Plus");
    case '2': return QStringLiteral("Minus");
    case '3': return QStringLiteral("-7.6MHz");
    }
    return QStringLiteral("Simplex");
}

// Why a -7.6 MHz shift cannot be set on a receive frequency; empty if it can.
QString Minus76Refusal(const TChannelDocument &doc, const QString &rxText)
{
    if (!Minus76ShiftOffered(doc))
        return QCoreApplication::translate("TableRules", "This radio type offers no -7.6MHz Shift.");
    QString rx = rxText;
    if (!NormalizeFrequencyText(rx) || BandOfFrequency(doc, rx) < 2)
        return QCoreApplication::translate("TableRules", "The -7.6MHz Shift needs a frequency of 300 MHz or more.");
    return QString();
}

std::optional<THz> OffsetOfText(const QString &text)
{
    const std::optional<THz> offset = THz::OfMhzText(NumberPart(text, QStringLiteral("MHz")));
    if (!offset || offset->WholeMhz() > 9999)
        return std::nullopt;
    return offset;
}

std::optional<THz> ShiftOffset(const TChannelDocument &doc, QChar shift, const QString &rxText)
{
    if (shift == QLatin1Char('3'))
        return THz(7600000);
    if (shift != QLatin1Char('1') && shift != QLatin1Char('2'))
        return std::nullopt;
    QString rx = rxText;
    if (!NormalizeFrequencyText(rx))
        return std::nullopt;
    return THz(MemoryShiftOffsetHz(doc, BandOfFrequency(doc, rx)));
}

QString OffsetRefusal(const TChannelDocument &doc, const TMemoryChannelEntry &entry, const QString &text)
{
    const std::optional<THz> wanted = OffsetOfText(text);
    if (!wanted)
        return QCoreApplication::translate("TableRules", "Invalid Offset.\nPlease check and try again.");
    const std::optional<THz> used = ShiftOffset(doc, entry.shift, entry.rxText);
    if (!used)
        return QCoreApplication::translate("TableRules", "A simplex or split channel has no offset; choose Plus or Minus Shift first.");
    if (*wanted == *used)
        return QString();
    if (entry.shift == QLatin1Char('3'))
        return QCoreApplication::translate("TableRules", "The -7.6MHz Shift always shifts by 7.60 MHz.");
    return QCoreApplication::translate("TableRules", "A memory channel shifts by the VFO offset of its band, %1 MHz; "
                          "change that offset in the VFO editor.")
        .arg(used->MhzFixed(2));
}

QString ErrorText(TMemoryRecordResult::Error error)
{
    return error == TMemoryRecordResult::InvalidName
        ? QCoreApplication::translate("TableRules", "Invalid Memory name.\nPlease check and try again.")
        : QCoreApplication::translate("TableRules", "Invalid Frequency.\nPlease check and try again.");
}

QList<int> SortedUnique(const QList<int> &slotList)
{
    QList<int> sorted = slotList;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

} // namespace tablerules
