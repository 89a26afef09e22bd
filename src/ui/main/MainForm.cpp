// TMainForm: construction, the four lists, status bar, active list, the
// editors, the COM port menu, the radio commands, help and about.
#include "MainForm.h"
#include "MainFormLook.h"

#include "CommentValidator.h"
#include "DocumentHistory.h"
#include "MainWindowServices.h"
#include "comm/SerialTrace.h"
#include "data/Backups.h"
#include "data/BandPlan.h"
#include "data/ChannelRecord.h"
#include "data/DataFile.h"
#include "data/FrequencyRules.h"
#include "data/Settings.h"
#include "ui/Artwork.h"
#include "ui/FitText.h"
#include "ui/seam/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QScreen>
#include <QWindow>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

namespace {


constexpr int kClientWidth = 487;
constexpr int kClientHeight = 358;
constexpr int kStatusHeight = 19;

// Text of a field when it holds at least two characters, else empty.
bool HasValue(const QString &field) { return field.size() >= 2; }

} // namespace

TMainForm::TMainForm(TMainWindowServices *services, QWidget *parent)
    : QMainWindow(parent), services_(services)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFont(FormFont());
    setWindowIcon(ProgramIcon());

    // Product name, file name "Untitled" and the title built from them.
    UpdateTitle();

    history_ = new TDocumentHistory([this] { return TDocumentState{document_, Comment()}; },
                                    [this](const TDocumentState &state) { RestoreState(state); }, this);
    // Undoing back to the saved state clears Modified; any other step sets it.
    connect(history_, &TDocumentHistory::StateRestored, this, [this](bool clean) { modified_ = clean ? 0 : 1; });

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    central->setFixedSize(kClientWidth, kClientHeight - kStatusHeight);
    setCentralWidget(central);

    BuildMenus();
    BuildToolBar(central);
    BuildGroups(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(kStatusHeight);
    const int widths[4] = {170, 50, 90, 50};
    for (int i = 0; i < 4; ++i) {
        StatusPanel[i] = new QLabel(StatusBar1);
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanel[i]->setFixedWidth(widths[i]);
        StatusPanel[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == 1)
            StatusPanel[i]->setAlignment(Qt::AlignCenter);
        StatusBar1->addWidget(StatusPanel[i]);
    }
    // The longest texts the panels show.
    FitText::SetSamples(StatusPanel[0], {QStringLiteral("Tx Frequency : 888.88888MHz"),
                                         QStringLiteral("Offset : 88.88MHz")});
    FitText::SetSamples(StatusPanel[1], {QStringLiteral("-7.6 R")});
    FitText::SetSamples(StatusPanel[2], {QStringLiteral("CT : 888.8Hz")});
    setStatusBar(StatusBar1);
    SetAccessibleTexts();
    // The window opens in the memory list, not on the first tool button.
    StringGrid1->setFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The staging buffer follows the clipboard: read when it changes and
    // when the program becomes active (it may have changed meanwhile), so
    // that moving between rows never waits for the clipboard's owner.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    ReadClipboardRecord();
                    UpdateEditCommands();
                }
            });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this]() {
        ReadClipboardRecord();
        if (ready_)
            UpdateEditCommands();
    });

    // Stored folder, COM port, radio type and band limits.
    const TLoadedSettings settings = LoadSettings(document_);
    folder_ = settings.path;
    commPort_ = settings.commPort == QLatin1String("COM2") ? QStringLiteral("COM2")
                                                             : QStringLiteral("COM1");
    Com11->setChecked(commPort_ == QLatin1String("COM1"));
    Com21->setChecked(commPort_ == QLatin1String("COM2"));
    UpdatePortCaptions();
    recentFiles_ = StoredRecentFiles();
    UpdateRecentFilesMenu();
    // Data files dropped onto the window are opened.
    setAcceptDrops(true);

    ApplyDefaultRecords(document_);
    RebuildVfoRows();
    for (int g = 1; g <= 4; ++g)
        SelectRow(g, 1);
    RefreshGrids();

    ReadClipboardRecord();
    ready_ = true;
    // Every text fits in the font at hand: each caption turns bold in its
    // turn, so the form is fitted to all of them bold.
    for (QGroupBox *group : {GroupBox1, GroupBox2, GroupBox3, GroupBox4})
        group->setFont(CaptionFont(true));
    FitText::FitFormToText(this);
    SetActiveGrid(1);
    modified_ = 0;
    history_->Reset();
}

