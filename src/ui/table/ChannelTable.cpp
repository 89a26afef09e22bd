#include "ChannelTable.h"
#include "ui/FitText.h"

#include "ChannelTableModel.h"
#include "FrozenColumnView.h"
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/ChannelTableRules.h"
#include "data/DocumentHost.h"
#include "data/Settings.h"
#include "ui/Artwork.h"
#include "ui/editors/EditorDialog.h"
#include "ui/seam/CsvPasteQuestion.h"
#include "ui/seam/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QRegularExpression>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

BulkEditResponder &Responder()
{
    static BulkEditResponder responder;
    return responder;
}

// Alt+Up and Alt+Down: the keys that open and close a list.
bool IsListKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

bool IsCommitKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

constexpr const char *kCellProperty = "vxlTableCell";

// Lists for the columns that take one of a few values (only the values the
// row can take); a line edit for the others, the name's taking keys as the
// memory editor's name box does. While an editor is open the keys belong
// to it: Alt+Up and Alt+Down open and close its list and never reach the
// table's commands. A list left without a choice changes nothing. A typed
// entry the table refuses stays in its editor, with the reason shown next
// to it, to be corrected (or dropped with Escape).
class TTableDelegate : public QStyledItemDelegate {
public:
    TTableDelegate(TDocumentHost &host, QAbstractItemView *view) : QStyledItemDelegate(view), host_(host), view_(view)
    {
        reason_ = new QLabel(view->viewport());
        reason_->setObjectName(QStringLiteral("CellReasonLabel"));
        reason_->setWordWrap(true);
        reason_->setAutoFillBackground(true);
        reason_->setFrameShape(QFrame::Box);
        reason_->setMargin(3);
        reason_->setForegroundRole(QPalette::ToolTipText);
        reason_->setBackgroundRole(QPalette::ToolTipBase);
        reason_->hide();
    }

