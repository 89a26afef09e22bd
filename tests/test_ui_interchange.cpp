// The editor's CSV import and export, the CSV text form on the clipboard,
// and the automatic backups of Read and Write with File > Open Backup.
#include "data/Backups.h"
#include "data/ChannelDocument.h"
#include "data/CsvExport.h"
#include "data/DataFile.h"
#include "support/Pty.h"
#include "support/RadioImage.h"
#include "support/SimFixture.h"
#include "support/TestSettings.h"
#include "support/TestWindows.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <memory>
#include <ostream>

#include <unistd.h>

#include "ui/main/DocumentHistory.h"

static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kRecordMime = QStringLiteral("application/x-vxl-r381-record");
const QString kChannel5 = QStringLiteral("005,00145500000,0,0,0,0,0,,09,,09,,0,,,,,RPT");

class InterchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        QDir(BackupFolder()).removeRecursively();
        QApplication::clipboard()->clear();
        main = std::make_unique<TMainForm>(&windows);
        windows.read = new TReadForm(*main);
        windows.write = new TWriteForm(*main);
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages << request.text;
            if (request.buttons == Dialogs::Buttons::YesNoCancel)
                return threeWayAnswer;
            return request.buttons == Dialogs::Buttons::YesNo ? Dialogs::Answer::Yes : Dialogs::Answer::Ok;
        });
        Dialogs::SetFileResponder([this](const Dialogs::FileRequest &request) {
            fileRequests << request;
            return chosenFile;
        });
        Dialogs::SetReportResponder([this](const Dialogs::ReportRequest &request) {
            reports << request;
            return reportAnswer;
        });
        main->Document().SetMemoryRecord(5, kChannel5);
        main->RefreshGrids();
        main->SetModified(0);
        main->History().Reset();
    }

    void TearDown() override
    {
        Dialogs::ResetResponders();
        windows.Clear();
        main.reset();
        QApplication::clipboard()->clear();
        // A folder made unusable by a test is usable again.
        const QFileInfo folder(BackupFolder());
        if (folder.isFile())
            QFile::remove(BackupFolder());
        else if (folder.exists())
            QFile::setPermissions(BackupFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString WriteFile(const QString &name, const QByteArray &content)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    static QByteArray ReadAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString Slot(int slot) const { return main->Document().Record(rkMemory, slot); }
    QString Frequency(int slot) const { return main->Document().GetRecordField(rkMemory, slot, cfReceiveFrequency); }

    void Select(int row)
    {
        main->StringGrid1->setFocus();
        main->SelectRow(1, row);
    }

    void StartSim(const TChannelDocument *image)
    {
        QStringList options;
        if (image)
            options << QStringLiteral("--image")
                    << sim.WriteFile(QStringLiteral("image.381"), WriteDataFile(*image, QString()));
        options << QStringLiteral("--type") << QLatin1String(kAllBandsType) << QStringLiteral("--limits")
                << QLatin1String(kAllBandsLimits);
        ASSERT_TRUE(sim.Start(options)) << sim.ErrorString().toStdString();
        device = std::make_unique<ScopedCommDevice>(1, sim.DevicePath());
    }

    // The backups folder cannot be written: read-only, or (for the
    // superuser, whom permissions do not stop) a file in its place.
    void BlockBackupFolder()
    {
        if (::geteuid() != 0) {
            ASSERT_TRUE(QDir().mkpath(BackupFolder()));
            QFile::setPermissions(BackupFolder(), QFile::ReadOwner | QFile::ExeOwner);
        } else {
            QDir(BackupFolder()).removeRecursively();
            QDir().mkpath(QFileInfo(BackupFolder()).absolutePath());
            QFile blocker(BackupFolder());
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
    }

    TestWindows windows;
    std::unique_ptr<TMainForm> main;
    QTemporaryDir dir;
    QStringList messages;
    QList<Dialogs::FileRequest> fileRequests;
    QList<Dialogs::ReportRequest> reports;
    Dialogs::Answer reportAnswer = Dialogs::Answer::Ok;
    Dialogs::Answer threeWayAnswer = Dialogs::Answer::No; // Yes/No/Cancel questions
    QString chosenFile;
    SimFixture sim;
    std::unique_ptr<ScopedCommDevice> device;
};

} // namespace

TEST_F(InterchangeTest, FileMenuOffersImportExportAndOpenBackup)
{
    QStringList texts;
    for (QAction *action : main->File1->actions())
        texts << action->text();
    EXPECT_TRUE(texts.contains("&Import CSV..."));
    EXPECT_TRUE(texts.contains("Export &CSV..."));
    EXPECT_TRUE(texts.contains("Open &Backup..."));
    EXPECT_EQ(main->ImportCsv1->objectName(), "ImportCsv1");
    EXPECT_EQ(main->ExportCsv1->objectName(), "ExportCsv1");
    EXPECT_EQ(main->OpenBackup1->objectName(), "OpenBackup1");
}

TEST_F(InterchangeTest, ImportShowsEveryRowsOutcomeAndStoresOnlyOnOk)
{
    // As a spreadsheet writes it: semicolons, quotes, a byte order mark.
    chosenFile = WriteFile("club.csv", "\xEF\xBB\xBFLocation;Name;Frequency;Duplex;Offset;Tone;rToneFreq\r\n"
                                       "10;\"GB3XX\";145.600000;-;0.600000;Tone;88.5\r\n"
                                       "11;Far;145.60625;;;;\r\n"
                                       "12;Air;50.000000;;;;\r\n"
                                       "L1;;433.200000;;;;\r\n");
    reportAnswer = Dialogs::Answer::Cancel;
    main->ImportCsv1Click();
    ASSERT_EQ(reports.size(), 1);
    const Dialogs::ReportRequest &report = reports.first();
    EXPECT_EQ(report.caption, "Import CSV");
    EXPECT_TRUE(report.canApply);
    EXPECT_TRUE(report.summary.contains("2 applied, 1 adjusted, 1 refused"))
        << report.summary.toStdString() << "\n" << report.lines.join('\n').toStdString();
    ASSERT_GE(report.lines.size(), 5);
    EXPECT_TRUE(report.lines[0].startsWith("line 2, 010: applied")) << report.lines[0].toStdString();
    EXPECT_TRUE(report.lines[1].startsWith("line 3, 011: adjusted")) << report.lines[1].toStdString();
    EXPECT_TRUE(report.lines[2].startsWith("line 4, 012: refused")) << report.lines[2].toStdString();
    EXPECT_TRUE(report.lines[3].startsWith("line 5, L1: applied")) << report.lines[3].toStdString();
    // Cancel: nothing stored, nothing changed.
    EXPECT_TRUE(Slot(10).isEmpty());
    EXPECT_TRUE(Slot(181).isEmpty());
    EXPECT_EQ(main->Modified(), 0);
    EXPECT_EQ(fileRequests.first().save, false);
    EXPECT_EQ(fileRequests.first().defaultSuffix, "csv");

    reportAnswer = Dialogs::Answer::Ok;
    main->ImportCsv1Click();
    EXPECT_EQ(Frequency(10), "00145600000");
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 10, cfName), "GB3XX");
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 10, cfShift), "2");
    EXPECT_FALSE(Frequency(11).isEmpty());
    EXPECT_TRUE(Slot(12).isEmpty());
    EXPECT_EQ(Frequency(181), "00433200000");
    // Slots the file does not name keep their content.
    EXPECT_EQ(Slot(5), kChannel5);
    EXPECT_EQ(main->Modified(), 1);
    EXPECT_EQ(main->StringGrid1->item(10, 3)->text(), "GB3XX");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(InterchangeTest, ImportRefusesFilesItCannotRead)
{
    chosenFile = dir.filePath("missing.csv");
    main->ImportCsv1Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("File Open error.\n")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("missing.csv"));

    messages.clear();
    chosenFile = WriteFile("plain.csv", "Name,Comment\r\nA,B\r\n");
    main->ImportCsv1Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("File Open error.\n")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("Frequency")) << messages[0].toStdString();
    EXPECT_TRUE(reports.isEmpty());

    // A file whose rows are all refused: the report has only Close.
    messages.clear();
    chosenFile = WriteFile("bad.csv", "Location,Frequency\r\n300,145.0\r\n");
    main->ImportCsv1Click();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_FALSE(reports[0].canApply);
    EXPECT_EQ(main->Modified(), 0);
    EXPECT_FALSE(main->UndoAction->isEnabled());
}

