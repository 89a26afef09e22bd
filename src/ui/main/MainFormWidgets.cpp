// TMainForm's widgets: the menus, the tool bar, the four lists with their
// captions and the comment box, built once by the constructor.
#include "MainForm.h"
#include "MainFormLook.h"

#include "CommentValidator.h"
#include "DocumentHistory.h"
#include "MainWindowServices.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "ui/Artwork.h"
#include "ui/FitText.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

namespace {

// Steps of typing in the comment box merge into one.
constexpr int kCommentMergeKey = 1;

// A list whose hidden row 0 stands for the header row. The item view
// counts that hidden row into its scroll range although its scroll
// positions count only visible rows, which would scroll one row too far
// and show a scroll bar on a list whose rows all fit; the range is set from
// the visible rows here.
class TStringGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    // A list always has one whole row selected: a click, with or without
    // Ctrl or Shift, selects the row under the pointer and never takes the
    // selection away from the row the commands act on.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *) const override
    {
        if (!index.isValid())
            return QItemSelectionModel::NoUpdate;
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }

    void updateGeometries() override
    {
        QTableWidget::updateGeometries();
        if (verticalScrollMode() != QAbstractItemView::ScrollPerItem)
            return;
        QHeaderView *rows = verticalHeader();
        const int viewportHeight = viewport()->height();
        int visible = 0;
        int fitting = 0;
        int height = 0;
        for (int row = rowCount() - 1; row >= 0; --row) {
            if (isRowHidden(row))
                continue;
            ++visible;
            height += rows->sectionSize(row);
            if (height <= viewportHeight)
                fitting = visible;
        }
        verticalScrollBar()->setRange(0, qMax(0, visible - fitting));
    }
};

// Draws a list's cells as parts of the selected row: no focus frame around
// the single cell that holds the keyboard's current position.
class TRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

// ---------------------------------------------------------------- building