TMainForm::~TMainForm() = default;

// ---------------------------------------------------------------- access

QString TMainForm::Comment() const { return Edit2 ? Edit2->text() : QString(); }

void TMainForm::SetComment(const QString &text)
{
    if (Edit2) {
        // The program's own text is never refused with a beep, and a
        // comment longer than what can be typed is shown whole.
        const QSignalBlocker quiet(commentValidator_);
        FitCommentLimit(text.size());
        Edit2->setText(text);
    }
}

void TMainForm::FitCommentLimit(int length)
{
    // Typing stops at kCommentCapacity characters; a longer comment from a
    // file keeps its length (up to the line edit's own ceiling) and can
    // only get shorter by editing.
    Edit2->setMaxLength(qBound(kCommentCapacity, length, kCommentBoxCeiling));
}

QTableWidget *TMainForm::Grid(int number) const
{
    switch (number) {
    case 1: return StringGrid1;
    case 2: return StringGrid2;
    case 3: return StringGrid3;
    case 4: return StringGrid4;
    }
    return nullptr;
}

int TMainForm::GridOfObject(QObject *object) const
{
    for (int g = 1; g <= 4; ++g) {
        QTableWidget *grid = Grid(g);
        if (grid && (object == grid || object == grid->viewport() || object == grid->horizontalHeader()
                     || object == grid->horizontalHeader()->viewport()))
            return g;
    }
    return 0;
}

int TMainForm::GridRowHeight(int grid) const
{
    return grid >= 1 && grid <= 4 ? rowHeight_[grid] : 0;
}

int TMainForm::SelectedRow(int grid) const
{
    QTableWidget *g = Grid(grid);
    if (!g)
        return 1;
    const int row = g->currentRow();
    return row >= 1 ? row : 1;
}

void TMainForm::SelectRow(int grid, int row)
{
    QTableWidget *g = Grid(grid);
    if (!g || g->rowCount() < 2)
        return;
    row = qBound(1, row, g->rowCount() - 1);
    const int column = g->currentColumn() >= 0 ? g->currentColumn() : 1;
    {
        // A row chosen by the program is not a click of the user.
        const QSignalBlocker blocker(g);
        g->setCurrentCell(row, column);
    }
    if (ready_ && grid == activeGrid_) {
        UpdateEditCommands();
        UpdateStatusBar();
    }
}

int TMainForm::VfoBandOfRow(int row) const
{
    return row >= 1 && row <= vfoBands_.size() ? vfoBands_[row - 1] : -1;
}

void TMainForm::SetCell(QTableWidget *grid, int row, int column, const QString &text)
{
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid->setItem(row, column, item);
    } else if (item->text() != text) {
        item->setText(text);
    }
}

// ---------------------------------------------------------------- lists

void TMainForm::RebuildVfoRows()
{
    vfoBands_ = VfoListBands(document_);
    const int previous = StringGrid2->currentRow();
    {
        const QSignalBlocker blocker(StringGrid2);
        StringGrid2->setRowCount(vfoBands_.size() + 1);
        StringGrid2->setRowHidden(0, true);
    }
    // More data rows than fit: the scroll bar takes room from the value column.
    StringGrid2->setVerticalScrollBarPolicy(vfoBands_.size() > 2 ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < vfoBands_.size(); ++i) {
        SetCell(StringGrid2, i + 1, 0, QString());
        SetCell(StringGrid2, i + 1, 1, BandLabel(document_, vfoBands_[i]));
        if (!StringGrid2->item(i + 1, 2))
            SetCell(StringGrid2, i + 1, 2, QString());
    }
    SetCell(StringGrid3, 1, 1, BandLabel(document_, 1));
    SetCell(StringGrid3, 2, 1, BandLabel(document_, 3));
    if (previous < 1 || previous >= StringGrid2->rowCount())
        SelectRow(2, 1);
}

