// The main window: layout, lists, status bar, active list, COM port menu,
// radio commands, editors and the right mouse button.
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/Settings.h"
#include "support/Pty.h"
#include "support/TestSettings.h"
#include "support/TestWindows.h"
#include "ui/editors/CALL.h"
#include "ui/editors/DTMF.h"
#include "ui/editors/Memory.h"
#include "ui/editors/VFO.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"
#include "ui/transfer/ReadForm.h"
#include "ui/transfer/WriteForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <vector>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        form = std::make_unique<TMainForm>(&windows);
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            if (answers.empty())
                return Dialogs::Answer::Ok;
            const Dialogs::Answer answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
        Dialogs::SetFileResponder([this](const Dialogs::FileRequest &request) {
            fileRequests.push_back(request);
            return QString();
        });
    }

    void TearDown() override
    {
        Dialogs::ResetResponders();
        windows.Clear();
        form.reset();
    }

    TChannelDocument &Doc() { return form->Document(); }
    QString Cell(int grid, int row, int column)
    {
        QTableWidgetItem *item = form->Grid(grid)->item(row, column);
        return item ? item->text() : QString();
    }
    QString Panel(int i) { return form->StatusPanel[i]->text(); }

    // Radio type with the default limits of its bands and a fresh document.
    void SetRadio(const QString &type)
    {
        Doc().SetRadioType(type);
        for (int band = 0; band < 5; ++band)
            Doc().SetBandLimit(band, BandPresent(Doc(), band) ? DefaultBandLimit(band) : QString());
        Doc().ResetDocument();
        form->RebuildVfoRows();
        form->RefreshGrids();
    }

    // The list gets the focus, as when the user clicks or tabs into it.
    void Focus(int grid)
    {
        QFocusEvent focus(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(form->Grid(grid), &focus);
    }

    void ShowForm()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    TestWindows windows; // outlives the main window
    std::unique_ptr<TMainForm> form;
    std::vector<Dialogs::MessageRequest> messages;
    std::vector<Dialogs::Answer> answers;
    std::vector<Dialogs::FileRequest> fileRequests;
};

} // namespace