TEST_F(InterchangeTest, ExportWritesTheMemoryChannelsAsCsv)
{
    main->Document().SetMemoryRecord(193, QStringLiteral("PR,00433000000,0,0,0,0,0,,09,,09,,0,,,,,HOME"));
    chosenFile = dir.filePath("out");
    main->ExportCsv1Click();
    ASSERT_EQ(fileRequests.size(), 1);
    EXPECT_TRUE(fileRequests[0].save);
    EXPECT_TRUE(fileRequests[0].confirmOverwrite);
    EXPECT_TRUE(fileRequests[0].fileName.endsWith("Untitled.csv")) << fileRequests[0].fileName.toStdString();
    const QByteArray written = ReadAll(dir.filePath("out.csv"));
    EXPECT_EQ(written, ExportCsv(main->Document()));
    EXPECT_TRUE(written.startsWith("Location,Name,Frequency,"));
    EXPECT_TRUE(written.contains("\n5,RPT,145.500000,"));
    EXPECT_TRUE(written.contains("\n193,HOME,433.000000,"));
    // Exporting changes nothing in the document.
    EXPECT_EQ(main->Modified(), 0);

    chosenFile = dir.filePath("folder.csv");
    ASSERT_TRUE(QDir().mkpath(chosenFile));
    main->ExportCsv1Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("File Open error.\n"));
}