void TMainForm::RefreshGrids()
{
    // Memory list.
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        const QString record = document_.Record(rkMemory, slot);
        if (record.size() < 2) {
            SetCell(StringGrid1, slot, 0, QString());
            SetCell(StringGrid1, slot, 2, QString());
            SetCell(StringGrid1, slot, 3, QString());
            continue;
        }
        const bool lockedOut = IsNumberedSlot(slot) && document_.GetRecordField(rkMemory, slot, cfLockOut) == QLatin1String("1");
        SetCell(StringGrid1, slot, 0, lockedOut ? QStringLiteral("*") : QString());
        SetCell(StringGrid1, slot, 2, FormatFrequency(document_.GetRecordField(rkMemory, slot, cfReceiveFrequency)));
        SetCell(StringGrid1, slot, 3, document_.GetRecordField(rkMemory, slot, cfName));
    }

    // VFO list: the present bands in band order; each one whose VFO record
    // has a frequency fills the next row, so a band without one leaves no
    // gap. Rows left over are emptied.
    int vfoRow = 1;
    for (const int band : vfoBands_) {
        const QString freq = document_.GetRecordField(rkVfo, band, cfReceiveFrequency);
        if (HasValue(freq))
            SetCell(StringGrid2, vfoRow++, 2, FormatFrequency(freq));
    }
    for (; vfoRow <= vfoBands_.size(); ++vfoRow)
        SetCell(StringGrid2, vfoRow, 2, QString());

    // CALL list.
    for (int i = 0; i < kCallSlots; ++i) {
        const QString freq = document_.GetRecordField(rkCall, i, cfReceiveFrequency);
        SetCell(StringGrid3, i + 1, 2, HasValue(freq) ? FormatFrequency(freq) : QString());
    }

    // DTMF list.
    for (int i = 0; i < kDtmfSlots; ++i)
        SetCell(StringGrid4, i + 1, 2, document_.GetRecordField(rkDtmf, i, dfCode));

    UpdateStatusBar();
    emit DocumentChanged();
}

void TMainForm::ClearDataCells()
{
    for (int slot = 1; slot <= kMemorySlots; ++slot) {
        SetCell(StringGrid1, slot, 0, QString());
        SetCell(StringGrid1, slot, 2, QString());
        SetCell(StringGrid1, slot, 3, QString());
    }
    for (int g = 2; g <= 4; ++g) {
        QTableWidget *grid = Grid(g);
        for (int row = 1; row < grid->rowCount(); ++row)
            SetCell(grid, row, 2, QString());
    }
}

void TMainForm::UpdateStatusBar()
{
    if (!StatusPanel[0])
        return;
    if (activeGrid_ == rkDtmf) {
        for (int i = 0; i < 3; ++i)
            StatusPanel[i]->clear();
        return;
    }

    int index = 0;
    const int row = SelectedRow(activeGrid_);
    switch (activeGrid_) {
    case rkMemory: index = row; break;
    case rkVfo: index = VfoBandOfRow(row); break;
    case rkCall: index = row - 1; break;
    }
    const int kind = activeGrid_;
    auto field = [&](int n) { return document_.GetRecordField(kind, index, n); };

    const QString shift = field(cfShift);
    QString panel0;
    if (kind == rkVfo) {
        if (shift != QLatin1String("0") && shift != QLatin1String("3") && HasValue(field(cfOffset)))
            panel0 = tr("Offset : %1MHz").arg(FormatOffset(field(cfOffset)));
    } else if (HasValue(field(cfTransmitFrequency))) {
        panel0 = tr("Tx Frequency : %1MHz").arg(FormatFrequency(field(cfTransmitFrequency)));
    }

    QString panel1;
    if (shift == QLatin1String("1"))
        panel1 = QStringLiteral("+");
    else if (shift == QLatin1String("2"))
        panel1 = QStringLiteral("-");
    else if (shift == QLatin1String("3"))
        panel1 = QStringLiteral("-7.6");
    else if (HasValue(field(cfTransmitFrequency)))
        panel1 = QStringLiteral("+-");
    if (panel1 != QLatin1String("+-") && field(cfReverse) == QLatin1String("1"))
        panel1 += QStringLiteral(" R");

    QString panel2;
    if (field(cfCtcssOn) == QLatin1String("1"))
        panel2 = tr("CT : %1").arg(ToneTextOfCode(field(cfCtcssCode)));
    else if (field(cfToneOn) == QLatin1String("1"))
        panel2 = tr("T : %1").arg(ToneTextOfCode(field(cfToneCode)));

    StatusPanel[0]->setText(panel0);
    StatusPanel[1]->setText(panel1);
    StatusPanel[2]->setText(panel2);
}

// ---------------------------------------------------------------- active list