TEST_F(MainWindowTest, LayoutMenusToolBarAndStatusBar)
{
    EXPECT_EQ(form->Caption(), QStringLiteral("VXL-R381 [Untitled]"));
    EXPECT_EQ(form->centralWidget()->width(), 487);
    EXPECT_EQ(form->centralWidget()->height() + form->StatusBar1->height(), 358);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);

    // Object names and shortcuts; the captions are checked per menu below.
    const std::pair<QAction *, QKeySequence> shortcuts[] = {
        {form->New1, QKeySequence(Qt::CTRL | Qt::Key_N)},   {form->Open1, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {form->Save1, QKeySequence(Qt::CTRL | Qt::Key_S)},  {form->Cut1, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {form->Copy1, QKeySequence(Qt::CTRL | Qt::Key_C)},  {form->Paste1, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {form->Delete1, QKeySequence(Qt::CTRL | Qt::Key_Delete)}, {form->Cut2, QKeySequence()},
        {form->Paste3, QKeySequence()},
    };
    for (const auto &[action, shortcut] : shortcuts)
        EXPECT_EQ(action->shortcut(), shortcut) << action->objectName().toStdString();
    const QString names[] = {"New1", "Open1", "Save1", "SaveAs1", "Print1", "ExportPdf1", "Exit1", "Read1", "Write1",
                             "Com11", "Com21", "Cut1", "Copy1", "Paste1", "Delete1", "Help2", "About1",
                             "Cut2", "Copy2", "Paste2", "Delete2", "Copy3", "Paste3"};
    for (const QString &name : names)
        EXPECT_NE(form->findChild<QAction *>(name), nullptr) << name.toStdString();
    // Menu bar order and the items of each menu, separators included.
    const QList<QAction *> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Radio"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(menus[3]->text(), QStringLiteral("&View"));
    EXPECT_EQ(menus[4]->text(), QStringLiteral("&Help"));
    EXPECT_EQ(form->ChannelTable1->text(), QStringLiteral("&Channel Table"));
    EXPECT_EQ(form->ChannelTable1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    auto texts = [](QMenu *menu) {
        QStringList list;
        for (QAction *a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    };
    // The program's own items keep their order; later additions stand
    // between or after them.
    auto own = [](const QStringList &all, const QStringList &wanted) {
        QStringList kept;
        for (const QString &text : all)
            if (text != QLatin1String("-") && wanted.contains(text))
                kept << text;
        return kept;
    };
    const QStringList file{"&New", "&Open...", "&Save", "Save &As...", "&Print...", "Export &Listing as PDF...", "E&xit"};
    EXPECT_EQ(own(texts(form->File1), file), file);
    EXPECT_EQ(texts(form->File1).last(), "E&xit");
    // The Com items name their device after the entry: "Com&1 (/dev/ttyS0)".
    QStringList radioTexts;
    for (QString text : texts(form->Radio1)) {
        if (text.startsWith("Com&1 (") || text.startsWith("Com&2 ("))
            text = text.left(5);
        radioTexts << text;
    }
    const QStringList radio{"&Read", "&Write", "Com&1", "Com&2"};
    EXPECT_EQ(own(radioTexts, radio), radio);
    EXPECT_EQ(texts(form->Edit1).mid(0, 4), QStringList({"Cu&t", "&Copy", "&Paste", "&Delete"}));
    const QStringList help{"&Help Topics", "&About..."};
    EXPECT_EQ(own(texts(form->Help1), help), help);
    EXPECT_EQ(texts(form->Help1).last(), "&About...");
    EXPECT_EQ(form->PopupMenu1->actions(), QList<QAction *>({form->Cut2, form->Copy2, form->Paste2, form->Delete2}));
    EXPECT_EQ(form->PopupMenu2->actions(), QList<QAction *>({form->Copy3, form->Paste3}));

    struct Button {
        QToolButton *button;
        const char *name;
        const char *hint;
        int x;
        const char *picture;
    };
    const Button buttons[] = {
        {form->SpeedButton4, "SpeedButton4", "New", 4, "new"},      {form->SpeedButton5, "SpeedButton5", "Open", 29, "open"},
        {form->SpeedButton6, "SpeedButton6", "Save", 54, "save"},   {form->SpeedButton9, "SpeedButton9", "Print", 92, "print"},
        {form->SpeedButton7, "SpeedButton7", "Read", 132, "read"},  {form->SpeedButton8, "SpeedButton8", "Write", 157, "write"},
        {form->SpeedButton2, "SpeedButton2", "Cut", 196, "cut"},    {form->SpeedButton1, "SpeedButton1", "Copy", 221, "copy"},
        {form->SpeedButton3, "SpeedButton3", "Paste", 246, "paste"},
    };
    for (const Button &b : buttons) {
        ASSERT_NE(b.button, nullptr) << b.name;
        EXPECT_EQ(b.button->objectName(), QLatin1String(b.name));
        EXPECT_EQ(b.button->toolTip(), QLatin1String(b.hint));
        EXPECT_EQ(b.button->geometry(), QRect(b.x, 2, 25, 25)) << b.name;
        // The picture is the icon file shipped with the program (data/icons/tools).
        const QImage shipped(QStringLiteral(":/icons/tools/%1.png").arg(QLatin1String(b.picture)));
        ASSERT_FALSE(shipped.isNull()) << b.picture;
        EXPECT_EQ(b.button->icon().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  shipped.convertToFormat(QImage::Format_ARGB32_Premultiplied)) << b.name;
    }
    // The window icon is the installed program icon, in every hicolor size.
    const QIcon windowIcon = form->windowIcon();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage shipped(QStringLiteral(":/icons/program/%1.png").arg(size));
        ASSERT_EQ(shipped.size(), QSize(size, size));
        EXPECT_EQ(windowIcon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  shipped.convertToFormat(QImage::Format_ARGB32_Premultiplied)) << size;
    }

    EXPECT_EQ(form->GroupBox1->title(), QStringLiteral("Memory Channel"));
    EXPECT_EQ(form->GroupBox2->title(), QStringLiteral("VFO"));
    EXPECT_EQ(form->GroupBox3->title(), QStringLiteral("CALL Channel"));
    EXPECT_EQ(form->GroupBox4->title(), QStringLiteral("DTMF Memory"));
    EXPECT_EQ(form->GroupBox1->geometry(), QRect(0, 30, 262, 284));
    EXPECT_EQ(form->GroupBox4->geometry(), QRect(264, 201, 223, 113));
    EXPECT_EQ(form->Edit2->maxLength(), 50);
    EXPECT_EQ(form->Edit2->x(), 64);
    EXPECT_EQ(form->Edit2->width(), 418);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Comment"));

    const int widths[4] = {170, 50, 90, 50};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->StatusPanel[i]->width(), widths[i]);
        EXPECT_EQ(form->StatusPanel[i]->parent(), form->StatusBar1);
    }
    EXPECT_TRUE(form->StatusPanel[1]->alignment() & Qt::AlignHCenter);
}

TEST_F(MainWindowTest, ListsHaveHeadersLabelsAndWholeRowGeometry)
{
    ShowForm();
    struct Expect {
        int grid;
        QStringList headers;
        int visibleRows;
        int dataRows;
    };
    const Expect lists[] = {
        {1, {"", " ch.", " RX Frequency", " Name"}, 15, 193},
        {2, {"", "Band", "Rx Frequency"}, 3, 3},
        {3, {"", "Band", "Rx Frequency"}, 3, 2},
        {4, {"", "No.", "DTMF Code"}, 5, 10},
    };
    for (const Expect &e : lists) {
        QTableWidget *grid = form->Grid(e.grid);
        EXPECT_EQ(grid->objectName(), QStringLiteral("StringGrid%1").arg(e.grid));
        ASSERT_EQ(grid->columnCount(), e.headers.size());
        for (int c = 0; c < e.headers.size(); ++c)
            EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), e.headers[c]);
        EXPECT_EQ(grid->rowCount() - 1, e.dataRows) << e.grid;
        EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_FALSE(grid->showGrid());
        // The memory list's mark column is 12 px: at 10 the list's cell
        // margins cut the lock-out "*" to nothing.
        EXPECT_EQ(grid->horizontalHeader()->sectionSize(0), e.grid == 1 ? 12 : 10);
        // Whole rows only: the header and the data rows share one height
        // and fill the list exactly.
        const int rowHeight = form->GridRowHeight(e.grid);
        ASSERT_GT(rowHeight, 0);
        EXPECT_EQ(grid->horizontalHeader()->height(), rowHeight);
        EXPECT_EQ(grid->viewport()->height(), rowHeight * (e.visibleRows - 1)) << e.grid;
        EXPECT_EQ(grid->rowHeight(1), rowHeight);
        // The last column reaches the right edge of the list.
        int sum = 0;
        for (int c = 0; c < grid->columnCount(); ++c)
            sum += grid->columnWidth(c);
        EXPECT_EQ(sum, grid->viewport()->width()) << e.grid;
    }
    EXPECT_EQ(form->Grid(1)->columnWidth(1), 27);
    EXPECT_EQ(form->Grid(1)->columnWidth(2), 84);
    EXPECT_EQ(form->Grid(2)->columnWidth(1), 58);
    EXPECT_EQ(form->Grid(3)->columnWidth(1), 59);
    // "No." needs a pixel more than 23 with the cell margins.
    EXPECT_EQ(form->Grid(4)->columnWidth(1), 24);
    EXPECT_EQ(form->Grid(3)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // Scrolling reaches from the first data row to the last one, which then
    // sits on the bottom line with no empty row under it.
    QTableWidget *memory = form->Grid(1);
    QScrollBar *bar = memory->verticalScrollBar();
    bar->setValue(0);
    EXPECT_EQ(memory->rowAt(0), 1);
    bar->setValue(bar->maximum());
    EXPECT_EQ(memory->rowAt(memory->viewport()->height() - 1), 193);
    EXPECT_EQ(memory->rowAt(0), 193 - 13);
    EXPECT_EQ(form->Grid(3)->verticalScrollBar()->maximum(), 0);

    EXPECT_EQ(Cell(1, 1, 1), QStringLiteral("001"));
    EXPECT_EQ(Cell(1, 180, 1), QStringLiteral("180"));
    EXPECT_EQ(Cell(1, 181, 1), QStringLiteral("L1"));
    EXPECT_EQ(Cell(1, 192, 1), QStringLiteral("U6"));
    EXPECT_EQ(Cell(1, 193, 1), QStringLiteral("PR"));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Cell(4, i + 1, 1), QString::number(i));
    for (int g = 1; g <= 4; ++g)
        EXPECT_EQ(form->SelectedRow(g), 1);
}

