// New, Open, Save, Save As, the unsaved-changes question, the data file
// named on the command line, and what a failed write leaves behind.
#include "data/Settings.h"
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "support/TestSettings.h"
#include "ui/main/MainForm.h"
#include "ui/main/MainWindowServices.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QAction>

#include <csignal>
#include <deque>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

const QString kQuestion = QStringLiteral("Data is changed.\nDo you want to save the changes?");
const QString kFileError = QStringLiteral("File Open error.");

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Counts the ends of the program the main window asks for; opens nothing.
class ClosingServices : public TMainWindowServices {
public:
    void EditRecord(int) override {}
    bool PortValid(const QString &, bool) override { return portValid; }
    bool RunRead() override
    {
        ++reads;
        return false;
    }
    bool RunWrite() override { return false; }
    void ShowAbout() override {}
    void ShowHelp() override {}
    void MainWindowClosed() override { ++closes; }

    int closes = 0;
    int reads = 0;
    bool portValid = false;
};

class DocumentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<TMainForm>(&services);
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages.push_back(request);
            if (answers.empty())
                return Dialogs::Answer::Ok;
            const Dialogs::Answer answer = answers.front();
            answers.pop_front();
            return answer;
        });
        Dialogs::SetFileResponder([this](const Dialogs::FileRequest &request) {
            fileRequests.push_back(request);
            if (paths.empty())
                return QString();
            const QString path = paths.front();
            paths.pop_front();
            return path;
        });
    }

    void TearDown() override
    {
        Dialogs::ResetResponders();
        form.reset();
    }

    QString Path(const QString &name) const { return dir.filePath(name); }
    TChannelDocument &Doc() { return form->Document(); }
    QString Cell(int grid, int row, int column)
    {
        QTableWidgetItem *item = form->Grid(grid)->item(row, column);
        return item ? item->text() : QString();
    }
    QString Title(const QString &name) const { return QStringLiteral("VXL-R381 [") + name + QLatin1Char(']'); }

    // A changed document: a second channel and a comment typed by the user.
    void Change(const QString &comment = QStringLiteral("Club"))
    {
        Doc().SetMemoryRecord(2, QStringLiteral("002,00145500000,0,0,0,0,0,,09,,09,,0,,,,,RPT"));
        form->RefreshGrids();
        form->Edit2->clear();
        QTest::keyClicks(form->Edit2, comment);
    }

    // A data file made by the program.
    QString MakeFile(const QString &name, const QString &comment)
    {
        TChannelDocument doc;
        doc.SetRadioType(QLatin1String(kDefaultRadioType));
        doc.ResetDocument();
        doc.SetMemoryRecord(7, QStringLiteral("007,00146000000,0,0,0,0,0,,09,,09,,0,,,,,SEVEN"));
        const QString path = Path(name);
        WriteBytes(path, WriteDataFile(doc, comment));
        return path;
    }

    QTemporaryDir dir;
    ClosingServices services;
    std::unique_ptr<TMainForm> form;
    std::vector<Dialogs::MessageRequest> messages;
    std::deque<Dialogs::Answer> answers;
    std::vector<Dialogs::FileRequest> fileRequests;
    std::deque<QString> paths;
};

} // namespace

