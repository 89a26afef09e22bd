// Channel table figures on a full document (every one of the 193 slots
// holds a channel with split, tone and name): the time to open the window
// (model, view, first paint of the visible rows), to sort by each column
// in both orders, and to edit one cell and undo it (the store, the undo
// step, the lists' redraw notice and the table following it), median of
// several runs each. A frame at 60 Hz is 16.7 ms.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/ChannelTableRules.h"
#include "data/DocumentHost.h"
#include "data/FrequencyRules.h"
#include "data/MemoryChannel.h"
#include "ui/main/DocumentHistory.h"
#include "ui/table/ChannelTable.h"
#include "ui/table/ChannelTableModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Stands in for the main window: undo steps are recorded as there, and a
// redraw of the lists tells the table (the main window's DocumentChanged).
class BenchHost : public TDocumentHost {
public:
    TChannelDocument &Document() override { return document; }
    int SelectedRow(int) const override { return 1; }
    int VfoBandOfRow(int) const override { return -1; }
    QString CommPort() const override { return QStringLiteral("COM1"); }
    void SetModified(int) override {}
    void RefreshGrids() override
    {
        if (redrawn)
            redrawn();
    }
    void RebuildVfoRows() override {}
    void RecordChange(const QString &name) override { history.Record(name); }
    TChannelDocument document;
    std::function<void()> redrawn;
    TDocumentHistory history{[this] { return TDocumentState{document, QString()}; },
                             [this](const TDocumentState &state) {
                                 document = state.document;
                                 RefreshGrids();
                             }};
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
        entry.stepCode = StepCodeOfListPos(n % 8);
        entry.shift = QChar(u"012"[n % 3]);
        entry.tone = n % 2;
        entry.ctcss = !entry.tone;
        entry.toneCode = ToneCodeOfListPos(n % 38);
        entry.ctcssCode = ToneCodeOfListPos((n * 7) % 38);
        entry.lockOut = n % 5 == 0;
        if (IsNumberedSlot(slot) && n % 4 == 0)
            entry.txText = entry.rxText;
        if (IsNamedSlot(slot))
            entry.name = QStringLiteral("CH%1").arg(n);
        const TMemoryRecordResult built = CommitMemoryChannel(doc, slot, entry);
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
    host.history.Reset();

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

    // One cell edit, then its undo, with the table in slot order and sorted
    // by the edited column. Each run changes the cell (two values in turn).
    host.redrawn = [&table] { table.DocumentChanged(); };
    QSortFilterProxyModel *proxy = table.Proxy();
    TChannelTableModel *model = table.Model();
    struct EditCase {
        const char *title;
        int sortColumn;
        int column;
        QString values[2];
    };
    const EditCase cases[] = {
        {"Name of 100, slot order", tcChannel, tcName, {QStringLiteral("EDIT A"), QStringLiteral("EDIT B")}},
        {"Rx of 100, sorted by Rx", tcReceive, tcReceive, {QStringLiteral("145.1"), QStringLiteral("438.2")}},
    };
    constexpr int kSlot = 100;
    constexpr int kEditRuns = 41;
    for (const EditCase &edit : cases) {
        table.TableView1->sortByColumn(edit.sortColumn, Qt::AscendingOrder);
        QCoreApplication::processEvents();
        std::vector<double> edits, editsDrawn, undos, undosDrawn;
        for (int run = 0; run < kEditRuns; ++run) {
            const QModelIndex cell = proxy->mapFromSource(model->index(TChannelTableModel::RowOfSlot(kSlot), edit.column));
            // The row being edited is in sight, as it is for the user.
            table.TableView1->scrollTo(cell);
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            if (!proxy->setData(cell, edit.values[run % 2])) {
                std::printf("edit refused: %s\n", qPrintable(table.StatusText()));
                return 1;
            }
            edits.push_back(timer.nsecsElapsed() / 1e6);
            // What the event loop does next: redraw what the edit marked.
            QCoreApplication::processEvents();
            editsDrawn.push_back(timer.nsecsElapsed() / 1e6);

            timer.restart();
            host.history.Stack().undo();
            undos.push_back(timer.nsecsElapsed() / 1e6);
            QCoreApplication::processEvents();
            undosDrawn.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("one cell edit (%s): median %.2f ms, %.2f ms with the window redrawn\n", edit.title,
                    Median(edits), Median(editsDrawn));
        std::printf("  its undo: median %.2f ms, %.2f ms with the window redrawn\n", Median(undos),
                    Median(undosDrawn));
    }
    return 0;
}