TEST_F(MainWindowTest, StartsWithTheDefaultRecordsOfTheStoredRadioAndTheMemoryListActive)
{
    // Default radio type: variant "2" with the 118 MHz band.
    EXPECT_EQ(Cell(1, 1, 2), QStringLiteral("144.000"));
    EXPECT_EQ(form->Grid(2)->rowCount(), 4);
    EXPECT_EQ(Cell(2, 3, 1), QStringLiteral("440MHz"));
    EXPECT_EQ(Cell(3, 2, 2), QStringLiteral("440.000"));
    EXPECT_EQ(form->ActiveGrid(), 1);
    EXPECT_TRUE(form->GroupBox1->font().bold());
    EXPECT_EQ(form->Modified(), 0);
    EXPECT_TRUE(form->Com11->isChecked());
    EXPECT_FALSE(form->Com21->isChecked());
}

TEST_F(MainWindowTest, LoadedDocumentShowsFrequenciesNamesAndLockOutOnlyForNumberedChannels)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("club.381"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QStringList lines = {
        "COMMENT", "Club net",
        "MEMORY",
        "001,00145000000,0,0,0,0,0,,09,,09,,1,,,,,",
        "002,00145012500,3,0,0,0,0,,09,,09,,0,,,,,CLUB",
        "003,00145006250,1,0,0,0,0,,09,,09,,0,,,,,A.B",
        "004,00145100000,0,0,0,0,0,,09,,09,,0,,,,,",
        "180,00433500000,6,0,0,0,0,,09,,09,,1,,,,,LAST",
        "L1,00144500000,0,0,0,0,0,,09,,09,,1,,,,,",
        "PR,00145500000,0,0,0,0,0,,09,,09,,1,,,,,HOME",
        "CALL",
        "0,00145525000,0,0,0,0,0,,09,,09,,,,,,,",
        "DTMF",
        "03,123*#",
        "05,",
    };
    for (const QString &line : lines)
        file.write(QString(line).replace(QLatin1Char(','), QLatin1Char('\t')).toLatin1() + "\r\n");
    file.close();

    ASSERT_TRUE(form->OpenFile(path));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->Comment(), QStringLiteral("Club net"));

    struct Row {
        int slot;
        const char *mark;
        const char *freq;
        const char *name;
    };
    const Row rows[] = {
        {1, "*", "145.000", ""},      {2, "", "145.0125", "CLUB"}, {3, "", "145.00625", "A.B"},
        {4, "", "145.100", ""},       {5, "", "", ""},             {180, "*", "433.500", "LAST"},
        {181, "", "144.500", ""},     {182, "", "", ""},           {193, "", "145.500", "HOME"},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(Cell(1, r.slot, 0), QLatin1String(r.mark)) << r.slot;
        EXPECT_EQ(Cell(1, r.slot, 2), QLatin1String(r.freq)) << r.slot;
        EXPECT_EQ(Cell(1, r.slot, 3), QLatin1String(r.name)) << r.slot;
        EXPECT_EQ(Cell(1, r.slot, 1), MemorySlotLabel(r.slot)) << r.slot;
    }
    EXPECT_EQ(Cell(3, 1, 2), QStringLiteral("145.525"));
    EXPECT_EQ(Cell(4, 4, 2), QStringLiteral("123*#"));
    EXPECT_EQ(Cell(4, 6, 2), QString());
    EXPECT_EQ(Cell(4, 1, 2), QString());

    // A record of one character shows as an empty row, stale cells included.
    Doc().SetMemoryRecord(2, QStringLiteral("2"));
    Doc().ClearDtmfRecord(3);
    form->RefreshGrids();
    EXPECT_EQ(Cell(1, 2, 2), QString());
    EXPECT_EQ(Cell(1, 2, 3), QString());
    EXPECT_EQ(Cell(4, 4, 2), QString());
}