TEST_F(DocumentsTest, TitleAndModifiedFollowNewOpenSaveSaveAsAndCommentEdits)
{
    EXPECT_EQ(form->Caption(), Title("Untitled"));
    EXPECT_EQ(form->FileName(), QStringLiteral("Untitled"));
    EXPECT_EQ(form->Modified(), 0);

    QTest::keyClicks(form->Edit2, QStringLiteral("Net"));
    EXPECT_EQ(form->Modified(), 1);

    // Save of an unnamed document asks for a name; ".381" is added.
    paths = {Path("first")};
    form->Save1Click();
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_TRUE(fileRequests[0].save);
    EXPECT_EQ(fileRequests[0].fileName, QStringLiteral("Untitled"));
    EXPECT_EQ(fileRequests[0].filter, QStringLiteral("VXL-R381 Files(*.381)"));
    EXPECT_EQ(fileRequests[0].defaultSuffix, QStringLiteral("381"));
    const QString first = Path("first.381");
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_EQ(form->Caption(), Title(first));
    EXPECT_EQ(form->FileName(), first);
    EXPECT_EQ(form->Modified(), 0);
    // The folder is remembered for both dialogs and the next start.
    const QString folder = QDir(dir.path()).absolutePath() + QLatin1Char('/');
    EXPECT_EQ(form->Folder(), folder);
    EXPECT_EQ(QSettings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication)).value("Path").toString(), folder);

    // Save of a named document writes it again without a dialog.
    QTest::keyClicks(form->Edit2, QStringLiteral(" 2"));
    EXPECT_EQ(form->Modified(), 1);
    form->SpeedButton6->click();
    EXPECT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(form->Modified(), 0);
    EXPECT_EQ(form->Caption(), Title(first));
    EXPECT_TRUE(ReadBytes(first).contains("Net 2"));

    // Save As starts from the current name and in the remembered folder.
    paths = {Path("second.381")};
    form->SaveAs1->trigger();
    ASSERT_EQ(fileRequests.size(), 2u);
    EXPECT_EQ(fileRequests[1].fileName, first);
    EXPECT_EQ(fileRequests[1].folder, folder);
    EXPECT_EQ(form->Caption(), Title(Path("second.381")));

    // New.
    Change();
    answers = {Dialogs::Answer::No};
    form->New1->trigger();
    EXPECT_EQ(form->Caption(), Title("Untitled"));
    EXPECT_EQ(form->Modified(), 0);
    EXPECT_EQ(form->Comment(), QString());
    EXPECT_EQ(Doc().Record(rkMemory, 2), QString());
    EXPECT_EQ(Cell(1, 2, 3), QString());
    EXPECT_EQ(Cell(1, 1, 2), QStringLiteral("144.000"));

    // Open.
    paths = {first};
    form->Open1->trigger();
    ASSERT_EQ(fileRequests.size(), 3u);
    EXPECT_FALSE(fileRequests[2].save);
    EXPECT_EQ(fileRequests[2].fileName, QStringLiteral("*.381"));
    EXPECT_EQ(fileRequests[2].filter, QStringLiteral("VXL-R381 Files(*.381)"));
    EXPECT_EQ(form->Caption(), Title(first));
    EXPECT_EQ(form->Comment(), QStringLiteral("Net 2"));
    EXPECT_EQ(form->Modified(), 0);
    EXPECT_TRUE(messages.empty() || messages.back().text == kQuestion);
}

TEST_F(DocumentsTest, OpenReplacesTheDocumentAndRedrawsTheLists)
{
    const QString path = MakeFile("seven.381", "Seven");
    Change();
    answers = {Dialogs::Answer::No};
    paths = {path};
    form->SpeedButton5->click();
    EXPECT_EQ(Doc().Record(rkMemory, 2), QString());
    EXPECT_EQ(Cell(1, 2, 2), QString());
    EXPECT_EQ(Cell(1, 7, 2), QStringLiteral("146.000"));
    EXPECT_EQ(Cell(1, 7, 3), QStringLiteral("SEVEN"));
    EXPECT_EQ(form->Comment(), QStringLiteral("Seven"));
    EXPECT_EQ(form->Modified(), 0);

    // A typed name without extension opens the ".381" file.
    form->New1Click();
    paths = {Path("seven")};
    form->Open1Click();
    EXPECT_EQ(form->FileName(), path);
}