TEST_F(InterchangeTest, CopyAddsTheRowAsCsvTextAfterThePrivateFormat)
{
    Select(5);
    main->Copy1Click();
    const QMimeData *data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_FALSE(data->formats().isEmpty());
    EXPECT_EQ(data->formats().first(), kRecordMime);
    EXPECT_EQ(data->data(kRecordMime), QString(kChannel5).replace(',', '\t').toLatin1() + QByteArray(1, '\0'));
    EXPECT_EQ(data->text().toUtf8(), ExportCsv(main->Document(), {5}));
    EXPECT_EQ(data->text().count('\n'), 2); // header and one row

    // An empty row and the other lists carry no text form.
    Select(7);
    main->Copy1Click();
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasText());
    main->StringGrid4->setFocus();
    main->SelectRow(4, 1);
    main->Copy1Click();
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasText());

    // Cut carries it too.
    main->StringGrid1->setFocus();
    Select(5);
    main->Cut1Click();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->text().contains("\n5,RPT,145.500000,"));
}

TEST_F(InterchangeTest, CsvTextFromASpreadsheetPastesAsOneStep)
{
    // Rows without a Location column go from the selected row on, with
    // the separators spreadsheets use: tab (what they put on the
    // clipboard), semicolon.
    for (const char *text : {"Name\tFrequency\nA\t145.100\nB\t145,2\n",
                             "Name;Frequency\r\nA;145.100\r\nB;145,2\r\n"}) {
        SCOPED_TRACE(text);
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        Select(20);
        ASSERT_TRUE(main->Paste1->isEnabled());
        main->Paste1Click();
        EXPECT_EQ(Frequency(20), "00145100000");
        EXPECT_EQ(Frequency(21), "00145200000");
        EXPECT_EQ(main->Document().GetRecordField(rkMemory, 21, cfName), "B");
        EXPECT_EQ(QString(main->UndoAction->text()).remove('&'), "Undo Paste 2 rows");
        main->UndoAction->trigger();
        EXPECT_TRUE(Slot(20).isEmpty());
        EXPECT_TRUE(Slot(21).isEmpty());
        EXPECT_EQ(main->Modified(), 0);
    }

    // Rows with a Location go there, wherever the selection is.
    QApplication::clipboard()->setText(QStringLiteral("Location,Frequency\n30,433.5\n"));
    Select(1);
    main->Paste1Click();
    EXPECT_EQ(Frequency(30), "00433500000");
    EXPECT_EQ(QString(main->UndoAction->text()).remove('&'), "Undo Paste 030");

    // Text that is no CSV, or too large, is not pasted.
    QApplication::clipboard()->setText(QStringLiteral("just some words"));
    Select(40);
    EXPECT_FALSE(main->Paste1->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("Location,Frequency\n41,145.0\n") + QString(300000, 'x'));
    EXPECT_FALSE(main->Paste1->isEnabled());

    // A record of our own comes first: the private format wins.
    Select(5);
    main->Copy1Click();
    Select(50);
    main->Paste1Click();
    EXPECT_EQ(Frequency(50), "00145500000");
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 50, cfName), "RPT");
}