    QLabel *ReasonLabel() const { return reason_; }
    // Told when an editor opens (true) and when the last one has closed.
    std::function<void(bool)> editing;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = nullptr;
        if (TableColumnChoices(host_.Document(), index.column()).isEmpty()) {
            editor = QStyledItemDelegate::createEditor(parent, option, index);
            auto *line = qobject_cast<QLineEdit *>(editor);
            if (line && index.column() == tcName) {
                line->setValidator(new TCharFilterValidator(EditorFilter::MemoryName, line));
                line->setMaxLength(kNameBoxLength);
            }
        } else {
            auto *list = new QComboBox(parent);
            list->addItems(TableCellChoices(host_.Document(), index.data(TChannelTableModel::SlotRole).toInt(),
                                            index.column()));
            list->view()->installEventFilter(const_cast<TTableDelegate *>(this));
            editor = list;
        }
        if (!editor)
            return editor;
        editor->setProperty(kCellProperty, QVariant::fromValue(QPersistentModelIndex(index)));
        // A screen reader names the cell being edited by its column.
        editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
        open_ = editor;
        if (++openCount_ == 1 && editing)
            editing(true);
        return editor;
    }
    // The view is done with an editor (committed, or dropped with Escape).
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        if (open_ == editor)
            open_.clear();
        if (reasonEditor_ == editor && reason_)
            reason_->hide();
        if (--openCount_ == 0 && editing)
            editing(false);
        QStyledItemDelegate::destroyEditor(editor, index);
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QString shown = index.data(Qt::EditRole).toString();
        if (auto *list = qobject_cast<QComboBox *>(editor)) {
            int position = list->findText(shown);
            // A stored value the list does not offer (69.4Hz, 30kHz) is
            // shown as it is, on top.
            if (position < 0 && !shown.isEmpty()) {
                list->insertItem(0, shown);
                position = 0;
            }
            list->setCurrentIndex(qMax(0, position));
            return;
        }
        auto *line = qobject_cast<QLineEdit *>(editor);
        if (line && retryCell_.isValid() && retryCell_ == index) {
            line->setText(retryText_);
            retryEditor_ = line;
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const QString typed = EditorText(editor);
        // An untouched cell changes nothing (and is never refused).
        if (typed == index.data(Qt::EditRole).toString())
            return;
        if (model->setData(index, typed, Qt::EditRole) || !qobject_cast<QLineEdit *>(editor))
            return;
        // Refused, and the table has said why. The view closes this editor
        // after the commit (the focus went elsewhere); the cell opens again
        // once it has, with what was typed.
        const QPersistentModelIndex cell(index);
        QTimer::singleShot(0, view_, [this, cell, typed] { Retry(cell, typed); });
    }

    // Shows why the cell's value was refused: next to its open editor, or
    // next to the cell when none is open.
    void ShowReason(const QModelIndex &cell, const QString &reason)
    {
        reasonText_ = reason;
        QWidget *editor = open_ && EditorCell(open_) == cell ? open_.data() : nullptr;
        PlaceReason(editor, view_->visualRect(cell));
    }
    void HideReason()
    {
        if (reason_)
            reason_->hide();
        reasonEditor_.clear();
    }
    // Stores what is typed in an open editor and closes it.
    void CommitOpenEditor()
    {
        if (!open_)
            return;
        QWidget *editor = open_;
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        // The open list of a list editor: Alt+Up and Alt+Down close it.
        auto *popupList = qobject_cast<QAbstractItemView *>(object);
        if (popupList && popupList != view_) {
            if (IsListKey(event)) {
                event->accept();
                if (event->type() == QEvent::KeyPress) {
                    if (auto *list = qobject_cast<QComboBox *>(open_.data()))
                        list->hidePopup();
                }
                return true;
            }
            return false;
        }
        auto *editor = qobject_cast<QWidget *>(object);
        if (editor && IsListKey(event)) {
            // The key is the editor's, not a shortcut of the table.
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                if (auto *list = qobject_cast<QComboBox *>(editor))
                    list->showPopup();
            }
            return true;
        }
        if (editor && IsCommitKey(event)) {
            const QModelIndex cell = EditorCell(editor);
            const QString typed = EditorText(editor);
            if (cell.isValid() && typed != cell.data(Qt::EditRole).toString()) {
                const TEditResult plan = PlanCellEdit(host_.Document(), cell.data(TChannelTableModel::SlotRole).toInt(),
                                                      cell.column(), typed);
                if (plan.status == TEditStatus::Refused) {
                    // The editor stays open with the text; the reason beside it.
                    reasonText_ = plan.reason;
                    PlaceReason(editor, editor->geometry());
                    return true;
                }
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    // The memory editor's name box takes at most this many characters.
    static constexpr int kNameBoxLength = 13;

    static QString EditorText(const QWidget *editor)
    {
        if (const auto *list = qobject_cast<const QComboBox *>(editor))
            return list->currentText();
        if (const auto *line = qobject_cast<const QLineEdit *>(editor))
            return line->text();
        return QString();
    }
    static QModelIndex EditorCell(const QWidget *editor)
    {
        return editor ? QModelIndex(editor->property(kCellProperty).value<QPersistentModelIndex>()) : QModelIndex();
    }

    void PlaceReason(QWidget *editor, const QRect &cellRect) const
    {
        if (!reason_)
            return;
        const QRect anchor = editor ? editor->geometry() : cellRect;
        QWidget *area = view_->viewport();
        reason_->setText(reasonText_);
        const int width = qBound(qMin(area->width(), 120), qMax(anchor.width(), area->width() / 3), area->width());
        reason_->setFixedWidth(width);
        reason_->setFixedHeight(reason_->heightForWidth(width));
        int x = qBound(0, anchor.left(), qMax(0, area->width() - width));
        int y = anchor.bottom() + 2;
        if (y + reason_->height() > area->height())
            y = qMax(0, anchor.top() - reason_->height() - 2);
        reason_->move(x, y);
        reason_->raise();
        reason_->show();
        reasonEditor_ = editor;
    }

    void Retry(const QPersistentModelIndex &cell, const QString &typed) const
    {
        if (!cell.isValid())
            return;
        retryCell_ = cell;
        retryText_ = typed;
        retryEditor_.clear();
        view_->setCurrentIndex(cell);
        view_->edit(cell);
        // The view selects a new editor's text; the cursor goes after it.
        if (retryEditor_) {
            retryEditor_->deselect();
            PlaceReason(retryEditor_, retryEditor_->geometry());
        }
        retryCell_ = QPersistentModelIndex();
        retryText_.clear();
        retryEditor_.clear();
    }

    TDocumentHost &host_;
    QAbstractItemView *view_;
    QPointer<QLabel> reason_; // a child of the view's viewport
    QString reasonText_;
    mutable QPointer<QWidget> reasonEditor_;
    mutable QPointer<QWidget> open_;
    mutable int openCount_ = 0;
    mutable QPersistentModelIndex retryCell_;
    mutable QString retryText_;
    mutable QPointer<QLineEdit> retryEditor_;
};

// Sorts by the model's sort keys; empty slots stay below the channels in
// either order.
class TChannelTableProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const bool leftEmpty = !left.data(sortRole()).isValid();
        const bool rightEmpty = !right.data(sortRole()).isValid();
        if (leftEmpty != rightEmpty)
            return sortOrder() == Qt::AscendingOrder ? rightEmpty : leftEmpty;
        if (leftEmpty)
            return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
        return QSortFilterProxyModel::lessThan(left, right);
    }
};

