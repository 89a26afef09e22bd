// Undo and redo through the main window's commands: every kind of change
// is one named step, the Edit menu's items follow the stack, and undoing
// back to the saved state leaves the document unmodified. Also the comment
// box, which takes only what the data file holds.
#include "data/ChannelDocument.h"
#include "data/DataFile.h"
#include "support/RadioImage.h"
#include "support/SimFixture.h"
#include "support/Pty.h"
#include "support/TestSettings.h"
#include "support/TestWindows.h"
#include "ui/main/CommentValidator.h"
#include "ui/main/DocumentHistory.h"
#include "ui/main/MainForm.h"
#include "ui/seam/Dialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <memory>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kChannel5 = QStringLiteral("005,00145500000,0,0,0,0,0,,09,,09,,0,,,,,RPT");
const QString kChannel6 = QStringLiteral("006,00433500000,0,0,0,1,0,,12,,09,,0,,,,,");

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStoredSettings();
        QApplication::clipboard()->clear();
        main = std::make_unique<TMainForm>(&windows);
        windows.memory = new TMemory(*main);
        windows.read = new TReadForm(*main);
        Dialogs::SetMessageResponder([this](const Dialogs::MessageRequest &request) {
            messages << request.text;
            if (request.buttons == Dialogs::Buttons::YesNoCancel)
                return Dialogs::Answer::No;
            return request.buttons == Dialogs::Buttons::YesNo ? Dialogs::Answer::Yes : Dialogs::Answer::Ok;
        });
        Dialogs::SetFileResponder([this](const Dialogs::FileRequest &) { return chosenFile; });
        Dialogs::SetReportResponder([this](const Dialogs::ReportRequest &request) {
            reports << request;
            return reportAnswer;
        });
        // A saved document with two channels: the clean state.
        main->Document().SetMemoryRecord(5, kChannel5);
        main->Document().SetMemoryRecord(6, kChannel6);
        main->RefreshGrids();
        const QString path = dir.filePath("start.381");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(WriteDataFile(main->Document(), QStringLiteral("Club")));
        file.close();
        ASSERT_TRUE(main->OpenFile(path));
        ASSERT_EQ(main->Modified(), 0);
    }

    void TearDown() override
    {
        Dialogs::ResetResponders();
        windows.Clear();
        main.reset();
        QApplication::clipboard()->clear();
    }

    QString Slot(int slot) const { return main->Document().Record(rkMemory, slot); }
    static QString Plain(const QAction *action) { return QString(action->text()).remove(QLatin1Char('&')); }
    void Undo() { main->UndoAction->trigger(); }
    // Types characters as a keyboard layout would deliver them (also ones
    // outside ASCII, which QTest::keyClicks cannot send).
    static void TypeText(QWidget *widget, const QString &text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }
    void Redo() { main->RedoAction->trigger(); }
    void Select(int row)
    {
        main->StringGrid1->setFocus();
        main->SelectRow(1, row);
    }

    // Runs the memory editor on the selected row; edit changes the
    // controls, then OK is clicked.
    void EditWithOk(const std::function<void(TMemory &)> &edit)
    {
        QTimer::singleShot(0, [this, edit] {
            edit(*windows.memory);
            windows.memory->Button2->click();
        });
        windows.EditRecord(1);
    }

    TestWindows windows;
    std::unique_ptr<TMainForm> main;
    QTemporaryDir dir;
    QStringList messages;
    QList<Dialogs::ReportRequest> reports;
    Dialogs::Answer reportAnswer = Dialogs::Answer::Ok;
    QString chosenFile;
};

} // namespace

TEST_F(UndoTest, NothingToUndoAfterOpenAndEachStepIsNamed)
{
    EXPECT_FALSE(main->UndoAction->isEnabled());
    EXPECT_FALSE(main->RedoAction->isEnabled());
    EXPECT_EQ(main->UndoAction->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z)});
    EXPECT_TRUE(main->RedoAction->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(main->RedoAction->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));

    Select(5);
    main->Delete1Click();
    EXPECT_TRUE(Slot(5).isEmpty());
    EXPECT_EQ(main->Modified(), 1);
    EXPECT_TRUE(main->UndoAction->isEnabled());
    EXPECT_EQ(Plain(main->UndoAction), "Undo Delete 005");
    EXPECT_FALSE(main->RedoAction->isEnabled());

    Undo();
    EXPECT_EQ(Slot(5), kChannel5);
    // Back at the saved state: nothing unsaved.
    EXPECT_EQ(main->Modified(), 0);
    EXPECT_FALSE(main->UndoAction->isEnabled());
    EXPECT_TRUE(main->RedoAction->isEnabled());
    EXPECT_EQ(Plain(main->RedoAction), "Redo Delete 005");
    // The list shows the restored channel.
    EXPECT_EQ(main->StringGrid1->item(5, 3)->text(), "RPT");

    Redo();
    EXPECT_TRUE(Slot(5).isEmpty());
    EXPECT_EQ(main->Modified(), 1);
    EXPECT_EQ(main->StringGrid1->item(5, 3)->text(), "");
    EXPECT_EQ(Plain(main->UndoAction), "Undo Delete 005");
}