TEST_F(MainWindowTest, VfoRowsFollowTheBandsOfTheRadioType)
{
    ShowForm();
    // None of the optional bands, variant "0": 430 MHz label.
    SetRadio(QStringLiteral("0,0,00,1,0,0,0"));
    QTableWidget *vfo = form->Grid(2);
    ASSERT_EQ(vfo->rowCount(), 3);
    EXPECT_EQ(Cell(2, 1, 1), QStringLiteral("144MHz"));
    EXPECT_EQ(Cell(2, 2, 1), QStringLiteral("430MHz"));
    EXPECT_EQ(Cell(2, 1, 2), QStringLiteral("145.000"));
    EXPECT_EQ(Cell(2, 2, 2), QStringLiteral("433.000"));
    EXPECT_EQ(Cell(3, 1, 1), QStringLiteral("144MHz"));
    EXPECT_EQ(Cell(3, 2, 1), QStringLiteral("430MHz"));
    EXPECT_EQ(form->VfoBandOfRow(1), 1);
    EXPECT_EQ(form->VfoBandOfRow(2), 3);
    EXPECT_EQ(vfo->verticalScrollBar()->maximum(), 0);

    // All optional bands, variant "2": 440 MHz label, six rows, scroll bar.
    form->SelectRow(2, 2);
    SetRadio(QStringLiteral("0,2,00,1,1,1,2"));
    ASSERT_EQ(vfo->rowCount(), 6);
    const char *labels[5] = {"118MHz", "144MHz", "300MHz", "440MHz", "800MHz"};
    const char *freqs[5] = {"118.000", "144.000", "340.000", "440.000", "860.000"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Cell(2, i + 1, 1), QLatin1String(labels[i]));
        EXPECT_EQ(Cell(2, i + 1, 2), QLatin1String(freqs[i]));
        EXPECT_EQ(form->VfoBandOfRow(i + 1), i);
    }
    EXPECT_EQ(Cell(3, 2, 1), QStringLiteral("440MHz"));
    QCoreApplication::processEvents();
    // Five data rows, two visible: three scroll steps.
    EXPECT_EQ(vfo->verticalScrollBar()->maximum(), 3);
    // The value column leaves room for the scroll bar.
    EXPECT_LE(vfo->columnWidth(0) + vfo->columnWidth(1) + vfo->columnWidth(2), vfo->viewport()->width());

    // Back to fewer bands: the selection stays on an existing row.
    form->SelectRow(2, 5);
    SetRadio(QStringLiteral("0,1,00,1,0,0,0"));
    ASSERT_EQ(vfo->rowCount(), 3);
    EXPECT_LT(form->SelectedRow(2), 3);
}