void TMainForm::SetActiveGrid(int grid)
{
    if (grid < 1 || grid > 4)
        return;
    activeGrid_ = grid;
    QGroupBox *groups[4] = {GroupBox1, GroupBox2, GroupBox3, GroupBox4};
    for (int i = 0; i < 4; ++i)
        groups[i]->setFont(CaptionFont(i + 1 == grid));
    UpdateEditCommands();
    UpdateStatusBar();
}

void TMainForm::GridRowChanged(int grid)
{
    if (!ready_)
        return;
    switch (grid) {
    case 1:
        SetActiveGrid(1);
        break;
    case 2:
    case 3:
        UpdateEditCommands();
        UpdateStatusBar();
        break;
    default:
        // The DTMF list shows nothing in the status bar.
        break;
    }
}

void TMainForm::OpenEditor(int grid)
{
    // The editor stores its record, sets Modified and refreshes the lists.
    if (services_)
        services_->EditRecord(grid);
}

void TMainForm::GridRightButton(int grid, int pointerY, bool onHeader, const QPoint &globalPos)
{
    QTableWidget *g = Grid(grid);
    if (!g || g->rowCount() < 2)
        return;
    // A press in a list gives it the focus, so it becomes the active list.
    g->setFocus(Qt::MouseFocusReason);
    if (activeGrid_ != grid)
        SetActiveGrid(grid);

    // Row under the pointer: the top visible data row plus the pointer's row
    // position (counted from the header row) minus one; the header row
    // itself selects the top visible data row.
    const int rowHeight = qMax(1, rowHeight_[grid]);
    int top = g->rowAt(0);
    if (top < 1)
        top = 1;
    int position = onHeader ? 0 : (pointerY + g->horizontalHeader()->height()) / rowHeight;
    if (position < 1)
        position = 1;
    const int row = qBound(1, top + position - 1, g->rowCount() - 1);
    g->setCurrentCell(row, g->currentColumn() >= 0 ? g->currentColumn() : 1);
    UpdateEditCommands();
    UpdateStatusBar();
    ShowContextMenu(grid, globalPos);
}