TEST_F(UndoTest, CutPasteAndEditorOkAreStepsInOrder)
{
    Select(5);
    main->Cut1Click();
    EXPECT_TRUE(Slot(5).isEmpty());
    EXPECT_EQ(Plain(main->UndoAction), "Undo Cut 005");

    Select(10);
    ASSERT_TRUE(main->Paste1->isEnabled());
    main->Paste1Click();
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 10, cfReceiveFrequency), "00145500000");
    EXPECT_EQ(Plain(main->UndoAction), "Undo Paste 010");

    Select(6);
    EditWithOk([](TMemory &editor) { QTest::keyClicks(editor.Edit5, "NEW"); });
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 6, cfName), "NEW");
    EXPECT_EQ(Plain(main->UndoAction), "Undo Edit 006");
    EXPECT_EQ(main->History().Stack().count(), 3);

    // Back step by step; the saved state clears Modified only at the end.
    Undo();
    EXPECT_EQ(Slot(6), kChannel6);
    EXPECT_EQ(main->Modified(), 1);
    EXPECT_EQ(Plain(main->UndoAction), "Undo Paste 010");
    Undo();
    EXPECT_TRUE(Slot(10).isEmpty());
    Undo();
    EXPECT_EQ(Slot(5), kChannel5);
    EXPECT_EQ(main->Modified(), 0);

    // A new change after undoing drops the steps that were undone.
    Redo();
    EXPECT_TRUE(Slot(5).isEmpty());
    Select(7);
    main->Delete1Click(); // an empty slot: nothing changes, no step
    EXPECT_EQ(Plain(main->RedoAction), "Redo Paste 010");
    Select(6);
    main->Delete1Click();
    EXPECT_FALSE(main->RedoAction->isEnabled());
    EXPECT_EQ(Plain(main->UndoAction), "Undo Delete 006");
}

TEST_F(UndoTest, SavingMovesTheCleanState)
{
    Select(5);
    main->Delete1Click();
    chosenFile = dir.filePath("saved.381");
    ASSERT_TRUE(main->SaveDocumentAs());
    EXPECT_EQ(main->Modified(), 0);
    // Undoing past the save is a change again, redoing returns to it.
    Undo();
    EXPECT_EQ(main->Modified(), 1);
    Redo();
    EXPECT_EQ(main->Modified(), 0);
}

TEST_F(UndoTest, TypingInTheCommentIsOneStep)
{
    main->Edit2->setFocus();
    main->Edit2->end(false);
    QTest::keyClicks(main->Edit2, " North");
    EXPECT_EQ(main->Comment(), "Club North");
    EXPECT_EQ(main->Modified(), 1);
    EXPECT_EQ(Plain(main->UndoAction), "Undo Edit Comment");
    EXPECT_EQ(main->History().Stack().count(), 1);

    Undo();
    EXPECT_EQ(main->Comment(), "Club");
    EXPECT_EQ(main->Modified(), 0);
    Redo();
    EXPECT_EQ(main->Comment(), "Club North");

    // Another change in between ends the comment step.
    Select(5);
    main->Delete1Click();
    main->Edit2->setFocus();
    QTest::keyClicks(main->Edit2, "!");
    EXPECT_EQ(main->History().Stack().count(), 3);
}