TEST_F(DocumentsTest, OpenFailuresChangeNothing)
{
    const QString kept = MakeFile("kept.381", "Kept");
    ASSERT_TRUE(form->OpenFile(kept));
    Change(QStringLiteral("changed"));
    const QString record = Doc().Record(rkMemory, 2);
    WriteBytes(Path("notes.txt"), "COMMENT\r\nx\r\n");
    QDir(dir.path()).mkdir(QStringLiteral("folder.381"));

    const QString bad[] = {Path("missing.381"), Path("notes.txt"), Path("folder.381"),
                           Path("none/at/all.381")};
    for (const QString &path : bad) {
        messages.clear();
        answers = {Dialogs::Answer::No};
        paths = {path};
        form->Open1Click();
        ASSERT_EQ(messages.size(), 2u) << path.toStdString();
        // The message first, the path and the reason on the line below.
        EXPECT_TRUE(messages[1].text.startsWith(kFileError + QLatin1Char('\n') + path + QStringLiteral(": ")))
            << messages[1].text.toStdString();
        EXPECT_EQ(messages[1].caption, QStringLiteral("VXL-R381"));
        EXPECT_EQ(messages[1].icon, Dialogs::Icon::Critical);
        EXPECT_EQ(messages[1].buttons, Dialogs::Buttons::Ok);
        EXPECT_EQ(form->FileName(), kept);
        EXPECT_EQ(form->Caption(), Title(kept));
        EXPECT_EQ(form->Modified(), 1);
        EXPECT_EQ(form->Comment(), QStringLiteral("changed"));
        EXPECT_EQ(Doc().Record(rkMemory, 2), record);
    }

    // A cancelled dialog shows nothing.
    messages.clear();
    answers = {Dialogs::Answer::No};
    form->Open1Click();
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(DocumentsTest, UnsavedChangesQuestionBeforeNew)
{
    // Cancel: the command is dropped.
    Change();
    answers = {Dialogs::Answer::Cancel};
    form->New1Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kQuestion);
    EXPECT_EQ(messages[0].caption, QStringLiteral("VXL-R381"));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Warning);
    EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::YesNoCancel);
    EXPECT_TRUE(fileRequests.empty());
    EXPECT_EQ(form->Modified(), 1);
    EXPECT_EQ(form->Comment(), QStringLiteral("Club"));

    // Yes with a name: saved first, then new.
    answers = {Dialogs::Answer::Yes};
    paths = {Path("kept.381")};
    form->New1Click();
    EXPECT_TRUE(ReadBytes(Path("kept.381")).contains("RPT"));
    EXPECT_EQ(form->Caption(), Title("Untitled"));
    EXPECT_EQ(form->Comment(), QString());

    // Unchanged document: no question.
    messages.clear();
    form->New1Click();
    EXPECT_TRUE(messages.empty());
}

TEST_F(DocumentsTest, UnsavedChangesQuestionBeforeOpen)
{
    const QString path = MakeFile("other.381", "Other");

    Change();
    answers = {Dialogs::Answer::Cancel};
    form->Open1Click();
    EXPECT_TRUE(fileRequests.empty());
    EXPECT_EQ(form->Comment(), QStringLiteral("Club"));

    answers = {Dialogs::Answer::No};
    paths = {path};
    form->Open1Click();
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_FALSE(fileRequests[0].save);
    EXPECT_EQ(form->Comment(), QStringLiteral("Other"));

    // Yes: the save dialog comes before the open dialog.
    Change();
    answers = {Dialogs::Answer::Yes};
    paths = {Path("saved.381"), path};
    form->Open1Click();
    ASSERT_EQ(fileRequests.size(), 3u);
    EXPECT_TRUE(fileRequests[1].save);
    EXPECT_FALSE(fileRequests[2].save);
    EXPECT_TRUE(ReadBytes(Path("saved.381")).contains("Club"));
    EXPECT_EQ(form->FileName(), path);
    EXPECT_EQ(form->Modified(), 0);
}