void TMainForm::ShowContextMenu(int grid, const QPoint &globalPos)
{
    QMenu *menu = (grid == 1 || grid == 4) ? PopupMenu1 : PopupMenu2;
    menu->popup(globalPos);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // A file dropped onto the comment box opens like one dropped anywhere
    // else on the window, instead of typing its path into the comment.
    if (watched == Edit2
        && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove
            || event->type() == QEvent::Drop)) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QMimeData *data = drop->mimeData();
        bool files = false;
        if (data && data->hasUrls())
            for (const QUrl &url : data->urls())
                files = files || url.isLocalFile();
        if (files) {
            if (event->type() == QEvent::Drop)
                dropEvent(drop);
            else
                drop->acceptProposedAction();
            return true;
        }
    }
    const int grid = GridOfObject(watched);
    if (grid == 0)
        return QMainWindow::eventFilter(watched, event);
    QTableWidget *g = Grid(grid);

    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == g && ready_)
            SetActiveGrid(grid);
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == g && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            OpenEditor(grid);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton && watched != g) {
            const bool onHeader = watched == g->horizontalHeader() || watched == g->horizontalHeader()->viewport();
            GridRightButton(grid, int(mouse->position().y()), onHeader,
                            mouse->globalPosition().toPoint());
            return true;
        }
        break;
    }
    case QEvent::ContextMenu: {
        // The keyboard's menu key opens the context menu at the current row.
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
            if (activeGrid_ != grid)
                SetActiveGrid(grid);
            const QRect cell = g->visualRect(g->model()->index(SelectedRow(grid), 1));
            ShowContextMenu(grid, g->viewport()->mapToGlobal(cell.center()));
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- title

void TMainForm::UpdateTitle()
{
    // "Untitled" names no file: it is shown in the user's language.
    if (radioTitle_)
        setWindowTitle(productName_ + tr(" [Radio]"));
    else
        setWindowTitle(productName_ + QStringLiteral(" [")
                       + (fileName_ == QLatin1String("Untitled") ? tr("Untitled") : fileName_) + QStringLiteral("]"));
}

// ---------------------------------------------------------------- COM port and radio

bool TMainForm::CheckPort(const QString &port, bool writeWindow) const
{
    return services_ && services_->PortValid(port, writeWindow);
}

QString TMainForm::PortMessage(const QString &message, const QString &port, bool writeWindow) const
{
    const QString detail = services_ ? services_->PortProblem(port, writeWindow) : QString();
    return detail.isEmpty() ? message : message + QLatin1Char('\n') + detail;
}

void TMainForm::ChoosePort(const QString &port)
{
    QAction *chosen = port == QLatin1String("COM2") ? Com21 : Com11;
    QAction *other = chosen == Com11 ? Com21 : Com11;
    if (CheckPort(port, false)) {
        chosen->setChecked(true);
        other->setChecked(false);
        commPort_ = port;
        SaveCommPort(commPort_);
    } else {
        Dialogs::Message(this, PortMessage(tr("%1 is invalid.\nPlease check comport status.").arg(port), port, false),
                         Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        chosen->setChecked(false);
    }
}

void TMainForm::Com11Click() { ChoosePort(QStringLiteral("COM1")); }

void TMainForm::Com21Click() { ChoosePort(QStringLiteral("COM2")); }

void TMainForm::UpdatePortCaptions()
{
    auto caption = [](const QString &text, const QString &port) {
        QString device = CommDevicePath(port);
        device.replace(QLatin1Char('&'), QStringLiteral("&&"));
        return text + QStringLiteral(" (") + device + QLatin1Char(')');
    };
    Com11->setText(caption(tr("Com&1"), QStringLiteral("COM1")));
    Com21->setText(caption(tr("Com&2"), QStringLiteral("COM2")));
}

void TMainForm::SerialPort1Click()
{
    if (services_ && services_->ChooseSerialPort(CommPortNumber()))
        UpdatePortCaptions();
}

// ---------------------------------------------------------------- serial trace

bool TMainForm::SerialTraceActive() const { return trace_ && trace_->Active(); }

QString TMainForm::SerialTracePath() const { return SerialTraceActive() ? trace_->Path() : QString(); }

void TMainForm::UpdateTraceCommand()
{
    const bool active = SerialTraceActive();
    SerialTrace1->setChecked(active);
    SerialTrace1->setText(active ? tr("Stop Serial &Trace") : tr("Serial &Trace..."));
    SerialTrace1->setStatusTip(active ? tr("Tracing the serial port into %1").arg(trace_->Path()) : QString());
}

void TMainForm::SerialTrace1Click()
{
    if (SerialTraceActive()) {
        // A trace that stopped short (a full disk) says so when it ends.
        QString error;
        const bool complete = trace_->Stop(&error);
        UpdateTraceCommand();
        if (!complete)
            Dialogs::Message(this, tr("Cannot write the trace file.") + QLatin1Char('\n') + error,
                             Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return;
    }
    Dialogs::FileRequest request;
    request.save = true;
    request.caption = tr("Serial Trace");
    request.folder = folder_;
    request.fileName = QStringLiteral("serial-trace.txt");
    request.filter = tr("Text files (*.txt *.log);;All files (*)");
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = Dialogs::FileDialog(this, request);
    if (!path.isEmpty()) {
        if (!trace_)
            trace_ = std::make_unique<TSerialTraceFile>();
        QString error;
        if (!trace_->Start(path, &error))
            Dialogs::Message(this, tr("Cannot write the trace file.") + QLatin1Char('\n') + error,
                             Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
    }
    UpdateTraceCommand();
}

void TMainForm::Read1Click()
{
    if (!CheckPort(commPort_, false)) {
        Dialogs::Message(this, PortMessage(tr("Invalid COM port.\nPlease check comport status."), commPort_, false),
                         Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return;
    }
    if (!AskSaveChanges())
        return;

    // The read window fills a copy of the document and hands it over only
    // when the whole radio was read: a read that fails or is cancelled
    // leaves the document, its title, its Modified flag and the undo
    // history as they were.
    const QString fileName = fileName_;
    const bool radioTitle = radioTitle_;
    const int modified = modified_;
    modified_ = 0;
    fileName_ = QStringLiteral("Untitled");
    radioTitle_ = true;
    UpdateTitle();

    const bool completed = services_ && services_->RunRead();
    if (!completed) {
        fileName_ = fileName;
        radioTitle_ = radioTitle;
        modified_ = modified;
        UpdateTitle();
        return;
    }

    // The document now holds the radio's memory and matches no file. The
    // read is one step: Undo gives back the document as it was before.
    modified_ = 1;
    RecordChange(tr("Read from Radio"));
    // It also goes to the backups folder, as the radio held it.
    KeepBackup(TBackupKind::Read, WriteDataFile(document_, QString()));
    // A radio's memory may hold values this editor would not create (or a
    // reply changed on the line): they are kept, and named.
    const QStringList breaks = DocumentRuleBreaks(document_);
    if (!breaks.isEmpty())
        Dialogs::Report(this, {tr("Read from Radio"), QCoreApplication::translate("RuleBreaks", kReadRuleBreaks), breaks, false});
}

void TMainForm::Write1Click()
{
    if (!CheckPort(commPort_, true)) {
        Dialogs::Message(this, PortMessage(tr("Invalid COM port.\nPlease check and try again."), commPort_, true),
                         Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return;
    }
    const QStringList breaks = DocumentRuleBreaks(document_);
    if (!breaks.isEmpty()
        && Dialogs::Report(this, {tr("Write to Radio"),
                                  QCoreApplication::translate("RuleBreaks", kWriteRuleBreaks)
                                      + tr(" OK writes them to the radio as they are."),
                                  breaks, true})
               != Dialogs::Answer::Ok)
        return;
    if (Dialogs::Message(this, tr("Do you want to write the data to the radio?"),
                         Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
        != Dialogs::Answer::Yes)
        return;
    // What the radio is about to be overwritten with is kept first.
    const QString backup = KeepBackup(TBackupKind::Write, WriteDataFile(document_, Comment()));
    if (!services_ || !services_->RunWrite() || backup.isEmpty())
        return;
    // The write failed part way (the message said how far it got): the
    // backup holds the whole memory that was meant for the radio, ready to
    // be written again.
    if (Dialogs::Message(this,
                         tr("Do you want to open the backup taken before the write?\n%1\n"
                                        "It holds the whole memory meant for the radio; write it again "
                                        "once the radio answers.")
                             .arg(QDir::toNativeSeparators(backup)),
                         Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
        != Dialogs::Answer::Yes)
        return;
    if (!AskSaveChanges())
        return;
    OpenBackup(backup);
}

QString TMainForm::KeepBackup(TBackupKind kind, const QByteArray &content)
{
    // A backup that fails is reported; the transfer goes on regardless.
    const TBackupResult result = WriteBackup(content, kind);
    if (!result.ok) {
        Dialogs::Message(this, BackupFailureText(result), Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return QString();
    }
    return result.path;
}

// ---------------------------------------------------------------- help

void TMainForm::Help2Click()
{
    if (services_)
        services_->ShowHelp();
}

void TMainForm::About1Click()
{
    if (services_)
        services_->ShowAbout();
}

void TMainForm::ChannelTable1Click()
{
    if (services_)
        services_->ShowChannelTable();
}

// ---------------------------------------------------------------- showing

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!firstShow_)
        return;
    firstShow_ = false;
    // The fixed size takes effect now, before a message about the
    // command-line file can hold up the event loop: otherwise the window
    // stays at the platform's default size behind that message.
    if (QLayout *own = layout())
        own->activate();
    resize(minimumSize());
    if (QWindow *native = windowHandle())
        native->resize(size());
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    OpenCommandLineFile();
    // The start command runs once the window has been drawn.
    const StartCommand start = startCommand_;
    startCommand_ = StartCommand::None;
    if (start == StartCommand::Read)
        QMetaObject::invokeMethod(this, &TMainForm::Read1Click, Qt::QueuedConnection);
    else if (start == StartCommand::OpenBackup)
        QMetaObject::invokeMethod(this, &TMainForm::OpenBackup1Click, Qt::QueuedConnection);
}

// ---------------------------------------------------------------- undo

void TMainForm::RecordChange(const QString &name)
{
    history_->Record(name);
}

void TMainForm::RestoreState(const TDocumentState &state)
{
    // The clipboard staging buffer is no part of a step.
    const QString staged = document_.ClipboardBuffer();
    const QString type = document_.RadioType();
    document_ = state.document;
    document_.SetClipboardBuffer(staged);
    {
        const QSignalBlocker quiet(Edit2);
        SetComment(state.comment);
    }
    // An undone read may bring back another radio type and its VFO rows.
    if (document_.RadioType() != type)
        RebuildVfoRows();
    RefreshGrids();
    UpdateEditCommands();
}