// The bulk edit dialog: each value is set only when its box is ticked.
bool AskBulkEdit(QWidget *parent, const TChannelDocument &doc, TBulkEdit &edit, int count)
{
    if (Responder())
        return Responder()(edit);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("BulkEditDialog"));
    dialog.setWindowTitle(TChannelTable::tr("Bulk Edit %1 Channel(s)").arg(count));
    auto *form = new QFormLayout;
    auto row = [&](const QString &title, QWidget *value) {
        auto *box = new QCheckBox(title, &dialog);
        value->setEnabled(false);
        QObject::connect(box, &QCheckBox::toggled, value, &QWidget::setEnabled);
        form->addRow(box, value);
        return box;
    };
    auto list = [&](const QStringList &items) {
        auto *combo = new QComboBox(&dialog);
        combo->addItems(items);
        return combo;
    };
    // A value list is named after its box, without the key letter: "&Step"
    // gives "Step", a key letter in brackets after the text, as Japanese
    // writes it ("ステップ(&S)"), goes with its brackets.
    auto describe = [](QCheckBox *box, QComboBox *value) {
        const QString name = box->text()
                                 .remove(QRegularExpression(QStringLiteral("\\(&[^&]\\)$")))
                                 .remove(QLatin1Char('&'));
        value->setAccessibleName(name);
        value->setAccessibleDescription(TChannelTable::tr("Value set in every chosen channel when %1 is ticked.").arg(name));
        box->setAccessibleDescription(TChannelTable::tr("Sets %1 in every chosen channel.").arg(name));
    };
    // Only what a bulk edit can change: the offset is the band's VFO
    // offset, and the -7.6MHz Shift only where the radio type has one.
    QComboBox *step = list(TableColumnChoices(doc, tcStep));
    QComboBox *shift = list(TableColumnChoices(doc, tcShift));
    QComboBox *mode = list(TableColumnChoices(doc, tcToneMode));
    QComboBox *tone = list(EditorToneTexts());
    QComboBox *ctcss = list(EditorToneTexts());
    tone->setCurrentIndex(7);
    ctcss->setCurrentIndex(7);
    QComboBox *lock = list({TChannelTable::tr("Off"), TChannelTable::tr("On")});
    QCheckBox *stepBox = row(TChannelTable::tr("&Step"), step);
    QCheckBox *shiftBox = row(TChannelTable::tr("S&hift"), shift);
    QCheckBox *modeBox = row(TChannelTable::tr("&Tone/CTCSS"), mode);
    QCheckBox *toneBox = row(TChannelTable::tr("T&one Frequency"), tone);
    QCheckBox *ctcssBox = row(TChannelTable::tr("&CTCSS Frequency"), ctcss);
    QCheckBox *lockBox = row(TChannelTable::tr("&Lock Out"), lock);
    describe(stepBox, step);
    describe(shiftBox, shift);
    describe(modeBox, mode);
    describe(toneBox, tone);
    describe(ctcssBox, ctcss);
    describe(lockBox, lock);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleDescription(
        TChannelTable::tr("Sets the ticked values in every chosen channel."));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleDescription(
        TChannelTable::tr("Closes the window without a change."));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (stepBox->isChecked()) edit.stepPosition = step->currentIndex();
    if (shiftBox->isChecked()) edit.shift = QChar(u"0123"[shift->currentIndex()]);
    if (modeBox->isChecked()) edit.toneMode = mode->currentIndex();
    if (toneBox->isChecked()) edit.tonePosition = tone->currentIndex();
    if (ctcssBox->isChecked()) edit.ctcssPosition = ctcss->currentIndex();
    if (lockBox->isChecked()) edit.lockOut = lock->currentIndex() == 1;
    return true;
}

} // namespace

void SetBulkEditResponder(BulkEditResponder responder)
{
    Responder() = std::move(responder);
}