TEST_F(DocumentsTest, UnsavedChangesQuestionBeforeClosing)
{
    form->show();

    Change();
    answers = {Dialogs::Answer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(services.closes, 0);
    EXPECT_EQ(form->Modified(), 1);

    // Yes: Save As, then the window closes.
    answers = {Dialogs::Answer::Yes};
    paths = {Path("closing.381")};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fileRequests.size(), 1u);
    EXPECT_TRUE(ReadBytes(Path("closing.381")).contains("Club"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(services.closes, 1);

    form->show();
    answers = {Dialogs::Answer::No};
    form->Exit1->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(services.closes, 2);
}

// Yes asks for a name to keep the changes under: when no file is written
// (the save dialog cancelled, or a name the program refuses) the command
// stops, and the changes, their undo steps and the window stay.
TEST_F(DocumentsTest, YesWithoutASavedFileStopsEveryCommandThatAsks)
{
    services.portValid = true;
    form->show();
    const QString other = MakeFile("other.381", "Other");
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"New", [&] { form->New1->trigger(); }},
        {"Open", [&] { form->Open1->trigger(); }},
        {"Read", [&] { form->Read1->trigger(); }},
        {"Open Backup", [&] { form->OpenBackup1->trigger(); }},
        {"Exit", [&] { form->Exit1->trigger(); }},
        {"closing the window", [&] { form->close(); }},
    };
    // The save dialog cancelled; a name without ".381" ("File Open error.").
    const QString saveAnswers[] = {QString(), Path("notes.txt")};
    for (const auto &[name, run] : commands) {
        for (const QString &saveAs : saveAnswers) {
            SCOPED_TRACE(std::string(name) + " / " + (saveAs.isEmpty() ? "cancelled" : "refused name"));
            Change();
            messages.clear();
            fileRequests.clear();
            answers = {Dialogs::Answer::Yes};
            // A second dialog (Open, Open Backup) would get a file to open.
            paths = {saveAs, other};
            run();
            ASSERT_EQ(fileRequests.size(), 1u);
            EXPECT_TRUE(fileRequests[0].save);
            EXPECT_EQ(messages.size(), saveAs.isEmpty() ? 1u : 2u);
            EXPECT_EQ(form->Comment(), QStringLiteral("Club"));
            EXPECT_TRUE(Doc().Record(rkMemory, 2).endsWith(QStringLiteral("RPT")));
            EXPECT_EQ(form->Modified(), 1);
            EXPECT_EQ(form->Caption(), Title("Untitled"));
            EXPECT_TRUE(form->UndoAction->isEnabled());
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(services.closes, 0);
            EXPECT_EQ(services.reads, 0);
            EXPECT_FALSE(QFile::exists(Path("notes.txt")));
        }
    }
}

// A data file's comment line becomes the comment unchanged, also when it
// is longer than the 50 characters that can be typed, and a save writes it
// back whole.
TEST_F(DocumentsTest, ALongCommentFromAFileIsKeptWhole)
{
    const QString comment = QStringLiteral("Repeaters of the county club, with the hours they are on the air");
    ASSERT_GT(comment.size(), 50);
    const QString path = MakeFile("long.381", comment);
    ASSERT_TRUE(form->OpenFile(path));
    EXPECT_EQ(form->Comment(), comment);
    // Typing cannot make it longer; it can make it shorter.
    form->Edit2->end(false);
    QTest::keyClicks(form->Edit2, QStringLiteral("xyz"));
    EXPECT_EQ(form->Comment(), comment);
    QTest::keyClick(form->Edit2, Qt::Key_Backspace);
    QTest::keyClicks(form->Edit2, QStringLiteral("xyz"));
    EXPECT_EQ(form->Comment(), comment.chopped(1));
    form->Save1Click();
    EXPECT_TRUE(ReadBytes(path).startsWith("COMMENT\r\n" + comment.chopped(1).toLatin1() + "\r\n"));

    // A new document takes 50 typed characters again.
    form->New1Click();
    QTest::keyClicks(form->Edit2, comment);
    EXPECT_EQ(form->Comment(), comment.left(50));
}

// Writing the new file must never cost the old one.
TEST_F(DocumentsTest, FailedSaveLeavesTheOldFileTitleAndModifiedAlone)
{
    paths = {Path("radio.381")};
    ASSERT_TRUE(form->SaveDocumentAs());
    const QString path = Path("radio.381");
    const QByteArray old = ReadBytes(path);
    ASSERT_FALSE(old.isEmpty());
    Change(QStringLiteral("a comment long enough to need more room than allowed"));

    // The file system refuses the write part way through.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved1 = form->SaveDocument();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kFileError);
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(form->Caption(), Title(path));
    EXPECT_EQ(form->Modified(), 1);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"radio.381"}));

    // The same save succeeds once there is room.
    EXPECT_TRUE(form->SaveDocument());
    EXPECT_TRUE(ReadBytes(path).contains("long enough"));
    EXPECT_EQ(form->Modified(), 0);
}