// The VFO list takes the present bands in order and fills its rows one by
// one with the bands whose VFO record has a frequency: a band without one
// leaves no blank row, and the rows left over at the end are empty.
TEST_F(MainWindowTest, VfoRowsAreFilledInBandOrderByTheBandsWithAFrequency)
{
    SetRadio(QStringLiteral("0,2,00,1,1,1,2"));
    ASSERT_EQ(form->Grid(2)->rowCount(), 6);
    Doc().SetVfoRecord(0, QString());
    form->RefreshGrids();
    const char *shown[5] = {"144.000", "340.000", "440.000", "860.000", ""};
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(Cell(2, row, 2), QLatin1String(shown[row - 1])) << row;

    // Variant "9" has no 144 or 430 MHz default records.
    SetRadio(QStringLiteral("0,9,00,1,1,1,0"));
    ASSERT_EQ(form->Grid(2)->rowCount(), 5);
    EXPECT_EQ(Cell(2, 1, 2), QStringLiteral("118.000"));
    EXPECT_EQ(Cell(2, 2, 2), QStringLiteral("340.000"));
    EXPECT_EQ(Cell(2, 3, 2), QString());
    EXPECT_EQ(Cell(2, 4, 2), QString());
}

TEST_F(MainWindowTest, StatusBarShowsTheSelectedRecordOfTheActiveList)
{
    struct Case {
        const char *record;
        const char *panel0;
        const char *panel1;
        const char *panel2;
    };
    // Memory list.
    const Case memory[] = {
        {"010,00145000000,0,0,1,0,0,,09,,09,,0,,,,,", "", " R", ""},
        {"010,00145000000,0,0,1,1,0,,09,,12,,0,,00145600000,0,,AB", "Tx Frequency : 145.600MHz", "+-", "T : 88.5Hz"},
        {"010,00145000000,0,1,0,0,1,,09,,02,,0,,,,,", "", "+", "CT : 69.4Hz"},
        {"010,00145000000,0,2,1,1,1,,09,,13,,0,,,,,", "", "- R", "CT : 100.0Hz"},
        {"010,00435000000,0,3,0,1,0,,01,,09,,0,,,,,", "", "-7.6", "T : 67.0Hz"},
        {"010,00145000000,0,0,0,0,0,,09,,09,,0,,,,,", "", "", ""},
        {"", "", "", ""},
    };
    Focus(1);
    form->SelectRow(1, 10);
    for (const Case &c : memory) {
        Doc().SetMemoryRecord(10, QLatin1String(c.record));
        form->RefreshGrids();
        EXPECT_EQ(Panel(0), QLatin1String(c.panel0)) << c.record;
        EXPECT_EQ(Panel(1), QLatin1String(c.panel1)) << c.record;
        EXPECT_EQ(Panel(2), QLatin1String(c.panel2)) << c.record;
        EXPECT_EQ(Panel(3), QString());
    }

    // VFO list: the 144 MHz row (row 2 under the default radio type).
    const Case vfo[] = {
        {"2,00145000000,0,1,0,0,0,,09,,09,000600000,,,,,0,", "Offset : 0.60MHz", "+", ""},
        {"2,00145000000,0,2,1,1,0,,09,,09,005000000,,,,,0,", "Offset : 5.00MHz", "- R", "T : 88.5Hz"},
        {"2,00145000000,0,0,1,0,0,,09,,09,000600000,,,,,0,", "", " R", ""},
        {"2,00145000000,0,3,0,0,1,,09,,05,001600000,,,,,0,", "", "-7.6", "CT : 77.0Hz"},
        {"2,00145000000,0,1,0,0,0,,09,,09,,,,,,0,", "", "+", ""},
    };
    Focus(2);
    form->SelectRow(2, 2);
    ASSERT_EQ(form->VfoBandOfRow(2), 1);
    for (const Case &c : vfo) {
        Doc().SetVfoRecord(1, QLatin1String(c.record));
        form->RefreshGrids();
        EXPECT_EQ(Panel(0), QLatin1String(c.panel0)) << c.record;
        EXPECT_EQ(Panel(1), QLatin1String(c.panel1)) << c.record;
        EXPECT_EQ(Panel(2), QLatin1String(c.panel2)) << c.record;
    }

    // CALL list: row 2 is CALL record 1.
    Focus(3);
    form->SelectRow(3, 2);
    Doc().SetCallRecord(1, QStringLiteral("1,00435000000,6,0,1,0,0,,09,,09,,,,00440000000,6,,"));
    form->RefreshGrids();
    EXPECT_EQ(Panel(0), QStringLiteral("Tx Frequency : 440.000MHz"));
    EXPECT_EQ(Panel(1), QStringLiteral("+-"));
    form->SelectRow(3, 1);
    EXPECT_EQ(Panel(0), QString());

    // DTMF list: nothing.
    Focus(4);
    EXPECT_EQ(form->ActiveGrid(), 4);
    EXPECT_EQ(Panel(0), QString());
    EXPECT_EQ(Panel(1), QString());
    EXPECT_EQ(Panel(2), QString());
}