TChannelTable::TChannelTable(TDocumentHost &host, QUndoStack *undo, QWidget *parent)
    : QMainWindow(parent, Qt::Window), host_(host)
{
    setObjectName(QStringLiteral("ChannelTable"));
    setWindowTitle(tr("Channel Table - VXL-R381"));
    setWindowIcon(ProgramIcon());

    model_ = new TChannelTableModel(host, this);
    proxy_ = new TChannelTableProxy(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(TChannelTableModel::SortRole);
    proxy_->setDynamicSortFilter(true);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);

    FindBar = new QWidget(central);
    FindBar->setObjectName(QStringLiteral("FindBar"));
    auto *findLayout = new QHBoxLayout(FindBar);
    findLayout->setContentsMargins(0, 0, 0, 0);
    auto *findLabel = new QLabel(tr("&Find:"), FindBar);
    FindEdit = new QLineEdit(FindBar);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setPlaceholderText(tr("name or frequency"));
    findLabel->setBuddy(FindEdit);
    FindNextButton = new QPushButton(tr("Find &Next"), FindBar);
    FindNextButton->setObjectName(QStringLiteral("FindNextButton"));
    findLayout->addWidget(findLabel);
    findLayout->addWidget(FindEdit, 1);
    findLayout->addWidget(FindNextButton);
    FindBar->hide();
    layout->addWidget(FindBar);

    // The Channel column stays in view while the others scroll sideways.
    auto *view = new TFrozenColumnView(central);
    TableView1 = view;
    TableView1->setObjectName(QStringLiteral("TableView1"));
    TableView1->setModel(proxy_);
    auto *delegate = new TTableDelegate(host_, TableView1);
    TableView1->setItemDelegate(delegate);
    CellReasonLabel = delegate->ReasonLabel();
    delegate->editing = [this](bool editing) { SetEditing(editing); };
    connect(TableView1->selectionModel(), &QItemSelectionModel::currentChanged, delegate,
            [delegate] { delegate->HideReason(); });
    TableView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TableView1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    TableView1->setSortingEnabled(true);
    TableView1->sortByColumn(tcChannel, Qt::AscendingOrder);
    // Rows are dragged onto a row (never between two): the model places,
    // swaps or inserts them and the views never remove any.
    for (QTableView *part : {TableView1, view->FrozenView()}) {
        part->setSelectionBehavior(QAbstractItemView::SelectRows);
        part->setSelectionMode(QAbstractItemView::ExtendedSelection);
        part->setDragEnabled(true);
        part->setAcceptDrops(true);
        part->setDragDropMode(QAbstractItemView::DragDrop);
        part->setDefaultDropAction(Qt::CopyAction);
        part->setDropIndicatorShown(true);
        part->setDragDropOverwriteMode(true);
        part->setAlternatingRowColors(true);
        part->setWordWrap(false);
    }
    // Row heights and column widths come from the font (so they follow
    // the scaling), not from measuring every cell: the table opens at once.
    const QFontMetrics metrics = TableView1->fontMetrics();
    TableView1->verticalHeader()->hide();
    TableView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TableView1->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    QHeaderView *header = TableView1->horizontalHeader();
    header->setSectionsMovable(true);
    header->setFirstSectionMovable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    const char *widest[tcColumnCount] = {"000", "000.00000", "6.25kHz", "-7.6MHz", "00.00", "On", "CTCSS",
                                         "000.0Hz", "000.0Hz", "000.00000", "On", "W.W.W.W.W.W.W"};
    const int checkBox = TableView1->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, TableView1);
    for (int column = 0; column < tcColumnCount; ++column) {
        const int cell = metrics.horizontalAdvance(QLatin1String(widest[column])) + metrics.height()
            + (TableColumnIsFlag(column) ? checkBox : 0);
        defaultWidths_ << qMax(cell, header->sectionSizeHint(column));
        header->resizeSection(column, defaultWidths_.last());
    }
    layout->addWidget(TableView1, 1);
    setCentralWidget(central);

    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);
    statusBar()->addWidget(StatusLabel, 1);

    BuildActions(undo);
    view->FrozenView()->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->FrozenView()->addActions(TableView1->actions());

    connect(model_, &TChannelTableModel::Outcome, this, &TChannelTable::ShowOutcome);
    connect(model_, &TChannelTableModel::CellRefused, this, &TChannelTable::ShowCellRefusal);
    // Asked once the drag has ended, not inside it.
    connect(model_, &TChannelTableModel::DropNeedsChoice, this, &TChannelTable::AskDrop, Qt::QueuedConnection);
    connect(FindEdit, &QLineEdit::returnPressed, this, [this] { FindNext(FindEdit->text()); });
    connect(FindNextButton, &QPushButton::clicked, this, [this] { FindNext(FindEdit->text()); });

    // The layout is stored once its changes pause, not only on closing.
    layoutTimer_ = new QTimer(this);
    layoutTimer_->setSingleShot(true);
    layoutTimer_->setInterval(500);
    connect(layoutTimer_, &QTimer::timeout, this, &TChannelTable::SaveLayout);
    connect(header, &QHeaderView::sectionResized, this, &TChannelTable::LayoutChanged);
    connect(header, &QHeaderView::sectionMoved, this, &TChannelTable::LayoutChanged);

    FindEdit->setAccessibleName(tr("Find"));
    FindEdit->setAccessibleDescription(tr("A name or frequency to look for; Enter finds the next channel holding it."));
    FindNextButton->setAccessibleDescription(tr("Finds the next channel holding the text."));
    TableView1->setAccessibleName(tr("Channels"));
    TableView1->setAccessibleDescription(tr("Every memory channel with all its settings, one row each; "
                                            "typing or F2 edits the current cell."));
    view->FrozenView()->setAccessibleName(tr("Channel numbers"));
    view->FrozenView()->setAccessibleDescription(tr("The channel column, kept in view while the table scrolls sideways."));
    StatusLabel->setAccessibleDescription(tr("Outcome of the last change in the table."));

    resize(DefaultSize());
}