// Rows pasted from a numbered channel stop at 180: before any would go on
// into L1..PR the paste asks, naming them. Yes pastes them all, No only
// the rows up to 180, Cancel nothing.
TEST_F(InterchangeTest, APasteThatWouldRunPast180AsksFirst)
{
    const QString edge = QStringLiteral("L1,00144000000,0,0,0,0,0,,09,,09,,0,,,,,");
    struct Case {
        Dialogs::Answer answer;
        const char *at179, *at180, *atL1;
    };
    const Case cases[] = {
        {Dialogs::Answer::Yes, "00145100000", "00145200000", "00145300000"},
        {Dialogs::Answer::No, "00145100000", "00145200000", "00144000000"},
        {Dialogs::Answer::Cancel, "", "", "00144000000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.answer));
        main->Document().SetMemoryRecord(179, QString());
        main->Document().SetMemoryRecord(180, QString());
        main->Document().SetMemoryRecord(181, edge);
        main->RefreshGrids();
        messages.clear();
        threeWayAnswer = c.answer;
        QApplication::clipboard()->setText(QStringLiteral("Frequency\tStep\n145.1\t5\n145.2\t5\n145.3\t5\n"));
        Select(179);
        main->Paste1Click();
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages[0], "1 pasted row would run past channel 180:\n"
                               "line 4 would go to L1, replacing 144.000 MHz\n"
                               "Yes: paste them into L1..PR as well.\nNo: paste only the 2 row(s) up to 180.\n"
                               "Cancel: paste nothing.");
        EXPECT_EQ(Frequency(179), c.at179);
        EXPECT_EQ(Frequency(180), c.at180);
        EXPECT_EQ(Frequency(181), c.atL1);
        EXPECT_EQ(messages.size(), 1) << messages.join('|').toStdString();
    }

    // Rows that name L1 go there without a question; so do rows pasted
    // at L1 itself.
    messages.clear();
    QApplication::clipboard()->setText(QStringLiteral("Location\tFrequency\nL1\t145.4\n"));
    Select(179);
    main->Paste1Click();
    EXPECT_EQ(Frequency(181), "00145400000");
    QApplication::clipboard()->setText(QStringLiteral("Frequency\n145.5\n145.6\n"));
    Select(181);
    main->Paste1Click();
    EXPECT_EQ(Frequency(182), "00145600000");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(InterchangeTest, PastedRowsThatAreChangedOrLeftOutAreNamed)
{
    QApplication::clipboard()->setText(QStringLiteral("Location,Frequency\n60,145.0\n61,50.0\n"));
    Select(1);
    ASSERT_TRUE(main->Paste1->isEnabled());
    main->Paste1Click();
    EXPECT_EQ(Frequency(60), "00145000000");
    EXPECT_TRUE(Slot(61).isEmpty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Some pasted rows were adjusted or refused.\n"));
    EXPECT_TRUE(messages[0].contains("061: refused")) << messages[0].toStdString();
}

TEST_F(InterchangeTest, ACompletedReadLeavesABackupOfTheRadio)
{
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    main->Read1Click();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    const QStringList backups = BackupFiles(BackupFolder());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(backups[0].endsWith("-read.381"));
    TChannelDocument stored;
    stored.SetRadioType(QLatin1String(kAllBandsType));
    stored.ParseBandLimits(QLatin1String(kAllBandsLimits));
    stored.ResetDocument();
    QString comment;
    ASSERT_TRUE(ReadDataFile(ReadAll(backups[0]), stored, &comment));
    QString difference;
    EXPECT_TRUE(SameChannels(stored, radio, &difference)) << difference.toStdString();

    // Open Backup starts in that folder and opens the file chosen there.
    main->SetModified(0);
    chosenFile = backups[0];
    main->OpenBackup1Click();
    ASSERT_FALSE(fileRequests.isEmpty());
    EXPECT_EQ(fileRequests.last().folder, BackupFolder());
    EXPECT_FALSE(fileRequests.last().save);
    EXPECT_EQ(main->FileName(), "Untitled");
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 1, cfName), "CH1");
}

// A backup keeps what the radio held: it opens as an untitled copy, so Save
// asks for a new file and the backup stays as it was, and the folder the
// other file dialogs start in stays the user's own.
TEST_F(InterchangeTest, ABackupOpensAsAnUntitledCopy)
{
    TChannelDocument image = main->Document();
    image.SetMemoryRecord(7, QStringLiteral("007,00146000000,0,0,0,0,0,,09,,09,,0,,,,,SEVEN"));
    const TBackupResult backup = WriteBackup(WriteDataFile(image, QStringLiteral("kept")), TBackupKind::Read);
    ASSERT_TRUE(backup.ok) << backup.error.toStdString();
    const QByteArray original = ReadAll(backup.path);
    chosenFile = dir.filePath("mine.381");
    ASSERT_TRUE(main->SaveDocumentAs());
    const QString folder = main->Folder();

    chosenFile = backup.path;
    main->OpenBackup1->trigger();
    EXPECT_EQ(fileRequests.last().folder, BackupFolder());
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 7, cfName), "SEVEN");
    EXPECT_EQ(main->Comment(), "kept");
    EXPECT_EQ(main->FileName(), "Untitled");
    EXPECT_EQ(main->Caption(), "VXL-R381 [Untitled]");
    EXPECT_EQ(main->Folder(), folder);

    // Edited and saved: the save dialog asks for a name in the user's
    // folder; cancelled, the backup is untouched.
    main->SetComment(QStringLiteral("edited"));
    fileRequests.clear();
    chosenFile.clear();
    main->Save1->trigger();
    ASSERT_EQ(fileRequests.size(), 1);
    EXPECT_TRUE(fileRequests[0].save);
    EXPECT_EQ(fileRequests[0].folder, folder);
    EXPECT_EQ(ReadAll(backup.path), original);
    main->Open1->trigger();
    ASSERT_EQ(fileRequests.size(), 2);
    EXPECT_EQ(fileRequests[1].folder, folder);
}

