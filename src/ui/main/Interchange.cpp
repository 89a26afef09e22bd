// TMainForm: CSV import and export of the memory channels, and opening a
// backup of the radio's memory.
#include "MainForm.h"

#include "data/Backups.h"
#include "data/CsvExport.h"
#include "data/CsvImport.h"
#include "data/DataFile.h"
#include "data/InputFile.h"
#include "ui/seam/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char kCsvFilter[] = QT_TRANSLATE_NOOP("TMainForm", "CSV Files (*.csv);;All Files (*)");
const QString kCsvSuffix = QStringLiteral("csv");

void FileError(QWidget *parent, const QString &path, const QString &reason)
{
    Dialogs::Message(parent, FileOpenErrorText(path, reason), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
}

// "3 applied, 1 adjusted, 2 refused" and what OK does.
QString ImportSummary(const QString &path, const TCsvImportPlan &plan)
{
    QString text = TMainForm::tr("%1\n%2 applied, %3 adjusted, %4 refused.")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(plan.Count(TCsvRowStatus::Applied))
                       .arg(plan.Count(TCsvRowStatus::Adjusted))
                       .arg(plan.Count(TCsvRowStatus::Refused));
    if (plan.StoredCount() > 0)
        text += TMainForm::tr("\nOK stores the applied and adjusted rows; slots the file does not name keep "
                               "their content. Cancel stores nothing.");
    else
        text += TMainForm::tr("\nNo row can be stored.");
    return text;
}

} // namespace

void TMainForm::ImportCsv1Click()
{
    Dialogs::FileRequest request;
    request.save = false;
    request.caption = tr("Import CSV");
    request.folder = folder_;
    request.filter = tr(kCsvFilter);
    request.defaultSuffix = kCsvSuffix;
    const QString path = Dialogs::FileDialog(this, request);
    if (path.isEmpty())
        return;
    ImportCsvFile(path);
}

bool TMainForm::ImportCsvFile(const QString &path)
{
    // The same gate as every other file the program reads.
    const TInputFile input = ReadInputFile(path);
    if (!input.ok) {
        FileError(this, path, input.reason);
        return false;
    }
    const TCsvImportPlan plan = PlanCsvImport(input.content, document_);
    if (!plan.ok) {
        FileError(this, path, plan.error);
        return false;
    }

    // Nothing is stored before the user has seen what each row becomes.
    Dialogs::ReportRequest report;
    report.caption = tr("Import CSV");
    report.summary = ImportSummary(path, plan);
    report.lines = CsvImportReport(plan);
    report.canApply = plan.StoredCount() > 0;
    if (Dialogs::Report(this, report) != Dialogs::Answer::Ok || !report.canApply)
        return false;

    ApplyCsvImport(plan, document_);
    SetModified(1);
    RefreshGrids();
    UpdateEditCommands();
    RecordChange(tr("Import CSV"));
    return true;
}

void TMainForm::ExportCsv1Click()
{
    // The document's own name with ".csv", in the folder of the data files.
    const QString base = fileName_ == QLatin1String("Untitled") ? fileName_ : QFileInfo(fileName_).completeBaseName();
    Dialogs::FileRequest request;
    request.save = true;
    request.caption = tr("Export CSV");
    request.folder = folder_;
    request.fileName = QDir(folder_).filePath(base + QStringLiteral(".csv"));
    request.filter = tr(kCsvFilter);
    request.defaultSuffix = kCsvSuffix;
    QString path = Dialogs::FileDialog(this, request);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (QFileInfo(path).isDir()) {
        FileError(this, path, tr("is a directory"));
        return;
    }
    if (!SaveFileAtomically(path, ExportCsv(document_)))
        FileError(this, path, tr("the file could not be written"));
}

void TMainForm::OpenBackup1Click()
{
    if (!AskSaveChanges())
        return;
    // The dialog starts in the backups folder, created if no backup was
    // written yet.
    const QString folder = BackupFolder();
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    Dialogs::FileRequest request;
    request.save = false;
    request.caption = tr("Open Backup");
    request.folder = folder;
    request.filter = tr("VXL-R381 Files(*.381)");
    request.defaultSuffix = QStringLiteral("381");
    const QString path = Dialogs::FileDialog(this, request);
    if (path.isEmpty())
        return;
    OpenBackup(path);
}