TChannelTable::~TChannelTable()
{
    if (restored_)
        SaveLayout();
}

QSize TChannelTable::DefaultSize() const
{
    int width = 0;
    for (int size : defaultWidths_)
        width += size;
    const int frame = TableView1->frameWidth() * 2;
    const int scrollBar = TableView1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, TableView1);
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    width += frame + scrollBar + margins.left() + margins.right() + 2;
    const int rows = TableView1->verticalHeader()->defaultSectionSize() * 24;
    return QSize(width, rows + TableView1->horizontalHeader()->sizeHint().height() + frame
                            + menuBar()->sizeHint().height() + statusBar()->sizeHint().height() + margins.top()
                            + margins.bottom());
}

void TChannelTable::BuildActions(QUndoStack *undo)
{
    auto make = [this](QMenu *menu, const char *name, const QString &text, const QList<QKeySequence> &keys,
                       void (TChannelTable::*slot)()) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        menu->addAction(action);
        addAction(action);
        return action;
    };
    // The document commands are the main window's, with its keys.
    auto route = [this](QMenu *menu, const char *name, const QString &text, const QKeySequence &key,
                        TDocumentCommand command) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, command] { RunDocumentCommand(int(command)); });
        menu->addAction(action);
        addAction(action);
        return action;
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    NewAction = route(file, "NewAction", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), TDocumentCommand::New);
    OpenAction = route(file, "OpenAction", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                       TDocumentCommand::Open);
    SaveAction = route(file, "SaveAction", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), TDocumentCommand::Save);
    SaveAsAction = route(file, "SaveAsAction", tr("Save &As..."), QKeySequence(), TDocumentCommand::SaveAs);

    QMenu *table = menuBar()->addMenu(tr("&Table"));
    table->setObjectName(QStringLiteral("TableMenu"));
    FindAction = make(table, "FindAction", tr("&Find"), {QKeySequence::Find}, &TChannelTable::ShowFind);
    FindNextAction = make(table, "FindNextAction", tr("Find &Next"), {QKeySequence::FindNext},
                          &TChannelTable::ShowFind);
    disconnect(FindNextAction, &QAction::triggered, this, nullptr);
    connect(FindNextAction, &QAction::triggered, this, [this] {
        if (FindEdit->text().isEmpty())
            ShowFind();
        else
            FindNext(FindEdit->text());
    });
    table->addSeparator();
    CloseAction = make(table, "CloseAction", tr("&Close"), {QKeySequence(Qt::CTRL | Qt::Key_W)},
                       &TChannelTable::CloseWindow);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    if (undo) {
        QAction *undoAction = UndoAction = undo->createUndoAction(this, tr("&Undo"));
        undoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
        undoAction->setObjectName(QStringLiteral("UndoAction"));
        QAction *redoAction = RedoAction = undo->createRedoAction(this, tr("&Redo"));
        redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
        redoAction->setObjectName(QStringLiteral("RedoAction"));
        edit->addAction(undoAction);
        edit->addAction(redoAction);
        addAction(undoAction);
        addAction(redoAction);
        edit->addSeparator();
    }
    CopyAction = make(edit, "CopyAction", tr("&Copy Rows as CSV"), {QKeySequence::Copy}, &TChannelTable::CopyRows);
    PasteAction = make(edit, "PasteAction", tr("&Paste Rows Here"), {QKeySequence::Paste}, &TChannelTable::PasteRows);
    PasteToLocationsAction = make(edit, "PasteToLocationsAction", tr("Paste Rows to Their &Locations"),
                                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, &TChannelTable::PasteRowsToLocations);
    edit->addSeparator();
    BulkEditAction = make(edit, "BulkEditAction", tr("&Bulk Edit..."), {QKeySequence(Qt::CTRL | Qt::Key_B)},
                          &TChannelTable::BulkEditRows);
    ClearAction = make(edit, "ClearAction", tr("C&lear"), {QKeySequence(Qt::Key_Delete)}, &TChannelTable::ClearRows);
    edit->addSeparator();
    MoveUpAction = make(edit, "MoveUpAction", tr("Move &Up"), {QKeySequence(Qt::ALT | Qt::Key_Up)},
                        &TChannelTable::MoveRowsUp);
    MoveDownAction = make(edit, "MoveDownAction", tr("Move &Down"), {QKeySequence(Qt::ALT | Qt::Key_Down)},
                          &TChannelTable::MoveRowsDown);
    SwapAction = make(edit, "SwapAction", tr("&Swap Two Rows"), {QKeySequence(Qt::CTRL | Qt::Key_Slash)},
                      &TChannelTable::SwapRows);
    InsertAction = make(edit, "InsertAction", tr("&Insert empty slot here"), {QKeySequence(Qt::Key_Insert)},
                        &TChannelTable::InsertEmptySlot);
    DeleteCloseAction = make(edit, "DeleteCloseAction", tr("Delete and close the &gap"),
                             {QKeySequence(Qt::SHIFT | Qt::Key_Delete)}, &TChannelTable::DeleteAndCloseGap);

    QMenu *radio = menuBar()->addMenu(tr("&Radio"));
    radio->setObjectName(QStringLiteral("RadioMenu"));
    ReadAction = route(radio, "ReadAction", tr("&Read"), QKeySequence(), TDocumentCommand::Read);
    WriteAction = route(radio, "WriteAction", tr("&Write"), QKeySequence(), TDocumentCommand::Write);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    HelpAction = route(help, "HelpAction", tr("&Help Topics"), QKeySequence(Qt::Key_F1), TDocumentCommand::Help);

    // The same commands on the right mouse button.
    TableView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction *action : {CopyAction, PasteAction, PasteToLocationsAction, BulkEditAction, ClearAction,
                            MoveUpAction, MoveDownAction, SwapAction, InsertAction, DeleteCloseAction})
        TableView1->addAction(action);
}

