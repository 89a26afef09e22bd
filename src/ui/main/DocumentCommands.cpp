// TMainForm: New, Open, Save, Save As, the unsaved-changes question, the
// data file named on the command line and closing the window.
#include "MainForm.h"

#include "DocumentHistory.h"

#include "MainWindowServices.h"
#include "data/DataFile.h"
#include "data/InputFile.h"
#include "data/RecentFiles.h"
#include "data/Settings.h"
#include "ui/seam/Dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

const char kFilter[] = QT_TRANSLATE_NOOP("TMainForm", "VXL-R381 Files(*.381)");
const QString kSuffix = QStringLiteral("381");

void FileOpenError(QWidget *parent)
{
    Dialogs::Message(parent, TMainForm::tr("File Open error."), Dialogs::Icon::Critical,
                     Dialogs::Buttons::Ok);
}

bool HasDataFileExtension(const QString &path)
{
    return QFileInfo(path).suffix().compare(kSuffix, Qt::CaseInsensitive) == 0;
}

// A name typed without an extension gets ".381".
QString WithDefaultExtension(const QString &path)
{
    const QFileInfo info(path);
    if (info.suffix().isEmpty() && !info.fileName().isEmpty())
        return path + QLatin1Char('.') + kSuffix;
    return path;
}

// "File Open error." with the path and the reason on the line below.
void FileOpenError(QWidget *parent, const QString &path, const QString &reason)
{
    Dialogs::Message(parent, FileOpenErrorText(path, reason), Dialogs::Icon::Critical,
                     Dialogs::Buttons::Ok);
}

} // namespace

bool TMainForm::AskSaveChanges()
{
    if (modified_ == 0)
        return true;
    const Dialogs::Answer answer =
        Dialogs::Message(this, tr("Data is changed.\nDo you want to save the changes?"),
                         Dialogs::Icon::Warning, Dialogs::Buttons::YesNoCancel);
    if (answer == Dialogs::Answer::Cancel)
        return false;
    // Yes saves under a chosen name first. When no file was written (the
    // save dialog was cancelled, or the write failed and said so) the
    // command stops too: going on would drop the changes the user just
    // asked to keep.
    if (answer == Dialogs::Answer::Yes)
        return SaveDocumentAs();
    return true;
}

void TMainForm::NewDocument()
{
    fileName_ = QStringLiteral("Untitled");
    radioTitle_ = false;
    UpdateTitle();
    document_.ResetDocument();
    ClearDataCells();
    SetComment(QString());
    RefreshGrids();
    modified_ = 0;
    history_->Reset();
}

void TMainForm::LoadFile(const QString &path, const QByteArray &content, bool untitledCopy)
{
    fileName_ = untitledCopy ? QStringLiteral("Untitled") : path;
    radioTitle_ = false;
    UpdateTitle();
    document_.ResetDocument();
    QString comment;
    ReadDataFile(content, document_, &comment);
    SetComment(comment);
    RefreshGrids();
    if (!untitledCopy) {
        folder_ = RememberFolder(path);
        NoteRecentFile(path);
    }
    modified_ = 0;
    history_->Reset();
}

bool TMainForm::OpenDataFile(const QString &path, bool untitledCopy)
{
    if (!HasDataFileExtension(path)) {
        FileOpenError(this, path, tr("the name does not end in \".381\""));
        return false;
    }
    // Only plain files of a sane size are read: a device or a pipe given a
    // ".381" name could block or never end.
    const TInputFile input = ReadInputFile(path);
    if (!input.ok) {
        FileOpenError(this, path, input.reason);
        return false;
    }
    LoadFile(path, input.content, untitledCopy);
    return true;
}

bool TMainForm::OpenFile(const QString &path) { return OpenDataFile(path, false); }

// A backup keeps what the radio held at one moment: it opens as an untitled
// copy, so Save asks for a name instead of overwriting it, and the folder
// the file dialogs remember stays the user's own.
bool TMainForm::OpenBackup(const QString &path) { return OpenDataFile(path, true); }

void TMainForm::OpenCommandLineFile()
{
    if (commandLine_.isEmpty())
        return;
    // A path with spaces may arrive split over several arguments. A path
    // relative to the working folder is kept whole, so that the title, a
    // later Save and the remembered folder do not depend on that folder.
    const QString path = commandLine_.join(QLatin1Char(' '));
    OpenFile(path.isEmpty() ? path : QFileInfo(path).absoluteFilePath());
}

bool TMainForm::WriteFileAtomically(const QString &path)
{
    return SaveFileAtomically(path, WriteDataFile(document_, Comment()));
}

bool TMainForm::SaveDocument()
{
    if (fileName_ != QLatin1String("Untitled") && QFileInfo::exists(fileName_)) {
        if (!WriteFileAtomically(fileName_)) {
            FileOpenError(this);
            return false;
        }
        modified_ = 0;
        history_->MarkSaved();
        folder_ = RememberFolder(fileName_);
        return true;
    }
    return SaveDocumentAs();
}