TEST_F(MainWindowTest, FocusMakesTheListActiveWithItsCaptionBold)
{
    ShowForm();
    QGroupBox *groups[4] = {form->GroupBox1, form->GroupBox2, form->GroupBox3, form->GroupBox4};
    for (int g : {3, 2, 4, 1}) {
        Focus(g);
        EXPECT_EQ(form->ActiveGrid(), g);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(groups[i]->font().bold(), i + 1 == g) << g << i;
        EXPECT_FALSE(form->Grid(g)->font().bold());
    }

    // A click in the memory list makes it active; one in the DTMF list
    // changes nothing.
    Focus(4);
    QTableWidget *memory = form->Grid(1);
    QTest::mouseClick(memory->viewport(), Qt::LeftButton, {}, memory->visualItemRect(memory->item(3, 1)).center());
    EXPECT_EQ(form->ActiveGrid(), 1);
    EXPECT_EQ(form->SelectedRow(1), 3);
}

TEST_F(MainWindowTest, ComMenuProbesThePortAndKeepsTheConfiguredOneOnFailure)
{
    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    ScopedCommDevice com1(1, pty.SlavePath());
    ScopedCommDevice com2(2, QStringLiteral("/nonexistent/vxl-tty"));
    windows.read = new TReadForm(*form);

    // COM2 cannot be opened: message, item unchecked, port unchanged.
    form->Com21->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("COM2 is invalid.\nPlease check comport status."));
    EXPECT_EQ(messages[0].caption, QStringLiteral("VXL-R381"));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Warning);
    EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::Ok);
    EXPECT_FALSE(form->Com21->isChecked());
    EXPECT_TRUE(form->Com11->isChecked());
    EXPECT_EQ(form->CommPort(), QStringLiteral("COM1"));
    EXPECT_EQ(StoredCommPort(), QStringLiteral("COM1"));

    // COM2 usable: checked, configured and stored.
    {
        ScopedCommDevice usable(2, pty.SlavePath());
        form->Com21->trigger();
    }
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(form->Com21->isChecked());
    EXPECT_FALSE(form->Com11->isChecked());
    EXPECT_EQ(form->CommPort(), QStringLiteral("COM2"));
    EXPECT_EQ(form->CommPortNumber(), 2);
    EXPECT_EQ(StoredCommPort(), QStringLiteral("COM2"));

    // COM2 gone while checked: neither item checked, port stays COM2.
    form->Com21->trigger();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_FALSE(form->Com21->isChecked());
    EXPECT_FALSE(form->Com11->isChecked());
    EXPECT_EQ(form->CommPort(), QStringLiteral("COM2"));

    // COM1 usable.
    form->Com11->trigger();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_TRUE(form->Com11->isChecked());
    EXPECT_FALSE(form->Com21->isChecked());
    EXPECT_EQ(form->CommPort(), QStringLiteral("COM1"));
    EXPECT_EQ(StoredCommPort(), QStringLiteral("COM1"));

    // A new main window checks the stored port.
    SaveCommPort(QStringLiteral("COM2"));
    TMainForm second;
    EXPECT_TRUE(second.Com21->isChecked());
    EXPECT_FALSE(second.Com11->isChecked());
    EXPECT_EQ(second.CommPort(), QStringLiteral("COM2"));
}