TEST_F(DocumentsTest, SaveAsRefusesOtherExtensionsAndUnwritableTargets)
{
    WriteBytes(Path("notes.txt"), "keep me");
    QDir(dir.path()).mkdir(QStringLiteral("folder.381"));
    Change();

    const QString targets[] = {Path("notes.txt"), Path("folder.381"), Path("missing/dir/x.381")};
    for (const QString &target : targets) {
        messages.clear();
        paths = {target};
        EXPECT_FALSE(form->SaveDocumentAs()) << target.toStdString();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, kFileError);
        EXPECT_EQ(form->Caption(), Title("Untitled"));
        EXPECT_EQ(form->Modified(), 1);
    }
    EXPECT_EQ(ReadBytes(Path("notes.txt")), QByteArray("keep me"));
    EXPECT_TRUE(QFileInfo(Path("folder.381")).isDir());

    // A cancelled dialog: no message, nothing changes.
    messages.clear();
    EXPECT_FALSE(form->SaveDocumentAs());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->Modified(), 1);
}

TEST_F(DocumentsTest, SaveAsksForANameWhenTheFileIsUnnamedOrGone)
{
    // A file called "Untitled" in the working folder is not the document's.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    WriteBytes(QStringLiteral("Untitled"), "not ours");
    form->Save1Click();
    QDir::setCurrent(previous);
    EXPECT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(ReadBytes(Path("Untitled")), QByteArray("not ours"));

    // The document's file deleted meanwhile.
    paths = {Path("gone.381")};
    form->SaveAs1Click();
    ASSERT_TRUE(QFile::remove(Path("gone.381")));
    paths = {Path("again.381")};
    form->Save1Click();
    ASSERT_EQ(fileRequests.size(), 3u);
    EXPECT_TRUE(fileRequests[2].save);
    EXPECT_EQ(fileRequests[2].fileName, Path("gone.381"));
    EXPECT_EQ(form->FileName(), Path("again.381"));
}

TEST_F(DocumentsTest, CommandLinePathSplitOverArgumentsOpensAtFirstShowing)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("my radio")));
    const QString path = MakeFile("my radio/club net.381", "From the command line");
    const QString folder = QDir(dir.path()).absolutePath();
    form->SetCommandLine({folder + QStringLiteral("/my"), QStringLiteral("radio/club"), QStringLiteral("net.381")});
    form->show();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->FileName(), path);
    EXPECT_EQ(form->Caption(), Title(path));
    EXPECT_EQ(form->Comment(), QStringLiteral("From the command line"));
    EXPECT_EQ(Cell(1, 7, 3), QStringLiteral("SEVEN"));
    EXPECT_EQ(form->Modified(), 0);
    EXPECT_EQ(form->Folder(), folder + QStringLiteral("/my radio/"));

    // A relative path is taken from the working folder.
    {
        const QString previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder));
        TMainForm relative;
        relative.SetCommandLine({QStringLiteral("my"), QStringLiteral("radio/club"), QStringLiteral("net.381")});
        relative.show();
        QDir::setCurrent(previous);
        EXPECT_EQ(relative.FileName(), path);
        EXPECT_EQ(relative.Folder(), folder + QStringLiteral("/my radio/"));
    }

    // Only the first showing opens it.
    form->hide();
    form->New1Click();
    form->show();
    EXPECT_EQ(form->FileName(), QStringLiteral("Untitled"));
}

TEST_F(DocumentsTest, CommandLineFileThatCannotBeOpenedLeavesTheFreshDocument)
{
    WriteBytes(Path("notes.txt"), "COMMENT\r\nx\r\n");
    for (const QString &argument : {Path("missing.381"), Path("notes.txt")}) {
        TMainForm main;
        main.SetCommandLine({argument});
        messages.clear();
        main.show();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.startsWith(kFileError + QLatin1Char('\n') + argument + QStringLiteral(": ")))
            << messages[0].text.toStdString();
        EXPECT_EQ(main.Caption(), Title("Untitled"));
        EXPECT_EQ(main.Modified(), 0);
        EXPECT_EQ(main.Comment(), QString());
    }

    // No arguments: nothing happens.
    TMainForm plain;
    messages.clear();
    plain.show();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(plain.Caption(), Title("Untitled"));
}