void TMainForm::BuildMenus()
{
    auto makeAction = [this](QMenu *menu, const char *name, const QString &text,
                             const QKeySequence &shortcut, void (TMainForm::*slot)()) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        if (menu)
            menu->addAction(action);
        return action;
    };

    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    File1 = bar->addMenu(tr("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    New1 = makeAction(File1, "New1", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), &TMainForm::New1Click);
    Open1 = makeAction(File1, "Open1", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), &TMainForm::Open1Click);
    RecentFiles1 = File1->addMenu(tr("Recent &Files"));
    RecentFiles1->setObjectName(QStringLiteral("RecentFiles1"));
    ClearRecentFiles1 = new QAction(tr("&Clear Recent Files"), this);
    ClearRecentFiles1->setObjectName(QStringLiteral("ClearRecentFiles1"));
    connect(ClearRecentFiles1, &QAction::triggered, this, [this] {
        recentFiles_.clear();
        SaveRecentFiles(recentFiles_);
        UpdateRecentFilesMenu();
    });
    Save1 = makeAction(File1, "Save1", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &TMainForm::Save1Click);
    SaveAs1 = makeAction(File1, "SaveAs1", tr("Save &As..."), QKeySequence(), &TMainForm::SaveAs1Click);
    OpenBackup1 = makeAction(File1, "OpenBackup1", tr("Open &Backup..."), QKeySequence(), &TMainForm::OpenBackup1Click);
    File1->addSeparator();
    ImportCsv1 = makeAction(File1, "ImportCsv1", tr("&Import CSV..."), QKeySequence(), &TMainForm::ImportCsv1Click);
    ExportCsv1 = makeAction(File1, "ExportCsv1", tr("Export &CSV..."), QKeySequence(), &TMainForm::ExportCsv1Click);
    File1->addSeparator();
    Print1 = makeAction(File1, "Print1", tr("&Print..."), QKeySequence(), &TMainForm::Print1Click);
    ExportPdf1 = makeAction(File1, "ExportPdf1", tr("Export &Listing as PDF..."), QKeySequence(),
                            &TMainForm::ExportPdf1Click);
    File1->addSeparator();
    Exit1 = makeAction(File1, "Exit1", tr("E&xit"), QKeySequence(), &TMainForm::Exit1Click);

    Radio1 = bar->addMenu(tr("&Radio"));
    Radio1->setObjectName(QStringLiteral("Radio1"));
    Read1 = makeAction(Radio1, "Read1", tr("&Read"), QKeySequence(), &TMainForm::Read1Click);
    Write1 = makeAction(Radio1, "Write1", tr("&Write"), QKeySequence(), &TMainForm::Write1Click);
    Radio1->addSeparator();
    Com11 = makeAction(Radio1, "Com11", tr("Com&1"), QKeySequence(), &TMainForm::Com11Click);
    Com21 = makeAction(Radio1, "Com21", tr("Com&2"), QKeySequence(), &TMainForm::Com21Click);
    Com11->setCheckable(true);
    Com21->setCheckable(true);
    SerialPort1 = makeAction(Radio1, "SerialPort1", tr("Serial &Port..."), QKeySequence(),
                             &TMainForm::SerialPort1Click);

    Edit1 = bar->addMenu(tr("&Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Cut1 = makeAction(Edit1, "Cut1", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X), &TMainForm::Cut1Click);
    Copy1 = makeAction(Edit1, "Copy1", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), &TMainForm::Copy1Click);
    Paste1 = makeAction(Edit1, "Paste1", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), &TMainForm::Paste1Click);
    Delete1 = makeAction(Edit1, "Delete1", tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_Delete), &TMainForm::Delete1Click);
    Edit1->addSeparator();
    // Named after the step they take back or do again ("Undo Delete 005");
    // enabled only while there is one.
    UndoAction = history_->Stack().createUndoAction(this, tr("&Undo"));
    UndoAction->setObjectName(QStringLiteral("UndoAction"));
    UndoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    RedoAction = history_->Stack().createRedoAction(this, tr("&Redo"));
    RedoAction->setObjectName(QStringLiteral("RedoAction"));
    RedoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    Edit1->addAction(UndoAction);
    Edit1->addAction(RedoAction);

    View1 = bar->addMenu(tr("&View"));
    View1->setObjectName(QStringLiteral("View1"));
    ChannelTable1 = makeAction(View1, "ChannelTable1", tr("&Channel Table"), QKeySequence(Qt::CTRL | Qt::Key_T),
                               &TMainForm::ChannelTable1Click);

    Help1 = bar->addMenu(tr("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help2 = makeAction(Help1, "Help2", tr("&Help Topics"), QKeySequence(Qt::Key_F1), &TMainForm::Help2Click);
    SerialTrace1 = makeAction(Help1, "SerialTrace1", tr("Serial &Trace..."), QKeySequence(),
                              &TMainForm::SerialTrace1Click);
    SerialTrace1->setCheckable(true);
    Help1->addSeparator();
    About1 = makeAction(Help1, "About1", tr("&About..."), QKeySequence(), &TMainForm::About1Click);

    // Context menus repeat the Edit items without shortcuts.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Cut2 = makeAction(PopupMenu1, "Cut2", tr("Cu&t"), QKeySequence(), &TMainForm::Cut1Click);
    Copy2 = makeAction(PopupMenu1, "Copy2", tr("&Copy"), QKeySequence(), &TMainForm::Copy1Click);
    Paste2 = makeAction(PopupMenu1, "Paste2", tr("&Paste"), QKeySequence(), &TMainForm::Paste1Click);
    Delete2 = makeAction(PopupMenu1, "Delete2", tr("&Delete"), QKeySequence(), &TMainForm::Delete1Click);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    Copy3 = makeAction(PopupMenu2, "Copy3", tr("&Copy"), QKeySequence(), &TMainForm::Copy1Click);
    Paste3 = makeAction(PopupMenu2, "Paste3", tr("&Paste"), QKeySequence(), &TMainForm::Paste1Click);
}

void TMainForm::BuildToolBar(QWidget *central)
{
    struct Button {
        QToolButton **target;
        const char *name;
        const char *hint;
        const char *icon;
        int x;
        void (TMainForm::*slot)();
    };
    const Button buttons[] = {
        {&SpeedButton4, "SpeedButton4", QT_TR_NOOP("New"), "new", 4, &TMainForm::New1Click},
        {&SpeedButton5, "SpeedButton5", QT_TR_NOOP("Open"), "open", 29, &TMainForm::Open1Click},
        {&SpeedButton6, "SpeedButton6", QT_TR_NOOP("Save"), "save", 54, &TMainForm::Save1Click},
        {&SpeedButton9, "SpeedButton9", QT_TR_NOOP("Print"), "print", 92, &TMainForm::Print1Click},
        {&SpeedButton7, "SpeedButton7", QT_TR_NOOP("Read"), "read", 132, &TMainForm::Read1Click},
        {&SpeedButton8, "SpeedButton8", QT_TR_NOOP("Write"), "write", 157, &TMainForm::Write1Click},
        {&SpeedButton2, "SpeedButton2", QT_TR_NOOP("Cut"), "cut", 196, &TMainForm::Cut1Click},
        {&SpeedButton1, "SpeedButton1", QT_TR_NOOP("Copy"), "copy", 221, &TMainForm::Copy1Click},
        {&SpeedButton3, "SpeedButton3", QT_TR_NOOP("Paste"), "paste", 246, &TMainForm::Paste1Click},
    };
    for (const Button &b : buttons) {
        auto *button = new QToolButton(central);
        button->setObjectName(QLatin1String(b.name));
        button->setToolTip(tr(b.hint));
        button->setIcon(ToolIcon(QLatin1String(b.icon)));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        // Tab reaches the buttons too (in their row's order, before the
        // lists); Space presses the one with the focus.
        button->setFocusPolicy(Qt::TabFocus);
        button->setGeometry(b.x, 2, 25, 25);
        connect(button, &QToolButton::clicked, this, b.slot);
        *b.target = button;
    }
}

void TMainForm::BuildGroups(QWidget *central)
{
    auto makeGroup = [&](const char *name, const QString &title, const QRect &rect) {
        auto *group = new QGroupBox(title, central);
        group->setObjectName(QLatin1String(name));
        group->setGeometry(rect);
        group->setFont(CaptionFont(false));
        return group;
    };
    GroupBox1 = makeGroup("GroupBox1", tr("Memory Channel"), QRect(0, 30, 262, 284));
    GroupBox2 = makeGroup("GroupBox2", tr("VFO"), QRect(264, 30, 193, 81));
    GroupBox3 = makeGroup("GroupBox3", tr("CALL Channel"), QRect(264, 115, 193, 81));
    GroupBox4 = makeGroup("GroupBox4", tr("DTMF Memory"), QRect(264, 201, 223, 113));

    auto makeGrid = [&](QGroupBox *group, const char *name) {
        auto *grid = new TStringGrid(group);
        grid->setObjectName(QLatin1String(name));
        grid->setFont(CaptionFont(false));
        grid->setItemDelegate(new TRowDelegate(grid));
        // The list fills the group below its caption.
        grid->setGeometry(4, 15, group->width() - 8, group->height() - 19);
        return grid;
    };
    StringGrid1 = makeGrid(GroupBox1, "StringGrid1");
    StringGrid2 = makeGrid(GroupBox2, "StringGrid2");
    StringGrid3 = makeGrid(GroupBox3, "StringGrid3");
    StringGrid4 = makeGrid(GroupBox4, "StringGrid4");

    // Memory list: 193 channels with fixed labels.
    StringGrid1->setRowCount(kMemorySlots + 1);
    SetupGrid(StringGrid1, 15, {QString(), tr(" ch."), tr(" RX Frequency"),
                                tr(" Name")},
              {10, 27, 84});
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The widest texts a column may come to show: the lock-out mark, a
    // frequency with all its digits and a name of six wide letters.
    FitText::SetSamples(StringGrid1, {QStringLiteral("*"), QString(), QStringLiteral("888.88888"),
                                      QStringLiteral("WWWWWW")});
    for (int slot = 1; slot <= kMemorySlots; ++slot)
        SetCell(StringGrid1, slot, 1, MemorySlotLabel(slot));

    // VFO list: rows follow the radio type (RebuildVfoRows).
    StringGrid2->setRowCount(3);
    SetupGrid(StringGrid2, 3, {QString(), tr("Band"), tr("Rx Frequency")}, {10, 58});
    FitText::SetSamples(StringGrid2, {QString(), QString(), QStringLiteral("888.88888")});

    // CALL list: the VHF and the UHF CALL channel.
    StringGrid3->setRowCount(3);
    SetupGrid(StringGrid3, 3, {QString(), tr("Band"), tr("Rx Frequency")}, {10, 59});
    StringGrid3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FitText::SetSamples(StringGrid3, {QString(), QString(), QStringLiteral("888.88888")});

    // DTMF list: memories 0..9.
    StringGrid4->setRowCount(kDtmfSlots + 1);
    SetupGrid(StringGrid4, 5, {QString(), tr("No."), tr("DTMF Code")}, {10, 23});
    StringGrid4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A DTMF code of 16 of its widest characters.
    FitText::SetSamples(StringGrid4, {QString(), QString(), QStringLiteral("################")});
    for (int i = 0; i < kDtmfSlots; ++i)
        SetCell(StringGrid4, i + 1, 1, QString::number(i));

    for (int g = 1; g <= 4; ++g) {
        QTableWidget *grid = Grid(g);
        connect(grid, &QTableWidget::currentCellChanged, this,
                [this, g](int row, int, int previousRow, int) {
                    if (row != previousRow)
                        GridRowChanged(g);
                });
        connect(grid, &QTableWidget::cellClicked, this, [this, g](int, int) { GridRowChanged(g); });
        connect(grid, &QTableWidget::cellDoubleClicked, this, [this, g](int, int) { OpenEditor(g); });
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
        grid->horizontalHeader()->installEventFilter(this);
        // Mouse presses on the header row go to the header's viewport.
        grid->horizontalHeader()->viewport()->installEventFilter(this);
    }

    Label1 = new QLabel(tr("Comment"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Its place reaches up to the comment box.
    Label1->setGeometry(8, 320, 54, Label1->sizeHint().height());
    Edit2 = new QLineEdit(central);
    Edit2->installEventFilter(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(kCommentCapacity);
    commentValidator_ = new TCommentValidator(Edit2);
    Edit2->setValidator(commentValidator_);
    connect(commentValidator_, &TCommentValidator::Refused, this, [] { QApplication::beep(); });
    Edit2->setGeometry(64, 317, 418, 20);
    Label1->setBuddy(Edit2);
    // Every change of the comment, the program's own included, marks the
    // document as changed; New and Open clear the flag when they finish.
    connect(Edit2, &QLineEdit::textChanged, this, [this](const QString &) { SetModified(1); });
    // What the user types is one undoable step until something else
    // changes.
    connect(Edit2, &QLineEdit::textEdited, this, [this](const QString &text) {
        FitCommentLimit(text.size());
        history_->Record(tr("Edit Comment"), kCommentMergeKey);
    });
}

void TMainForm::SetupGrid(QTableWidget *grid, int visibleRows, const QStringList &headers,
                          const QList<int> &widths)
{
    grid->setColumnCount(headers.size());
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setShowGrid(false);
    grid->setWordWrap(false);
    grid->setTabKeyNavigation(false);
    grid->setCornerButtonEnabled(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->setContextMenuPolicy(Qt::PreventContextMenu);
    grid->setFocusPolicy(Qt::StrongFocus);

    QHeaderView *header = grid->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < widths.size(); ++c)
        header->resizeSection(c, widths[c]);
    // The last column fills the list (and makes room for a scroll bar).
    header->setStretchLastSection(true);

    // Trim the height to a whole number of rows; the header row counts as one.
    const int frame = 2 * grid->frameWidth();
    const int rowHeight = qMax(1, (grid->height() - frame) / visibleRows);
    QHeaderView *rows = grid->verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rowHeight);
    header->setFixedHeight(rowHeight);
    grid->setFixedHeight(rowHeight * visibleRows + frame);
    rowHeight_[GridOfObject(grid)] = rowHeight;

    // Row 0 is the header row: it keeps the header texts and stays hidden,
    // so that row numbers of the lists are data row numbers.
    for (int c = 0; c < headers.size(); ++c)
        SetCell(grid, 0, c, headers[c]);
    grid->setRowHidden(0, true);
}


// ---------------------------------------------------------------- screen readers

void TMainForm::SetAccessibleTexts()
{
    setAccessibleDescription(tr("The memory of the radio: memory channels, VFOs, CALL channels, DTMF memories "
                                "and a comment."));

    const struct {
        QToolButton *button;
        QString name;
        QString description;
    } buttons[] = {
        {SpeedButton4, tr("New"), tr("Starts a new document with the default channels.")},
        {SpeedButton5, tr("Open"), tr("Opens a data file.")},
        {SpeedButton6, tr("Save"), tr("Saves the document to its data file.")},
        {SpeedButton9, tr("Print"), tr("Prints the channel listing.")},
        {SpeedButton7, tr("Read"), tr("Reads the whole memory of the radio into the document.")},
        {SpeedButton8, tr("Write"), tr("Writes the whole document into the radio.")},
        {SpeedButton2, tr("Cut"), tr("Copies the selected row to the clipboard and empties it.")},
        {SpeedButton1, tr("Copy"), tr("Copies the selected row to the clipboard.")},
        {SpeedButton3, tr("Paste"), tr("Puts the row on the clipboard into the selected row.")},
    };
    for (const auto &b : buttons) {
        b.button->setAccessibleName(b.name);
        b.button->setAccessibleDescription(b.description);
    }

    const QString openHint = tr("Enter opens the editor of the selected row.");
    const struct {
        QTableWidget *grid;
        QString name;
        QString description;
    } lists[] = {
        {StringGrid1, tr("Memory channels"),
         tr("Memory channels 1 to 180, L1 to U6 and PR with their receive frequency and name.")},
        {StringGrid2, tr("VFOs"), tr("The VFO of each band with its receive frequency.")},
        {StringGrid3, tr("CALL channels"), tr("The VHF and the UHF CALL channel with their receive frequency.")},
        {StringGrid4, tr("DTMF memories"), tr("DTMF memories 0 to 9 with their codes.")},
    };
    for (const auto &l : lists) {
        l.grid->setAccessibleName(l.name);
        l.grid->setAccessibleDescription(l.description + QLatin1Char(' ') + openHint);
    }

    Edit2->setAccessibleName(tr("Comment"));
    Edit2->setAccessibleDescription(tr("A one-line comment saved with the document."));

    // The panels' names stay their texts (what a screen reader reads);
    // the descriptions say what each one shows.
    StatusBar1->setAccessibleName(tr("Selected row details"));
    StatusBar1->setAccessibleDescription(tr("Details of the selected row of the active list."));
    StatusPanel[0]->setAccessibleDescription(tr("Transmit frequency, or the offset of a VFO"));
    StatusPanel[1]->setAccessibleDescription(tr("Shift direction; R for reverse"));
    StatusPanel[2]->setAccessibleDescription(tr("Tone or CTCSS frequency"));
    StatusPanel[3]->setAccessibleDescription(tr("Unused"));

    menuBar()->setAccessibleName(tr("Menu bar"));
    menuBar()->setAccessibleDescription(tr("File, Radio, Edit, View and Help commands."));
}