bool TMainForm::SaveDocumentAs()
{
    Dialogs::FileRequest request;
    request.save = true;
    request.caption = tr("Save As");
    request.folder = folder_;
    request.fileName = fileName_;
    request.filter = tr(kFilter);
    request.defaultSuffix = kSuffix;
    QString path = Dialogs::FileDialog(this, request);
    if (path.isEmpty())
        return false;
    path = WithDefaultExtension(path);
    if (!HasDataFileExtension(path) || !WriteFileAtomically(path)) {
        FileOpenError(this);
        return false;
    }
    fileName_ = path;
    radioTitle_ = false;
    UpdateTitle();
    modified_ = 0;
    history_->MarkSaved();
    folder_ = RememberFolder(path);
    NoteRecentFile(path);
    return true;
}

void TMainForm::New1Click()
{
    if (!AskSaveChanges())
        return;
    NewDocument();
}

void TMainForm::Open1Click()
{
    if (!AskSaveChanges())
        return;
    Dialogs::FileRequest request;
    request.save = false;
    request.caption = tr("Open");
    request.folder = folder_;
    request.fileName = QStringLiteral("*.381");
    request.filter = tr(kFilter);
    request.defaultSuffix = kSuffix;
    const QString path = Dialogs::FileDialog(this, request);
    if (path.isEmpty())
        return;
    OpenFile(WithDefaultExtension(path));
}

void TMainForm::Save1Click() { SaveDocument(); }

void TMainForm::SaveAs1Click() { SaveDocumentAs(); }

void TMainForm::Exit1Click() { close(); }

void TMainForm::RunDocumentCommand(TDocumentCommand command)
{
    switch (command) {
    case TDocumentCommand::New: New1Click(); break;
    case TDocumentCommand::Open: Open1Click(); break;
    case TDocumentCommand::Save: Save1Click(); break;
    case TDocumentCommand::SaveAs: SaveAs1Click(); break;
    case TDocumentCommand::Read: Read1Click(); break;
    case TDocumentCommand::Write: Write1Click(); break;
    case TDocumentCommand::Help:
        if (services_)
            services_->ShowHelpTopic(QStringLiteral("table"));
        break;
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!AskSaveChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    // The splash window is the principal window: closing it ends the program.
    if (services_)
        services_->MainWindowClosed();
}

// ---------------------------------------------------------------- recent files

void TMainForm::NoteRecentFile(const QString &path)
{
    recentFiles_ = AddRecentFile(recentFiles_, path);
    SaveRecentFiles(recentFiles_);
    UpdateRecentFilesMenu();
}

void TMainForm::UpdateRecentFilesMenu()
{
    if (!RecentFiles1)
        return;
    RecentFiles1->clear();
    for (int i = 0; i < recentFiles_.size(); ++i) {
        const QString path = recentFiles_[i];
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        // Alt+1..Alt+8 choose an entry from the keyboard.
        auto *action = RecentFiles1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        action->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        action->setData(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    if (!recentFiles_.isEmpty())
        RecentFiles1->addSeparator();
    RecentFiles1->addAction(ClearRecentFiles1);
    ClearRecentFiles1->setEnabled(!recentFiles_.isEmpty());
    RecentFiles1->setEnabled(!recentFiles_.isEmpty());
}

bool TMainForm::OpenRecentFile(const QString &path)
{
    // A file deleted or moved since is said so before any question, and
    // leaves the list.
    if (!QFileInfo::exists(path)) {
        recentFiles_ = RemoveRecentFile(recentFiles_, path);
        SaveRecentFiles(recentFiles_);
        UpdateRecentFilesMenu();
        FileOpenError(this, path, tr("No such file or directory; it is removed from the recent files"));
        return false;
    }
    if (!AskSaveChanges())
        return false;
    return OpenFile(path);
}

// ---------------------------------------------------------------- dropped files

namespace {

// The local files among dropped URLs.
QStringList LocalFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

} // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    // Any local file is taken, so that one of another kind can be refused
    // with a reason instead of silently.
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QMainWindow::dragEnterEvent(event);
}

void TMainForm::dragMoveEvent(QDragMoveEvent *event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QMainWindow::dragMoveEvent(event);
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty()) {
        QMainWindow::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    QList<QUrl> urls;
    for (const QString &file : files)
        urls.append(QUrl::fromLocalFile(file));
    // The drag source gets its answer at once; the questions come after.
    QMetaObject::invokeMethod(this, [this, urls] { OpenDroppedFiles(urls); }, Qt::QueuedConnection);
}

bool TMainForm::OpenDroppedFiles(const QList<QUrl> &urls)
{
    QStringList files;
    for (const QUrl &url : urls)
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    if (files.isEmpty())
        return false;
    // One document at a time: the first data file among them.
    QString chosen;
    for (const QString &file : files) {
        if (HasDataFileExtension(file)) {
            chosen = file;
            break;
        }
    }
    if (chosen.isEmpty()) {
        FileOpenError(this, files.first(), tr("not a .381 file; only data files can be dropped here"));
        return false;
    }
    if (!AskSaveChanges())
        return false;
    return OpenFile(chosen);
}
