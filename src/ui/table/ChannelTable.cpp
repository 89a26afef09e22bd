#include "ChannelTable.h"

#include "ChannelTableModel.h"
#include "data/BandPlan.h"
#include "data/ChannelDocument.h"
#include "data/ChannelTableRules.h"
#include "data/DocumentHost.h"
#include "data/Settings.h"
#include "ui/Artwork.h"
#include "ui/editors/EditorDialog.h"
#include "ui/seam/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
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

QStringList ChoicesOf(int column)
{
    switch (column) {
    case tcStep: return EditorStepTexts();
    case tcShift: return {QStringLiteral("Simplex"), QStringLiteral("Plus"), QStringLiteral("Minus"), QStringLiteral("-7.6MHz")};
    case tcToneMode: return {QStringLiteral("Off"), QStringLiteral("Tone"), QStringLiteral("CTCSS")};
    case tcToneFrequency:
    case tcCtcssFrequency: return EditorToneTexts();
    }
    return {};
}

// Lists for the columns that take one of a few values; a line edit for the
// others, the name's taking keys as the memory editor's name box does.
// A list left without a choice changes nothing, and a typed entry the table
// refuses opens its cell again with the text, to be corrected (or dropped
// with Escape).
class TTableDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QStringList choices = ChoicesOf(index.column());
        if (choices.isEmpty()) {
            QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
            auto *line = qobject_cast<QLineEdit *>(editor);
            if (line && index.column() == tcName) {
                line->setValidator(new TCharFilterValidator(EditorFilter::MemoryName, line));
                line->setMaxLength(kNameBoxLength);
            }
            return editor;
        }
        auto *list = new QComboBox(parent);
        list->addItems(choices);
        return list;
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
        if (auto *list = qobject_cast<QComboBox *>(editor)) {
            if (list->currentText() != index.data(Qt::EditRole).toString())
                model->setData(index, list->currentText(), Qt::EditRole);
            return;
        }
        auto *line = qobject_cast<QLineEdit *>(editor);
        if (!line) {
            QStyledItemDelegate::setModelData(editor, model, index);
            return;
        }
        const QString typed = line->text();
        if (model->setData(index, typed, Qt::EditRole))
            return;
        // Refused, and the table has said why. The view closes this editor
        // after the commit; the cell opens again once it has.
        auto *view = qobject_cast<QAbstractItemView *>(parent());
        if (!view)
            return;
        const QPersistentModelIndex cell(index);
        QTimer::singleShot(0, view, [this, view, cell, typed] { Retry(view, cell, typed); });
    }

