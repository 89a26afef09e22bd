// TMainForm: the four channel lists, comment line, status bar, menus and
// tool bar; owner of the one document.
#pragma once

#include "data/ChannelDocument.h"
#include "data/DocumentHost.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPoint;
class QStatusBar;
class QTableWidget;
class QUrl;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QToolButton;
enum class TBackupKind;
class TCommentValidator;
class TDocumentHistory;
class TSerialTraceFile;
struct TDocumentState;
class TMainWindowServices;

class TMainForm : public QMainWindow, public TDocumentHost {
    Q_OBJECT
public:
    // services opens the editors, the read and write windows, the about
    // box and help; without it (null) those commands do nothing.
    explicit TMainForm(TMainWindowServices *services = nullptr, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The document and its state.
    TChannelDocument &Document() override { return document_; }
    const TChannelDocument &Document() const { return document_; }
    int Modified() const { return modified_; }
    void SetModified(int value) override { modified_ = value; }
    int ActiveGrid() const { return activeGrid_; }
    QString FileName() const { return fileName_; }
    QString Comment() const;       // text of Edit2
    void SetComment(const QString &text);
    QString CommPort() const override { return commPort_; } // "COM1" / "COM2"
    int CommPortNumber() const { return commPort_ == QLatin1String("COM2") ? 2 : 1; }
    QString Caption() const { return windowTitle(); }

    // Lists: StringGrid1..StringGrid4 by number 1..4.
    QTableWidget *Grid(int number) const;
    int SelectedRow(int grid) const override; // current row (1-based data rows)
    void SelectRow(int grid, int row);
    // Band index of a VFO list row (from its label), -1 when none.
    int VfoBandOfRow(int row) const override;

    void RefreshGrids() override;
    void RebuildVfoRows() override;
    void RecordChange(const QString &name) override;
    void RunDocumentCommand(TDocumentCommand command) override;
    // Undo and redo of document changes.
    TDocumentHistory &History() { return *history_; }
    void UpdateStatusBar();
    void UpdateEditCommands();
    // Takes a valid record from the clipboard into the staging buffer. Run
    // when the clipboard changes and when the program becomes active, never
    // on a row change.
    void ReadClipboardRecord();

    // Data file named on the command line, opened at the first showing.
    void SetCommandLine(const QStringList &arguments) { commandLine_ = arguments; }
    // A command run once the window is first up (after the command-line
    // file): Radio > Read or File > Open Backup... (the desktop entry's
    // actions).
    enum class StartCommand { None, Read, OpenBackup };
    void SetStartCommand(StartCommand command) { startCommand_ = command; }

    // Document commands. SaveAs returns whether a file was written.
    void NewDocument();
    bool OpenFile(const QString &path); // "File Open error." on failure
    // Opens a backup as an untitled copy of its contents: Save asks for a
    // new file, and the folder the file dialogs remember is not changed.
    bool OpenBackup(const QString &path);
    bool SaveDocument();
    bool SaveDocumentAs();
    // Unsaved-changes question; false when the command must stop: Cancel,
    // or Yes whose Save As wrote no file.
    bool AskSaveChanges();
    // Opens the data file named by the command-line arguments (joined with
    // single spaces); nothing when there are none.
    void OpenCommandLineFile();
    // File > Recent Files: the unsaved-changes question, then the file. A
    // file that is gone is said so and dropped from the list.
    bool OpenRecentFile(const QString &path);
    // The data files last opened or saved, newest first.
    QStringList RecentFiles() const { return recentFiles_; }
    // Files dropped onto the window: a .381 file is opened after the
    // unsaved-changes question; any other file is refused with a message.
    // Returns whether a file was opened.
    bool OpenDroppedFiles(const QList<QUrl> &urls);
    // Plans a CSV file's rows, shows the report and on OK stores them as
    // one undoable step "Import CSV". Returns whether rows were stored.
    bool ImportCsvFile(const QString &path);
    // Folder the file dialogs start in.
    QString Folder() const { return folder_; }
    // Height of one list row (the header row has the same height).
    int GridRowHeight(int grid) const;

public slots:
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Print1Click();
    // The printed pages into a PDF file chosen in a save dialog.
    void ExportPdf1Click();
    void OpenBackup1Click();
    void ImportCsv1Click();
    void ExportCsv1Click();
    void Exit1Click();
    void Read1Click();
    void Write1Click();
    void Com11Click();
    void Com21Click();
    // The serial port window; the Com items show the stored devices after it.
    void SerialPort1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    void Help2Click();
    void About1Click();
    // Starts a serial trace into a file chosen in a save dialog, or stops
    // the running one.
    void SerialTrace1Click();
    void ChannelTable1Click();

signals:
    // The lists were redrawn from the document (every change ends so);
    // other views of the document follow it.
    void DocumentChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetActiveGrid(int grid);
    void BuildMenus();
    void BuildToolBar(QWidget *central);
    void BuildGroups(QWidget *central);
    // Names and describes every control for screen readers.
    void SetAccessibleTexts();
    void SetupGrid(QTableWidget *grid, int visibleRows, const QStringList &headers,
                   const QList<int> &widths);
    void GridRowChanged(int grid);
    void GridRightButton(int grid, int pointerY, bool onHeader, const QPoint &globalPos);
    void ShowContextMenu(int grid, const QPoint &globalPos);
    int GridOfObject(QObject *object) const;
    void SetCell(QTableWidget *grid, int row, int column, const QString &text);
    void ClearDataCells();
    bool CheckPort(const QString &port, bool writeWindow) const;
    // message, with the line naming the port's device and the reason below.
    QString PortMessage(const QString &message, const QString &port, bool writeWindow) const;
    // "COM1" or "COM2" from the port menu: taken (checked and stored) when
    // the port is usable, else refused with a message.
    void ChoosePort(const QString &port);
    // "Com&1 (/dev/ttyUSB0)": each Com item names the device it opens.
    void UpdatePortCaptions();
    void UpdateTraceCommand();
    // untitledCopy: the document takes the file's contents but not its name
    // or folder (a backup).
    void LoadFile(const QString &path, const QByteArray &content, bool untitledCopy);
    bool OpenDataFile(const QString &path, bool untitledCopy);
    void UpdateTitle();
    // The file goes to the front of the recent files (stored at once).
    void NoteRecentFile(const QString &path);
    void UpdateRecentFilesMenu();
    // The comment box's length limit for a comment of that length.
    void FitCommentLimit(int length);
    // Longest text a line edit holds.
    static constexpr int kCommentBoxCeiling = 32767;
    void OpenEditor(int grid);
    bool WriteFileAtomically(const QString &path);
    // Writes a backup into the backups folder; a notice when it fails.
    // Writes a backup; a failure is reported. Returns the file written, or
    // empty.
    QString KeepBackup(TBackupKind kind, const QByteArray &content);
    // Edit command helpers (clipboard).
    // The record under the private format and, for a memory row that holds
    // a channel, the row as CSV text (header and row) as plain text.
    void PutOnClipboard(const QString &recordText, const QByteArray &csvText = QByteArray());
    // CSV text of a memory slot for the clipboard; empty for an empty slot.
    QByteArray MemoryRowCsv(int slot) const;
    // Pastes the clipboard's CSV text from memory slot `slot` on (or at the
    // rows' own Location) as one step; false when nothing was stored.
    bool PasteCsvText(int slot);
    QString SlotTextOfRow(int grid, int row) const;
    // What names a row in an undo step: "005", "L1", "VFO 144MHz", "DTMF 03".
    QString RowLabel(int grid, int row) const;
    bool ClearCurrentSlot();

    TChannelDocument document_;
    int modified_ = 0;
    int activeGrid_ = 1;
    QString productName_ = QStringLiteral("VXL-R381");
    QString fileName_ = QStringLiteral("Untitled");
    bool radioTitle_ = false;
    QString commPort_ = QStringLiteral("COM1");
    QString folder_;
    QStringList commandLine_;
    QStringList recentFiles_;
    StartCommand startCommand_ = StartCommand::None;
    // CSV text from the clipboard when it holds no record of our own, and
    // whether any of its rows can be stored.
    QByteArray clipboardCsv_;
    bool csvPasteable_ = false;
    bool firstShow_ = true;
    bool ready_ = false;           // construction finished
    QList<int> vfoBands_;          // band index of each VFO data row
    int rowHeight_[5] = {0, 0, 0, 0, 0};
    TMainWindowServices *services_ = nullptr;
    TDocumentHistory *history_ = nullptr;
    // The serial trace the Help menu started; it ends with the window.
    std::unique_ptr<TSerialTraceFile> trace_;
    void RestoreState(const TDocumentState &state);

public:
    bool SerialTraceActive() const;
    QString SerialTracePath() const;

    // Controls, by their control names (also their objectNames).
    QTableWidget *StringGrid1 = nullptr;
    QTableWidget *StringGrid2 = nullptr;
    QTableWidget *StringGrid3 = nullptr;
    QTableWidget *StringGrid4 = nullptr;
    QGroupBox *GroupBox1 = nullptr; // "Memory Channel"
    QGroupBox *GroupBox2 = nullptr; // "VFO"
    QGroupBox *GroupBox3 = nullptr; // "CALL Channel"
    QGroupBox *GroupBox4 = nullptr; // "DTMF Memory"
    QLineEdit *Edit2 = nullptr;     // comment
    TCommentValidator *commentValidator_ = nullptr; // what Edit2 accepts
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel[4] = {nullptr, nullptr, nullptr, nullptr};

    QAction *OpenBackup1 = nullptr, *ImportCsv1 = nullptr, *ExportCsv1 = nullptr;
    // "Recent &Files": the last data files, newest first, and "Clear Recent Files".
    QMenu *RecentFiles1 = nullptr;
    QAction *ClearRecentFiles1 = nullptr;
    QAction *New1 = nullptr, *Open1 = nullptr, *Save1 = nullptr, *SaveAs1 = nullptr,
            *Print1 = nullptr, *ExportPdf1 = nullptr, *Exit1 = nullptr;
    QAction *Read1 = nullptr, *Write1 = nullptr, *Com11 = nullptr, *Com21 = nullptr;
    QAction *SerialPort1 = nullptr;  // "Serial &Port..."
    QAction *SerialTrace1 = nullptr; // "Serial &Trace..."; checked while a trace runs
    QAction *Cut1 = nullptr, *Copy1 = nullptr, *Paste1 = nullptr, *Delete1 = nullptr;
    QAction *UndoAction = nullptr, *RedoAction = nullptr; // "Undo <step>", "Redo <step>"
    QAction *Help2 = nullptr, *About1 = nullptr;
    QAction *ChannelTable1 = nullptr; // "&Channel Table" (Ctrl+T)
    // Menus of the menu bar: "&File", "&Radio", "&Edit", "&Help".
    QMenu *File1 = nullptr, *Radio1 = nullptr, *Edit1 = nullptr, *Help1 = nullptr;
    QMenu *View1 = nullptr; // "&View"
    QLabel *Label1 = nullptr;       // "Comment"
    // Context menus: PopupMenu1 (memory and DTMF lists), PopupMenu2 (VFO and CALL lists).
    QMenu *PopupMenu1 = nullptr, *PopupMenu2 = nullptr;
    QAction *Cut2 = nullptr, *Copy2 = nullptr, *Paste2 = nullptr, *Delete2 = nullptr;
    QAction *Copy3 = nullptr, *Paste3 = nullptr;
    // Tool buttons: New, Open, Save, Print (SpeedButton9), Read, Write,
    // Cut (SpeedButton2), Copy (SpeedButton1), Paste (SpeedButton3).
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                *SpeedButton4 = nullptr, *SpeedButton5 = nullptr, *SpeedButton6 = nullptr,
                *SpeedButton7 = nullptr, *SpeedButton8 = nullptr, *SpeedButton9 = nullptr;
};