TEST_F(MainWindowTest, ReadChecksThePortAsksAboutChangesAndMarksTheDocumentChanged)
{
    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    windows.read = new TReadForm(*form);
    const QString before = Doc().Record(rkMemory, 1);

    // Unusable port: message, nothing else.
    {
        ScopedCommDevice bad(1, QStringLiteral("/nonexistent/vxl-tty"));
        form->Read1->trigger();
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Invalid COM port.\nPlease check comport status."));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Warning);
    EXPECT_EQ(form->Caption(), QStringLiteral("VXL-R381 [Untitled]"));
    EXPECT_EQ(Doc().Record(rkMemory, 1), before);

    ScopedCommDevice com1(1, pty.SlavePath());
    // Changed document, Cancel: the read does not start.
    form->SetModified(1);
    answers = {Dialogs::Answer::Cancel};
    form->SpeedButton7->click();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, QStringLiteral("Data is changed.\nDo you want to save the changes?"));
    EXPECT_EQ(messages[1].buttons, Dialogs::Buttons::YesNoCancel);
    EXPECT_EQ(messages[1].icon, Dialogs::Icon::Warning);
    EXPECT_EQ(form->Caption(), QStringLiteral("VXL-R381 [Untitled]"));

    // No: the read window opens under the " [Radio]" title; cancelled at
    // once, the document keeps its title and still counts as changed.
    answers = {Dialogs::Answer::No};
    QString titleDuringRead;
    int modifiedDuringRead = -1;
    bool readWindowShown = false;
    QTimer::singleShot(0, [&] {
        readWindowShown = QApplication::activeModalWidget() == windows.read;
        titleDuringRead = form->Caption();
        modifiedDuringRead = form->Modified();
        windows.read->Button1->click();
    });
    form->Read1Click();
    EXPECT_TRUE(readWindowShown);
    EXPECT_EQ(titleDuringRead, QStringLiteral("VXL-R381 [Radio]"));
    EXPECT_EQ(modifiedDuringRead, 0);
    EXPECT_EQ(form->Caption(), QStringLiteral("VXL-R381 [Untitled]"));
    EXPECT_EQ(form->FileName(), QStringLiteral("Untitled"));
    EXPECT_EQ(form->Modified(), 1);
}

TEST_F(MainWindowTest, WriteChecksThePortAndAsksBeforeWriting)
{
    TestPty pty;
    ASSERT_TRUE(pty.IsValid());
    windows.write = new TWriteForm(*form);
    {
        ScopedCommDevice bad(1, QStringLiteral("/nonexistent/vxl-tty"));
        form->Write1->trigger();
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Invalid COM port.\nPlease check and try again."));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Warning);

    ScopedCommDevice com1(1, pty.SlavePath());
    bool writeWindowShown = false;
    QTimer::singleShot(0, [&] {
        // Reached only if the window opened after a No.
        writeWindowShown = QApplication::activeModalWidget() == windows.write;
        if (writeWindowShown)
            windows.write->Button1->click();
    });
    answers = {Dialogs::Answer::No};
    form->SpeedButton8->click();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, QStringLiteral("Do you want to write the data to the radio?"));
    EXPECT_EQ(messages[1].icon, Dialogs::Icon::Question);
    EXPECT_EQ(messages[1].buttons, Dialogs::Buttons::YesNo);
    QCoreApplication::processEvents();
    EXPECT_FALSE(writeWindowShown);

    answers = {Dialogs::Answer::Yes};
    QTimer::singleShot(0, [&] {
        writeWindowShown = QApplication::activeModalWidget() == windows.write;
        windows.write->Button1->click();
    });
    form->SetModified(0);
    form->Write1Click();
    EXPECT_TRUE(writeWindowShown);
    EXPECT_EQ(form->Modified(), 0);
    EXPECT_EQ(form->Caption(), QStringLiteral("VXL-R381 [Untitled]"));
}

TEST_F(MainWindowTest, DoubleClickAndEnterOpenTheEditorOfTheList)
{
    ShowForm();
    windows.memory = new TMemory(*form);
    windows.vfo = new TVFO(*form);
    windows.call = new TCALL(*form);
    windows.dtmf = new TDTMF(*form);

    auto opened = [&](const std::function<void()> &action) {
        QString name;
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                name = QLatin1String(dialog->metaObject()->className());
                dialog->done(QDialog::Rejected);
            }
        });
        action();
        QCoreApplication::processEvents();
        return name;
    };

    const char *editors[5] = {"", "TMemory", "TVFO", "TCALL", "TDTMF"};
    for (int g = 1; g <= 4; ++g) {
        QTableWidget *grid = form->Grid(g);
        const QPoint cell = grid->visualItemRect(grid->item(1, 1)).center();
        // A double click is a click followed by the second press.
        EXPECT_EQ(opened([&] {
                      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
                      QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
                  }),
                  QLatin1String(editors[g]))
            << g;
        EXPECT_EQ(opened([&] { QTest::keyClick(grid, Qt::Key_Return); }), QLatin1String(editors[g])) << g;
    }
    // Other keys open nothing.
    EXPECT_EQ(opened([&] { QTest::keyClick(form->Grid(1), Qt::Key_Down); }), QString());
}