TEST_F(InterchangeTest, AFailedReadLeavesNoBackup)
{
    // The radio names another model: the read ends without data.
    ASSERT_TRUE(sim.Start({QStringLiteral("--id"), QStringLiteral("ID QV-R999")}));
    device = std::make_unique<ScopedCommDevice>(1, sim.DevicePath());
    main->Read1Click();
    EXPECT_NE(windows.read->LastOutcome(), TTransferOutcome::Completed);
    EXPECT_TRUE(messages.contains("Invalid the radio.\nPlease check and try again.\nNothing was changed."))
        << messages.join('|').toStdString();
    EXPECT_TRUE(BackupFiles(BackupFolder()).isEmpty());
}

TEST_F(InterchangeTest, ABackupFolderThatCannotBeWrittenIsReportedAndTheReadCompletes)
{
    BlockBackupFolder();
    const TChannelDocument radio = PopulatedDocument();
    StartSim(&radio);
    main->Read1Click();
    EXPECT_EQ(windows.read->LastOutcome(), TTransferOutcome::Completed);
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 1, cfName), "CH1");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("The backup could not be written.\n")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(BackupFolder()));
}

TEST_F(InterchangeTest, AWriteFirstKeepsTheDocumentItSends)
{
    StartSim(nullptr);
    main->SetComment(QStringLiteral("sent"));
    main->Write1Click();
    ASSERT_EQ(sim.Stop(), 0);
    const QStringList backups = BackupFiles(BackupFolder());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(backups[0].endsWith("-write.381"));
    EXPECT_EQ(ReadAll(backups[0]), WriteDataFile(main->Document(), QStringLiteral("sent")));
    EXPECT_EQ(sim.CommandLog(), ExpectedWriteCommands(main->Document()));

    // A backup that cannot be written does not stop the write.
    BlockBackupFolder();
    messages.clear();
    device.reset();
    // The first radio's terminal number goes to another device for a
    // while, so the second radio is on a new path and the old one is gone
    // (as on a busy machine): the port check must look at the device named
    // now, not the last one used.
    auto elsewhere = std::make_unique<TestPty>();
    SimFixture second;
    ASSERT_TRUE(second.Start({QStringLiteral("--type"), QLatin1String(kAllBandsType), QStringLiteral("--limits"),
                              QLatin1String(kAllBandsLimits)}));
    elsewhere.reset();
    ScopedCommDevice port(1, second.DevicePath());
    main->Write1Click();
    ASSERT_EQ(second.Stop(), 0);
    ASSERT_EQ(messages.size(), 2) << messages.join('|').toStdString();
    EXPECT_EQ(messages[0], "Do you want to write the data to the radio?");
    EXPECT_TRUE(messages[1].startsWith("The backup could not be written.\n")) << messages[1].toStdString();
    EXPECT_EQ(second.CommandLog(), ExpectedWriteCommands(main->Document()));
}

// Values outside the radio's rules are kept by a read and listed; a write
// of them asks first (Cancel sends nothing).
TEST_F(InterchangeTest, ReadListsValuesOutsideTheRulesAndWriteAsksFirst)
{
    TChannelDocument radio = PopulatedDocument();
    radio.SetMemoryRecord(14, QStringLiteral("014,00145000000,3,9,0,0,0,,09,,09,,0,,,,,"));
    StartSim(&radio);
    main->Read1Click();
    ASSERT_EQ(windows.read->LastOutcome(), TTransferOutcome::Completed);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_FALSE(reports[0].canApply);
    EXPECT_EQ(reports[0].lines, QStringList{"014: shift code \"9\" is not 0..3"});
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 14, cfShift), "9");
    ASSERT_EQ(sim.Stop(), 0);

    StartSim(nullptr);
    reports.clear();
    messages.clear();
    reportAnswer = Dialogs::Answer::Cancel;
    main->Write1Click();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].canApply);
    EXPECT_TRUE(messages.isEmpty()) << "no write question after Cancel";
    ASSERT_EQ(sim.Stop(), 0);
    EXPECT_TRUE(sim.CommandLog().isEmpty());
}