// ---------------------------------------------------------------- selection

QList<int> TChannelTable::SelectedSlots() const
{
    QList<int> slotList;
    for (const QModelIndex &index : TableView1->selectionModel()->selectedRows())
        slotList << index.data(TChannelTableModel::SlotRole).toInt();
    if (slotList.isEmpty() && CurrentSlot() > 0)
        slotList << CurrentSlot();
    std::sort(slotList.begin(), slotList.end());
    return slotList;
}

int TChannelTable::CurrentSlot() const
{
    const QModelIndex current = TableView1->currentIndex();
    return current.isValid() ? current.data(TChannelTableModel::SlotRole).toInt() : 0;
}

void TChannelTable::SelectSlots(const QList<int> &slotList)
{
    QItemSelectionModel *selection = TableView1->selectionModel();
    QItemSelection chosen;
    for (int slot : slotList) {
        const QModelIndex index = proxy_->mapFromSource(model_->index(TChannelTableModel::RowOfSlot(slot), 0));
        if (index.isValid())
            chosen.select(index, index.siblingAtColumn(tcColumnCount - 1));
    }
    if (slotList.isEmpty())
        return;
    const int column = qMax(0, TableView1->currentIndex().column());
    const QModelIndex first = proxy_->mapFromSource(model_->index(TChannelTableModel::RowOfSlot(slotList.first()), column));
    selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selection->select(chosen, QItemSelectionModel::ClearAndSelect);
    TableView1->scrollTo(first);
}

bool TChannelTable::FindNext(const QString &text)
{
    const int rows = proxy_->rowCount();
    const int start = TableView1->currentIndex().isValid() ? TableView1->currentIndex().row() : -1;
    for (int step = 1; step <= rows; ++step) {
        const int row = (start + step) % rows;
        const int slot = proxy_->index(row, 0).data(TChannelTableModel::SlotRole).toInt();
        if (SlotMatchesFind(host_.Document(), slot, text)) {
            SelectSlots({slot});
            ShowOutcome(false, tr("Found %1").arg(MemorySlotLabel(slot)));
            return true;
        }
    }
    ShowOutcome(false, tr("\"%1\" not found").arg(text));
    return false;
}

QString TChannelTable::StatusText() const { return StatusLabel->text(); }