TEST_F(UndoTest, AReadIsOneStepAndUndoGivesBackTheDocument)
{
    SimFixture sim;
    TChannelDocument radio = PopulatedDocument();
    const QString image = sim.WriteFile(QStringLiteral("image.381"), WriteDataFile(radio, QString()));
    ASSERT_TRUE(sim.Start({QStringLiteral("--image"), image, QStringLiteral("--type"), QLatin1String(kAllBandsType),
                           QStringLiteral("--limits"), QLatin1String(kAllBandsLimits)}))
        << sim.ErrorString().toStdString();
    ScopedCommDevice device(1, sim.DevicePath());

    main->Read1Click();
    EXPECT_EQ(main->Modified(), 1);
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 1, cfName), "CH1");
    EXPECT_EQ(Plain(main->UndoAction), "Undo Read from Radio");
    EXPECT_EQ(main->History().Stack().count(), 1);

    Undo();
    EXPECT_EQ(Slot(5), kChannel5);
    EXPECT_EQ(Slot(6), kChannel6);
    EXPECT_EQ(main->Comment(), "Club");
    // The document is the opened one again, but it is no longer tied to
    // that file (a read named it "Untitled"): still unsaved.
    Redo();
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 1, cfName), "CH1");
}

TEST_F(UndoTest, ACsvImportIsOneStepOnlyOnOk)
{
    const QString csv = dir.filePath("rows.csv");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Location;Name;Frequency\r\n20;\"A;B\";145.600000\r\n21;C;433.000000\r\n");
    file.close();

    reportAnswer = Dialogs::Answer::Cancel;
    chosenFile = csv;
    main->ImportCsv1Click();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(Slot(20).isEmpty());
    EXPECT_FALSE(main->UndoAction->isEnabled());
    EXPECT_EQ(main->Modified(), 0);

    reportAnswer = Dialogs::Answer::Ok;
    main->ImportCsv1Click();
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 20, cfReceiveFrequency), "00145600000");
    EXPECT_EQ(main->Document().GetRecordField(rkMemory, 21, cfReceiveFrequency), "00433000000");
    EXPECT_EQ(Slot(5), kChannel5);
    EXPECT_EQ(main->Modified(), 1);
    EXPECT_EQ(Plain(main->UndoAction), "Undo Import CSV");
    EXPECT_EQ(main->History().Stack().count(), 1);

    Undo();
    EXPECT_TRUE(Slot(20).isEmpty());
    EXPECT_TRUE(Slot(21).isEmpty());
    EXPECT_EQ(main->Modified(), 0);
}

TEST_F(UndoTest, CommentBoxRefusesWhatTheFileCannotHold)
{
    QSignalSpy refused(main->commentValidator_, &TCommentValidator::Refused);
    main->Edit2->setFocus();
    main->Edit2->end(false);
    // Latin-1 letters are taken.
    TypeText(main->Edit2, QStringLiteral(" Gr\u00fc\u00df"));
    EXPECT_EQ(main->Comment(), QStringLiteral("Club Gr\u00fc\u00df"));
    EXPECT_EQ(refused.count(), 0);

    // Outside Latin-1 (the euro sign, a CJK letter) nothing is entered.
    TypeText(main->Edit2, QStringLiteral("\u20ac"));
    TypeText(main->Edit2, QStringLiteral("\u4e2d"));
    EXPECT_EQ(main->Comment(), QStringLiteral("Club Gr\u00fc\u00df"));
    EXPECT_EQ(refused.count(), 2);

    // A paste holding one such character is refused whole.
    QApplication::clipboard()->setText(QStringLiteral("ok\u2013no"));
    main->Edit2->paste();
    EXPECT_EQ(main->Comment(), QStringLiteral("Club Gr\u00fc\u00df"));
    EXPECT_EQ(refused.count(), 3);
    QApplication::clipboard()->setText(QStringLiteral("!"));
    main->Edit2->paste();
    EXPECT_EQ(main->Comment(), QStringLiteral("Club Gr\u00fc\u00df!"));

    // What is saved is what is shown: no "?" in place of a character.
    chosenFile = dir.filePath("comment.381");
    ASSERT_TRUE(main->SaveDocumentAs());
    QFile saved(chosenFile);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().split('\n').value(1), QByteArray("Club Gr\xfc\xdf!\r"));

    // A comment from a file with a tab stays editable, and the program's
    // own texts are set without a beep.
    main->SetComment(QStringLiteral("A\tB"));
    main->Edit2->end(false);
    QTest::keyClicks(main->Edit2, "C");
    EXPECT_EQ(main->Comment(), "A\tBC");
    EXPECT_EQ(refused.count(), 3);
    EXPECT_TRUE(CommentCanHold(QLatin1Char('\t')));
    EXPECT_FALSE(CommentCanHold(QChar(0x7f)));
    EXPECT_FALSE(CommentCanHold(QChar(0x85)));
    EXPECT_TRUE(CommentCanHold(QChar(0xa0)));
}
