// TChannelTable: a resizable window over the document's memory slots, beside
// the main window: sorting, find, in-cell editing, multi-select with bulk
// edit, moving and renumbering slots, and rows as CSV on the clipboard.
#pragma once

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
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
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void BuildActions(QUndoStack *undo);
    void ShowOutcome(bool refused, const QString &text);
    void SelectAfterChange();
    void SaveLayout();
    void RestoreLayout();

    TDocumentHost &host_;
    TChannelTableModel *model_ = nullptr;
    QSortFilterProxyModel *proxy_ = nullptr;
    bool restored_ = false;

public:
    QTableView *TableView1 = nullptr;
    QWidget *FindBar = nullptr;
    QLineEdit *FindEdit = nullptr;
    QPushButton *FindNextButton = nullptr;
    QLabel *StatusLabel = nullptr;
    QAction *CopyAction = nullptr, *PasteAction = nullptr, *PasteToLocationsAction = nullptr,
            *BulkEditAction = nullptr, *ClearAction = nullptr, *MoveUpAction = nullptr,
            *MoveDownAction = nullptr, *SwapAction = nullptr, *InsertAction = nullptr,
            *DeleteCloseAction = nullptr, *FindAction = nullptr, *FindNextAction = nullptr,
            *CloseAction = nullptr;
};

// The bulk edit dialog's choices for the selected rows; false when the user
// cancelled. Tests replace the dialog with a responder.
struct TBulkEdit;
using BulkEditResponder = std::function<bool(TBulkEdit &)>;
void SetBulkEditResponder(BulkEditResponder responder);