private:
    // The memory editor's name box takes at most this many characters.
    static constexpr int kNameBoxLength = 13;

    void Retry(QAbstractItemView *view, const QPersistentModelIndex &cell, const QString &typed) const
    {
        if (!cell.isValid())
            return;
        retryCell_ = cell;
        retryText_ = typed;
        retryEditor_.clear();
        view->setCurrentIndex(cell);
        view->edit(cell);
        // The view selects a new editor's text; the cursor goes after it.
        if (retryEditor_)
            retryEditor_->deselect();
        retryCell_ = QPersistentModelIndex();
        retryText_.clear();
        retryEditor_.clear();
    }

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
bool AskBulkEdit(QWidget *parent, TBulkEdit &edit, int count)
{
    if (Responder())
        return Responder()(edit);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("BulkEditDialog"));
    dialog.setWindowTitle(QStringLiteral("Bulk Edit %1 Channel(s)").arg(count));
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
    QComboBox *step = list(EditorStepTexts());
    QComboBox *shift = list(ChoicesOf(tcShift));
    auto *offset = new QLineEdit(&dialog);
    QComboBox *mode = list(ChoicesOf(tcToneMode));
    QComboBox *tone = list(EditorToneTexts());
    QComboBox *ctcss = list(EditorToneTexts());
    tone->setCurrentIndex(7);
    ctcss->setCurrentIndex(7);
    QComboBox *lock = list({QStringLiteral("Off"), QStringLiteral("On")});
    QCheckBox *stepBox = row(QStringLiteral("&Step"), step);
    QCheckBox *shiftBox = row(QStringLiteral("S&hift"), shift);
    QCheckBox *offsetBox = row(QStringLiteral("&Offset (MHz)"), offset);
    QCheckBox *modeBox = row(QStringLiteral("&Tone/CTCSS"), mode);
    QCheckBox *toneBox = row(QStringLiteral("T&one Frequency"), tone);
    QCheckBox *ctcssBox = row(QStringLiteral("&CTCSS Frequency"), ctcss);
    QCheckBox *lockBox = row(QStringLiteral("&Lock Out"), lock);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (stepBox->isChecked()) edit.stepPosition = step->currentIndex();
    if (shiftBox->isChecked()) edit.shift = QChar(u"0123"[shift->currentIndex()]);
    if (offsetBox->isChecked()) edit.offset = offset->text();
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
    setWindowTitle(QStringLiteral("Channel Table - VXL-R381"));
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
    auto *findLabel = new QLabel(QStringLiteral("&Find:"), FindBar);
    FindEdit = new QLineEdit(FindBar);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setPlaceholderText(QStringLiteral("name or frequency"));
    findLabel->setBuddy(FindEdit);
    FindNextButton = new QPushButton(QStringLiteral("Find &Next"), FindBar);
    FindNextButton->setObjectName(QStringLiteral("FindNextButton"));
    findLayout->addWidget(findLabel);
    findLayout->addWidget(FindEdit, 1);
    findLayout->addWidget(FindNextButton);
    FindBar->hide();
    layout->addWidget(FindBar);

    TableView1 = new QTableView(central);
    TableView1->setObjectName(QStringLiteral("TableView1"));
    TableView1->setModel(proxy_);
    TableView1->setItemDelegate(new TTableDelegate(TableView1));
    TableView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TableView1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    TableView1->setSortingEnabled(true);
    TableView1->sortByColumn(tcChannel, Qt::AscendingOrder);
    TableView1->setDragEnabled(true);
    TableView1->setAcceptDrops(true);
    TableView1->setDragDropMode(QAbstractItemView::DragDrop);
    // The model moves the rows itself; the view never removes any.
    TableView1->setDefaultDropAction(Qt::CopyAction);
    TableView1->setDropIndicatorShown(true);
    TableView1->setDragDropOverwriteMode(false);
    TableView1->setAlternatingRowColors(true);
    TableView1->setWordWrap(false);
    // Row heights and column widths come from the font (so they follow
    // the scaling), not from measuring every cell: the table opens at once.
    const QFontMetrics metrics = TableView1->fontMetrics();
    TableView1->verticalHeader()->hide();
    TableView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TableView1->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    QHeaderView *header = TableView1->horizontalHeader();
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    const char *widest[tcColumnCount] = {"000", "000.00000", "6.25kHz", "-7.6MHz", "00.00", "On", "CTCSS",
                                         "000.0Hz", "000.0Hz", "000.00000", "On", "W.W.W.W.W.W.W"};
    for (int column = 0; column < tcColumnCount; ++column) {
        const int text = qMax(metrics.horizontalAdvance(QLatin1String(widest[column])),
                              metrics.horizontalAdvance(TableColumnTitle(column)));
        header->resizeSection(column, text + metrics.height() * 2);
    }
    layout->addWidget(TableView1, 1);
    setCentralWidget(central);

    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);
    statusBar()->addWidget(StatusLabel, 1);

    BuildActions(undo);

    connect(model_, &TChannelTableModel::Outcome, this, &TChannelTable::ShowOutcome);
    connect(FindEdit, &QLineEdit::returnPressed, this, [this] { FindNext(FindEdit->text()); });
    connect(FindNextButton, &QPushButton::clicked, this, [this] { FindNext(FindEdit->text()); });

    resize(900, 600);
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
    QMenu *table = menuBar()->addMenu(QStringLiteral("&Table"));
    table->setObjectName(QStringLiteral("TableMenu"));
    FindAction = make(table, "FindAction", QStringLiteral("&Find"), {QKeySequence::Find}, &TChannelTable::ShowFind);
    FindNextAction = make(table, "FindNextAction", QStringLiteral("Find &Next"), {QKeySequence::FindNext},
                          &TChannelTable::ShowFind);
    disconnect(FindNextAction, &QAction::triggered, this, nullptr);
    connect(FindNextAction, &QAction::triggered, this, [this] {
        if (FindEdit->text().isEmpty())
            ShowFind();
        else
            FindNext(FindEdit->text());
    });
    table->addSeparator();
    CloseAction = make(table, "CloseAction", QStringLiteral("&Close"), {QKeySequence(Qt::CTRL | Qt::Key_W)},
                       &TChannelTable::CloseWindow);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    if (undo) {
        QAction *undoAction = undo->createUndoAction(this, QStringLiteral("&Undo"));
        undoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
        undoAction->setObjectName(QStringLiteral("UndoAction"));
        QAction *redoAction = undo->createRedoAction(this, QStringLiteral("&Redo"));
        redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
        redoAction->setObjectName(QStringLiteral("RedoAction"));
        edit->addAction(undoAction);
        edit->addAction(redoAction);
        addAction(undoAction);
        addAction(redoAction);
        edit->addSeparator();
    }
    CopyAction = make(edit, "CopyAction", QStringLiteral("&Copy Rows as CSV"), {QKeySequence::Copy}, &TChannelTable::CopyRows);
    PasteAction = make(edit, "PasteAction", QStringLiteral("&Paste Rows Here"), {QKeySequence::Paste}, &TChannelTable::PasteRows);
    PasteToLocationsAction = make(edit, "PasteToLocationsAction", QStringLiteral("Paste Rows to Their &Locations"),
                                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, &TChannelTable::PasteRowsToLocations);
    edit->addSeparator();
    BulkEditAction = make(edit, "BulkEditAction", QStringLiteral("&Bulk Edit..."), {QKeySequence(Qt::CTRL | Qt::Key_B)},
                          &TChannelTable::BulkEditRows);
    ClearAction = make(edit, "ClearAction", QStringLiteral("C&lear"), {QKeySequence(Qt::Key_Delete)}, &TChannelTable::ClearRows);
    edit->addSeparator();
    MoveUpAction = make(edit, "MoveUpAction", QStringLiteral("Move &Up"), {QKeySequence(Qt::ALT | Qt::Key_Up)},
                        &TChannelTable::MoveRowsUp);
    MoveDownAction = make(edit, "MoveDownAction", QStringLiteral("Move &Down"), {QKeySequence(Qt::ALT | Qt::Key_Down)},
                          &TChannelTable::MoveRowsDown);
    SwapAction = make(edit, "SwapAction", QStringLiteral("&Swap Two Rows"), {QKeySequence(Qt::CTRL | Qt::Key_Slash)},
                      &TChannelTable::SwapRows);
    InsertAction = make(edit, "InsertAction", QStringLiteral("&Insert empty slot here"), {QKeySequence(Qt::Key_Insert)},
                        &TChannelTable::InsertEmptySlot);
    DeleteCloseAction = make(edit, "DeleteCloseAction", QStringLiteral("Delete and close the &gap"),
                             {QKeySequence(Qt::SHIFT | Qt::Key_Delete)}, &TChannelTable::DeleteAndCloseGap);

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
            ShowOutcome(false, QStringLiteral("Found %1").arg(MemorySlotLabel(slot)));
            return true;
        }
    }
    ShowOutcome(false, QStringLiteral("\"%1\" not found").arg(text));
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
    ShowOutcome(false, QStringLiteral("%1 row(s) copied as CSV").arg(SelectedSlots().size()));
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
    const int fit = CsvRowsWithinNumbered(plan);
    if (fit < plan.rows.size()) {
        switch (Dialogs::Question(this, CsvOverflowQuestion(plan, host_.Document()), Dialogs::Buttons::YesNoCancel,
                                  Dialogs::Answer::No)) {
        case Dialogs::Answer::Yes:
            break;
        case Dialogs::Answer::No:
            plan.rows = plan.rows.mid(0, fit);
            break;
        default:
            ShowOutcome(false, QStringLiteral("Paste cancelled: nothing changed"));
            return;
        }
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
    if (!AskBulkEdit(this, edit, slotList.size()))
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
            lines << QStringLiteral("and %1 more").arg(plan.moves.size() - kListed);
        QString text = QStringLiteral("The step %1 would move these frequencies:\n%2")
                           .arg(EditorStepTexts().value(*edit.stepPosition), lines.join(QLatin1Char('\n')));
        if (!plan.stepKept.isEmpty()) {
            QStringList kept;
            for (const TFrequencyMove &move : plan.stepKept)
                kept << MemorySlotLabel(move.slot);
            text += QStringLiteral("\n\nThese channels keep their step, which holds their split Tx frequency: %1")
                        .arg(kept.join(QStringLiteral(", ")));
        }
        text += QStringLiteral("\n\nApply the step anyway?");
        if (Dialogs::Message(this, text, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
            ShowOutcome(false, QStringLiteral("Bulk edit cancelled: nothing changed"));
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
        ShowOutcome(true, QStringLiteral("Select exactly two rows to swap."));
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

void TChannelTable::RestoreLayout()
{
    const QByteArray geometry = StoredTableGeometry();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    const QByteArray columns = StoredTableColumns();
    if (!columns.isEmpty())
        TableView1->horizontalHeader()->restoreState(columns);
}

void TChannelTable::SaveLayout()
{
    SaveTableLayout(saveGeometry(), TableView1->horizontalHeader()->saveState());
}

void TChannelTable::showEvent(QShowEvent *event)
{
    if (!restored_) {
        restored_ = true;
        RestoreLayout();
        // At a large scaling the default size can exceed the screen.
        if (const QScreen *screen = this->screen()) {
            const QSize room = screen->availableGeometry().size();
            if (width() > room.width() || height() > room.height())
                resize(size().boundedTo(room * 9 / 10));
        }
    }
    QMainWindow::showEvent(event);
}

void TChannelTable::hideEvent(QHideEvent *event)
{
    SaveLayout();
    QMainWindow::hideEvent(event);
}

void TChannelTable::closeEvent(QCloseEvent *event)
{
    SaveLayout();
    QMainWindow::closeEvent(event);
}
