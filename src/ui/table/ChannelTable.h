// TChannelTable: a resizable window over the document's memory slots, beside
// the main window: sorting, find, in-cell editing, multi-select with bulk
// edit, moving and renumbering slots, and rows as CSV on the clipboard. The
// document commands (New, Open, Save, Save As, Read, Write, Undo, Redo) are
// the main window's, reached through the document host with the same keys.
#pragma once

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTimer;
class QTableView;
class QUndoStack;
class QWidget;
class TChannelTableModel;
class TDocumentHost;

class TChannelTable : public QMainWindow {
    Q_OBJECT
public:
    // undo: the main window's undo stack, for the Undo and Redo items
    // (null: none).
    explicit TChannelTable(TDocumentHost &host, QUndoStack *undo = nullptr, QWidget *parent = nullptr);
    // The layout goes into the settings store also when the program ends
    // with the window open.
    ~TChannelTable() override;

    TChannelTableModel *Model() const { return model_; }
    QSortFilterProxyModel *Proxy() const { return proxy_; }

    // Slots of the selected rows, in slot order; the current row's slot.
    QList<int> SelectedSlots() const;
    int CurrentSlot() const;
    // Selects the rows of the slots and makes the first one current.
    void SelectSlots(const QList<int> &slotList);

    // Find: the next row after the current one (in the shown order) that
    // matches the text; wraps. False when no row matches.
    bool FindNext(const QString &text);
    // Last outcome shown in the status bar.
    QString StatusText() const;
    // The size the window opens at when no size is stored: every column
    // in view.
    QSize DefaultSize() const;

public slots:
    // The document changed elsewhere.
    void DocumentChanged();
    void CopyRows();
    void PasteRows();          // at the current row
    void PasteRowsToLocations(); // at the rows' own Location
    void BulkEditRows();       // asks in a dialog
    void ClearRows();
    void MoveRowsUp();
    void MoveRowsDown();
    void SwapRows();           // exactly two selected rows
    void InsertEmptySlot();
    void DeleteAndCloseGap();
    void ShowFind();
    void CloseWindow();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void BuildActions(QUndoStack *undo);
    void ShowOutcome(bool refused, const QString &text);
    void ShowCellRefusal(int slot, int column, const QString &reason);
    // Rows dropped onto a channel: Swap, Insert here or Cancel.
    void AskDrop(const QList<int> &slotList, int target);
    // The commands that change rows are off while a cell editor is open,
    // so that their keys reach the editor.
    void SetEditing(bool editing);
    // Stores an open cell editor's text, then runs the main window's command.
    void RunDocumentCommand(int command);
    void PlaceBesideMainWindow();
    void LayoutChanged();
    void SelectAfterChange();
    void SaveLayout();
    // False when no window geometry was stored.
    bool RestoreLayout();

    TDocumentHost &host_;
    TChannelTableModel *model_ = nullptr;
    QSortFilterProxyModel *proxy_ = nullptr;
    bool restored_ = false;
    QTimer *layoutTimer_ = nullptr; // saves the layout once changes pause
    QList<int> defaultWidths_;        // column widths that fit their texts

public:
    QTableView *TableView1 = nullptr;
    QWidget *FindBar = nullptr;
    QLineEdit *FindEdit = nullptr;
    QPushButton *FindNextButton = nullptr;
    QLabel *StatusLabel = nullptr;
    QLabel *CellReasonLabel = nullptr; // why a typed value was refused, beside its cell
    QAction *CopyAction = nullptr, *PasteAction = nullptr, *PasteToLocationsAction = nullptr,
            *BulkEditAction = nullptr, *ClearAction = nullptr, *MoveUpAction = nullptr,
            *MoveDownAction = nullptr, *SwapAction = nullptr, *InsertAction = nullptr,
            *DeleteCloseAction = nullptr, *FindAction = nullptr, *FindNextAction = nullptr,
            *CloseAction = nullptr;
    // The main window's document commands.
    QAction *NewAction = nullptr, *OpenAction = nullptr, *SaveAction = nullptr, *SaveAsAction = nullptr,
            *ReadAction = nullptr, *WriteAction = nullptr, *UndoAction = nullptr, *RedoAction = nullptr;
    QAction *HelpAction = nullptr; // "&Help Topics" (F1): the manual at the table's topic
};

// The bulk edit dialog's choices for the selected rows; false when the user
// cancelled. Tests replace the dialog with a responder.
struct TBulkEdit;
using BulkEditResponder = std::function<bool(TBulkEdit &)>;
void SetBulkEditResponder(BulkEditResponder responder);
