// Fuzz target: the CSV import must take any bytes without crashing or
// hanging, store at most one record per memory slot and only records the
// memory editor could have built, and what it stores must export and read
// back as CSV again.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/CsvExport.h"
#include "data/CsvFormat.h"
#include "data/CsvImport.h"
#include "data/FrequencyRules.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char *what, int slot)
{
    std::fprintf(stderr, "CSV import check failed: %s (slot %d)\n", what, slot);
    std::abort();
}

// The first byte's low bits choose the radio type, so every band rule is
// reached.
TChannelDocument Document(uint8_t choice)
{
    static const char *const kTypes[] = {kDefaultRadioType, "0,3,00,1,1,1,1", "0,3,05,1,0,0,2", "0,0,00,1,0,1,1"};
    TChannelDocument doc;
    doc.SetRadioType(QString::fromLatin1(kTypes[choice % 4]));
    for (int band = 0; band < kBandLimitSlots; ++band)
        doc.SetBandLimit(band, BandPresent(doc, band) ? DefaultBandLimit(band) : QString());
    doc.ResetDocument();
    return doc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const TChannelDocument doc = Document(data[0]);
    const QByteArray csv(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    // The rest of the first byte chooses whether rows may come without a
    // Location column, placed from a first slot as pasted text is.
    const int firstSlot = (data[0] >> 2) * 4; // 0 (Location required) .. 252 (beyond PR)
    const TCsvImportPlan plan = PlanCsvImport(csv, doc, firstSlot);
    if (!plan.ok && !plan.rows.isEmpty())
        Fail("rows planned for an unreadable file", 0);
    QSet<int> storedSlots;
    for (const TCsvRowResult &row : plan.rows) {
        if (row.status == TCsvRowStatus::Refused) {
            if (!row.record.isEmpty() || row.notes.isEmpty())
                Fail("refused row without a reason or with a record", row.slot);
            continue;
        }
        if (row.slot < 1 || row.slot > kMemorySlots)
            Fail("row stored outside the memory", row.slot);
        if (storedSlots.contains(row.slot))
            Fail("two rows stored in one slot", row.slot);
        storedSlots.insert(row.slot);
        // An adjusted row says what changed; an applied row may say how the
        // record holds the row (a split channel for an offset).
        if (row.status == TCsvRowStatus::Adjusted && row.notes.isEmpty())
            Fail("adjusted row without notes", row.slot);
        if (row.record.size() > kRecordCapacity)
            Fail("record longer than its slot", row.slot);
        if (row.record.count(QLatin1Char(',')) != kLastField)
            Fail("record without its 18 fields", row.slot);
        if (row.record.section(QLatin1Char(','), 0, 0) != MemorySlotLabel(row.slot))
            Fail("record label is not its slot", row.slot);
        if (!IsValidMemoryName(row.record.section(QLatin1Char(','), 17)))
            Fail("invalid name stored", row.slot);
    }

    TChannelDocument target = doc;
    const int stored = ApplyCsvImport(plan, target);
    if (stored > kMemorySlots || stored != storedSlots.size())
        Fail("stored count", stored);

    // What was stored exports, and the export reads back as a CSV with one
    // row per channel.
    TCsvTable table;
    QString error;
    if (!ReadCsv(ExportCsv(target), &table, &error))
        Fail("export not readable", 0);
    (void)CsvImportReport(plan);
    return 0;
}