// File > Recent Files: the files last opened or saved, newest first, kept
// for the next run; an entry asks the unsaved-changes question like Open,
// and one whose file is gone says so and leaves the list.
TEST_F(DocumentsTest, RecentFilesReopenAfterTheQuestionAndForgetMissingFiles)
{
    auto entries = [](TMainForm &window) {
        QStringList texts;
        for (QAction *action : window.RecentFiles1->actions())
            if (action->data().isValid())
                texts.append(action->text());
        return texts;
    };
    EXPECT_FALSE(form->RecentFiles1->menuAction()->isEnabled());
    const QString one = MakeFile(QStringLiteral("one.381"), QStringLiteral("One"));
    const QString two = MakeFile(QStringLiteral("two.381"), QStringLiteral("Two"));
    ASSERT_TRUE(form->OpenFile(one));
    ASSERT_TRUE(form->OpenFile(two));
    paths = {Path(QStringLiteral("three.381"))};
    ASSERT_TRUE(form->SaveDocumentAs());
    EXPECT_TRUE(form->RecentFiles1->menuAction()->isEnabled());
    EXPECT_EQ(entries(*form), (QStringList{"&1 " + QDir::toNativeSeparators(Path("three.381")),
                                           "&2 " + QDir::toNativeSeparators(two),
                                           "&3 " + QDir::toNativeSeparators(one)}));
    // The next run offers the same files.
    TMainForm next(&services);
    EXPECT_EQ(entries(next), entries(*form));

    // Chosen with unsaved changes: the question first; Cancel opens nothing.
    Change();
    answers = {Dialogs::Answer::Cancel};
    form->RecentFiles1->actions().at(2)->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kQuestion);
    EXPECT_EQ(form->Caption(), Title(Path("three.381")));
    answers = {Dialogs::Answer::No};
    form->RecentFiles1->actions().at(2)->trigger();
    EXPECT_EQ(form->Caption(), Title(one));
    EXPECT_EQ(form->Comment(), "One");
    EXPECT_EQ(form->Modified(), 0);
    EXPECT_TRUE(entries(*form).first().endsWith(QDir::toNativeSeparators(one)));

    // A file deleted meanwhile: said so (without a question), and forgotten.
    messages.clear();
    ASSERT_TRUE(QFile::remove(two));
    QAction *gone = nullptr;
    for (QAction *action : form->RecentFiles1->actions())
        if (action->data().toString() == QDir::toNativeSeparators(two))
            gone = action;
    ASSERT_NE(gone, nullptr);
    gone->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(kFileError + "\n" + QDir::toNativeSeparators(two)))
        << messages[0].text.toStdString();
    EXPECT_EQ(form->Caption(), Title(one));
    EXPECT_EQ(entries(*form).size(), 2);
    EXPECT_EQ(StoredRecentFiles().size(), 2);
}

// A file dropped onto the window (or onto its comment box) opens like Open:
// a .381 file after the unsaved-changes question; any other file is
// refused with the reason and nothing asked.
TEST_F(DocumentsTest, DroppedDataFileOpensAfterTheQuestionAndOtherFilesAreRefused)
{
    const QString data = MakeFile(QStringLiteral("dropped.381"), QStringLiteral("Dropped"));
    const QString text = Path(QStringLiteral("notes.txt"));
    WriteBytes(text, "not a data file");
    EXPECT_TRUE(form->acceptDrops());
    auto drop = [&](QWidget *target, const QString &file) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        mime.setText(file);
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        EXPECT_TRUE(dropped.isAccepted());
        const size_t asked = messages.size();
        // The questions come once the drop itself has ended.
        (void)QTest::qWaitFor([&] { return messages.size() > asked || form->FileName() == file; }, 5000);
    };

    Change();
    answers = {Dialogs::Answer::Cancel};
    drop(form.get(), data);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kQuestion);
    EXPECT_EQ(form->FileName(), "Untitled");

    messages.clear();
    answers = {Dialogs::Answer::No};
    drop(form->Edit2, data);
    EXPECT_EQ(form->FileName(), data);
    EXPECT_EQ(form->Comment(), "Dropped");
    EXPECT_EQ(Cell(1, 7, 3), "SEVEN");

    messages.clear();
    drop(form.get(), text);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(kFileError + "\n" + text)) << messages[0].text.toStdString();
    EXPECT_EQ(form->FileName(), data);
}
