// Channel table figures on a full document (every one of the 193 slots
// holds a channel with split, tone and name): the time to open the window
// (model, view, first paint of the visible rows) and to sort by each column
// in both orders, median of several runs each. A frame at 60 Hz is 16.7 ms.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/ChannelTableRules.h"
#include "data/DocumentHost.h"
#include "data/MemoryChannel.h"
#include "ui/table/ChannelTable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class BenchHost : public TDocumentHost {
public:
    TChannelDocument &Document() override { return document; }
    int SelectedRow(int) const override { return 1; }
    int VfoBandOfRow(int) const override { return -1; }
    QString CommPort() const override { return QStringLiteral("COM1"); }
    void SetModified(int) override {}
    void RefreshGrids() override {}
    void RebuildVfoRows() override {}
    void RecordChange(const QString &) override {}
    TChannelDocument document;
};

void Fill(TChannelDocument &doc)
{
    doc.SetRadioType(QString::fromLatin1(kDefaultRadioType));
    for (int band = 0; band < 5; ++band)
        doc.SetBandLimit(band, BandPresent(doc, band) ? DefaultBandLimit(band) : QString());
    doc.ResetDocument();
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        TMemoryChannelEntry entry;
        // Frequencies and names in an order that no column already has.
        const int n = (slot * 73) % kMemorySlots;
        entry.rxText = QStringLiteral("%1.%2").arg(n % 2 ? 144 + n % 4 : 430 + n % 30).arg(n * 25 % 1000, 3, 10, QLatin1Char('0'));
        entry.stepPosition = n % 8;
        entry.shift = QChar(u"012"[n % 3]);
        entry.tone = n % 2;
        entry.ctcss = !entry.tone;
        entry.tonePosition = n % 38;
        entry.ctcssPosition = (n * 7) % 38;
        entry.lockOut = n % 5 == 0;
        if (IsNumberedSlot(slot) && n % 4 == 0)
            entry.txText = entry.rxText;
        if (IsNamedSlot(slot))
            entry.name = QStringLiteral("CH%1").arg(n);
        const TMemoryRecordResult built = BuildMemoryRecord(doc, slot, entry);
        doc.SetMemoryRecord(slot, built.record);
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    BenchHost host;
    Fill(host.document);

    constexpr int kRuns = 15;
    std::vector<double> opens, builds, shows, paints;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        TChannelTable table(host);
        const double built = timer.nsecsElapsed() / 1e6;
        table.show();
        const double shown = timer.nsecsElapsed() / 1e6;
        table.TableView1->viewport()->grab(); // paints every visible row
        const double painted = timer.nsecsElapsed() / 1e6;
        opens.push_back(painted);
        builds.push_back(built);
        shows.push_back(shown - built);
        paints.push_back(painted - shown);
    }
    std::printf("open table (193 channels, shown and painted): median %.2f ms, worst %.2f ms\n", Median(opens),
                *std::max_element(opens.begin(), opens.end()));
    std::printf("  of which: window built %.2f ms, shown (layout, settings) %.2f ms, rows painted %.2f ms\n",
                Median(builds), Median(shows), Median(paints));

    TChannelTable table(host);
    table.show();
    double worst = 0;
    for (int column = 0; column < tcColumnCount; ++column) {
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            std::vector<double> times, sorts;
            for (int run = 0; run < kRuns; ++run) {
                // Back to slot order first, so every run sorts the same input.
                table.TableView1->sortByColumn(column == 0 ? 1 : 0, Qt::AscendingOrder);
                QElapsedTimer timer;
                timer.start();
                table.TableView1->sortByColumn(column, order);
                sorts.push_back(timer.nsecsElapsed() / 1e6);
                table.TableView1->viewport()->grab(); // paints every visible row
                times.push_back(timer.nsecsElapsed() / 1e6);
            }
            worst = std::max(worst, *std::max_element(times.begin(), times.end()));
            std::printf("sort by %-16s %-10s median %.2f ms sorted, %.2f ms with the rows repainted\n",
                        qPrintable(TableColumnTitle(column)), order == Qt::AscendingOrder ? "ascending" : "descending",
                        Median(sorts), Median(times));
        }
    }
    std::printf("worst single sort (with repaint): %.2f ms; one frame at 60 Hz: 16.67 ms\n", worst);
    return 0;
}