void TChannelTable::ShowOutcome(bool refused, const QString &text)
{
    if (refused) {
        StatusLabel->setText(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        Dialogs::Message(this, text, Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return;
    }
    StatusLabel->setText(text);
}

void TChannelTable::ShowCellRefusal(int slot, int column, const QString &reason)
{
    // Said beside the cell, without a message box: the editor keeps the text.
    StatusLabel->setText(QString(reason).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    const QModelIndex cell = proxy_->mapFromSource(model_->index(TChannelTableModel::RowOfSlot(slot), column));
    static_cast<TTableDelegate *>(TableView1->itemDelegate())->ShowReason(cell, reason);
}

void TChannelTable::AskDrop(const QList<int> &slotList, int target)
{
    if (slotList.isEmpty() || DropKindOf(host_.Document(), slotList, target) != TDropKind::Ask)
        return;
    Dialogs::ChoiceRequest request;
    request.caption = QStringLiteral("VXL-R381");
    const QString moving = slotList.size() == 1 ? MemorySlotLabel(slotList.first())
                                                : tr("%1 channels").arg(slotList.size());
    request.text = tr("Slot %1 holds a channel.\n").arg(MemorySlotLabel(target));
    if (slotList.size() == 1) {
        request.text += tr("Swap %1 with it, or insert %1 here and move the channels from %2 on down "
                                       "to the next empty slot?")
                            .arg(moving, MemorySlotLabel(target));
        request.choices = {tr("&Swap"), tr("&Insert here"), tr("Cancel")};
    } else {
        request.text += tr("Insert the %1 here and move the channels from %2 on down to the next "
                                       "empty slots?")
                            .arg(moving, MemorySlotLabel(target));
        request.choices = {tr("&Insert here"), tr("Cancel")};
    }
    const QString chosen = request.choices.value(Dialogs::Choose(this, request));
    bool changed = false;
    if (chosen == tr("&Swap"))
        changed = model_->Swap(slotList.first(), target);
    else if (chosen == tr("&Insert here"))
        changed = model_->InsertAt(slotList, target);
    if (changed)
        SelectAfterChange();
}

void TChannelTable::SetEditing(bool editing)
{
    for (QAction *action : {CopyAction, PasteAction, PasteToLocationsAction, BulkEditAction, ClearAction,
                            MoveUpAction, MoveDownAction, SwapAction, InsertAction, DeleteCloseAction}) {
        if (action)
            action->setEnabled(!editing);
    }
}

void TChannelTable::RunDocumentCommand(int command)
{
    // What is typed in an open cell belongs to the document being saved.
    static_cast<TTableDelegate *>(TableView1->itemDelegate())->CommitOpenEditor();
    host_.RunDocumentCommand(TDocumentCommand(command));
}

void TChannelTable::SelectAfterChange()
{
    const QList<int> slotList = model_->LastSlots();
    if (!slotList.isEmpty())
        SelectSlots(slotList);
}

// ---------------------------------------------------------------- commands

void TChannelTable::DocumentChanged()
{
    model_->Reload();
}

void TChannelTable::CopyRows()
{
    const QByteArray csv = model_->CopyCsv(SelectedSlots());
    auto *data = new QMimeData;
    data->setData(QStringLiteral("text/csv"), csv);
    data->setText(QString::fromUtf8(csv));
    QApplication::clipboard()->setMimeData(data);
    ShowOutcome(false, tr("%1 row(s) copied as CSV").arg(SelectedSlots().size()));
}

static QByteArray ClipboardCsv()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data)
        return QByteArray();
    if (data->hasFormat(QStringLiteral("text/csv")))
        return data->data(QStringLiteral("text/csv"));
    return data->text().toUtf8();
}

void TChannelTable::PasteRows()
{
    const int slot = CurrentSlot() > 0 ? CurrentSlot() : 1;
    TCsvImportPlan plan = model_->PlanPaste(ClipboardCsv(), slot);
    // Rows pasted from a numbered channel stop at 180 unless the user
    // agrees to overwrite L1..PR.
    if (!AskCsvRowsPast180(this, plan, host_.Document())) {
        ShowOutcome(false, tr("Paste cancelled: nothing changed"));
        return;
    }
    if (model_->ApplyPaste(plan))
        SelectAfterChange();
}

void TChannelTable::PasteRowsToLocations()
{
    if (model_->PasteCsv(ClipboardCsv(), 0))
        SelectAfterChange();
}

void TChannelTable::BulkEditRows()
{
    const QList<int> slotList = SelectedSlots();
    TBulkEdit edit;
    if (!AskBulkEdit(this, host_.Document(), edit, slotList.size()))
        return;
    // A step that would move frequencies asks first, naming them.
    const TBulkPlan plan = PlanBulkEdit(host_.Document(), slotList, edit);
    if (!plan.moves.isEmpty()) {
        constexpr int kListed = 20;
        QStringList lines;
        for (const TFrequencyMove &move : plan.moves.mid(0, kListed))
            lines << QStringLiteral("%1: %2%3 MHz -> %4 MHz")
                         .arg(MemorySlotLabel(move.slot), move.transmit ? QStringLiteral("Tx ") : QString(),
                              move.before, move.after);
        if (plan.moves.size() > kListed)
            lines << tr("and %1 more").arg(plan.moves.size() - kListed);
        QString text = tr("The step %1 would move these frequencies:\n%2")
                           .arg(EditorStepTexts().value(*edit.stepPosition), lines.join(QLatin1Char('\n')));
        if (!plan.stepKept.isEmpty()) {
            QStringList kept;
            for (const TFrequencyMove &move : plan.stepKept)
                kept << MemorySlotLabel(move.slot);
            text += tr("\n\nThese channels keep their step, which holds their split Tx frequency: %1")
                        .arg(kept.join(QStringLiteral(", ")));
        }
        text += tr("\n\nApply the step anyway?");
        if (Dialogs::Message(this, text, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
            ShowOutcome(false, tr("Bulk edit cancelled: nothing changed"));
            return;
        }
    }
    model_->BulkEdit(slotList, edit);
    SelectSlots(slotList);
}

void TChannelTable::ClearRows()
{
    const QList<int> slotList = SelectedSlots();
    TBulkEdit edit;
    edit.clear = true;
    model_->BulkEdit(slotList, edit);
    SelectSlots(slotList);
}

void TChannelTable::MoveRowsUp()
{
    if (model_->Shift(SelectedSlots(), -1))
        SelectAfterChange();
}

void TChannelTable::MoveRowsDown()
{
    if (model_->Shift(SelectedSlots(), +1))
        SelectAfterChange();
}

void TChannelTable::SwapRows()
{
    const QList<int> slotList = SelectedSlots();
    if (slotList.size() != 2) {
        ShowOutcome(true, tr("Select exactly two rows to swap."));
        return;
    }
    if (model_->Swap(slotList[0], slotList[1]))
        SelectAfterChange();
}

void TChannelTable::InsertEmptySlot()
{
    const QList<int> slotList = SelectedSlots();
    if (slotList.isEmpty())
        return;
    if (model_->InsertEmpty(slotList.first(), 1))
        SelectAfterChange();
}

void TChannelTable::DeleteAndCloseGap()
{
    if (model_->DeleteCloseGap(SelectedSlots()))
        SelectAfterChange();
}

void TChannelTable::CloseWindow()
{
    close();
}

void TChannelTable::ShowFind()
{
    FindBar->show();
    FindEdit->setFocus(Qt::ShortcutFocusReason);
    FindEdit->selectAll();
}

// ---------------------------------------------------------------- layout

bool TChannelTable::RestoreLayout()
{
    const QByteArray columns = StoredTableColumns();
    QHeaderView *header = TableView1->horizontalHeader();
    if (!columns.isEmpty())
        header->restoreState(columns);
    // The Channel column stays first, where it is frozen.
    if (header->visualIndex(tcChannel) != 0)
        header->moveSection(header->visualIndex(tcChannel), 0);
    const QByteArray geometry = StoredTableGeometry();
    return !geometry.isEmpty() && restoreGeometry(geometry);
}

void TChannelTable::SaveLayout()
{
    layoutTimer_->stop();
    SaveTableLayout(saveGeometry(), TableView1->horizontalHeader()->saveState());
}

void TChannelTable::LayoutChanged()
{
    if (restored_ && isVisible())
        layoutTimer_->start();
}

// Beside the main window where the screen has room, at the size that shows
// every column (or as much of it as the screen holds).
void TChannelTable::PlaceBesideMainWindow()
{
    QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = main ? main->screen() : this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // The frame the window manager adds, as the main window has it.
    QSize frame;
    if (main && main->isVisible())
        frame = main->frameGeometry().size() - main->geometry().size();
    // Never the whole screen: the desktop's panels and the window's own
    // decoration need some of it.
    const QSize wanted = FitText::BoundedToScreen(this, DefaultSize()) + frame;
    if (main && main->isVisible()) {
        const QRect place = TableWindowPlacement(available, main->frameGeometry(), wanted);
        resize(place.size() - frame);
        move(place.topLeft());
    } else {
        resize(wanted.boundedTo(available.size()) - frame);
    }
}

void TChannelTable::showEvent(QShowEvent *event)
{
    if (!restored_) {
        if (!RestoreLayout()) {
            PlaceBesideMainWindow();
        } else if (const QScreen *screen = this->screen()) {
            // A size stored at a smaller scaling can exceed the screen.
            const QSize room = screen->availableGeometry().size();
            if (width() > room.width() || height() > room.height())
                resize(size().boundedTo(room * 9 / 10));
        }
        restored_ = true;
    }
    QMainWindow::showEvent(event);
}

void TChannelTable::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    LayoutChanged();
}

void TChannelTable::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    LayoutChanged();
}

void TChannelTable::hideEvent(QHideEvent *event)
{
    if (restored_)
        SaveLayout();
    QMainWindow::hideEvent(event);
}

void TChannelTable::closeEvent(QCloseEvent *event)
{
    if (restored_)
        SaveLayout();
    QMainWindow::closeEvent(event);
}