TEST_F(MainWindowTest, RightButtonSelectsTheRowUnderThePointerOrTheTopRowFromTheHeader)
{
    ShowForm();
    QTableWidget *memory = form->Grid(1);
    const int h = form->GridRowHeight(1);
    memory->verticalScrollBar()->setValue(20);
    QCoreApplication::processEvents();
    const int top = memory->rowAt(0);
    ASSERT_GT(top, 1);

    // Third visible data row.
    QTest::mousePress(memory->viewport(), Qt::RightButton, {}, QPoint(40, 2 * h + h / 2));
    EXPECT_EQ(form->SelectedRow(1), top + 2);
    EXPECT_EQ(form->ActiveGrid(), 1);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    form->PopupMenu1->hide();

    // First visible data row, just below the header.
    QTest::mousePress(memory->viewport(), Qt::RightButton, {}, QPoint(40, 1));
    EXPECT_EQ(form->SelectedRow(1), top);
    form->PopupMenu1->hide();

    // The header row selects the top visible data row.
    form->SelectRow(1, 150);
    QCoreApplication::processEvents();
    const int newTop = memory->rowAt(0);
    ASSERT_GT(newTop, top);
    QTest::mousePress(memory->horizontalHeader(), Qt::RightButton, {}, QPoint(40, h / 2));
    EXPECT_EQ(form->SelectedRow(1), newTop);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    form->PopupMenu1->hide();

    // The VFO and CALL lists use the short context menu; the list becomes
    // the active one.
    QTableWidget *call = form->Grid(3);
    QTest::mousePress(call->viewport(), Qt::RightButton, {}, QPoint(40, h + h / 2));
    EXPECT_EQ(form->ActiveGrid(), 3);
    EXPECT_EQ(form->SelectedRow(3), 2);
    EXPECT_TRUE(form->PopupMenu2->isVisible());
    EXPECT_FALSE(form->PopupMenu1->isVisible());
    form->PopupMenu2->hide();

    QTableWidget *dtmf = form->Grid(4);
    QTest::mousePress(dtmf->viewport(), Qt::RightButton, {}, QPoint(40, 3 * form->GridRowHeight(4) + 2));
    EXPECT_EQ(form->ActiveGrid(), 4);
    EXPECT_EQ(form->SelectedRow(4), dtmf->rowAt(0) + 3);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    form->PopupMenu1->hide();
}

// The lists must not keep the edit shortcuts for themselves.
TEST_F(MainWindowTest, EditShortcutsReachTheCommandsFromAList)
{
    ShowForm();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTableWidget *memory = form->Grid(1);
    memory->setFocus();
    form->SelectRow(1, 1);
    QApplication::clipboard()->clear();
    QTest::keyClick(memory, Qt::Key_C, Qt::ControlModifier);
    ASSERT_NE(QApplication::clipboard()->mimeData(), nullptr);
    EXPECT_NE(QApplication::clipboard()->mimeData()->formats(), QStringList({"text/plain"}));
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->formats().isEmpty());

    form->SelectRow(1, 5);
    QTest::keyClick(memory, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Doc().Record(rkMemory, 5).mid(3), Doc().Record(rkMemory, 1).mid(3));
    EXPECT_EQ(form->Modified(), 1);

    QTest::keyClick(memory, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Doc().Record(rkMemory, 5), QString());
    QApplication::clipboard()->clear();
}

TEST_F(MainWindowTest, EditCommandsAreRefreshedWhenTheProgramBecomesActive)
{
    // Copy a memory record, then let another program take the clipboard
    // away and give it back through activation.
    Focus(1);
    form->SelectRow(1, 1);
    form->Copy1Click();
    form->SelectRow(1, 2);
    ASSERT_TRUE(form->Paste1->isEnabled());
    form->Paste1->setEnabled(false);
    form->SpeedButton3->setEnabled(false);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(form->Paste1->isEnabled());
    EXPECT_TRUE(form->SpeedButton3->isEnabled());

    // With the VFO list active, Cut and Delete are disabled on every path.
    Focus(2);
    EXPECT_FALSE(form->Cut1->isEnabled());
    EXPECT_FALSE(form->Cut2->isEnabled());
    EXPECT_FALSE(form->SpeedButton2->isEnabled());
    EXPECT_FALSE(form->Delete1->isEnabled());
}
